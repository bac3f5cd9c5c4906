#pragma once

#include <QString>
#include <QStringList>

class AppSettings;

// The reopen history in the settings file, section "History": "Count" slots in use (1..20),
// "Prev" the slot written last, keys "1".."20" the full file names. Slots are reused in a
// cycle, so their order is the order of writing modulo 20, not of last use.
class HistoryRing
{
public:
    static constexpr int Slots = 20;

    explicit HistoryRing(AppSettings *ini) : m_ini(ini) {}

    // Records fileName unless a slot in use holds exactly that text. True when written.
    bool record(const QString &fileName);
    // The file names of slots 1..Count (empty slots included as empty strings).
    QStringList entries() const;
    int count() const;
    // Erases the section.
    void clear();

private:
    AppSettings *m_ini;
};
