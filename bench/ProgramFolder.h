#pragma once

#include <QFile>
#include <QTemporaryDir>

// Points the program at a fresh folder whose settings file turns the tip of the day off, so a
// benchmark's main window starts without a message box waiting for an answer (the folder has
// no tips file). False when the settings file could not be written.
inline bool useQuietProgramFolder(const QTemporaryDir &home)
{
    qputenv("QMEDITOR_HOME", QFile::encodeName(home.path()));
    QFile ini(home.filePath(QStringLiteral("qmEditor.ini")));
    return ini.open(QIODevice::WriteOnly) && ini.write("[Tips]\r\ndoShow=0\r\n") == 18
        && ini.flush();
}
