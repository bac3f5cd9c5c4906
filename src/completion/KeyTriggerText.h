#pragma once

#include <QString>
#include <QStringList>

// The text tests behind the document window's key triggers, over plain lines. Lines and
// columns are 1-based; the caret stands before caretColumn (past the line end in virtual
// space). Backward scans never go past the line start.
namespace KeyTriggerText {

// Whether the caret stands inside a comment of a Java text ("//" to the line end, "/* */",
// "/** */"), of an HTML page or of an XML text ("<!-- -->"). The lines above the caret line are
// read whole, the caret line up to the caret.
bool isCaretXYInComment(const QStringList &lines, int caretLine, int caretColumn);
bool isCaretXYInCommentHTMLv(const QStringList &lines, int caretLine, int caretColumn);
bool isCaretXYInCommentXMLv(const QStringList &lines, int caretLine, int caretColumn);

// The word before the caret: from the caret backwards the first character that is not a blank
// ends it, the next blank before it (or the line start) starts it. Returns the text from that
// blank, which it includes, to the word's end (the caller trims it); wordStart receives the
// 0-based index of the word's first character (-1 when there is no word).
QString FinnID(const QString &line, int caretColumn, int *wordStart = nullptr);

// A tag that takes no end tag: its name contains "br", "hr", "area", "bgsound", "spacer",
// "meta", "base", "img", "input", "link" or "wbr", or is "frame" or "col" (case-sensitive).
bool SingleTag(const QString &name);

// The end tag to insert at the caret when ">" is typed there: "</" + the name of the tag open
// before the caret on its line, name case kept; empty when none belongs there (an end tag, a
// tag closed already, a bare attribute last, a single tag in HTML, a comment, a declaration,
// a processing instruction or CDATA in XML).
QString endTagHTML(const QString &line, int caretColumn);
QString endTagXML(const QString &line, int caretColumn);

// The parameter hint's current parameter: reading the line backwards from the caret, the
// number of commas met before the "(" of a call whose name (upper-cased) completedMethodName
// contains; a closed "(...)" group is skipped whole. -1 when no such call is open before the
// caret on its line.
int paramsHintIndex(const QString &line, int caretColumn, const QString &completedMethodName);

} // namespace KeyTriggerText
