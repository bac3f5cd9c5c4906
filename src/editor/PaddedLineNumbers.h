#pragma once

#include <QObject>

class QsciScintilla;

// Line numbers with leading zeros, every number as wide as the highest line number ("007" in
// a document of 120 lines). The editor's number margin cannot pad, so while this is active the
// line-number margin is a right-aligned text margin (its owner sets that type) whose texts are
// the padded numbers of the lines in view, brought up to date before each paint of the view:
// the cost follows the lines on screen, not the size of the document.
class PaddedLineNumbers : public QObject
{
public:
    explicit PaddedLineNumbers(QsciScintilla *editor);

    // Off: every margin text is cleared.
    void setActive(bool active);
    bool isActive() const { return m_active; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillLinesInView();

    QsciScintilla *m_editor;
    bool m_active = false;
};
