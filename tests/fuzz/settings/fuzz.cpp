// The settings reader: any bytes as a profile file. Every section and key read back (and the
// numbered keys as lists), then a write: the written value reads back, and a second reader of
// the file sees it.
#include "FuzzSupport.h"
#include "platform/IniFile.h"

#include <climits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::file(Fuzz::bytes(data, size), QStringLiteral("fuzz.ini"));
    {
        IniFile ini(path);
        for (const QString &section : ini.readSections()) {
            Fuzz::check(ini.sectionExists(section), "a listed section exists", section);
            for (const QString &key : ini.readSection(section)) {
                Fuzz::check(ini.valueExists(section, key), "a listed key exists", key);
                ini.readInteger(section, key, 0);
                ini.readBool(section, key, false);
                ini.readString(section, key, QString());
            }
            // The numbered keys: at most one value a key, and a range read in two parts gives
            // what it gives at once.
            const QStringList numbered = ini.readNumbered(section, 0, INT_MAX);
            Fuzz::check(numbered.size() <= ini.readSection(section).size(),
                        "no more numbered values than keys", section);
            Fuzz::check(ini.readNumbered(section, 0, 10)
                                + ini.readNumbered(section, 10, INT_MAX - 10)
                            == numbered,
                        "a numbered range read in parts is the same", section);
        }
        const QString value = QStringLiteral("written value");
        Fuzz::check(
            ini.writeString(QStringLiteral("FuzzSection"), QStringLiteral("FuzzKey"), value),
            "a write succeeds", ini.lastError());
        Fuzz::check(ini.readString(QStringLiteral("fuzzsection"), QStringLiteral("FUZZKEY"), {})
                        == value,
                    "the written value reads back");
        const IniFile other(path);
        Fuzz::check(other.readString(QStringLiteral("FuzzSection"), QStringLiteral("FuzzKey"), {})
                        == value,
                    "another reader sees the write");
        ini.deleteKey(QStringLiteral("FuzzSection"), QStringLiteral("FuzzKey"));
        Fuzz::check(!ini.valueExists(QStringLiteral("FuzzSection"), QStringLiteral("FuzzKey")),
                    "a deleted key is gone");
    }
    // Reading a missing file makes the reader forget it, so inputs do not pile up.
    Fuzz::remove(path);
    IniFile(path).sectionExists(QStringLiteral("x"));
    return 0;
}
