#pragma once

#include <Qsci/qscilexerhtml.h>

// The HTML lexer in its PHP-only mode ("phpscript"): the text is PHP code from the
// first character, so a document needs no "<?php" to be highlighted.
class PhpScriptLexer : public QsciLexerHTML
{
    Q_OBJECT
public:
    explicit PhpScriptLexer(QObject *parent = nullptr);

    const char *language() const override { return "PHP"; }
    const char *lexer() const override { return "phpscript"; }
    int lexerId() const override;
};
