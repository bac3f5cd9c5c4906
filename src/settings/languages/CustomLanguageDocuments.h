#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QString>

#include <functional>

class EditorAdapter;
class Highlighter;

// The user-defined languages in the main window's documents: the file-type filter with one entry
// per language, the language of a file by its extension, and a new document of a language.
class CustomLanguageDocuments
{
public:
    // The main window's part, implemented by the composition root.
    class Window
    {
    public:
        virtual ~Window() = default;
        // A new untitled document of extension ext in language, with the general highlighter,
        // shown as documents of a general type are (the "General" tab, no Java tabs); a
        // filterItem of 0 or more also becomes the explorer's filter item and mask its file
        // mask. setUp configures the document's general highlighter and editor before the
        // editor settings apply; the document then counts as unmodified and is announced.
        virtual void newDocument(
            const QString &language, const QString &ext, int filterItem, const QString &mask,
            const std::function<void(Highlighter *general, EditorAdapter *editor)> &setUp) = 0;
        // The active document's general highlighter (made on first use) and its editor;
        // nullptr when no document is open.
        virtual Highlighter *activeGeneralHighlighter() = 0;
        virtual EditorAdapter *activeEditor() = 0;
        // Chooses the explorer's filter item.
        virtual void setFilterIndex(int index) = 0;
    };

    // builtIn: the filter entries of the built-in document types, which come before the
    // languages; allFiles: the last entry.
    CustomLanguageDocuments(Window &window, QList<FileFilterEntry> builtIn,
                            FileFilterEntry allFiles);

    // The whole filter, in LanguageFilter's order.
    QList<FileFilterEntry> filesFilter() const;
    // A new untitled document of the language: its extension is the first mask of its
    // "FileExt"; the last filter entry listing that extension is chosen with its masks; the
    // language's colour file (when there is one), keywords, comment styles and sample code go in.
    void GeneralDocument(const QString &name);
    // The language file of name on the active document's general highlighter; withCode also puts
    // the sample code in place of its text. Nothing happens without an active document.
    void LoadLangData(const QString &name, bool withCode);
    // The language the first filter entry listing ext stands for (a built-in type's name when
    // that lists it); that entry becomes the explorer's filter item. Empty when none lists it.
    QString FindLangNameFromFilterString(const QString &ext);

private:
    Window &m_window;
    QList<FileFilterEntry> m_builtIn;
    FileFilterEntry m_allFiles;
};
