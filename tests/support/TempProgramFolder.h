#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for one test: QMEDITOR_HOME points at it while the object lives.
// With copyData the shipped data (the folder named by QMEDITOR_DATA) is copied into it first.
class TempProgramFolder
{
public:
    explicit TempProgramFolder(bool copyData = false);
    ~TempProgramFolder();

    TempProgramFolder(const TempProgramFolder &) = delete;
    TempProgramFolder &operator=(const TempProgramFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    // The folder, ending in "/".
    QString path() const;
    // path() + relative.
    QString filePath(const QString &relative) const;
    // Writes a file below the folder, making the folders it needs.
    bool writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
    bool m_hadHome;
};
