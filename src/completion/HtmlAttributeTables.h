#pragma once

#include <QString>
#include <QStringList>

// The attribute lists of the HTML attribute completion: which tag text ("<" and the tag name
// at the caret, trimmed and lower-cased) selects which list, and what each list offers. Each
// list keeps the name of its builder. An entry written name=value in a list is the attribute
// with that fixed value, «align="left"»; a plain entry is an attribute name.
namespace HtmlAttributeTables {

// The number of lists (builders).
int rowCount();
// The builder name and the entries, in the order they are added, of a list (0-based).
QString builderName(int row);
QStringList entries(int row);

// The list a tag text selects: the patterns are tried in their fixed order and the first that
// the tag text contains (case-sensitive) wins; "<a" and "<p" match only a tag text that equals
// them. -1 when none matches.
int chooseRow(const QString &tagText);

// The attributes inserted without a value.
QStringList valuelessAttributes();

} // namespace HtmlAttributeTables
