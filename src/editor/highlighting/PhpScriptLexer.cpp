#include "editor/highlighting/PhpScriptLexer.h"

#include <Qsci/qsciscintillabase.h>

PhpScriptLexer::PhpScriptLexer(QObject *parent) : QsciLexerHTML(parent) {}

int PhpScriptLexer::lexerId() const
{
    return QsciScintillaBase::SCLEX_PHPSCRIPT;
}
