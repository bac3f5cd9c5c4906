// The Java tokenizer: any text, line by line. The tokens of a line cover it exactly, none is
// empty, and a symbol never holds two of the characters that count as brackets.
#include "FuzzSupport.h"
#include "editor/tokenizers/JavaTokenizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    JavaTokenizer tokenizer;
    for (const QString &line : text.split(u'\n')) {
        tokenizer.setLine(line);
        QString joined;
        int expectedStart = 0;
        for (; !tokenizer.atEnd(); tokenizer.next()) {
            const QString token = tokenizer.token();
            Fuzz::check(!token.isEmpty(), "no token is empty", line);
            Fuzz::check(tokenizer.tokenStart() == expectedStart, "tokens follow each other", line);
            expectedStart += int(token.size());
            joined += token;
            if (tokenizer.kind() == JavaTokenizer::Symbol) {
                int brackets = 0;
                for (QChar c : token)
                    brackets += QStringLiteral("{}()[];,").contains(c) ? 1 : 0;
                Fuzz::check(brackets <= 1, "one bracket per symbol", token);
            }
            if (tokenizer.kind() == JavaTokenizer::Keyword)
                Fuzz::check(JavaTokenizer::isKeyword(token), "a keyword is a keyword", token);
        }
        Fuzz::check(joined == line, "the tokens give the line back", line);
    }
    return 0;
}
