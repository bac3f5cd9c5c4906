#include "JavapClasses.h"

#include <QSet>

#include <memory>

namespace JavapClasses {

namespace {

using JavapMember::Locals;

int indentOf(const QString &line)
{
    int n = 0;
    while (n < line.size() && line.at(n) == u' ')
        ++n;
    return n;
}

// Collects the lines of one class body and turns each declaration into a member.
class ClassReader
{
public:
    explicit ClassReader(JavapClass &c) : m_class(c) {}

    void declaration(const QString &line)
    {
        finish();
        m_declaration = line;
        m_locals = Locals();
        m_inLocals = false;
    }

    // A line below a declaration: a table title or one of its rows.
    void detail(const QString &line)
    {
        const QString text = line.trimmed();
        if (text.endsWith(u':')) {
            m_inLocals = text == QLatin1String("LocalVariableTable:");
            if (m_inLocals)
                m_locals.present = true;
            return;
        }
        if (!m_inLocals)
            return;
        // "Start  Length  Slot  Name   Signature" and its rows.
        const QStringList cells = text.split(u' ', Qt::SkipEmptyParts);
        bool startOk = false;
        bool slotOk = false;
        if (cells.size() < 4)
            return;
        const int start = cells.at(0).toInt(&startOk);
        const int slot = cells.at(2).toInt(&slotOk);
        if (startOk && slotOk && start == 0)
            m_locals.names.insert(slot, cells.at(3));
    }

    void finish()
    {
        if (m_declaration.isEmpty())
            return;
        const JavapMember::Member m =
            JavapMember::fromDeclaration(m_declaration, m_locals, m_class.variables);
        m_declaration.clear();
        if (!m.isListed() || m_keys.contains(m.key))
            return;
        m_keys.insert(m.key);
        m_class.members.append(m);
    }

private:
    JavapClass &m_class;
    QString m_declaration;
    Locals m_locals;
    bool m_inLocals = false;
    QSet<QString> m_keys;
};

} // namespace

bool parseHeader(const QString &line, JavapClass &result)
{
    QString text = line.trimmed();
    if (!text.endsWith(u'{'))
        return false;
    text.chop(1);
    const QStringList words = JavapMember::splitOutsideAngles(text, u' ');
    int kind = -1;
    for (int i = 0; i < words.size(); ++i) {
        const QString &w = words.at(i);
        if (w == QLatin1String("class") || w == QLatin1String("interface")
            || w == QLatin1String("enum") || w == QLatin1String("record")) {
            kind = i;
            break;
        }
    }
    if (kind < 0 || kind + 1 >= words.size())
        return false;

    JavapClass c;
    c.isInterface = words.at(kind) == QLatin1String("interface");
    const QString &declared = words.at(kind + 1);
    const int angle = declared.indexOf(u'<');
    c.name = angle < 0 ? declared : declared.left(angle);
    if (angle >= 0)
        c.variables = JavapMember::typeVariables(declared.mid(angle));
    c.simpleName = JavapMember::simpleType(c.name);
    if (!c.isInterface) {
        const int extends = words.indexOf(QStringLiteral("extends"), kind + 2);
        if (extends > 0 && extends + 1 < words.size()) {
            const QString &superName = words.at(extends + 1);
            c.superclass = superName.left(superName.indexOf(u'<')); // left(-1): the whole text
        }
    }
    result = c;
    return true;
}

QList<JavapClass> parse(const QString &javapOutput)
{
    QList<JavapClass> classes;
    JavapClass current;
    std::unique_ptr<ClassReader> reader;

    const QStringList lines = javapOutput.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const int indent = indentOf(line);
        if (indent == 0) {
            if (reader && line == QLatin1String("}")) {
                reader->finish();
                reader.reset();
                classes.append(current);
            } else if (!reader && parseHeader(line, current)) {
                reader = std::make_unique<ClassReader>(current);
            }
            continue; // "Compiled from ..." and anything else at the margin
        }
        if (!reader)
            continue;
        if (indent == 2)
            reader->declaration(line);
        else
            reader->detail(line);
    }
    return classes;
}

QStringList memberLines(const QString &className, const QHash<QString, JavapClass> &classes,
                        QStringList *missing)
{
    static const QString object = QStringLiteral("java.lang.Object");
    QStringList lines;
    QSet<QString> keys;
    QSet<QString> visited;
    QString name = className;
    while (!name.isEmpty() && !visited.contains(name)) {
        if (name == object && name != className)
            break;
        const auto it = classes.constFind(name);
        if (it == classes.constEnd()) {
            if (missing && !missing->contains(name))
                missing->append(name);
            break;
        }
        visited.insert(name);
        for (const JavapMember::Member &m : it->members) {
            if (keys.contains(m.key))
                continue;
            keys.insert(m.key);
            lines.append(m.line);
        }
        name = it->superclass;
    }
    return lines;
}

} // namespace JavapClasses
