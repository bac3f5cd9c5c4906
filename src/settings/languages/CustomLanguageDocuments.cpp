#include "settings/languages/CustomLanguageDocuments.h"

#include "editor/highlighting/Highlighter.h"
#include "platform/AppPaths.h"
#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageLoader.h"
#include "settings/languages/LanguageFilter.h"

#include <QFileInfo>

CustomLanguageDocuments::CustomLanguageDocuments(Window &window, QList<FileFilterEntry> builtIn,
                                                 FileFilterEntry allFiles)
    : m_window(window), m_builtIn(std::move(builtIn)), m_allFiles(std::move(allFiles))
{}

QList<FileFilterEntry> CustomLanguageDocuments::filesFilter() const
{
    return LanguageFilter::filterOf(LanguageFilter::build(m_builtIn, m_allFiles));
}

void CustomLanguageDocuments::GeneralDocument(const QString &name)
{
    const QString ext =
        CustomLanguageFile::newDocumentExtension(CustomLanguageFile(name).fileExt());
    const QList<LanguageFilter::Entry> entries = LanguageFilter::build(m_builtIn, m_allFiles);
    const int item = LanguageFilter::lastListing(entries, ext);
    const QString mask = item >= 0 ? entries.at(item).filter.masks.join(u';') : QString();
    m_window.newDocument(
        name, ext, item, mask, [&name](Highlighter *general, EditorAdapter *editor) {
            const QString colours =
                AppPaths::dataPath(QStringLiteral("colors/lang/")) + name + QStringLiteral(".ini");
            if (QFileInfo(colours).isFile())
                general->loadFromFile(colours);
            CustomLanguageLoader::LoadLangData(name, general, editor);
        });
}

void CustomLanguageDocuments::LoadLangData(const QString &name, bool withCode)
{
    EditorAdapter *editor = m_window.activeEditor();
    if (!editor)
        return;
    CustomLanguageLoader::LoadLangData(name, m_window.activeGeneralHighlighter(),
                                       withCode ? editor : nullptr);
}

QString CustomLanguageDocuments::FindLangNameFromFilterString(const QString &ext)
{
    const QList<LanguageFilter::Entry> entries = LanguageFilter::build(m_builtIn, m_allFiles);
    const int i = LanguageFilter::firstListing(entries, ext);
    if (i < 0)
        return QString();
    m_window.setFilterIndex(i);
    return entries.at(i).language;
}
