#include "editor/highlighting/HighlighterDefaults.h"

#include "editor/highlighting/GeneralLexer.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerperl.h>

namespace {

using A = HighlighterAttribute;

A attr(const char *name, TColor fg, int style, QList<int> lexerStyles)
{
    A a;
    a.name = QString::fromLatin1(name);
    a.foreground = fg;
    a.background = TColor::clNone;
    a.style = style;
    a.lexerStyles = std::move(lexerStyles);
    return a;
}

constexpr int B = Highlighter::Bold;
constexpr int I = Highlighter::Italic;

QList<A> javaAttributes()
{
    using L = QsciLexerCPP;
    return {
        attr("Comment", TColor::clNavy, I, {L::Comment, L::CommentLine}),
        attr("Documentation", TColor::clTeal, I,
             {L::CommentDoc, L::CommentLineDoc, L::CommentDocKeyword, L::CommentDocKeywordError}),
        attr("Identifier", TColor::clNone, 0, {L::Identifier, L::GlobalClass}),
        attr("Invalid symbol", TColor::clRed, 0, {L::UUID, L::PreProcessor, L::UnclosedString}),
        attr("Reserved word", TColor::clNone, B, {L::Keyword, L::KeywordSet2}),
        attr("Number", TColor::clPurple, 0, {L::Number}),
        attr("Space", TColor::clNone, 0, {L::Default}),
        attr("String", TColor::clBlue, 0,
             {L::DoubleQuotedString, L::SingleQuotedString, L::VerbatimString, L::Regex,
              L::RawString, L::TripleQuotedVerbatimString, L::HashQuotedString, L::EscapeSequence}),
        attr("Symbol", TColor::clNone, 0, {L::Operator}),
    };
}

QList<A> htmlAttributes()
{
    using L = QsciLexerHTML;
    return {
        attr("Comment", TColor::clGray, I,
             {L::HTMLComment, L::ASPXCComment, L::SGMLComment, L::SGMLParameterComment,
              L::JavaScriptComment, L::JavaScriptCommentLine, L::JavaScriptCommentDoc}),
        attr("Escape", TColor::clTeal, 0, {L::Entity, L::SGMLEntity}),
        attr("Identifier", TColor::clMaroon, 0,
             {L::Attribute, L::SGMLParameter, L::JavaScriptWord}),
        attr("Reserved word", TColor::clNavy, B, {L::Tag, L::SGMLCommand, L::JavaScriptKeyword}),
        attr("Space", TColor::clNone, 0, {}),
        attr("Symbol", TColor::clNone, 0,
             {L::OtherInTag, L::XMLTagEnd, L::XMLStart, L::XMLEnd, L::Script, L::ASPAtStart,
              L::ASPStart, L::PHPStart, L::SGMLDefault, L::SGMLSpecial, L::JavaScriptSymbol,
              L::JavaScriptStart}),
        attr("Text", TColor::clNone, 0,
             {L::Default, L::CDATA, L::SGMLBlockDefault, L::JavaScriptDefault}),
        attr("Unknown word", TColor::clRed, 0, {L::UnknownTag, L::UnknownAttribute, L::SGMLError}),
        attr("Value", TColor::clBlue, 0,
             {L::HTMLNumber, L::HTMLDoubleQuotedString, L::HTMLSingleQuotedString, L::HTMLValue,
              L::SGMLDoubleQuotedString, L::SGMLSingleQuotedString, L::JavaScriptNumber,
              L::JavaScriptDoubleQuotedString, L::JavaScriptSingleQuotedString,
              L::JavaScriptUnclosedString, L::JavaScriptRegex}),
    };
}

QList<A> cssAttributes()
{
    using L = QsciLexerCSS;
    return {
        attr("Comment", TColor::clGray, I, {L::Comment}),
        attr("Key", TColor::clNavy, 0,
             {L::CSS1Property, L::CSS2Property, L::CSS3Property, L::ExtendedCSSProperty,
              L::UnknownProperty}),
        attr("Reserved word", TColor::clNone, B,
             {L::Tag, L::ClassSelector, L::PseudoClass, L::UnknownPseudoClass, L::IDSelector,
              L::AtRule, L::Attribute, L::PseudoElement, L::ExtendedPseudoClass,
              L::ExtendedPseudoElement, L::MediaRule}),
        attr("Space", TColor::clNone, 0, {L::Default}),
        attr("String", TColor::clBlue, 0, {L::DoubleQuotedString, L::SingleQuotedString}),
        attr("Symbol", TColor::clNone, 0, {L::Operator}),
        attr("Value", TColor::clMaroon, 0, {L::Value, L::Important, L::Variable}),
    };
}

QList<A> xmlAttributes()
{
    using L = QsciLexerHTML; // the XML lexer shares the HTML styles
    return {
        attr("Attribute Name", TColor::clMaroon, 0, {L::Attribute, L::UnknownAttribute}),
        attr("Attribute Value", TColor::clBlue, 0,
             {L::HTMLNumber, L::HTMLDoubleQuotedString, L::HTMLSingleQuotedString, L::HTMLValue}),
        attr("CDATA", TColor::clOlive, I, {L::CDATA}),
        attr("Comment", TColor::clGray, I,
             {L::HTMLComment, L::SGMLComment, L::SGMLParameterComment}),
        attr("DOCTYPE", TColor::clBlue, B,
             {L::SGMLDefault, L::SGMLCommand, L::SGMLParameter, L::SGMLDoubleQuotedString,
              L::SGMLSingleQuotedString, L::SGMLError, L::SGMLSpecial, L::SGMLEntity,
              L::SGMLBlockDefault}),
        attr("Element Name", TColor::clNavy, B, {L::Tag, L::UnknownTag}),
        attr("Entity Reference", TColor::clTeal, 0, {L::Entity}),
        attr("Namespace Attribute Name", TColor::clRed, 0, {}),
        attr("Namespace Attribute Value", TColor::clRed, 0, {}),
        attr("Processing Instruction", TColor::clPurple, 0, {L::XMLStart, L::XMLEnd}),
        attr("Space", TColor::clNone, 0, {}),
        attr("Symbol", TColor::clNone, 0, {L::OtherInTag, L::XMLTagEnd}),
        attr("Text", TColor::clNone, 0, {L::Default}),
    };
}

QList<A> perlAttributes()
{
    using L = QsciLexerPerl;
    return {
        attr("Comment", TColor::clNavy, I, {L::Comment, L::POD, L::PODVerbatim}),
        attr("Identifier", TColor::clNone, 0, {L::Identifier}),
        attr("Invalid symbol", TColor::clRed, 0, {L::Error}),
        attr("Number", TColor::clPurple, 0, {L::Number}),
        attr("Operator", TColor::clNone, 0, {L::Operator}),
        attr("Pragma", TColor::clGray, 0,
             {L::DataSection, L::FormatIdentifier, L::FormatBody, L::SubroutinePrototype}),
        attr("Reserved word", TColor::clNone, B, {L::Keyword}),
        attr("Space", TColor::clNone, 0, {L::Default}),
        attr("String", TColor::clBlue, 0,
             {L::DoubleQuotedString,
              L::SingleQuotedString,
              L::Regex,
              L::Substitution,
              L::Backticks,
              L::HereDocumentDelimiter,
              L::SingleQuotedHereDocument,
              L::DoubleQuotedHereDocument,
              L::BacktickHereDocument,
              L::QuotedStringQ,
              L::QuotedStringQQ,
              L::QuotedStringQX,
              L::QuotedStringQR,
              L::QuotedStringQW,
              L::DoubleQuotedStringVar,
              L::Translation,
              L::RegexVar,
              L::SubstitutionVar,
              L::BackticksVar,
              L::DoubleQuotedHereDocumentVar,
              L::BacktickHereDocumentVar,
              L::QuotedStringQQVar,
              L::QuotedStringQXVar,
              L::QuotedStringQRVar}),
        attr("Symbol", TColor::clNone, 0, {L::SymbolTable}),
        attr("Variable", TColor::clMaroon, 0, {L::Scalar, L::Array, L::Hash}),
    };
}

QList<A> phpAttributes()
{
    using L = QsciLexerHTML;
    return {
        attr("Comment", TColor::clNavy, I, {L::PHPComment, L::PHPCommentLine}),
        attr("Identifier", TColor::clNone, 0, {L::PHPDefault}),
        attr("Invalid symbol", TColor::clRed, 0, {}),
        attr("Key", TColor::clNone, B, {L::PHPKeyword}),
        attr("Number", TColor::clPurple, 0, {L::PHPNumber}),
        attr("Space", TColor::clNone, 0, {}),
        attr("String", TColor::clBlue, 0, {L::PHPDoubleQuotedString, L::PHPSingleQuotedString}),
        attr("Symbol", TColor::clNone, 0, {L::PHPOperator, L::PHPStart}),
        attr("Variable", TColor::clMaroon, 0, {L::PHPVariable, L::PHPDoubleQuotedVariable}),
    };
}

QList<A> generalAttributes()
{
    using L = GeneralLexer;
    return {
        attr("Comment", TColor::clNavy, I, {L::Comment}),
        attr("Identifier", TColor::clNone, 0, {L::Identifier}),
        attr("Reserved word", TColor::clNone, B, {L::ReservedWord}),
        attr("Number", TColor::clPurple, 0, {L::Number}),
        attr("Space", TColor::clNone, 0, {L::Space}),
        attr("String", TColor::clBlue, 0, {L::String}),
        attr("Symbol", TColor::clNone, 0, {L::Symbol}),
        attr("Preprocessor", TColor::clGreen, 0, {L::Preprocessor}),
    };
}

} // namespace

