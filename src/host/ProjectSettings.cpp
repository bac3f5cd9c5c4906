#include "host/ProjectSettings.h"

#include "platform/DelphiStrings.h"

#include <QDir>

bool imageFolderLeadsOutside(const QString &name)
{
    const QString trimmed = Delphi::trim(name);
    return QDir::isAbsolutePath(trimmed) || trimmed.contains(QLatin1String(".."));
}
