// The text-file decoder: any bytes as a document. Both ways of decoding agree, the UTF-8
// check agrees with Qt's decoder, and saving an unchanged document gives the same bytes.
#include "FuzzSupport.h"
#include "platform/TextFile.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);

    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder qt(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString viaQt = qt.decode(body);
    (void)viaQt;
    Fuzz::check(TextFile::isValidUtf8(body.constData(), body.size()) == !qt.hasError(),
                "the UTF-8 check agrees with Qt");

    TextFile::Content content;
    QByteArray utf8;
    TextFile::Format format;
    const bool decoded = TextFile::decode(bytes, content);
    Fuzz::check(decoded == TextFile::decodeToUtf8(bytes, utf8, format),
                "both decoders accept alike");
    Fuzz::check(decoded == !bytes.contains('\0'), "only a NUL byte refuses a file");
    if (!decoded)
        return 0;
    Fuzz::check(TextFile::fromUtf8KeepingBom(utf8) == content.text, "both decoders give one text");
    Fuzz::check(int(format.encoding) == int(content.format.encoding)
                    && format.utf8Bom == content.format.utf8Bom
                    && int(format.lineEnding) == int(content.format.lineEnding),
                "both decoders give one format");

    // A text whose line breaks are all the file's own is saved as it was read.
    if (TextFile::convertLineEndings(content.text, content.format.lineEnding) == content.text)
        Fuzz::check(TextFile::encode(content.text, content.format) == bytes,
                    "an unchanged document saves as the same bytes");
    // Whatever the breaks, encoding keeps every character.
    const QByteArray saved = TextFile::encode(content.text, content.format);
    TextFile::Content again;
    Fuzz::check(TextFile::decode(saved, again), "a saved document loads");
    Fuzz::check(again.text == content.text, "a saved document loads as the same text");
    return 0;
}
