#include "html/text/ImportLines.h"

#include "html/text/RtfReader.h"
#include "platform/DelphiStrings.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace ImportLines {

QStringList entryLines(const QStringList &lines)
{
    QStringList kept;
    kept.reserve(lines.size());
    for (const QString &line : lines) {
        // Any character above the blank makes the line worth an entry.
        const bool blank =
            std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() <= u' '; });
        if (!blank)
            kept.append(line);
    }
    return kept;
}

bool read(const QString &fileName, QStringList &lines, QString *error)
{
    QByteArray bytes;
    if (!TextFile::readAll(fileName, bytes, error))
        return false;
    if (RtfReader::isRtf(bytes)) {
        lines = entryLines(RtfReader::paragraphs(bytes));
        return true;
    }
    TextFile::Content content;
    if (!TextFile::decode(bytes, content, error))
        return false;
    bytes.clear();
    lines = entryLines(Delphi::textToLines(content.text));
    return true;
}

QString cannotOpenText(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason);
}

} // namespace ImportLines
