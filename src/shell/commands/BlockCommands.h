#pragma once

class EditorAdapter;
class QWidget;

// The Java block commands of the Edit menu, the Java tab and their pop-up twins, on one
// editor: each change is one undo step; a refusal is said through the Prompter and changes
// neither the text nor the caret.
namespace BlockCommands {

// The selection becomes "/*" + selection + "*/".
void comment(QWidget *parent, EditorAdapter &editor);
// The selection loses its comment markers.
void uncomment(QWidget *parent, EditorAdapter &editor);
// Two blanks before each line of the selection; without one, three blanks before the caret
// line and the caret three columns to the right.
void indent(EditorAdapter &editor);
// Three blanks fewer before each line of the selection (a one-line selection: its whole
// line; none: the caret line); the caret three columns to the left, never before column 1.
void unindent(QWidget *parent, EditorAdapter &editor);

} // namespace BlockCommands
