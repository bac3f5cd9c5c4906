#include "app/MainWindowLanguages.h"

#include "settings/languages/CustomLanguageLoader.h"
#include "shell/DocumentTypes.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

MainWindowLanguages::MainWindowLanguages(TMainForm &main)
    : m_main(main),
      m_documents(*this, DocumentTypes::builtInFilter(), DocumentTypes::allFilesFilter())
{}

QList<FileFilterEntry> MainWindowLanguages::filesFilter()
{
    return m_documents.filesFilter();
}

void MainWindowLanguages::GeneralDocument(const QString &name)
{
    m_documents.GeneralDocument(name);
}

void MainWindowLanguages::LoadLangData(const QString &name, bool withCode)
{
    m_documents.LoadLangData(name, withCode);
}

QString MainWindowLanguages::FindLangNameFromFilterString(const QString &ext)
{
    return m_documents.FindLangNameFromFilterString(ext);
}

void MainWindowLanguages::applyLanguage(const QString &name, Highlighter *general)
{
    CustomLanguageLoader::LoadLangData(name, general, nullptr);
}

void MainWindowLanguages::newDocument(
    const QString &language, const QString &ext, int filterItem, const QString &mask,
    const std::function<void(Highlighter *general, EditorAdapter *editor)> &setUp)
{
    m_main.newLanguageDocument(language, ext, filterItem, mask, [&setUp](TEditForm *w) {
        setUp(w->highlighter(Highlighter::General), w->editor());
    });
}

Highlighter *MainWindowLanguages::activeGeneralHighlighter()
{
    TEditForm *w = m_main.GetActiveEditor();
    return w ? w->highlighter(Highlighter::General) : nullptr;
}

EditorAdapter *MainWindowLanguages::activeEditor()
{
    TEditForm *w = m_main.GetActiveEditor();
    return w ? w->editor() : nullptr;
}

void MainWindowLanguages::setFilterIndex(int index)
{
    m_main.setFilterIndex(index);
}
