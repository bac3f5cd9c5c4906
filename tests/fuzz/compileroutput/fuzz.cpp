// The compiler's output: any text as javac's output for a document. The analysis ends,
// every entry names the document, and a line number, when there is one, reads as a number.
#include "FuzzSupport.h"
#include "java/compile/CompilerOutput.h"
#include "platform/DelphiStrings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> p = Fuzz::parts(Fuzz::bytes(data, size), 2);
    const QString caption = QString::fromUtf8(p.at(0)).left(64);
    const QStringList lines = CompilerOutput::splitLines(QString::fromUtf8(p.at(1)));
    const CompilerOutput::Result result = CompilerOutput::analyse(lines, caption);
    Fuzz::check(result.errorCount >= 0, "the error count is not negative");
    for (const CompilerMessage &entry : result.entries) {
        CompilerOutput::hintText(entry);
        int number = 0;
        Delphi::tryStrToInt(entry.line, number);
    }
    for (const QString &line : lines) {
        CompilerOutput::parseMessageLine(line);
        int count = -1;
        CompilerOutput::parseCountLine(line, &count);
    }
    return 0;
}
