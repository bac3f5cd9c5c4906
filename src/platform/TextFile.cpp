#include "platform/TextFile.h"

#include "platform/SafeWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

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

// QString::fromUtf8 drops a leading U+FEFF; a file holding one after its own BOM keeps it.
QString TextFile::fromUtf8KeepingBom(const QByteArray &utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(utf8);
}

bool TextFile::decode(const QByteArray &bytes, Content &out, QString *error)
{
    QByteArray utf8;
    Format format;
    if (!decodeToUtf8(bytes, utf8, format, error))
        return false;
    out.text = fromUtf8KeepingBom(utf8);
    out.format = format;
    return true;
}

TextFile::Format TextFile::formatFor(const QString &text, const Format &format)
{
    if (format.encoding != Encoding::Latin1)
        return format;
    const bool representable =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (representable)
        return format;
    Format utf8 = format;
    utf8.encoding = Encoding::Utf8;
    utf8.utf8Bom = false;
    return utf8;
}

QByteArray TextFile::encode(const QString &text, const Format &wanted)
{
    const Format format = formatFor(text, wanted);
    if (format.encoding == Encoding::Latin1)
        return text.toLatin1();
    QByteArray bytes;
    if (format.utf8Bom)
        bytes = QByteArray(utf8Bom);
    bytes += text.toUtf8();
    return bytes;
}

bool TextFile::readAll(const QString &fileName, QByteArray &bytes, QString *error)
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
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool TextFile::load(const QString &fileName, Content &out, QString *error)
{
    QByteArray bytes;
    return readAll(fileName, bytes, error) && decode(bytes, out, error);
}

bool TextFile::loadUtf8(const QString &fileName, QByteArray &utf8, Format &format, QString *error)
{
    QByteArray bytes;
    return readAll(fileName, bytes, error) && decodeToUtf8(bytes, utf8, format, error);
}

bool TextFile::decodeToUtf8(const QByteArray &bytes, QByteArray &utf8, Format &format,
                            QString *error)
{
    if (bytes.contains('\0')) {
        if (error)
            *error = QCoreApplication::translate(
                "TextFile", "The file holds a NUL byte and is not a text file.");
        return false;
    }
    Format result;
    const bool bom = bytes.startsWith(utf8Bom);
    const qsizetype start = bom ? 3 : 0;
    if (isValidUtf8(bytes.constData() + start, bytes.size() - start)) {
        result.encoding = Encoding::Utf8;
        result.utf8Bom = bom;
        utf8 = bom ? bytes.mid(start) : bytes; // no copy without a BOM
    } else {
        result.encoding = Encoding::Latin1;
        utf8 = QString::fromLatin1(bytes).toUtf8();
    }
    result.lineEnding = firstLineEnding(bytes);
    format = result;
    return true;
}

// Well-formed UTF-8 as QStringDecoder accepts it: no overlong forms, no surrogates,
// nothing above U+10FFFF. Runs of ASCII are skipped eight bytes at a time.
bool TextFile::isValidUtf8(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const unsigned char *end = p + size;
    while (p < end) {
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p >= end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        if (p[1] < lo || p[1] > hi)
            return false;
        for (int k = 2; k <= more; ++k) {
            if (p[k] < 0x80 || p[k] > 0xBF)
                return false;
        }
        p += more + 1;
    }
    return true;
}

bool TextFile::save(const QString &fileName, const QString &text, const Format &format,
                    QString *error)
{
    return SafeWrite::replaceFile(
        fileName, encode(convertLineEndings(text, format.lineEnding), format), error);
}

QString TextFile::convertLineEndings(const QString &text, LineEnding ending)
{
    const qsizetype n = text.size();
    // Most texts already end every line the wanted way: then they are returned as they are.
    bool uniform = true;
    for (qsizetype i = 0; i < n && uniform; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            const bool crlf = i + 1 < n && text.at(i + 1) == u'\n';
            uniform = ending == (crlf ? LineEnding::CRLF : LineEnding::CR);
            if (crlf)
                ++i;
        } else if (c == u'\n') {
            uniform = ending == LineEnding::LF;
        }
    }
    if (uniform)
        return text;

    const QString eol = lineEndingText(ending);
    QString result;
    result.reserve(n + n / 16);
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
    case LineEnding::CRLF: return QStringLiteral("\r\n");
    case LineEnding::CR: return QStringLiteral("\r");
    case LineEnding::LF: break;
    }
    return QStringLiteral("\n");
}
