#include "html/text/ImgSize.h"

#include <QFile>

namespace ImgSize {

namespace {

bool readByte(QIODevice &f, quint8 &b)
{
    char c;
    if (!f.getChar(&c))
        return false;
    b = static_cast<quint8>(c);
    return true;
}

// Moves count bytes forward; false when that would pass the end of the file.
bool skipForward(QIODevice &f, qint64 count)
{
    const qint64 target = f.pos() + count;
    if (count < 0 || target > f.size())
        return false;
    return f.seek(target);
}

bool isJpegFrameWithSize(quint8 marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2;
}

bool isJpegMarkerWithoutSegment(quint8 marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

Result readJpeg(QIODevice &f, quint16 &width, quint16 &height)
{
    quint16 soi = 0;
    if (!ReadMWord(f, soi) || soi != 0xFFD8)
        return Result::NoSize;

    quint8 b = 0;
    if (!readByte(f, b))
        return Result::NoSize;
    while (b == 0xFF) {
        if (!readByte(f, b))
            return Result::NoSize;
        if (b == 0xFF)
            continue; // fill byte before the marker code
        if (isJpegFrameWithSize(b)) {
            quint16 h = 0;
            quint16 w = 0;
            if (!skipForward(f, 3) || !ReadMWord(f, h) || !ReadMWord(f, w))
                return Result::NoSize;
            height = h;
            width = w;
            return Result::Measured;
        }
        if (isJpegMarkerWithoutSegment(b)) {
            b = 0xFF;
            continue;
        }
        // Any other segment: its length counts its own two bytes. A length below 2 would
        // move backwards and walk the same bytes for ever, so it ends the search.
        quint16 length = 0;
        if (!ReadMWord(f, length) || length < 2 || !skipForward(f, length - 2))
            return Result::NoSize;
        if (!readByte(f, b))
            return Result::NoSize;
    }
    return Result::NoSize;
}

Result readPng(QIODevice &f, quint16 &width, quint16 &height)
{
    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};
    if (f.read(8) != QByteArray(signature, 8))
        return Result::NoSize;
    quint16 w = 0;
    quint16 h = 0;
    if (!f.seek(18) || !ReadMWord(f, w) || !f.seek(22) || !ReadMWord(f, h))
        return Result::NoSize;
    width = w;
    height = h;
    return Result::Measured;
}

quint16 littleEndianWord(const QByteArray &bytes, int offset)
{
    return static_cast<quint16>(static_cast<quint8>(bytes.at(offset))
                                | (static_cast<quint8>(bytes.at(offset + 1)) << 8));
}

Result readGif(QIODevice &f, quint16 &width, quint16 &height)
{
    const QByteArray header = f.read(13);
    if (header.size() != 13 || !header.startsWith("GIF"))
        return Result::NoSize;
    const quint8 flags = static_cast<quint8>(header.at(10));
    if (flags & 0x80) {
        const qint64 tableSize = 3 * (qint64(1) << ((flags & 0x07) + 1));
        if (!skipForward(f, tableSize))
            return Result::NoSize;
    }
    quint8 b = 0;
    while (readByte(f, b)) {
        if (b != 0x2C)
            continue;
        const QByteArray descriptor = f.read(9);
        if (descriptor.size() != 9)
            return Result::NoSize;
        width = littleEndianWord(descriptor, 4);
        height = littleEndianWord(descriptor, 6);
        return Result::Measured;
    }
    return Result::NoSize;
}

} // namespace

bool ReadMWord(QIODevice &stream, quint16 &value)
{
    quint8 high = 0;
    quint8 low = 0;
    if (!readByte(stream, high) || !readByte(stream, low))
        return false;
    value = static_cast<quint16>((high << 8) | low);
    return true;
}

Result GetJPGSize(const QString &fileName, quint16 &width, quint16 &height)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return Result::OpenFailed;
    return readJpeg(f, width, height);
}

Result GetPNGSize(const QString &fileName, quint16 &width, quint16 &height)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return Result::OpenFailed;
    return readPng(f, width, height);
}

Result GetGIFSize(const QString &fileName, quint16 &width, quint16 &height)
{
    width = 0;
    height = 0;
    if (fileName.isEmpty())
        return Result::NoSize;
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return Result::OpenFailed;
    return readGif(f, width, height);
}

} // namespace ImgSize