QList<HighlighterAttribute> HighlighterDefaults::attributes(Highlighter::Kind kind)
{
    switch (kind) {
    case Highlighter::Java: return javaAttributes();
    case Highlighter::HTML: return htmlAttributes();
    case Highlighter::CSS: return cssAttributes();
    case Highlighter::XML: return xmlAttributes();
    case Highlighter::Perl: return perlAttributes();
    case Highlighter::PHP: return phpAttributes();
    case Highlighter::General: break;
    }
    return generalAttributes();
}

QString HighlighterDefaults::sampleSource(Highlighter::Kind kind)
{
    const char *text = "";
    switch (kind) {
    case Highlighter::Java:
        text = "// comment\n"
               "/** Javadoc */\n"
               "class Classname {\n"
               "  int test = 33;\n"
               "  public static void main(String args[]) {\n"
               "    System.out.println(\"Hello\");\n"
               "  }\n"
               "}";
        break;
    case Highlighter::HTML:
        text = "<html>\n"
               "<head>\n"
               "<title>Untitled document</title>\n"
               "</head>\n"
               "<!-- Comment -->\n"
               "&nbsp;\n"
               "<unknowntag>\n"
               "<% JSP, ASP code etc. %>\n"
               "<body>\n"
               "</body>\n"
               "</html>";
        break;
    case Highlighter::CSS:
        text = "/* Layout of the page */\n"
               "body {\n"
               "  font-family: \"Verdana\", sans-serif;\n"
               "  margin: 0 12px;\n"
               "}\n"
               "h1.title, #menu a:hover {\n"
               "  color: #800000;\n"
               "  font-weight: bold !important;\n"
               "}";
        break;
    case Highlighter::XML:
        text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!DOCTYPE catalog SYSTEM \"catalog.dtd\">\n"
               "<!-- A small catalog -->\n"
               "<catalog xmlns:pr=\"urn:prices\">\n"
               "  <book id=\"b1\" pr:currency=\"EUR\">\n"
               "    <title>Salt &amp; Pepper</title>\n"
               "    <note><![CDATA[ <raw> text ]]></note>\n"
               "  </book>\n"
               "</catalog>";
        break;
    case Highlighter::Perl:
        text = "#!/usr/bin/perl -w\n"
               "# Counts the words of the files named on the command line\n"
               "use strict;\n"
               "\n"
               "my %count;\n"
               "my $total = 0;\n"
               "while (my $line = <>) {\n"
               "    foreach my $word (split /\\s+/, lc $line) {\n"
               "        next unless $word =~ /^[a-z]+$/;\n"
               "        $count{$word}++;\n"
               "        $total++;\n"
               "    }\n"
               "}\n"
               "foreach my $word (sort keys %count) {\n"
               "    printf \"%-20s %5d\\n\", $word, $count{$word};\n"
               "}\n"
               "print \"Words: $total\\n\";";
        break;
    case Highlighter::PHP:
        text = "// Greets the visitor by the time of day\n"
               "$hour = (int) date('G');\n"
               "if ($hour < 12) {\n"
               "  $greeting = \"Good morning\";\n"
               "} else {\n"
               "  $greeting = \"Good day\";\n"
               "}\n"
               "/* 3 visits counted */\n"
               "echo $greeting . ', ' . htmlspecialchars($name);";
        break;
    case Highlighter::General:
        text = "{ A comment }\n"
               "begin\n"
               "  Count := 42;\n"
               "  Name := 'Text';\n"
               "end";
        break;
    }
    return QString::fromUtf8(text);
}
