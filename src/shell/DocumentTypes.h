#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QString>

// The document-type table: which extension makes which kind of document, and what each
// kind selects (highlighter, menus, side tab, filter item, save-dialog filter index,
// template). Types are recognised by containment in the lower-case extension (or window
// caption), first match wins, so ".html" counts as ".htm" and ".perl" matches nothing.
// Each consumer tests the patterns in its own order; the functions below keep those orders.
namespace DocumentTypes {

enum class DocType { Java, HTML, Perl, PHP, XML, CSS, Text, Custom };
enum class MenuKind { Java, HTML, Other };
enum class SideTab { Java, HTML, General };

// Highlighter on loading: ".java", ".htm", ".css", ".xml", ".pl", ".php", ".txt", else Custom.
DocType typeForLoading(const QString &lowerExt);

// Menus on creating a window: ".java", ".htm", else Other.
MenuKind menuKindFor(const QString &lowerExt);

// Save dialog filter index (1-based): ".java" 1, ".htm" 2, ".css" 6, ".pl" 3, ".xml" 5,
// ".php" 4, ".txt" 7 tested in that order; anything else gets lastLanguageIndex.
int saveFilterIndexFor(const QString &lowerExt, int lastLanguageIndex);

// Side tab and explorer filter item on activation: ".htm" HTML (item 1), ".java" Java
// (item 0), else General with item 2 ".pl", 3 ".php", 4 ".xml", 5 ".css", 6 ".txt";
// filterItem is -1 when the current item is kept.
struct TabChoice {
    SideTab tab;
    int filterItem;
};
TabChoice sideTabFor(const QString &lowerExt);

// The extension a new untitled document of a built-in type gets (".java", ".htm", ...).
QString newDocumentExtension(DocType type);

// An HTML page (".htm", also ".html"): Save as starts in the project folder.
bool isHtml(const QString &lowerExt);

// The explorer's file mask after loading a file: "*.htm" for ".html" (which also shows the
// ".html" files), else "*" + the extension.
QString explorerMaskFor(const QString &lowerExt);

// The colour file (in "colors/lang", without ".ini") of a window caption: ".java" Java,
// ".htm" HTML, ".css" CSS, ".xml" XML, ".pl" and ".perl" PERL, ".php" PHP tested in that
// order; empty for a ".txt" caption and for any other (a user-defined language's colour file
// is named by the language).
QString colourFileFor(const QString &lowerCaption);
bool isPlainText(const QString &lowerCaption);

// Templates of new documents. Lines are separated by a carriage return alone.
struct CaretRule {
    enum Kind {
        Stay,    // the caret stays where the insert left it
        At,      // line, column (1-based)
        AboveEnd // column on the line above the caret's line after the insert
    };
    Kind kind = Stay;
    int line = 0;
    int column = 0;
};

struct Template {
    QString text; // empty: no template
    CaretRule caret;
};

enum class NewDocument { JavaApplication, JavaApplet, HTML, Perl, PHP, XML, CSS, Text };

// The template of a new document. Perl's text is the Perl highlighter's sample source,
// which the caller supplies; Text has none.
Template templateFor(NewDocument kind);
QList<NewDocument> allNewDocuments();
DocType docTypeOf(NewDocument kind);

// The seven built-in file-type filter entries in their fixed order (Java, HTML, Perl, PHP,
// XML, CSS, TXT) and the final "All files (*.*)" entry.
QList<FileFilterEntry> builtInFilter();
FileFilterEntry allFilesFilter();

} // namespace DocumentTypes
