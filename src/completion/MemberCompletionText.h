#pragma once

#include <QString>
#include <QStringList>

// The text work of the Java member completion, over plain lines: which word stands before the
// typed ".", where its type is declared, which member file serves a class, the list entries,
// the filter, and what choosing an entry inserts. Lines are given as a list; caretLine and
// caretColumn are 1-based, the caret standing before caretColumn.
namespace MemberCompletionText {

// The word before the "." just typed (the caret stands after it), and the last identifier
// read: the line up to the caret, with one "." appended, is read token by token; a "."
// makes the last identifier the word, a number holding "." empties it, and an empty word
// ends as the last identifier.
struct DotWord {
    QString word;
    QString lastIdentifier;
};
DotWord wordBeforeDot(const QString &line, int caretColumn);

// The type of the declaration of word that is in scope at the caret: the class around the
// caret is read from its first line to the caret line, following braces; a declaration in a
// method that has closed is forgotten, a parameter of the current method counts. A primitive
// type declares nothing. False when the class ends before the caret line or nothing is found.
bool findDeclaredType(const QStringList &lines, int caretLine, const QString &word, QString *type);

// The member file of a class in folder: name + ".cmp", the file name matching exactly (Java
// names are case-sensitive). Empty when there is none, when name is blank, and for "auto" and
// "toc", whose files are the template list and the class list.
QString memberFile(const QString &folder, const QString &name);
// The lines of a member file; with staticOnly only those that contain "static". Empty when
// the file cannot be read.
QStringList readMembers(const QString &fileName, bool staticOnly);

// The list entry of a member declaration: " : function" follows a declaration holding ")",
// " : datamember" any other.
QString entryText(const QString &member);
QStringList entryTexts(const QStringList &members);

// The name the filter compares: for a method its name with "(" («valueOf(»), for a field the
// last word («PI»).
QString memberName(const QString &member);

// The entries of the members whose name begins with typed (case-sensitive); all of them when
// typed is blank.
QStringList filterEntries(const QStringList &members, const QString &typed);

// What choosing an entry inserts at the caret: a field's name (without a ";" its declaration
// ends in) and ";", a method's name and "();" without parameters, or its name and "()" with
// the caret to go back between the parentheses. methodName is the method's name upper-cased
// (empty for a field); paramsItem the parameter hint's item: the parameter text in double
// quotes with every "," made «", "».
struct Insertion {
    QString text;
    bool caretBack = false;
    QString methodName;
    QString paramsItem;
    bool showHint = false; // a method with parameters
};
Insertion insertionFor(const QString &entry);

} // namespace MemberCompletionText
