#pragma once

#include <QByteArray>
#include <QStringList>

// A small reader of rich text (RTF) that yields its plain text by paragraph, as a rich edit
// control shows it: groups, control words and symbols, "\par" and "\line" (also "\sect",
// "\page" and "\row") end a line, "\tab" and "\cell" give a tab, "\'hh" is a byte of code
// page 1252, "\uN" a UTF-16 unit (its "\ucN" fallback characters are skipped). The font,
// colour, style, list and revision tables, the information group, pictures, "\binN" data and
// every "\*" destination are skipped.
//
// The reader walks the bytes once with an explicit stack, so deep nesting cannot exhaust the
// call stack: groups deeper than MaxDepth keep their text out. Truncated or malformed input
// gives what was read up to that point.
class RtfReader
{
public:
    static constexpr int MaxDepth = 200;

    // Whether bytes look like rich text (they begin with "{\rtf").
    static bool isRtf(const QByteArray &bytes);
    // The lines of the document's plain text, in order (empty lines included; no line for
    // the break that ends the last paragraph).
    static QStringList paragraphs(const QByteArray &rtf);
};
