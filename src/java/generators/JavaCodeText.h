#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The texts of the Java code generators, built from their inputs alone. Generated lines are
// separated by a carriage return ("\r"); ws is the leading blanks of the caret line that the
// text goes to. Names are taken as given: nothing is checked.
namespace JavaCodeText {

// A row of the class wizard: a field, its type and whether a setter is wanted.
struct ClassMember {
    QString name;
    QString type;
    bool setter = false;
};

// A class with private fields, a constructor taking every field, a getter "find..." per
// field, a setter for the ticked ones and toString.
QString classText(const QString &className, const QList<ClassMember> &members);

// A try block around tryCode (the memo's lines, each ended by CR LF) and one catch per
// exception, in order, named ex1, ex2, ...
QString tryCatchText(const QStringList &tryCode, const QStringList &exceptions, const QString &ws);

// An exception class with a constructor that hands its message to the base class.
QString exceptionClassText(const QString &name, const QString &base, const QString &ws);

// The expression builder's lines as inserted: trailing blanks trimmed, every line after the
// first indented by ws. No lines give an empty text.
QString expressionText(const QStringList &lines, const QString &ws);

// What a click on a member declaration types into the expression builder: its name, with
// "()" for a method without parameters and "(" for one with, and a blank after it.
QString memberPiece(const QString &declaration);

// The exceptions the try/catch generator offers, sorted without regard to case.
QStringList catchExceptions();
// The base classes the exception-class generator offers.
QStringList exceptionBases();
// The types the class wizard offers.
QStringList memberTypes();

} // namespace JavaCodeText
