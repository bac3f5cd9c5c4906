#include "settings/store/AppSettings.h"

#include "platform/DelphiStrings.h"

using Settings::Form;
using Settings::Key;
using Settings::Reader;

AppSettings::AppSettings(const QString &fileName, QObject *parent)
    : QObject(parent), m_ini(fileName)
{}

bool AppSettings::boolValue(Key key, Reader reader) const
{
    Q_ASSERT(Settings::info(key).form == Form::Bool);
    return intValue(key, reader) != 0;
}

int AppSettings::intValue(Key key, Reader reader) const
{
    const QString def = Settings::defaultText(key, reader);
    // A NumberText reader that wants a number falls back to its own default when the
    // stored text is none.
    return m_ini.readInteger(Settings::section(key), Settings::name(key),
                             Delphi::strToIntDef(def, 0));
}

QString AppSettings::textValue(Key key, Reader reader) const
{
    return m_ini.readString(Settings::section(key), Settings::name(key),
                            Settings::defaultText(key, reader));
}

TColor AppSettings::colourValue(Key key, Reader reader) const
{
    Q_ASSERT(Settings::info(key).form == Form::Colour);
    const QString def = Settings::defaultText(key, reader);
    TColor fallback;
    TColor::fromString(def, fallback);
    return TColor::fromStringDef(textValue(key, reader), fallback);
}

bool AppSettings::contains(Key key) const
{
    return m_ini.valueExists(Settings::section(key), Settings::name(key));
}

bool AppSettings::setBool(Key key, bool value)
{
    return writeBool(Settings::section(key), Settings::name(key), value);
}

bool AppSettings::setInt(Key key, int value)
{
    return writeInteger(Settings::section(key), Settings::name(key), value);
}

bool AppSettings::setText(Key key, const QString &value)
{
    return writeString(Settings::section(key), Settings::name(key), value);
}

bool AppSettings::setColour(Key key, const TColor &value)
{
    return writeString(Settings::section(key), Settings::name(key), value.toString());
}

QString AppSettings::readString(const QString &section, const QString &key,
                                const QString &def) const
{
    return m_ini.readString(section, key, def);
}

int AppSettings::readInteger(const QString &section, const QString &key, int def) const
{
    return m_ini.readInteger(section, key, def);
}

bool AppSettings::readBool(const QString &section, const QString &key, bool def) const
{
    return m_ini.readBool(section, key, def);
}

bool AppSettings::writeString(const QString &section, const QString &key, const QString &value)
{
    return written(m_ini.writeString(section, key, value), section, key);
}

bool AppSettings::writeInteger(const QString &section, const QString &key, int value)
{
    return written(m_ini.writeInteger(section, key, value), section, key);
}

bool AppSettings::writeBool(const QString &section, const QString &key, bool value)
{
    return written(m_ini.writeBool(section, key, value), section, key);
}

bool AppSettings::eraseSection(const QString &section)
{
    return written(m_ini.eraseSection(section), section, QString());
}

bool AppSettings::sectionExists(const QString &section) const
{
    return m_ini.sectionExists(section);
}

bool AppSettings::valueExists(const QString &section, const QString &key) const
{
    return m_ini.valueExists(section, key);
}

QStringList AppSettings::readSection(const QString &section) const
{
    return m_ini.readSection(section);
}

bool AppSettings::written(bool ok, const QString &section, const QString &key)
{
    if (m_depth > 0) {
        m_batchChanges.append({section, key});
        return true;
    }
    if (!ok) {
        m_lastError = m_ini.lastError();
        emit writeFailed(fileName(), m_lastError);
        return false;
    }
    m_lastError.clear();
    emit changed(section, key);
    return true;
}

void AppSettings::beginUpdate()
{
    if (m_depth++ == 0) {
        m_batchChanges.clear();
        m_ini.beginUpdate();
    }
}

bool AppSettings::commit()
{
    if (m_depth == 0 || --m_depth > 0)
        return true;
    const QList<QPair<QString, QString>> changes = std::exchange(m_batchChanges, {});
    if (!m_ini.commit()) {
        m_lastError = m_ini.lastError();
        emit writeFailed(fileName(), m_lastError);
        return false;
    }
    m_lastError.clear();
    for (const auto &change : changes)
        emit changed(change.first, change.second);
    return true;
}
