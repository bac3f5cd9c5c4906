#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

// Shortcut texts as the settings file and the Options dialog hold them: modifier prefixes
// "Shift+", "Ctrl+" (or "^") and "Alt+" in any order, then one key name: "A".."Z", "0".."9",
// "F1".."F24", "BkSp", "Tab", "Esc", "Enter", "Space", "PgUp", "PgDn", "End", "Home", "Left",
// "Up", "Right", "Down", "Ins", "Del". Prefixes and names match without regard to case; blanks
// around the text do not count, blanks inside it do.
namespace ShortcutText {

// The key the text names; an empty sequence when the text is empty or names no key.
QKeySequence parse(const QString &text);

// Whether text names a key that one of texts names too ("Ctrl+Shift+P" and "shift+^p" name
// one key). A text that names no key, the empty text included, is never taken.
bool isTaken(const QStringList &texts, const QString &text);

} // namespace ShortcutText
