#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Questions about the Java code in a text, answered without parsing: each function runs a
// JavaTokenizer over the lines from the first one (or a given one) and counts braces.
// Line numbers are 0-based indexes into the list. Every text test is a case-sensitive
// containment test. A symbol token counts as an opening brace when it holds "{", as a
// closing one when it holds "}" (see JavaTokenizer for the token rules).
// Nothing is cached: every call scans afresh.
namespace JavaScanner {

// The names of the top-level classes, in text order (nested classes and interfaces are
// not listed).
QStringList FinnKlasseNavnene(const QStringList &lines);

// The member declarations of the class whose name contains className, in text order:
// fields «int count», methods «public void run()» (cut at "throws"), each name of a comma
// list with the list's type (a class name or a primitive type; a comma in an initialiser or
// a throws clause makes no list). Constructors and a main method without throws clause are
// left out; with includePrivate false so is every declaration holding "private". The class
// body ends at its closing brace: what follows belongs to no member of the class.
QStringList FinnAlleDatamedlemmer(const QStringList &lines, const QString &className,
                                  bool includePrivate);

// At most one member declaration per line of the class whose name contains className: a
// line is read up to its first "=", ";" or "{" in the class body.
QStringList ClipAndFindMultilineDatamembers(const QStringList &lines, const QString &className);

// The line where the first brace scope opened at or after startLine closes; the last line
// when it never closes (-1 for an empty text).
int FinnScopeSlutt(const QStringList &lines, int startLine);

// The last line before limitLine on which a class declaration names its class; 0 when
// there is none.
int FinnClassStart(const QStringList &lines, int limitLine);

// The name of the class that holds the last "void main(": the word after "class" on the
// nearest line at or above it that contains "class". Empty when there is no such main line
// or no such class line.
QString FindMainClassName(const QStringList &lines);

// Whether text holds before + "main", then any blanks (spaces, tabs), then "(": the main
// method's test wherever the scanner looks for it (" main(" and "void main (" alike).
bool containsMainCall(QStringView text, QStringView before);

} // namespace JavaScanner
