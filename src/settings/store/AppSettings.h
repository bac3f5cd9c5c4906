#pragma once

#include "platform/IniFile.h"
#include "platform/TColor.h"
#include "settings/store/SettingsTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The settings file as the program uses it. Keys of the table (SettingsTable.h) are read with
// the default of the reader asking and written in their stored form; the numbered keys of
// "History" and "ShortCutList" and the highlighter sections go through the raw calls.
//
// Each write goes to disk at once, with the profile-file rules of IniFile, so another IniFile
// on the same file sees it. A batch (Batch, or beginUpdate() and commit()) gathers writes and
// puts them on disk in one replace when it is committed; until then only this object sees
// them. A write or commit changes only the keys it names (IniFile applies them to the file as
// it is on disk, under its lock), so two program instances sharing the file keep each other's
// settings. A write that fails returns false; lastError() says why, and writeFailed() is emitted.
class AppSettings : public QObject
{
    Q_OBJECT
public:
    explicit AppSettings(const QString &fileName, QObject *parent = nullptr);

    QString fileName() const { return m_ini.fileName(); }

    // Table keys. intValue() reads a NumberText key as an integer; textValue() gives its text.
    bool boolValue(Settings::Key key, Settings::Reader reader = Settings::Reader::Program) const;
    int intValue(Settings::Key key, Settings::Reader reader = Settings::Reader::Program) const;
    QString textValue(Settings::Key key, Settings::Reader reader = Settings::Reader::Program) const;
    TColor colourValue(Settings::Key key,
                       Settings::Reader reader = Settings::Reader::Program) const;
    bool contains(Settings::Key key) const;

    bool setBool(Settings::Key key, bool value);
    bool setInt(Settings::Key key, int value);
    bool setText(Settings::Key key, const QString &value);
    bool setColour(Settings::Key key, const TColor &value);

    // Keys outside the table.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool eraseSection(const QString &section);
    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QStringList readSection(const QString &section) const;

    // Batches. beginUpdate() calls nest; the outermost commit() writes. False when the write
    // failed (nothing of the batch reached the file; lastError() says why).
    void beginUpdate();
    bool commit();
    bool isUpdating() const { return m_depth > 0; }

    // Commits on destruction unless commit() was called.
    class Batch
    {
    public:
        explicit Batch(AppSettings &settings) : m_settings(settings) { m_settings.beginUpdate(); }
        ~Batch()
        {
            if (!m_done)
                m_settings.commit();
        }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        bool commit()
        {
            m_done = true;
            return m_settings.commit();
        }

    private:
        AppSettings &m_settings;
        bool m_done = false;
    };

    QString lastError() const { return m_lastError; }

signals:
    // A key was written (in a batch: once the batch is on disk).
    void changed(const QString &section, const QString &key);
    // A write to disk failed.
    void writeFailed(const QString &fileName, const QString &reason);

private:
    bool written(bool ok, const QString &section, const QString &key);

    IniFile m_ini;
    int m_depth = 0;
    QList<QPair<QString, QString>> m_batchChanges;
    QString m_lastError;
};
