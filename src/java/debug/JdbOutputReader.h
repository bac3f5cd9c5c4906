#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Reads jdb's output one character at a time and turns it into the lines of the debugger
// log. The current line is FLine:
// - as soon as it holds "main[1]" (jdb's prompt) and no ">", it is dropped and the prompt
//   "main[1] " becomes a log line of its own (a Prompt event);
// - at a carriage return or line feed the line, trimmed, goes to the log (an empty one
//   does not); a line holding "> >" (the prompts of the empty command that every command's
//   CR makes) keeps "> " and what follows its first "> >";
// - a line holding "Initializing jdb ..." (or "Initializing jdb...") then also gives the
//   Initializing event: jdb is ready for the first commands.
class JdbOutputReader
{
public:
    struct Event {
        enum Kind { Line, Prompt, Initializing };
        Kind kind;
        QString text; // the log line (empty for Initializing)

        bool operator==(const Event &o) const { return kind == o.kind && text == o.text; }
    };

    // Reads every character of piece in order, appending what it yields to events.
    void feed(QStringView piece, QList<Event> &events);
    void add(QChar c, QList<Event> &events);

    // The text read since the last line end or prompt.
    QString FLine() const { return m_line; }
    void reset() { clearLine(); }

    // The log line a complete line gives (before its line break); empty: none.
    static QString logLineOf(const QString &line);

private:
    void clearLine();

    QString m_line;
    bool m_lineHasGreater = false; // m_line holds a ">"
};
