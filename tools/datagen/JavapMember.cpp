#include "JavapMember.h"

#include <QSet>

namespace JavapMember {

namespace {

const QString Object = QStringLiteral("Object");

bool isPrimitive(const QString &type)
{
    static const QSet<QString> primitives {
        QStringLiteral("boolean"), QStringLiteral("byte"),   QStringLiteral("char"),
        QStringLiteral("short"),   QStringLiteral("int"),    QStringLiteral("long"),
        QStringLiteral("float"),   QStringLiteral("double"), QStringLiteral("void")};
    return primitives.contains(type);
}

// Modifiers that say how a member is implemented, not how it is used: left out of the line.
bool isImplementationModifier(const QString &word)
{
    static const QSet<QString> words {QStringLiteral("native"), QStringLiteral("synchronized"),
                                      QStringLiteral("transient"), QStringLiteral("volatile"),
                                      QStringLiteral("strictfp")};
    return words.contains(word);
}

bool isModifier(const QString &word)
{
    static const QSet<QString> words {QStringLiteral("public"),  QStringLiteral("protected"),
                                      QStringLiteral("private"), QStringLiteral("static"),
                                      QStringLiteral("final"),   QStringLiteral("abstract"),
                                      QStringLiteral("default")};
    return words.contains(word) || isImplementationModifier(word);
}

// The text with every "<...>" (nested ones included) taken out.
QString withoutGenerics(const QString &text)
{
    QString out;
    out.reserve(text.size());
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'<')
            ++depth;
        else if (c == u'>')
            depth = qMax(0, depth - 1);
        else if (depth == 0)
            out += c;
    }
    return out;
}

// Slots a parameter of this javap type takes in the local-variable table.
int slotWidth(const QString &javapType)
{
    return javapType == QLatin1String("long") || javapType == QLatin1String("double") ? 2 : 1;
}

} // namespace

QStringList splitOutsideAngles(const QString &text, QChar separator)
{
    QStringList pieces;
    QString current;
    int depth = 0;
    for (const QChar c : text) {
        if (c == u'<')
            ++depth;
        else if (c == u'>')
            depth = qMax(0, depth - 1);
        if (c == separator && depth == 0) {
            if (!current.trimmed().isEmpty())
                pieces.append(current.trimmed());
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        pieces.append(current.trimmed());
    return pieces;
}

QString simpleType(const QString &javapType, const TypeVariables &variables)
{
    QString base = withoutGenerics(javapType).trimmed();
    QString suffix;
    if (base.endsWith(QLatin1String("..."))) {
        suffix = QStringLiteral("...");
        base.chop(3);
    }
    while (base.endsWith(QLatin1String("[]"))) {
        suffix.prepend(QStringLiteral("[]"));
        base.chop(2);
        base = base.trimmed();
    }
    if (base.contains(u'.')) {
        base = base.mid(base.lastIndexOf(u'.') + 1);
        base.replace(u'$', u'.');
    } else if (!isPrimitive(base)) {
        // javap names every class with its package: a bare name is a type variable.
        base = variables.value(base, Object);
    }
    return base + suffix;
}

TypeVariables typeVariables(const QString &block, const TypeVariables &outer)
{
    TypeVariables result = outer;
    QString inner = block.trimmed();
    if (inner.startsWith(u'<') && inner.endsWith(u'>'))
        inner = inner.mid(1, inner.size() - 2);
    for (const QString &piece : splitOutsideAngles(inner, u',')) {
        const QStringList words = splitOutsideAngles(piece, u' ');
        if (words.isEmpty())
            continue;
        QString erasure = Object;
        if (words.size() >= 3 && words.at(1) == QLatin1String("extends")) {
            // The erasure is that of the first bound ("A & B" erases to A).
            erasure = simpleType(words.at(2), result);
        }
        result.insert(words.first(), erasure);
    }
    return result;
}

Member fromDeclaration(const QString &declaration, const Locals &locals,
                       const TypeVariables &classVariables)
{
    QString text = declaration.trimmed();
    if (text.endsWith(u';'))
        text.chop(1);
    if (text.startsWith(QLatin1String("static {")) || text == QLatin1String("static"))
        return {};

    const int open = text.indexOf(u'(');
    const QString head = open < 0 ? text : text.left(open);

    QStringList modifiers;
    QString typeBlock;
    QStringList rest; // type and name, or only a name for a constructor
    for (const QString &word : splitOutsideAngles(head, u' ')) {
        if (rest.isEmpty() && isModifier(word)) {
            if (!isImplementationModifier(word))
                modifiers.append(word);
        } else if (rest.isEmpty() && word.startsWith(u'<')) {
            typeBlock = word;
        } else {
            rest.append(word);
        }
    }
    if (rest.size() != 2)
        return {}; // a constructor (no result type), or nothing javap would print as a member

    const TypeVariables variables =
        typeBlock.isEmpty() ? classVariables : typeVariables(typeBlock, classVariables);
    const QString type = simpleType(rest.at(0), variables);
    const QString name = rest.at(1);
    const QString prefix = modifiers.isEmpty() ? QString() : modifiers.join(u' ') + u' ';

    if (open < 0)
        return {prefix + type + u' ' + name, name};

    const int close = text.indexOf(u')', open);
    if (close < 0)
        return {};
    const QStringList javapParameters =
        splitOutsideAngles(text.mid(open + 1, close - open - 1), u',');
    QStringList shown;
    QStringList keyTypes;
    int slot = modifiers.contains(QLatin1String("static")) ? 0 : 1;
    for (const QString &parameter : javapParameters) {
        const QString parameterType = simpleType(parameter, variables);
        keyTypes.append(parameterType);
        const QString parameterName = locals.names.value(slot);
        if (locals.present && parameterName.isEmpty())
            return {}; // a table without the parameters: a bridge the compiler made
        shown.append(parameterName.isEmpty() ? parameterType
                                             : parameterType + u' ' + parameterName);
        slot += slotWidth(parameter);
    }
    return {prefix + type + u' ' + name + u'(' + shown.join(QStringLiteral(", ")) + u')',
            name + u'(' + keyTypes.join(u',') + u')'};
}

} // namespace JavapMember
