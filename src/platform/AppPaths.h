#pragma once

#include <QString>

// Where the program's own files live: the folder of the executable, or the
// folder named by the environment variable QMEDITOR_HOME when it is set.
namespace AppPaths {

// The program folder, ending in "/".
QString programFolder();

// programFolder() + relative, with "\" in relative taken as "/".
QString dataPath(const QString &relative);

// The settings file "qmEditor.ini" in the program folder.
QString iniFileName();

} // namespace AppPaths
