#pragma once

#include "JavapMember.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The classes in the output of `javap -public -l` (or without -l), and the member files made
// of them. Plain functions of their input.
namespace JavapClasses {

struct JavapClass {
    QString name;       // as javap names it: "java.util.Map$Entry"
    QString simpleName; // as a member file is named: "Map.Entry"
    QString superclass; // "java.util.AbstractList"; empty for java.lang.Object and interfaces
    bool isInterface = false;
    JavapMember::TypeVariables variables;
    QList<JavapMember::Member> members; // the listed ones, in javap's order, no two with one key
};

// A class header line such as "public class java.util.Vector<E> extends
// java.util.AbstractList<E> implements java.util.List<E> {"; false when the line is none.
bool parseHeader(const QString &line, JavapClass &result);

// Every class of a javap output, in order.
QList<JavapClass> parse(const QString &javapOutput);

// The lines of a class's member file: its own members, then those of each superclass up to
// java.lang.Object (which is left out unless it is the class itself); a member whose key came
// before is dropped. Superclasses not in `classes` end the walk and are added to `missing`.
QStringList memberLines(const QString &className, const QHash<QString, JavapClass> &classes,
                        QStringList *missing = nullptr);

} // namespace JavapClasses
