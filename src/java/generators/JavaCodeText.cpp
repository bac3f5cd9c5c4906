#include "java/generators/JavaCodeText.h"

#include <algorithm>

namespace JavaCodeText {

namespace {

const QChar CR = QLatin1Char('\r');

QString capitalised(const QString &s)
{
    return s.isEmpty() ? s : s.at(0).toUpper() + s.mid(1);
}

} // namespace

QString classText(const QString &className, const QList<ClassMember> &members)
{
    QString s = QStringLiteral("class ") + className + QStringLiteral(" {") + CR;
    for (const ClassMember &m : members)
        s += QStringLiteral("  private ") + m.type.trimmed() + u' ' + m.name + u';' + CR;

    // The constructor: three parameters to a line.
    s += CR + QStringLiteral("  public ") + className + u'(';
    for (int i = 0; i < members.size(); ++i) {
        if (i > 0 && i % 3 == 0)
            s += CR + QStringLiteral("    ");
        s += members.at(i).type.trimmed() + QStringLiteral(" start")
            + capitalised(members.at(i).name);
        if (i + 1 < members.size())
            s += u',';
    }
    s += QStringLiteral(") {") + CR;
    for (const ClassMember &m : members)
        s += QStringLiteral("   ") + m.name + QStringLiteral(" = start") + capitalised(m.name)
            + u';' + CR;
    s += QStringLiteral("  }") + CR;

    for (const ClassMember &m : members) {
        const QString type = m.type.trimmed();
        const QString upper = capitalised(m.name);
        s += CR + QStringLiteral("  public ") + type + QStringLiteral(" find") + upper
            + QStringLiteral("() {") + CR + QStringLiteral("    return ") + m.name + u';' + CR
            + QStringLiteral("  }") + CR;
        if (m.setter)
            s += CR + QStringLiteral("  public void set") + upper + u'(' + type
                + QStringLiteral(" new") + upper + QStringLiteral(") {") + CR
                + QStringLiteral("    ") + m.name + QStringLiteral(" = new") + upper + u';' + CR
                + QStringLiteral("  }") + CR;
    }

    s += CR + QStringLiteral("  public String toString() {") + CR + QStringLiteral("    return \"")
        + className + QStringLiteral(" - \"");
    for (const ClassMember &m : members)
        s += QStringLiteral("+\" ") + m.name + QStringLiteral(": \"+") + m.name;
    s += u';' + QString(CR) + QStringLiteral("  }") + CR + u'}';
    return s;
}

QString tryCatchText(const QStringList &tryCode, const QStringList &exceptions, const QString &ws)
{
    QString code;
    for (const QString &line : tryCode)
        code += line + QStringLiteral("\r\n");
    QString s = QStringLiteral("try {") + CR + ws + QStringLiteral("  ") + code + ws + u'}' + CR;
    for (int i = 0; i < exceptions.size(); ++i) {
        s += ws + QStringLiteral("catch (") + exceptions.at(i) + QStringLiteral(" ex")
            + QString::number(i + 1) + QStringLiteral(") {") + CR + ws + u'}';
        if (i + 1 < exceptions.size())
            s += CR;
    }
    return s;
}

QString exceptionClassText(const QString &name, const QString &base, const QString &ws)
{
    return QStringLiteral("public class ") + name + QStringLiteral(" extends ") + base
        + QStringLiteral(" {") + CR + ws + QStringLiteral("  public ") + name
        + QStringLiteral("(String error) {") + CR + ws + QStringLiteral("    super(error);") + CR
        + ws + QStringLiteral("  }") + CR + ws + u'}';
}

QString expressionText(const QStringList &lines, const QString &ws)
{
    QString s;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        while (!line.isEmpty() && (line.back() == u' ' || line.back() == u'\t'))
            line.chop(1);
        if (i > 0)
            s += CR + ws;
        s += line;
    }
    return s;
}

QString memberPiece(const QString &declaration)
{
    qsizetype end = declaration.size(); // one past the piece's last character
    if (declaration.contains(QLatin1String("()")))
        end = declaration.indexOf(u')') + 1;
    else if (declaration.contains(u'('))
        end = declaration.indexOf(u'(') + 1;
    const qsizetype blank = declaration.lastIndexOf(u' ', end - 1);
    const qsizetype start = blank < 0 ? 0 : blank;
    return declaration.mid(start, end - start).trimmed() + u' ';
}

QStringList catchExceptions()
{
    QStringList list {QStringLiteral("ArithmeticException"),
                      QStringLiteral("ArrayIndexOutOfBoundsException"),
                      QStringLiteral("ArrayStoreException"),
                      QStringLiteral("ClassCastException"),
                      QStringLiteral("ClassNotFoundException"),
                      QStringLiteral("CloneNotSupportedException"),
                      QStringLiteral("EmptyStackException"),
                      QStringLiteral("EOFException"),
                      QStringLiteral("Exception"),
                      QStringLiteral("FileNotFoundException"),
                      QStringLiteral("IllegalArgumentException"),
                      QStringLiteral("IllegalThreadStateException"),
                      QStringLiteral("IndexOutOfBoundsException"),
                      QStringLiteral("InterruptedException"),
                      QStringLiteral("IOException"),
                      QStringLiteral("NegativeArraySizeException"),
                      QStringLiteral("NoSuchElementException"),
                      QStringLiteral("NullPointerException"),
                      QStringLiteral("NumberFormatException"),
                      QStringLiteral("RuntimeException"),
                      QStringLiteral("SecurityException"),
                      QStringLiteral("StringIndexOutOfBoundsException")};
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return list;
}

QStringList exceptionBases()
{
    return {QStringLiteral("ArithmeticException"),
            QStringLiteral("ArrayIndexOutOfBoundsException"),
            QStringLiteral("ClassCastException"),
            QStringLiteral("Exception"),
            QStringLiteral("Error"),
            QStringLiteral("IndexOutOfBoundsException"),
            QStringLiteral("InternalError"),
            QStringLiteral("IOException"),
            QStringLiteral("NullPointerException"),
            QStringLiteral("NumberFormatException"),
            QStringLiteral("StringIndexOutOfBoundsException"),
            QStringLiteral("RuntimeException")};
}

QStringList memberTypes()
{
    return {QStringLiteral("String"),  QStringLiteral("int"),     QStringLiteral("double"),
            QStringLiteral("float"),   QStringLiteral("byte"),    QStringLiteral("short"),
            QStringLiteral("char"),    QStringLiteral("boolean"), QStringLiteral("Container"),
            QStringLiteral("Color"),   QStringLiteral("Font"),    QStringLiteral("Integer"),
            QStringLiteral("Boolean"), QStringLiteral("Long"),    QStringLiteral("Thread"),
            QStringLiteral("Object")};
}

} // namespace JavaCodeText
