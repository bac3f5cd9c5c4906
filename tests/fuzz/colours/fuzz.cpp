// Colour files and colour texts. Any bytes as a language's colour file loaded into a
// highlighter; what it then saves loads back to the same colours. The input as a colour text
// converts, and a colour's own text converts back to it.
#include "FuzzSupport.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/TColor.h"

namespace {

bool sameColours(const Highlighter &a, const Highlighter &b)
{
    if (a.attributeCount() != b.attributeCount())
        return false;
    for (int i = 0; i < a.attributeCount(); ++i) {
        const HighlighterAttribute x = a.attribute(i), y = b.attribute(i);
        if (x.foreground != y.foreground || x.background != y.background || x.style != y.style)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::needApplication();
    const QByteArray input = Fuzz::bytes(data, size);

    TColor colour;
    if (TColor::fromString(QString::fromUtf8(input.left(64)), colour)) {
        TColor again;
        Fuzz::check(TColor::fromString(colour.toString(), again) && again == colour,
                    "a colour's text gives the colour back", colour.toString());
    }

    const QString path = Fuzz::file(input, QStringLiteral("Java.ini"));
    Highlighter loaded(Highlighter::Java);
    Fuzz::check(loaded.loadFromFile(path), "a colour file loads");
    const QString saved = Fuzz::file(QByteArray(), QStringLiteral("Saved.ini"));
    Fuzz::remove(saved);
    Fuzz::check(loaded.saveToFile(saved), "colours save");
    Highlighter reloaded(Highlighter::Java);
    Fuzz::check(reloaded.loadFromFile(saved), "saved colours load");
    Fuzz::check(sameColours(loaded, reloaded), "saved colours load as they were");
    Fuzz::remove(path);
    Fuzz::remove(saved);
    return 0;
}
