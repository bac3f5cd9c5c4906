#pragma once

#include <QString>
#include <QStringList>

// The tag name at the caret of an HTML page, which selects the attribute list: the name of
// the known tag after the last "<" before the caret on the caret line, lower-cased; an end
// tag's name keeps its "/" ("/td"). Empty when the caret is inside a quoted value or a
// comment, when the tag's name stands on an earlier line, or when no known tag is open.
// caretLine and caretColumn are 1-based; the caret stands before caretColumn.
QString FindKeyWordInNow(const QStringList &lines, int caretLine, int caretColumn);
