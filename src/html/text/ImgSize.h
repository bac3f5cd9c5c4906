#pragma once

#include <QtGlobal>

class QIODevice;
class QString;

// Reads the pixel size of a picture from its file header without decoding the picture.
// One reader per format; the caller picks the reader by the file's extension.
// Every read is checked: a file that is not of the reader's format, or that ends before
// the size, gives no size.
namespace ImgSize {

enum class Result {
    Measured,  // width and height were written
    NoSize,    // not this format, no measurable frame, or the file ends early
    OpenFailed // the file could not be opened for reading
};

// JPEG: walks the markers up to the first baseline, extended sequential or progressive
// start of frame (C0, C1, C2); other frame kinds are skipped like any segment and give
// no size. Width and height are written only when measured.
Result GetJPGSize(const QString &fileName, quint16 &width, quint16 &height);

// PNG: the low 16 bits of the header chunk's width and height (bytes 18-19 and 22-23)
// after the 8-byte signature. Width and height are written only when measured.
Result GetPNGSize(const QString &fileName, quint16 &width, quint16 &height);

// GIF: width and height are set to 0 first; after the 13-byte header ("GIF", case-sensitive)
// and the global colour table, the first 2C byte is taken for the image separator and the
// size is read from the image descriptor that follows it.
Result GetGIFSize(const QString &fileName, quint16 &width, quint16 &height);

// Two bytes, the first the high byte. False when fewer than two bytes could be read.
bool ReadMWord(QIODevice &stream, quint16 &value);

} // namespace ImgSize
