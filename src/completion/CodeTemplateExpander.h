#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class EditorAdapter;

// TSynAutoComplete (unit SynAutoComplete):
// The main window's code-template expander ("SynAutoComplete1"). Its list (it keeps a copy) is
// a keyword line followed by the keyword's code lines, each prefixed with "=". Executed with a
// word and an editor, it replaces the word before the caret with the keyword's code: the lines
// after the first are indented to the word's column, and the caret goes where the first "|"
// stood (the "|" is removed); without "|" it stays after the code. A word that is no keyword
// (compared case-sensitively) changes nothing.
class TSynAutoComplete : public QObject
{
    Q_OBJECT
public:
    explicit TSynAutoComplete(QObject *parent = nullptr);

    void setCompletionList(const QStringList &list);
    QStringList completionList() const { return m_list; }

    // The code lines of a keyword; false when the list has none of that name.
    bool codeOf(const QString &keyword, QStringList *code) const;

    // The code as inserted for a word starting at 0-based column indent: the text, and the
    // caret's place in it (line offset from the word's line, 0-based column within that line)
    // when the code holds a "|".
    struct Expansion {
        QString text;
        bool placesCaret = false;
        int caretLine = 0;
        int caretColumn = 0;
    };
    static Expansion expand(const QStringList &code, int indent);

    // Expands the word that stands before the caret (blanks between it and the caret are
    // replaced too). True when it was a keyword.
    bool Execute(const QString &word, EditorAdapter *editor);

private:
    QStringList m_list;
};
