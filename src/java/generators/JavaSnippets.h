#pragma once

#include <QString>

// The one-click Java snippets: fixed pieces of text inserted at the caret, after which the
// caret goes where the user types next. One table drives the main "Insert" menu, the
// "Insert code.." pop-up of the "Java" tab and the document pop-up's "Insert code" submenu.
namespace JavaSnippets {

// Where the caret goes once the text is in (it then stands at the text's end).
enum class Column {
    Stay,       // no move
    FromIndent, // to column (length of the caret line's indent) + value
    Left        // value columns to the left
};

struct Snippet {
    const char *handler;      // the main window's handler, e.g. "Knapp2Click"
    const char *menuItem;     // item of the main "Insert" menu
    const char *popupItem;    // item of the "Insert code.." pop-up; nullptr: not there
    const char *documentItem; // item of the document pop-up's "Insert code"; nullptr: not there
    const char *caption;      // in the "Insert" menu and the document pop-up
    const char *popupCaption; // in the "Insert code.." pop-up
    const char *text;         // "\r" between lines, "<WS>" for the caret line's indent
    int linesUp;              // lines the caret goes up
    Column column;
    int value;
    bool hidden; // present in the menus but not shown
};

// The snippets in menu order, ended by a row whose handler is nullptr.
extern const Snippet snippets[];

// The snippet of a main-window handler; nullptr when there is none.
const Snippet *find(const QString &handler);

// The text inserted for indent ws.
QString textOf(const Snippet &snippet, const QString &ws);

// The caret, 1-based, after the text went in with the caret ending at endLine/endColumn.
struct Caret {
    int line;
    int column;
};
Caret caretAfter(const Snippet &snippet, int endLine, int endColumn, int indentLength);

} // namespace JavaSnippets
