#include "settings/languages/CustomLanguageLoader.h"

#include "editor/EditorAdapter.h"
#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/Highlighter.h"

namespace CustomLanguageLoader {

CustomLanguage LoadLangData(const QString &name, Highlighter *h, EditorAdapter *codeEditor)
{
    const CustomLanguage language = CustomLanguageFile(name).read(codeEditor != nullptr);
    if (codeEditor)
        codeEditor->setLines(language.code);
    if (GeneralLexer *lexer = h ? h->generalLexer() : nullptr) {
        const GeneralLexer::CommentStyles styles = GeneralLexer::fromLanguageFlags(
            language.pascalComments, language.cComments, language.asmComments, language.basComments,
            language.ansiComments);
        lexer->setLanguage(language.keywords, styles, language.cComments ? '"' : '\'');
    }
    return language;
}

} // namespace CustomLanguageLoader
