#include "settings/languages/CustomLanguageFile.h"

#include "platform/IniFile.h"
#include "settings/files/CompletionFiles.h"
#include "settings/languages/CustomLanguageIndex.h"

#include <QFileInfo>

namespace {

const QString FileInfo = QStringLiteral("FileInfo");
const QString Keywords = QStringLiteral("Keywords");
const QString Code = QStringLiteral("Code");
const QString CommentTypes = QStringLiteral("CommentTypes");

QStringList readList(const IniFile &ini, const QString &section, const QString &countKey)
{
    return ini.readNumbered(section, 0, ini.readInteger(section, countKey, 0));
}

void writeList(IniFile &ini, const QString &section, const QString &countKey,
               const QStringList &list)
{
    ini.eraseSection(section);
    ini.writeString(section, countKey, QString::number(list.size()));
    for (int i = 0; i < list.size(); ++i)
        ini.writeString(section, QString::number(i), list.at(i));
}

// Runs the writes of fill as one replace of the file.
template <typename Fill>
bool writeAtOnce(const QString &fileName, QString *error, Fill fill)
{
    if (!CompletionFiles::makeFolderOf(fileName, error))
        return false;
    IniFile ini(fileName);
    ini.beginUpdate();
    fill(ini);
    if (ini.commit())
        return true;
    if (error)
        *error = ini.lastError();
    return false;
}

} // namespace

CustomLanguageFile::CustomLanguageFile(const QString &name)
    : m_name(name), m_fileName(fileName(name))
{}

QString CustomLanguageFile::fileName(const QString &name)
{
    return CustomLanguageIndex::folder() + name + QStringLiteral(".ini");
}

bool CustomLanguageFile::exists() const
{
    return QFileInfo(m_fileName).isFile();
}

QStringList CustomLanguageFile::commentKeys()
{
    return {QStringLiteral("PascalComments"), QStringLiteral("CComments"),
            QStringLiteral("AsmComments"), QStringLiteral("BasComments"),
            QStringLiteral("AnsiComments")};
}

CustomLanguage CustomLanguageFile::read(bool withCode) const
{
    const IniFile ini(m_fileName);
    CustomLanguage l;
    l.fileExt = ini.readString(FileInfo, QStringLiteral("FileExt"), QString());
    l.langName = ini.readString(FileInfo, QStringLiteral("LangName"), QString());
    l.keywords = readList(ini, Keywords, QStringLiteral("KeyWordsCount"));
    if (withCode)
        l.code = readList(ini, Code, QStringLiteral("CodeLines"));
    const QStringList keys = commentKeys();
    bool *flags[] = {&l.pascalComments, &l.cComments, &l.asmComments, &l.basComments,
                     &l.ansiComments};
    for (int i = 0; i < keys.size(); ++i)
        *flags[i] = ini.readBool(CommentTypes, keys.at(i), false);
    return l;
}

QString CustomLanguageFile::fileExt() const
{
    return IniFile(m_fileName).readString(FileInfo, QStringLiteral("FileExt"), QString());
}

QStringList CustomLanguageFile::keywords() const
{
    return readList(IniFile(m_fileName), Keywords, QStringLiteral("KeyWordsCount"));
}

QStringList CustomLanguageFile::code() const
{
    return readList(IniFile(m_fileName), Code, QStringLiteral("CodeLines"));
}

bool CustomLanguageFile::commentType(const QString &key) const
{
    return IniFile(m_fileName).readBool(CommentTypes, key, false);
}

bool CustomLanguageFile::writeNew(const CustomLanguage &l, QString *error)
{
    return writeAtOnce(m_fileName, error, [&l](IniFile &ini) {
        for (const QString &section : ini.readSections())
            ini.eraseSection(section);
        const QStringList keys = commentKeys();
        const bool flags[] = {l.pascalComments, l.cComments, l.asmComments, l.basComments,
                              l.ansiComments};
        for (int i = 0; i < keys.size(); ++i)
            ini.writeBool(CommentTypes, keys.at(i), flags[i]);
        ini.writeString(FileInfo, QStringLiteral("FileExt"), l.fileExt);
        ini.writeString(FileInfo, QStringLiteral("LangName"), l.langName);
        writeList(ini, Keywords, QStringLiteral("KeyWordsCount"), l.keywords);
        writeList(ini, Code, QStringLiteral("CodeLines"), l.code);
    });
}

bool CustomLanguageFile::writeKeywords(const QStringList &keywords, QString *error)
{
    return writeAtOnce(m_fileName, error, [&keywords](IniFile &ini) {
        writeList(ini, Keywords, QStringLiteral("KeyWordsCount"), keywords);
    });
}

bool CustomLanguageFile::writeCommentType(const QString &key, bool on, QString *error)
{
    return writeAtOnce(m_fileName, error,
                       [&](IniFile &ini) { ini.writeBool(CommentTypes, key, on); });
}

bool CustomLanguageFile::writeFileExt(const QString &fileExt, QString *error)
{
    return writeAtOnce(m_fileName, error, [&](IniFile &ini) {
        ini.writeString(FileInfo, QStringLiteral("FileExt"), fileExt);
    });
}

bool CustomLanguageFile::writeLangName(const QString &name, QString *error)
{
    return writeAtOnce(m_fileName, error, [&](IniFile &ini) {
        ini.writeString(FileInfo, QStringLiteral("LangName"), name);
    });
}

bool CustomLanguageFile::writeCode(const QStringList &lines, QString *error)
{
    return writeAtOnce(m_fileName, error, [&lines](IniFile &ini) {
        writeList(ini, Code, QStringLiteral("CodeLines"), lines);
    });
}

QStringList CustomLanguageFile::masksOf(const QString &fileExt)
{
    QStringList masks;
    for (QString mask : fileExt.split(u';')) {
        mask = mask.trimmed();
        if (mask.isEmpty())
            continue;
        if (!mask.startsWith(u'*'))
            mask = (mask.startsWith(u'.') ? QStringLiteral("*") : QStringLiteral("*.")) + mask;
        masks.append(mask);
    }
    return masks;
}

QString CustomLanguageFile::newDocumentExtension(const QString &fileExt)
{
    const QStringList masks = masksOf(fileExt);
    return masks.isEmpty() ? QString() : masks.first().mid(1);
}
