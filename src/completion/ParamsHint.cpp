#include "completion/ParamsHint.h"

#include "editor/EditorAdapter.h"

#include <QEvent>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

ParamsHint::ParamsHint(EditorAdapter *editor, QObject *parent)
    : QObject(parent), m_editor(editor), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("scpParams"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(TimerInterval);
    connect(m_timer, &QTimer::timeout, this, &ParamsHint::activate);
    // Queued: the editor reports a move while it updates its view, when a tip shown at once
    // would not last.
    if (editor)
        connect(
            editor, &EditorAdapter::caretMoved, this,
            [this] {
                if (isShown())
                    activate();
            },
            Qt::QueuedConnection);
    if (editor && editor->widget())
        editor->widget()->installEventFilter(this);
}

bool ParamsHint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        m_showOnFocus = isShown();
    } else if (event->type() == QEvent::FocusIn && m_showOnFocus) {
        m_showOnFocus = false;
        QTimer::singleShot(0, this, [this] {
            if (m_shown && m_editor && !m_editor->isCallTipActive())
                activate();
        });
    }
    return QObject::eventFilter(watched, event);
}

void ParamsHint::triggerByCharacter()
{
    m_timer->start();
}

void ParamsHint::activate()
{
    m_timer->stop();
    if (!m_editor)
        return;
    const int index = OnExecute ? OnExecute() : -1;
    if (index < 0 || ItemList.isEmpty()) {
        hide();
        return;
    }
    int start = -1;
    int length = 0;
    const QString text = tipText(ItemList.first(), index, &start, &length);
    m_editor->showCallTip(text, qMax(0, start), start < 0 ? 0 : length);
    m_shown = true;
}

void ParamsHint::hide()
{
    m_timer->stop();
    m_showOnFocus = false;
    if (m_shown && m_editor)
        m_editor->cancelCallTip();
    m_shown = false;
}

bool ParamsHint::isShown() const
{
    return m_shown && m_editor && m_editor->isCallTipActive();
}

QString ParamsHint::tipText(const QString &item, int index, int *start, int *length)
{
    static const QRegularExpression quoted(QStringLiteral("\"([^\"]*)\""));
    QStringList params;
    for (auto it = quoted.globalMatch(item); it.hasNext();)
        params.append(it.next().captured(1));
    QString text;
    *start = -1;
    *length = 0;
    for (int i = 0; i < params.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        if (i == index) {
            const QString &p = params.at(i);
            int lead = 0;
            while (lead < p.size() && p.at(lead) == QLatin1Char(' '))
                ++lead;
            *start = int(text.size()) + lead;
            *length = int(p.size()) - lead;
        }
        text += params.at(i);
    }
    return text;
}
