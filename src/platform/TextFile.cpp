#include "TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char utf8Bom[] = "\xEF\xBB\xBF";

TextFile::LineEnding firstLineEnding(const QByteArray &bytes)
{
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        if (bytes.at(k) == '\n')
            return TextFile::LineEnding::LF;
        if (bytes.at(k) == '\r') {
            return k + 1 < bytes.size() && bytes.at(k + 1) == '\n' ? TextFile::LineEnding::CRLF
                                                                    : TextFile::LineEnding::CR;
        }
    }
    return TextFile::LineEnding::LF;
}

} // namespace

bool TextFile::decode(const QByteArray &bytes, Content &out, QString *error)
{
    if (bytes.contains('\0')) {
        if (error)
            *error = QCoreApplication::translate("TextFile", "The file holds a NUL byte and is not a text file.");
        return false;
    }
    Content result;
    QByteArrayView body(bytes);
    const bool bom = bytes.startsWith(utf8Bom);
    if (bom)
        body = body.sliced(3);

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        result.format.encoding = Encoding::Utf8;
        result.format.utf8Bom = bom;
        result.text = text;
    } else {
        // Not UTF-8: every byte is a Latin-1 character, a would-be BOM included.
        result.format.encoding = Encoding::Latin1;
        result.format.utf8Bom = false;
        result.text = QString::fromLatin1(bytes);
    }
    result.format.lineEnding = firstLineEnding(bytes);
    out = result;
    return true;
}

QByteArray TextFile::encode(const QString &text, const Format &format)
{
    if (format.encoding == Encoding::Latin1) {
        // A character Latin-1 cannot hold would be lost; such a text is written as UTF-8.
        bool representable = true;
        for (QChar c : text) {
            if (c.unicode() > 0xFF) {
                representable = false;
                break;
            }
        }
        if (representable)
            return text.toLatin1();
        return text.toUtf8();
    }
    QByteArray bytes;
    if (format.utf8Bom)
        bytes = QByteArray(utf8Bom);
    bytes += text.toUtf8();
    return bytes;
}

bool TextFile::load(const QString &fileName, Content &out, QString *error)
{
    QFileInfo info(fileName);
    if (info.isDir()) {
        if (error)
            *error = QCoreApplication::translate("TextFile", "%1 is a folder.").arg(fileName);
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return decode(bytes, out, error);
}

bool TextFile::save(const QString &fileName, const QString &text, const Format &format,
                    QString *error)
{
    const QByteArray bytes = encode(convertLineEndings(text, format.lineEnding), format);
    // QSaveFile writes a temporary file beside the target, gives it the target's
    // permissions and renames it over the target only when everything was written.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString TextFile::convertLineEndings(const QString &text, LineEnding ending)
{
    const QString eol = lineEndingText(ending);
    QString result;
    result.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            result += eol;
        } else if (c == u'\n') {
            result += eol;
        } else {
            result += c;
        }
    }
    return result;
}

QString TextFile::lineEndingText(LineEnding ending)
{
    switch (ending) {
    case LineEnding::CRLF:
        return QStringLiteral("\r\n");
    case LineEnding::CR:
        return QStringLiteral("\r");
    case LineEnding::LF:
        break;
    }
    return QStringLiteral("\n");
}
