// The shortcut table as the main window reads it: any bytes as the settings file give one key
// (or none) per row, never one key for two rows; and every line of the input as a shortcut
// text names one key or none, the same without regard to ASCII case and blanks around it.
#include "FuzzSupport.h"
#include "settings/shortcuts/MenuShortcuts.h"
#include "settings/shortcuts/ShortcutText.h"
#include "settings/store/AppSettings.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);
    const QString path = Fuzz::file(input, QStringLiteral("qmEditor.ini"));
    {
        AppSettings settings(path);
        const QList<QKeySequence> keys = MenuShortcuts::keysOf(settings);
        Fuzz::check(keys.size() == 89, "one key or none per row");
        QSet<QKeySequence> seen;
        for (const QKeySequence &key : keys) {
            Fuzz::check(key.count() <= 1, "a key is one combination", key.toString());
            Fuzz::check(key.isEmpty() || !seen.contains(key), "no key for two rows",
                        key.toString());
            seen.insert(key);
        }
    }
    Fuzz::remove(path);

    const QStringList lines = QString::fromUtf8(input).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QKeySequence key = ShortcutText::parse(line);
        Fuzz::check(key.count() <= 1, "a text names one key", line);
        Fuzz::check(ShortcutText::parse(QLatin1Char(' ') + line + QLatin1Char('\t')) == key,
                    "blanks around do not count", line);
        bool ascii = true;
        for (const QChar c : line)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            Fuzz::check(ShortcutText::parse(line.toUpper()) == key
                            && ShortcutText::parse(line.toLower()) == key,
                        "case does not count", line);
        Fuzz::check(ShortcutText::isTaken({line}, line) == !key.isEmpty(),
                    "a key is taken by its own text, no key never", line);
    }
    return 0;
}
