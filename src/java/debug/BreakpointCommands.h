#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class BreakpointMarks;
class EditorAdapter;
class FeatureHost;
class HostDocument;
class QKeyEvent;
class QMenu;
class QToolButton;
class QWidget;

// The breakpoint commands: every document's gutter marks (BreakpointMarks) with their keys
// (Ctrl+Shift+0-9 toggles bookmark n on the caret line, Ctrl+0-9 goes to it; after any key
// release a breakpoint on the caret line moves to the caret column), the Debugging menu's
// "Set breakpoint" and "Delete breakpoint", Search's "Next breakpoint" and "Previous
// breakpoint", the document pop-up's breakpoint items, and the tool buttons: on the "Java" tab
// "Set breakpoint", "Clear breakpoint" (its arrow drops down the clear-breakpoints menu),
// "Next breakpoint", "Previous breakpoint"; on the "General" tab the last two.
// The main window's commands act on the active document; a pop-up's on its own document.
class BreakpointCommands : public QObject
{
    Q_OBJECT
public:
    explicit BreakpointCommands(FeatureHost &host, QObject *parent = nullptr);

    // The marks of a document's editor; nullptr for an editor of no document.
    BreakpointMarks *marksOf(const EditorAdapter *editor) const;

    // The Java tab's row of breakpoint buttons.
    QWidget *javaButtons() const { return m_javaButtons; }
    QToolButton *SpeedButton45 = nullptr; // "Set breakpoint"
    QToolButton *SpeedButton2 = nullptr;  // "Clear breakpoint"
    QMenu *ClearBreakpointsMenu = nullptr;

    void SpeedButton45Click();       // Set breakpoint
    void SpeedButton2Click();        // Clear breakpoint at the caret
    void Breakpointatcursor1Click(); // the same, from the clear-breakpoints menu
    void Allbreakpoints1Click();     // Clear all breakpoints
    void Nextbookmark1Click();
    void Previousbookmark1Click();

    // Bookmark n's key: Ctrl+n (go) or Ctrl+Shift+n (toggle), digits of the main keyboard
    // or the keypad; -1 for any other key.
    static int bookmarkKey(const QKeyEvent *event, bool *toggle);

private:
    void attach(HostDocument *document);
    void bindPopup(HostDocument *document, BreakpointMarks *marks);
    void buildButtons();
    BreakpointMarks *activeMarks() const;
    // Runs on every text change of a document (nothing to do for the marks, which follow
    // their lines).
    void ResetMarkButtons() {}

    FeatureHost *m_host;
    QHash<const EditorAdapter *, QPointer<BreakpointMarks>> m_marks;
    QWidget *m_javaButtons = nullptr;
};
