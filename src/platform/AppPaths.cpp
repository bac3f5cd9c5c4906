#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace AppPaths {

QString programFolder()
{
    QString folder = qEnvironmentVariable("QMEDITOR_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                              : QDir::currentPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString dataPath(const QString &relative)
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    return programFolder() + rel;
}

QString iniFileName()
{
    return programFolder() + QStringLiteral("qmEditor.ini");
}

} // namespace AppPaths
