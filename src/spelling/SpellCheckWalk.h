#pragma once

#include "spelling/WordNavigation.h"

#include <QString>
#include <QStringList>

class EditorAdapter;
class TSpellCheck;

// One run of the document check: walks the words of the editor from the caret (or from the
// top), asks the checker's handler about each unknown word and carries out its answer.
class SpellCheckWalk
{
public:
    SpellCheckWalk(TSpellCheck &checker, EditorAdapter &editor);
    ~SpellCheckWalk();

    // The whole walk, from OnStart to OnDone or OnAbort. The checker must have a dictionary.
    void run();

    // Selects the word at the caret (nothing when the caret is not at a word).
    static void selectCurrentWord(EditorAdapter &editor, const TSpellCheck &checker);

private:
    WordNavigation::Position stepTarget() const;
    void moveCaret(const WordNavigation::Position &p);
    QString wordAtCaret() const;
    bool shouldCheckHere() const;
    bool checkOneWord(const QString &word);
    void setUpdatesLocked(bool locked);
    void setHourGlass(bool on);

    TSpellCheck &m_checker;
    EditorAdapter &m_editor;
    WordNavigation::Lines m_lines;
    QStringList m_suggestions;
    bool m_aborted = false;
    bool m_locked = false;
    bool m_hourGlass = false;
};
