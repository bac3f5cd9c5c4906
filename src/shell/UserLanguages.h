#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QString>

class Highlighter;

// The user-defined languages as the main window uses them (TMainForm forwards its language
// routines here); the composition root implements it over the languages' own code.
class UserLanguages
{
public:
    virtual ~UserLanguages() = default;

    // The file-type filter of the open and save dialogs and the explorer: the built-in types,
    // one entry per language in the order of their table, "All files".
    virtual QList<FileFilterEntry> filesFilter() = 0;
    // A new untitled document of the language name, with its sample code.
    virtual void GeneralDocument(const QString &name) = 0;
    // Configures the active document's general highlighter from the language file of name;
    // withCode also puts the language's sample code in place of its text.
    virtual void LoadLangData(const QString &name, bool withCode) = 0;
    // The language of a file extension: the first filter entry that lists it (built-in types
    // first) names it and becomes the explorer's filter item; empty when no entry lists it.
    virtual QString FindLangNameFromFilterString(const QString &ext) = 0;
    // Configures a document's general highlighter from the language file of name (keywords,
    // comment styles, string quote); a language file may change while documents are open.
    virtual void applyLanguage(const QString &name, Highlighter *general) = 0;
};
