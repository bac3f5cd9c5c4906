#include "html/ImportLines.h"

#include "html/RtfReader.h"
#include "platform/DelphiStrings.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace ImportLines {

namespace {

bool readBytes(const QString &fileName, QByteArray &bytes, QString *error)
{
    if (QFileInfo(fileName).isDir()) {
        if (error)
            *error = QStringLiteral("It is a folder.");
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

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
    if (!readBytes(fileName, bytes, error))
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
