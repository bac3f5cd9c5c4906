#include "spelling/SpellCheckWalk.h"

#include "editor/EditorAdapter.h"
#include "platform/DelphiStrings.h"
#include "spelling/SpellCheck.h"

#include <QGuiApplication>
#include <QWidget>

SpellCheckWalk::SpellCheckWalk(TSpellCheck &checker, EditorAdapter &editor)
    : m_checker(checker),
      m_editor(editor),
      m_lines {[&editor] { return editor.lineCount(); },
               [&editor](int line) { return editor.line(line); }}
{}

SpellCheckWalk::~SpellCheckWalk()
{
    // Whatever way the walk ended, the editor paints again and the cursor comes back.
    setUpdatesLocked(false);
    setHourGlass(false);
}

void SpellCheckWalk::run()
{
    const auto opts = m_checker.options();
    m_checker.setBusy(true);
    emit m_checker.started();
    m_aborted = false;
    if (opts.testFlag(TSpellCheck::sscoHourGlass))
        setHourGlass(true);

    if (Delphi::trim(m_editor.text()).isEmpty()) {
        setHourGlass(false);
        emit m_checker.done();
        m_checker.setBusy(false);
        return;
    }

    if (!opts.testFlag(TSpellCheck::sscoStartFromCursor))
        m_editor.setCaret(1, 1);
    if (opts.testFlag(TSpellCheck::sscoHideCursor))
        setUpdatesLocked(true);

    for (;;) {
        // The last word of the last line: a step would not move any more.
        if (m_editor.caretLine() == m_editor.lineCount()) {
            const WordNavigation::Position p = stepTarget();
            if (p.line == m_editor.caretLine() && p.column == m_editor.caretColumn())
                break;
        }
        bool ended = false;
        while (Delphi::trim(wordAtCaret()).isEmpty()) {
            const WordNavigation::Position p = stepTarget();
            if (p.column <= 0
                || (p.line == m_editor.caretLine() && p.column == m_editor.caretColumn())) {
                ended = true;
                break;
            }
            moveCaret(p);
        }
        if (ended)
            break;
        const QString word = wordAtCaret();
        if (shouldCheckHere() && !checkOneWord(word))
            break;
        const WordNavigation::Position p = stepTarget();
        if (p.column <= 0)
            break;
        moveCaret(p);
    }

    if (opts.testFlag(TSpellCheck::sscoHideCursor))
        setUpdatesLocked(false);
    m_suggestions.clear();
    setHourGlass(false);
    m_editor.setCaret(m_editor.caretLine(), m_editor.caretColumn());
    if (m_aborted)
        emit m_checker.aborted();
    else
        emit m_checker.done();
    m_checker.setBusy(false);
}

WordNavigation::Position SpellCheckWalk::stepTarget() const
{
    const int line = m_editor.caretLine();
    const int column = m_editor.caretColumn();
    if (m_checker.options().testFlag(TSpellCheck::sscoGoUp))
        return WordNavigation::prevWordPos(m_lines, line, column, m_checker);
    return WordNavigation::nextWordPos(m_lines, line, column, m_checker);
}

void SpellCheckWalk::moveCaret(const WordNavigation::Position &p)
{
    m_editor.setCaret(p.line, p.column);
}

QString SpellCheckWalk::wordAtCaret() const
{
    const QString text = m_editor.line(m_editor.caretLine());
    const WordNavigation::Span s = WordNavigation::wordAt(text, m_editor.caretColumn(), m_checker);
    return text.mid(s.column - 1, s.length);
}

bool SpellCheckWalk::shouldCheckHere() const
{
    if (!m_editor.highlighter())
        return true;
    const QString name = m_editor.attributeNameAt(m_editor.caretLine(), m_editor.caretColumn());
    return !name.isEmpty() && m_checker.checkAttribs().contains(name, Qt::CaseInsensitive);
}

bool SpellCheckWalk::checkOneWord(const QString &word)
{
    if (m_checker.isWordCorrect(TSpellCheck::lowerWord(word)))
        return true;
    const auto opts = m_checker.options();
    if (opts.testFlag(TSpellCheck::sscoHideCursor))
        setUpdatesLocked(false);
    m_editor.ensureCaretVisible();
    if (opts.testFlag(TSpellCheck::sscoHourGlass))
        setHourGlass(false);

    bool goOn = true;
    if (const TSpellCheck::CheckWordHandler handler = m_checker.checkWordHandler()) {
        if (opts.testFlag(TSpellCheck::sscoSuggestWords))
            m_checker.collectSuggestions(word, &m_suggestions);
        if (opts.testFlag(TSpellCheck::sscoSelectWord))
            selectCurrentWord(m_editor, m_checker);
        QString correct;
        int action = TSpellCheck::caIgnore;
        handler(word, m_suggestions, correct, action, true);
        m_suggestions.clear();
        switch (action) {
        case TSpellCheck::caAbort:
            goOn = false;
            m_aborted = true;
            m_editor.setCaret(m_editor.caretLine(), m_editor.caretColumn());
            break;
        case TSpellCheck::caIgnore: emit m_checker.wordSkipped(word, false); break;
        case TSpellCheck::caIgnoreAll:
            m_checker.addSkip(word);
            emit m_checker.wordSkipped(word, true);
            break;
        case TSpellCheck::caChange:
            selectCurrentWord(m_editor, m_checker);
            m_editor.insertAtCaret(correct);
            emit m_checker.wordCorrected(word, correct);
            break;
        case TSpellCheck::caAdd: m_checker.addWord(word); break;
        default: break;
        }
    }

    if (goOn && opts.testFlag(TSpellCheck::sscoHourGlass))
        setHourGlass(true);
    if (goOn && opts.testFlag(TSpellCheck::sscoHideCursor))
        setUpdatesLocked(true);
    return goOn;
}

void SpellCheckWalk::selectCurrentWord(EditorAdapter &editor, const TSpellCheck &checker)
{
    const int line = editor.caretLine();
    const WordNavigation::Span s =
        WordNavigation::wordAt(editor.line(line), editor.caretColumn(), checker);
    if (!s.isEmpty())
        editor.setSelection(line, s.column, line, s.column + s.length);
}

void SpellCheckWalk::setUpdatesLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    if (QWidget *w = m_editor.widget())
        w->setUpdatesEnabled(!locked);
}

void SpellCheckWalk::setHourGlass(bool on)
{
    if (on == m_hourGlass)
        return;
    m_hourGlass = on;
    if (on)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
