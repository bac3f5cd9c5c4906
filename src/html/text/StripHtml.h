#pragma once

#include <QString>
#include <QStringList>

// Strip HTML: the plain text a reader sees of a page, with a few elements rendered as marks.
namespace StripHtml {

// The page's lines as plain-text lines. Text between tags is kept (inside a "style" element
// only link text); entities, comments and other markup are dropped. "<br>" ends an output
// line; a source line whose output is blank gives no line. Marks go before what the output
// line holds so far: "Title: " for "title", "-" for a "li" of "ul", and the item number and
// "." for a "li" of "ol" (one counter for the whole page). A link's text is written as
// "(" + text + ") " and its href target, without the value's first and last characters, is
// added at "</a>". Only an href of the "a" start tag itself counts; each "a" starts afresh.
QStringList strip(const QStringList &lines);

// The name a stripped document takes: fileName with the extension ".txt" in place of its
// own, or added when it has none.
QString textName(const QString &fileName);

} // namespace StripHtml
