#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing documents whole, keeping their encoding and line ending.
// Loaded as UTF-8 when the bytes are valid UTF-8, else as Latin-1. The line ending
// is the first one found (LF when there is none). A file holding a NUL byte is not text.
class TextFile
{
public:
    enum class Encoding { Utf8, Latin1 };
    enum class LineEnding { LF, CRLF, CR };

    struct Format {
        Encoding encoding = Encoding::Utf8;
        LineEnding lineEnding = LineEnding::LF;
        bool utf8Bom = false;
    };

    struct Content {
        QString text; // lines separated by the file's own line ending, as in the file
        Format format;
    };

    // Decodes bytes; false (with reason) when they hold a NUL byte.
    static bool decode(const QByteArray &bytes, Content &out, QString *error = nullptr);
    static QByteArray encode(const QString &text, const Format &format);
    // The format text is written in: a Latin-1 text holding a character Latin-1 cannot
    // store is written as UTF-8, so that nothing is lost.
    static Format formatFor(const QString &text, const Format &format);

    // Reads a file whole; false with the system's reason when it cannot be read or is not text.
    static bool load(const QString &fileName, Content &out, QString *error = nullptr);

    // The same, giving the text as UTF-8 bytes for the editor: a UTF-8 file's own bytes
    // (without its BOM) are handed over without being decoded and encoded again.
    static bool loadUtf8(const QString &fileName, QByteArray &utf8, Format &format,
                         QString *error = nullptr);
    static bool decodeToUtf8(const QByteArray &bytes, QByteArray &utf8, Format &format,
                             QString *error = nullptr);
    static bool isValidUtf8(const char *data, qsizetype size);
    // UTF-8 bytes as text, a leading U+FEFF included (the file's own BOM is gone already).
    static QString fromUtf8KeepingBom(const QByteArray &utf8);

    // Writes text (whose line breaks may be any of CR, LF, CR LF; they are converted to
    // format.lineEnding) through SafeWrite::replaceFile: on failure the old file is untouched
    // and error holds the system's reason.
    static bool save(const QString &fileName, const QString &text, const Format &format,
                     QString *error = nullptr);

    // Text with every line break made the given ending.
    static QString convertLineEndings(const QString &text, LineEnding ending);
    static QString lineEndingText(LineEnding ending);

    // Reads a file's bytes whole; false with the system's reason (or "… is a folder.").
    static bool readAll(const QString &fileName, QByteArray &bytes, QString *error = nullptr);
};
