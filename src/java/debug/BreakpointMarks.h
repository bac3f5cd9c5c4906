#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class EditorAdapter;

// The marks in one editor's gutter, in the order they were placed: breakpoints and the
// numbered bookmarks 0-9 (drawn with their digit), which count as breakpoints wherever marks
// are read. Each mark is an editor marker held by its handle, so it follows its line through
// edits; it keeps the caret column it was placed at. Lines are 1-based. The object belongs to
// its editor and goes with it.
class BreakpointMarks : public QObject
{
    Q_OBJECT
public:
    // The editor's marker numbers: the breakpoint glyph and bookmark n's digit.
    static constexpr int BreakpointMarker = 1;
    static constexpr int FirstBookmarkMarker = 2; // + n

    struct Mark {
        int handle;
        int column;
        int bookmark; // 0-9, or -1 for a breakpoint
    };

    explicit BreakpointMarks(EditorAdapter *editor);

    EditorAdapter *editor() const { return m_editor; }

    // Set breakpoint: every mark of the caret line goes, and a breakpoint at the caret is
    // placed last.
    void SetBreakpoint();
    void BreakPointChange(int line, int column);
    // Every mark of the caret line goes.
    void ClearBreakPoint();
    // Every mark goes; the caret stays where it is.
    void Fjernallbokmerker1Click();

    // Some mark (breakpoint or bookmark) lies on the line.
    bool IsBookmarkAtLine(int line) const;
    bool hasBreakpointAtLine(int line) const;

    // The marks' lines, ascending.
    QList<int> SorterBreakPoints() const;
    // The caret to the nearest mark below (above) its line, its column kept; nothing when
    // there is none.
    void NextBreakPointJump();
    void PreviousBreakPointJump();

    // Bookmark n on the caret line: cleared when it lies there, else (re)placed at the caret.
    void toggleBookmark(int number);
    // The caret to bookmark n's line and column; false when it is not set.
    bool gotoBookmark(int number);
    int bookmarkLine(int number) const; // 0 when not set

    // After a key release: a breakpoint on the caret line is placed again at the caret column
    // (and last); the line's bookmarks stay as they are.
    void keyReleased();

    // Every mark's current line, in the order they were placed.
    QList<int> lines() const;
    QList<Mark> marks() const { return m_marks; }
    int lineOf(const Mark &mark) const;

signals:
    void changed();

private:
    // Removes the marks on line: all, or only the breakpoints.
    void removeOnLine(int line, bool bookmarksToo);
    int indexOfBookmark(int number) const;
    void place(int line, int column, int bookmark);

    QPointer<EditorAdapter> m_editor;
    QList<Mark> m_marks;
};
