#include "shell/HistoryRing.h"

#include "settings/AppSettings.h"

#include <algorithm>

namespace {
const QString kSection = QLatin1String(Settings::History);
const QString kCount = QStringLiteral("Count");
const QString kPrev = QStringLiteral("Prev");
} // namespace

int HistoryRing::count() const
{
    // The ring has at most 20 slots; a damaged "Count" must not make start-up walk millions.
    return m_ini ? std::clamp(m_ini->readInteger(kSection, kCount, 0), 0, int(Slots)) : 0;
}

bool HistoryRing::record(const QString &fileName)
{
    if (!m_ini)
        return false;
    const int used = count();
    for (int i = 1; i <= used; ++i)
        if (m_ini->readString(kSection, QString::number(i), QString()) == fileName)
            return false;
    // One replace of the file for the three keys.
    AppSettings::Batch batch(*m_ini);
    if (used <= Slots - 1)
        m_ini->writeInteger(kSection, kCount, used + 1);
    const int prev = m_ini->readInteger(kSection, kPrev, 0);
    m_ini->writeInteger(kSection, kPrev, prev >= 0 && prev <= Slots - 1 ? prev + 1 : 1);
    const int slot = m_ini->readInteger(kSection, kPrev, 1);
    m_ini->writeString(kSection, QString::number(slot), fileName);
    return batch.commit();
}

QStringList HistoryRing::entries() const
{
    QStringList files;
    const int used = count();
    for (int i = 1; i <= used; ++i)
        files.append(m_ini->readString(kSection, QString::number(i), QString()));
    return files;
}

void HistoryRing::clear()
{
    if (m_ini)
        m_ini->eraseSection(kSection);
}
