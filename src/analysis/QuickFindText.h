#pragma once

#include <QString>
#include <QStringList>

// The texts of quick find: what the member list shows of a declaration, and where a shown
// member is declared.
namespace QuickFindText {

// The member-list entries of one member declaration (as the Java scanner lists it), read
// character by character. A method drops the modifiers before its return type and what
// follows its ")": «public void paint(Graphics g)» gives «void paint(Graphics g)». A field
// keeps its last three words: «public static final int MAX» gives «final int MAX», «private
// int count» stays. A declaration cut off at a line end after its "(" gives the text built up
// to its last blank. Each ")" completes an entry, so a declaration gives one entry unless it
// holds more than one ")".
QStringList displayTexts(const QString &declaration);

// The 0-based index of the line that declares member in the class className: from the first
// line that contains "class" and className, the first line (that one included) that contains
// member. Plain case-sensitive containment; an empty text matches nothing. -1 when not found.
int memberLine(const QStringList &lines, const QString &className, const QString &member);

} // namespace QuickFindText
