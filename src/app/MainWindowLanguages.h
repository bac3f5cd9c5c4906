#pragma once

#include "settings/languages/CustomLanguageDocuments.h"
#include "shell/UserLanguages.h"

class TMainForm;

// The user-defined languages in the main window: the window's language routines carried out by
// the languages' code, and the window's part in the documents of a language.
class MainWindowLanguages : public UserLanguages, private CustomLanguageDocuments::Window
{
public:
    explicit MainWindowLanguages(TMainForm &main);

    QList<FileFilterEntry> filesFilter() override;
    void GeneralDocument(const QString &name) override;
    void LoadLangData(const QString &name, bool withCode) override;
    QString FindLangNameFromFilterString(const QString &ext) override;
    void applyLanguage(const QString &name, Highlighter *general) override;

private:
    void newDocument(
        const QString &language, const QString &ext, int filterItem, const QString &mask,
        const std::function<void(Highlighter *general, EditorAdapter *editor)> &setUp) override;
    Highlighter *activeGeneralHighlighter() override;
    EditorAdapter *activeEditor() override;
    void setFilterIndex(int index) override;

    TMainForm &m_main;
    CustomLanguageDocuments m_documents;
};
