#pragma once

#include <QString>

class EditorAdapter;

// The HTML insert and wrapping commands as data: one row per command handler, with the
// text it writes, how it treats the selection and where it leaves the caret.
namespace HtmlInsert {

// One caret move made after the insertion, on the editor's caret line and column.
struct CaretStep {
    enum Kind {
        None,
        Left,        // amount columns to the left (not before column 1)
        Up,          // amount lines up (not above line 1), column kept
        Column,      // to column amount
        IndentColumn // to column (length of the caret line's indentation) + amount
    };
    Kind kind = None;
    int amount = 0;
};

enum class Wrap {
    None,      // the selection is deleted and text inserted
    Selection, // text + selected text + closing replaces the selection
    Alignment, // an alignment block around the selection; text is the alignment word
    StartEnd   // text + selected text + closing, as the start and end tag service
};

struct Command {
    const char *handler; // e.g. "Table1Click"
    const char *text;    // lines separated by CR
    const char *closing; // after the selected text (Selection, StartEnd)
    Wrap wrap;
    bool indentLines; // every line after the first starts with the caret line's indentation
    CaretStep first;
    CaretStep second;
};

// All rows, in no particular order; count gives their number.
const Command *commands(int &count);
// The row of a handler, nullptr when there is none.
const Command *find(const QString &handler);

// The text the command writes, given the caret line's indentation and the selected text
// (ignored by commands that delete the selection).
QString text(const Command &command, const QString &indent, const QString &selected);

// Writes the command's text at the caret of editor (replacing the selection) and makes its
// caret moves; indent is the caret line's indentation taken before the insertion.
// One undo step.
void apply(EditorAdapter &editor, const Command &command, const QString &indent);

// Runs the handler's row on editor with the caret line's current indentation; does nothing
// when editor is nullptr (no document open) or the handler has no row. True when a row ran.
bool run(EditorAdapter *editor, const QString &handler);

} // namespace HtmlInsert
