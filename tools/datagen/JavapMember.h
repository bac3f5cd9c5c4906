#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// One member declaration of `javap -public` turned into a line of a class member file, as the
// member list shows it: types without package ("java.util.Map$Entry" is "Map.Entry"), generics
// erased, no ";", no throws clause, parameter names from the local-variable table where javap
// printed one, else the bare type:
//   "public static java.lang.String valueOf(int);"   ->  "public static String valueOf(int i)"
//   "public static final double PI;"                 ->  "public static final double PI"
// Constructors, static initialisers and the bridge methods the compiler adds give no line.
// Plain functions of their input: no files, no processes.
namespace JavapMember {

// The local-variable table of one method as `javap -l` prints it: the names of the entries
// that start at offset 0 (the parameters, and "this" of an instance method), by slot.
struct Locals {
    bool present = false;
    QHash<int, QString> names;
};

// Type variables in scope, each with its erasure as written in a member line
// ("E" -> "Object", "T extends java.lang.Comparable<? super T>" -> "Comparable").
using TypeVariables = QHash<QString, QString>;

struct Member {
    QString line; // "public static String valueOf(int i)"; empty when not listed
    QString key;  // what tells members apart: "valueOf(int)" for a method, the name of a field
    bool isListed() const { return !line.isEmpty(); }
};

// The member line of one declaration, given the method's locals (if any) and the type
// variables of its class.
Member fromDeclaration(const QString &declaration, const Locals &locals = {},
                       const TypeVariables &classVariables = {});

// A javap type as a member line writes it: "java.util.List<? extends E>[]" -> "List[]",
// "java.lang.Object..." -> "Object...", a type variable -> its erasure (Object when unknown).
QString simpleType(const QString &javapType, const TypeVariables &variables = {});

// The variables of a type-parameter block "<K, V extends java.lang.Number>" with their
// erasures; outer variables are in scope for the bounds and are included in the result.
TypeVariables typeVariables(const QString &block, const TypeVariables &outer = {});

// Splits at the separator where it stands outside "<...>"; pieces are trimmed, empty ones dropped.
QStringList splitOutsideAngles(const QString &text, QChar separator);

} // namespace JavapMember
