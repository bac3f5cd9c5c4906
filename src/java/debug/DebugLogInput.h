#pragma once

#include <QString>

// What Enter in the debugger log does with the log's last line (where the user types).
namespace DebugLogInput {

struct Typed {
    enum Action { Send, NewPrompt };
    Action action;
    QString command; // for Send: the command to write (may be empty: the line end alone)
};

// The command in the last line L: the text after its first "]" (a line typed after a
// "main[1] " prompt); on a line holding ">" and "." the text after its first "..." (after its
// first two characters when it holds ".." but no "..."), or after its first "." when it holds
// no "..". When that text is blank, a line holding ">" and "." asks for a new prompt line and
// sends nothing; any other line is sent whole, trimmed.
Typed typedCommand(const QString &lastLine);

} // namespace DebugLogInput
