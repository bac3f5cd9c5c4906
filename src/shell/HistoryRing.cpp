#include "shell/HistoryRing.h"

#include "platform/DelphiStrings.h"
#include "settings/store/AppSettings.h"

namespace {
const QString kSection = QLatin1String(Settings::History);
const QString kCount = QStringLiteral("Count");
const QString kPrev = QStringLiteral("Prev");
} // namespace

bool HistoryRing::isStorable(const QString &fileName)
{
    // A value read back is trimmed and loses one pair of enclosing quotes.
    const bool quoted =
        fileName.size() >= 2 && fileName.startsWith(u'"') && fileName.endsWith(u'"');
    return !fileName.isEmpty() && !fileName.contains(u'\n') && !fileName.contains(u'\r')
        && Delphi::trim(fileName) == fileName && !quoted;
}

HistoryRing::State HistoryRing::read() const
{
    State s;
    if (!m_ini)
        return s;
    const int count = m_ini->readInteger(kSection, kCount, 0);
    const int prev = m_ini->readInteger(kSection, kPrev, 0);
    // Until the ring is full each file takes the next slot, so "Prev" is "Count"; a full
    // ring may have written any slot last.
    const bool empty = count == 0 && prev == 0;
    const bool filling = count >= 1 && count < Slots && prev == count;
    const bool full = count == Slots && prev >= 1 && prev <= Slots;
    if (empty || filling || full) {
        s.count = count;
        s.prev = prev;
        for (int i = 1; i <= count; ++i)
            s.names.append(m_ini->readString(kSection, QString::number(i), QString()));
        return s;
    }
    for (int i = 1; i <= Slots; ++i) {
        const QString name = m_ini->readString(kSection, QString::number(i), QString());
        // Packed into new slots, a name must read back as it is.
        if (isStorable(name) && !s.names.contains(name))
            s.names.append(name);
    }
    s.count = int(s.names.size());
    s.prev = s.count;
    s.restarted = true;
    return s;
}

void HistoryRing::write(const State &s)
{
    m_ini->eraseSection(kSection);
    if (s.count == 0)
        return;
    m_ini->writeInteger(kSection, kCount, s.count);
    m_ini->writeInteger(kSection, kPrev, s.prev);
    for (int i = 0; i < s.names.size(); ++i)
        m_ini->writeString(kSection, QString::number(i + 1), s.names.at(i));
}

int HistoryRing::count() const
{
    return read().count;
}

bool HistoryRing::record(const QString &fileName)
{
    if (!m_ini || !isStorable(fileName))
        return false;
    const State s = read();
    if (s.names.contains(fileName))
        return false;
    AppSettings::Batch batch(*m_ini);
    if (s.restarted)
        write(s);
    if (s.count <= Slots - 1)
        m_ini->writeInteger(kSection, kCount, s.count + 1);
    const int slot = s.prev <= Slots - 1 ? s.prev + 1 : 1;
    m_ini->writeInteger(kSection, kPrev, slot);
    m_ini->writeString(kSection, QString::number(slot), fileName);
    return batch.commit();
}

QStringList HistoryRing::entries() const
{
    return read().names;
}

void HistoryRing::clear()
{
    if (m_ini)
        m_ini->eraseSection(kSection);
}
