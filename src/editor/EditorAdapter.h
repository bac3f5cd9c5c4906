#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/TextFile.h"

class QsciScintilla;
class QWidget;
class Highlighter;

// The document editor as the rest of the program sees it: a QsciScintilla with
// 1-based line/column caret positions (virtual space on, so the caret may stand past
// a line end), the text as a line list, and insertion at the caret in the document's
// own line ending. textChanged() fires for user edits and inserts, not for setText().
class EditorAdapter : public QObject
{
    Q_OBJECT
public:
    explicit EditorAdapter(QWidget *parent = nullptr);
    ~EditorAdapter() override;

    QsciScintilla *widget() const { return m_editor; }

    // Caret, 1-based. Column counts characters; past the line end is virtual space.
    int caretLine() const;
    int caretColumn() const;
    void setCaret(int line, int column);   // line clamped to 1..lineCount (at least 1)

    // Lines: a final line break adds no line, an empty text has 0 lines.
    int lineCount() const;
    QStringList lines() const;
    QString line(int line) const;          // 1-based; empty when out of range
    QString text() const;                  // lines joined by the document's line ending
    void setLines(const QStringList &lines);

    // Programmatic load: no textChanged(), undo history cleared, modified flag cleared.
    void setText(const QString &text);
    // Loads bytes decoded by TextFile and keeps their format for saving.
    void loadContent(const TextFile::Content &content);
    TextFile::Format format() const { return m_format; }
    void setFormat(const TextFile::Format &f);

    // Replaces the selection with text at the caret; CR, LF and CR LF in text become the
    // document's line ending; the caret ends after the text. One undo step.
    void insertAtCaret(const QString &text);
    bool hasSelection() const;
    QString selectedText() const;
    void selectAll();
    // Selection in 1-based line/column.
    void setSelection(int line1, int col1, int line2, int col2);

    // Leading blanks (spaces only) of the caret line.
    QString caretLineIndent() const;

    // Undo grouping for compound edits.
    void beginUndoAction();
    void endUndoAction();

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();

    bool isModified() const;
    void setModified(bool m);

    void setHighlighter(Highlighter *h);   // nullptr: no highlighting
    Highlighter *highlighter() const { return m_highlighter; }

Q_SIGNALS:
    void textChanged();
    void caretMoved(int line, int column);

private:
    QsciScintilla *m_editor;
    Highlighter *m_highlighter = nullptr;
    TextFile::Format m_format;
    int m_loading = 0;
};
