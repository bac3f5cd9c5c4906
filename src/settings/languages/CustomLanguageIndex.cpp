#include "settings/languages/CustomLanguageIndex.h"

#include "platform/AppPaths.h"
#include "platform/DelphiStrings.h"
#include "platform/IniFile.h"
#include "settings/files/CompletionFiles.h"

namespace {
const QString Section = QStringLiteral("CustomLanguages");
const QString Count = QStringLiteral("Count");

// The built-in type whose colour file a name would share; empty when none.
QString builtInTypeOf(const QString &name)
{
    for (const char *type : {"Java", "HTML", "CSS", "PERL", "PHP", "XML"})
        if (Delphi::trim(name).compare(QLatin1String(type), Qt::CaseInsensitive) == 0)
            return QLatin1String(type);
    return QString();
}
} // namespace

CustomLanguageIndex::CustomLanguageIndex() : m_fileName(fileName()) {}

QString CustomLanguageIndex::folder()
{
    return AppPaths::dataPath(QStringLiteral("customlang/"));
}

QString CustomLanguageIndex::fileName()
{
    return folder() + QStringLiteral("toc.ini");
}

int CustomLanguageIndex::count() const
{
    return IniFile(m_fileName).readInteger(Section, Count, 0);
}

QStringList CustomLanguageIndex::entries() const
{
    const IniFile ini(m_fileName);
    return ini.readNumbered(Section, 1, ini.readInteger(Section, Count, 0));
}

QStringList CustomLanguageIndex::names() const
{
    QStringList list;
    for (const QString &name : entries())
        if (!Delphi::trim(name).isEmpty())
            list.append(name);
    return list;
}

bool CustomLanguageIndex::writeEntries(const QStringList &entries, QString *error)
{
    if (!CompletionFiles::makeFolderOf(m_fileName, error))
        return false;
    IniFile ini(m_fileName);
    ini.beginUpdate();
    ini.eraseSection(Section);
    ini.writeInteger(Section, Count, int(entries.size()));
    for (int i = 0; i < entries.size(); ++i)
        ini.writeString(Section, QString::number(i + 1), entries.at(i));
    if (ini.commit())
        return true;
    if (error)
        *error = ini.lastError();
    return false;
}

bool CustomLanguageIndex::append(const QString &name, QString *error)
{
    return writeEntries(entries() << name, error);
}

bool CustomLanguageIndex::rename(const QString &oldName, const QString &newName, QString *error)
{
    QStringList list = entries();
    const int at = list.indexOf(oldName);
    if (at < 0)
        return true;
    list[at] = newName;
    return writeEntries(list, error);
}

bool CustomLanguageIndex::remove(const QString &name, QString *error)
{
    QStringList list = entries();
    if (Delphi::trim(name).isEmpty() || !list.contains(name))
        return true;
    list.removeAll(name);
    return writeEntries(list, error);
}

bool CustomLanguageIndex::isOwnName(const QString &name)
{
    return !Delphi::trim(name).isEmpty() && !name.contains(u'/') && !name.contains(u'\\')
        && name != QLatin1String("..") && name != QLatin1String(".");
}

bool CustomLanguageIndex::ownsColourFile(const QString &name)
{
    return isOwnName(name) && builtInTypeOf(name).isEmpty();
}

QString CustomLanguageIndex::nameRefusal(const QString &name, const QStringList &existing)
{
    const QString trimmed = Delphi::trim(name);
    if (trimmed.isEmpty())
        return QStringLiteral("Please enter a name for the language!");
    for (const char *bad : {"/", "\\", "..", "|"})
        if (trimmed.contains(QLatin1String(bad)))
            return QStringLiteral("A language name can't hold \"/\", \"\\\", \"..\" or \"|\"!");
    if (trimmed.compare(QLatin1String("toc"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("\"toc\" names the list of the languages. Please choose another "
                              "name!");
    const QString type = builtInTypeOf(trimmed);
    if (!type.isEmpty())
        return QStringLiteral("\"") + type
            + QStringLiteral("\" is a built-in document type. Please choose another name!");
    for (const QString &other : existing)
        if (Delphi::trim(other).compare(trimmed, Qt::CaseInsensitive) == 0)
            return QStringLiteral("There is already a language called ") + other
                + QStringLiteral(". Please choose another name!");
    return QString();
}
