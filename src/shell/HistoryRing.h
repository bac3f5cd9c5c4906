#pragma once

#include <QString>
#include <QStringList>

class AppSettings;

// The reopen history in the settings file, section "History": "Count" slots in use (1..20),
// "Prev" the slot written last, keys "1".."20" the full file names. Slots are reused in a
// cycle, so their order is the order of writing modulo 20, not of last use.
//
// A damaged section (a "Prev" beyond "Count", a missing or impossible "Count") is read as a
// ring that restarts from the slots holding names, packed into slots 1..n; the next file
// recorded then goes to the slot after them, the top of the Reopen submenu.
class HistoryRing
{
public:
    static constexpr int Slots = 20;

    explicit HistoryRing(AppSettings *ini) : m_ini(ini) {}

    // Records fileName unless a slot in use holds exactly that text, or the name is one the
    // settings file cannot hold as it is (see isStorable). True when written.
    bool record(const QString &fileName);
    // The file names of slots 1..Count (empty slots included as empty strings).
    QStringList entries() const;
    int count() const;
    // Erases the section.
    void clear();

    // Whether a file name survives the settings file unchanged: no line break, no blank or
    // control character at either end and no enclosing double quotes (values are trimmed
    // and lose one pair of quotes when read).
    static bool isStorable(const QString &fileName);

private:
    struct State {
        int count = 0;
        int prev = 0;
        QStringList names;      // slots 1..count
        bool restarted = false; // the section was damaged; names are packed from slot 1
    };
    State read() const;
    void write(const State &state);

    AppSettings *m_ini;
};
