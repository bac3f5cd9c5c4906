// The reopen history: any bytes as the settings file. Reading gives at most twenty names;
// a file opened afterwards is recorded once, and while the ring has a free slot it is the
// newest entry (the top of the Reopen submenu).
#include "FuzzSupport.h"
#include "settings/store/AppSettings.h"
#include "shell/HistoryRing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::file(Fuzz::bytes(data, size), QStringLiteral("qmEditor.ini"));
    {
        AppSettings settings(path);
        HistoryRing ring(&settings);
        const QStringList before = ring.entries();
        Fuzz::check(before.size() <= HistoryRing::Slots && ring.count() == int(before.size()),
                    "the ring holds at most twenty names");
        const QString fresh = QStringLiteral("/fuzz/fresh file.txt");
        const bool known = before.contains(fresh);
        const bool recorded = ring.record(fresh);
        Fuzz::check(recorded != known, "a new name is recorded, a known one is not");
        const QStringList after = ring.entries();
        Fuzz::check(after.contains(fresh), "the recorded name is in the ring");
        Fuzz::check(after.count(fresh) == 1, "the name is in the ring once");
        if (!known && before.size() < HistoryRing::Slots) {
            Fuzz::check(after.last() == fresh, "a new file is the newest entry");
            // Every name offered before is still offered.
            for (const QString &name : before)
                Fuzz::check(name.isEmpty() || after.contains(name), "no name is lost", name);
        }
        Fuzz::check(!ring.record(fresh), "recording twice writes once");
    }
    Fuzz::remove(path);
    IniFile(path).sectionExists(QStringLiteral("x"));
    return 0;
}
