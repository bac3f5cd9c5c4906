#include "spelling/DrawAutoSpellCheckPlugin.h"

#include "editor/EditorAdapter.h"
#include "spelling/WordNavigation.h"

#include <QEvent>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>

namespace {

// No character is narrower than this many pixels: a column past (scrolled width + view
// width) / this lies right of the view, whatever the font.
constexpr int NarrowestCharacter = 2;

} // namespace

TDrawAutoSpellCheckPlugin::TDrawAutoSpellCheckPlugin(EditorAdapter *editor, TSpellCheck *checker)
    : QObject(editor), m_editor(editor)
{
    setChecker(checker);
    applyLook();
    connect(editor, &EditorAdapter::contentsChanged, this,
            &TDrawAutoSpellCheckPlugin::scheduleRefresh);
    connect(editor, &EditorAdapter::viewScrolled, this,
            &TDrawAutoSpellCheckPlugin::scheduleRefresh);
    if (QWidget *w = editor->widget())
        w->installEventFilter(this);
    if (QWidget *view = editor->viewport())
        view->installEventFilter(this);
    scheduleRefresh();
}

void TDrawAutoSpellCheckPlugin::setChecker(TSpellCheck *checker)
{
    if (checker == m_checker)
        return;
    if (m_checker)
        disconnect(m_checker, nullptr, this, nullptr);
    m_checker = checker;
    if (checker) {
        connect(checker, &TSpellCheck::appearanceChanged, this,
                &TDrawAutoSpellCheckPlugin::scheduleRefresh);
        connect(checker, &TSpellCheck::dictionaryLoaded, this,
                &TDrawAutoSpellCheckPlugin::scheduleRefresh);
        connect(checker, &TSpellCheck::dictionaryClosed, this,
                &TDrawAutoSpellCheckPlugin::scheduleRefresh);
    }
    scheduleRefresh();
}

void TDrawAutoSpellCheckPlugin::setPenColor(TColor c)
{
    if (c == m_penColor)
        return;
    m_penColor = c;
    applyLook();
}

void TDrawAutoSpellCheckPlugin::setUnderlineStyle(TSpellCheck::UnderlineStyle s)
{
    if (s == m_style)
        return;
    m_style = s;
    applyLook();
}

void TDrawAutoSpellCheckPlugin::applyLook()
{
    if (!m_editor)
        return;
    // Pixels below the baseline, one per column, repeating every four columns.
    static constexpr std::array<int, 4> word = {0, 1, 2, 1};
    static constexpr std::array<int, 4> wordPerfect = {2, 1, 0, -1};
    m_editor->setWaveLook(m_penColor.toQColor(),
                          m_style == TSpellCheck::usMicrosoftWord ? word : wordPerfect);
}

void TDrawAutoSpellCheckPlugin::scheduleRefresh()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_pending)
            refresh();
    });
}

bool TDrawAutoSpellCheckPlugin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        scheduleRefresh();
    return QObject::eventFilter(watched, event);
}

void TDrawAutoSpellCheckPlugin::refresh()
{
    m_pending = false;
    if (!m_editor || !m_editor->widget())
        return;
    EditorAdapter &e = *m_editor;
    m_underlined.clear();
    const auto show = qScopeGuard([this, &e] {
        QList<EditorAdapter::WaveRange> waves;
        for (const Underline &u : std::as_const(m_underlined))
            waves.append({u.line, u.column, u.length});
        e.setWaves(waves);
    });
    if (!m_checker || !m_checker->editor()
        || !m_checker->options().testFlag(TSpellCheck::sscoAutoSpellCheck))
        return;

    const TSpellCheck &checker = *m_checker;
    const bool anyAttribute = e.highlighter() == nullptr;
    const QStringList attribs = checker.checkAttribs();
    // Words right of the view are not looked at; they are when the view scrolls to them.
    const int clipWidth = e.viewport()->width();
    const int scrolled = e.horizontalScrollOffset();
    const int cutoff = (scrolled + clipWidth) / NarrowestCharacter + 2;
    const int first = e.firstVisibleLine();
    const int last = qMin(e.lineCount(), first + e.linesOnScreen());
    for (int line = first; line <= last; ++line) {
        const QString text = e.line(line);
        int x = 1;
        do {
            if (x >= cutoff)
                break; // the rest of the line lies right of the visible text
            const WordNavigation::Span span = WordNavigation::wordAt(text, x, checker);
            const QStringView word = span.isEmpty()
                ? QStringView()
                : QStringView(text).mid(span.column - 1, span.length);
            // The word test is the cheaper one, so it goes first.
            const bool unknown = !checker.isWordCorrect(word);
            if (unknown
                && (anyAttribute
                    || (!word.isEmpty()
                        && attribs.contains(e.attributeNameAt(line, x), Qt::CaseInsensitive)))) {
                m_underlined.append({line, x, int(word.size())});
            }
            x += int(word.size()) + 1;
        } while (x < text.size());
    }
}
