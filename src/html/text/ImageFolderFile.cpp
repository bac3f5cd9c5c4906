#include "html/text/ImageFolderFile.h"

#include "html/text/CopyToProjectFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ImageFolderFile {

QString resolve(const ProjectSettings &project, const QString &entry)
{
    if (project.projectFolder.isEmpty() || entry.isEmpty() || QDir::isAbsolutePath(entry))
        return {};
    if (entry.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return {};
    const QString folder = QFileInfo(CopyToProjectFolder::targetFolder(
                                         project, CopyToProjectFolder::Target::ImageFolder))
                               .canonicalFilePath();
    if (folder.isEmpty())
        return {};
    const QFileInfo file(folder + QLatin1Char('/') + entry);
    const QString path = file.canonicalFilePath();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    const QString inside = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path.startsWith(inside) ? path : QString();
}

QString deletable(const ProjectSettings &project, const QString &entry, const QStringList &entries)
{
    const QString path = resolve(project, entry);
    if (path.isEmpty())
        return {};
    int naming = 0;
    for (const QString &other : entries) {
        if (resolve(project, other) == path)
            ++naming;
    }
    return naming > 1 ? QString() : path;
}

QString deleteQuestion(const QString &path)
{
    return QStringLiteral("Delete the file %1 from the disk too?").arg(path);
}

QString cannotDeleteText(const QString &path, const QString &reason)
{
    return QStringLiteral("Could not delete the file %1: %2").arg(path, reason);
}

} // namespace ImageFolderFile
