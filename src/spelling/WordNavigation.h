#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

class TSpellCheck;

// Finding words in lines of text with the spell checker's word characters. Lines and
// columns count from 1; a column one past a line's end is still on that line.
namespace WordNavigation {

struct Span {
    int column = 0; // first column of the word; 0 for no word
    int length = 0;
    bool isEmpty() const { return length == 0; }
};

struct Position {
    int line = 0;
    int column = 0;
};

// The word at column: the run of word characters that contains the column or ends just
// before it. Empty between two delimiters and past the line's end plus one.
Span wordAt(QStringView line, int column, const TSpellCheck &checker);

// The lines of a document, read on demand.
struct Lines {
    std::function<int()> count;
    std::function<QString(int)> line; // 1-based
};
Lines linesOf(const QStringList &list);

// The start of the next word after the caret (line, column): past the end of the word under
// the caret on its line, else the first word of a later line. When no word follows: on the
// last line, the end of the line plus one, or the caret itself once it stands there; on an
// earlier line, column 0.
Position nextWordPos(const Lines &lines, int line, int column, const TSpellCheck &checker);

// The start of the word before the word under the caret, looking back over earlier lines
// too; column 0 when none precedes.
Position prevWordPos(const Lines &lines, int line, int column, const TSpellCheck &checker);

} // namespace WordNavigation
