#include "html/commands/DeferredIcons.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QWidget>

DeferredIcons::DeferredIcons(QWidget *panel) : QObject(panel)
{
    panel->installEventFilter(this);
}

void DeferredIcons::add(QAbstractButton *button, const QString &file)
{
    if (m_loaded)
        button->setIcon(QIcon(file));
    else
        m_pending.append({button, file});
}

bool DeferredIcons::eventFilter(QObject *watched, QEvent *event)
{
    // Show comes before the first paint, so the panel is never drawn without its icons.
    if (event->type() == QEvent::Show && watched == parent())
        load();
    return QObject::eventFilter(watched, event);
}

void DeferredIcons::load()
{
    parent()->removeEventFilter(this);
    m_loaded = true;
    for (const Pending &p : std::as_const(m_pending)) {
        if (p.button)
            p.button->setIcon(QIcon(p.file));
    }
    m_pending.clear();
}
