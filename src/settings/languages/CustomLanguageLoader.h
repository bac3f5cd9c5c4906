#pragma once

#include "settings/languages/CustomLanguageFile.h"

#include <QString>

class EditorAdapter;
class Highlighter;

namespace CustomLanguageLoader {

// Configures the general highlighter h from the language file of name: its keywords, its
// comment styles and its string quote (the double quote with C comments, else the single one).
// A missing file leaves no keywords and no comment styles. With codeEditor, that editor's
// text becomes the language's sample code. The highlighter restyles only when something
// changed. Returns the language as read.
CustomLanguage LoadLangData(const QString &name, Highlighter *h, EditorAdapter *codeEditor);

} // namespace CustomLanguageLoader
