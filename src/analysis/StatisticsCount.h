#pragma once

#include <QStringList>

// The counts of the statistics dialogs over a document's lines. Each count reads every line
// with a tokenizer, in place. Words are the tokens that are not blank (so "=" and ";" are
// words); letters are the characters of the lines, blanks included, line breaks not; lines
// are the lines of the list.
namespace StatisticsCount {

struct EditorCounts {
    int words = 0;
    int letters = 0;
    int lines = 0;
};

struct JavaCounts {
    EditorCounts editor;
    int classes = 0; // the top-level classes the Java scanner names
    int identifiers = 0;
    int keywords = 0;
    int numbers = 0;
    int strings = 0;  // string and character literals
    int comments = 0; // comment tokens holding "/*" or "//": a block comment counts once, a
                      // documentation comment not at all
};

struct HtmlCounts {
    EditorCounts editor;
    int tags = 0;       // known tag names without "/" (opening tags)
    int parameters = 0; // attribute names
    int ampersands = 0; // character entities
    int undefined = 0;  // tag names the tag table does not hold ("/foo" too)
    int comments = 0;   // comments, counted where they start
};

// With the Java tokenizer; the classes from the Java scanner.
JavaCounts java(const QStringList &lines);
// With the HTML tokenizer and its known-tag table.
HtmlCounts html(const QStringList &lines);
// With the general lexer: no keywords, no comment styles, strings in double quotes.
EditorCounts general(const QStringList &lines);

} // namespace StatisticsCount
