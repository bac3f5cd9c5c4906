#include "editor/tokenizers/GeneralTokenizer.h"

#include "editor/highlighting/GeneralLexer.h"

#include <QStringEncoder>

GeneralTokenizer::GeneralTokenizer(char stringQuote)
    : m_lexer(std::make_unique<GeneralLexer>()), m_quote(stringQuote)
{
    m_lexer->setStringDelimiter(stringQuote);
}

GeneralTokenizer::~GeneralTokenizer() = default;

void GeneralTokenizer::scanLine(QStringView line, QList<Span> &spans)
{
    spans.clear();
    // Into the reused buffer: at most three bytes per UTF-16 unit.
    m_utf8.resize(line.size() * 3);
    QStringEncoder encoder(QStringEncoder::Utf8);
    char *end = encoder.appendToBuffer(m_utf8.data(), line);
    m_utf8.truncate(end - m_utf8.data());
    const QByteArray styles = m_lexer->styleLine(m_utf8, m_state);

    // A token starts where the style changes; every symbol is a token of its own, and a
    // string ends at its closing quote (two literals side by side are two tokens).
    int unit = 0; // UTF-16 index of the byte at k
    bool inString = false;
    for (int k = 0; k < styles.size(); ++k) {
        const auto byte = static_cast<unsigned char>(m_utf8.at(k));
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte belongs to its character
        const auto kind = static_cast<Kind>(styles.at(k));
        bool starts = spans.isEmpty() || spans.last().kind != kind || kind == Symbol;
        if (kind == String) {
            if (starts || !inString) {
                starts = true;
                inString = true; // the opening quote
            } else if (byte == static_cast<unsigned char>(m_quote)) {
                inString = false; // the closing quote
            }
        } else {
            inString = false;
        }
        const int width = byte >= 0xF0 ? 2 : 1; // beyond the BMP: a surrogate pair
        if (starts)
            spans.append(Span {kind, unit, width});
        else
            spans.last().length += width;
        unit += width;
    }
}
