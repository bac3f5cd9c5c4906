#include "settings/files/CompletionFiles.h"

#include "platform/AppPaths.h"
#include "platform/DelphiStrings.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace CompletionFiles {

QString templateFile()
{
    return AppPaths::dataPath(QStringLiteral("completion/auto.cmp"));
}

QString classListFile()
{
    return AppPaths::dataPath(QStringLiteral("completion/toc.cmp"));
}

QString memberFile(const QString &className)
{
    return AppPaths::dataPath(QStringLiteral("completion/") + className + QStringLiteral(".cmp"));
}

QString presetListFile()
{
    return AppPaths::dataPath(QStringLiteral("colors/toc.col"));
}

QString presetFile(const QString &preset)
{
    return AppPaths::dataPath(QStringLiteral("colors/") + preset + QStringLiteral(".ini"));
}

QString languageColourFile(const QString &language)
{
    return AppPaths::dataPath(QStringLiteral("colors/lang/") + language + QStringLiteral(".ini"));
}

QStringList readLines(const QString &fileName)
{
    TextFile::Content content;
    if (!QFileInfo(fileName).isFile() || !TextFile::load(fileName, content))
        return {};
    return Delphi::textToLines(content.text);
}

bool makeFolderOf(const QString &fileName, QString *error)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return true;
    if (error)
        *error = QStringLiteral("The folder %1 could not be made.").arg(folder);
    return false;
}

bool writeLines(const QString &fileName, const QStringList &lines, QString *error)
{
    if (!makeFolderOf(fileName, error))
        return false;
    TextFile::Format format;
    format.lineEnding = TextFile::LineEnding::CRLF;
    return TextFile::save(fileName, Delphi::linesToText(lines), format, error);
}

namespace {

bool leadsElsewhere(const QString &name)
{
    return name.contains(u'/') || name.contains(QStringLiteral(".."));
}

} // namespace

QString classNameRefusal(const QString &name, const QStringList &listed)
{
    if (Delphi::trim(name).isEmpty())
        return QStringLiteral("Can't add empty text!");
    if (leadsElsewhere(name))
        return QStringLiteral("Can't add the class. A class name can't hold \"/\" or \"..\"!");
    if (name == QLatin1String("auto") || name == QLatin1String("toc"))
        return QStringLiteral(
            "Can't add the class. \"auto\" and \"toc\" name the program's own lists!");
    if (listed.contains(name))
        return QStringLiteral("Can't add the class. It is in the list already!");
    return QString();
}

bool isOwnClassFile(const QString &name)
{
    return !Delphi::trim(name).isEmpty() && !leadsElsewhere(name) && name != QLatin1String("auto")
        && name != QLatin1String("toc");
}

QString presetNameRefusal(const QString &name)
{
    if (Delphi::trim(name).isEmpty())
        return QStringLiteral("Can't save the preset. Please type a name for it!");
    if (leadsElsewhere(name))
        return QStringLiteral("Can't save the preset. A preset name can't hold \"/\" or \"..\"!");
    return QString();
}

} // namespace CompletionFiles
