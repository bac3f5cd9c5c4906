#include "JavapClasses.h"
#include "JavapMember.h"

#include <QTest>

using JavapMember::Locals;
using JavapMember::TypeVariables;
Q_DECLARE_METATYPE(Locals)

namespace {

// "1 format, 2 args": the local-variable table rows starting at 0, as slot and name.
Locals localsOf(const QString &rows)
{
    Locals locals;
    locals.present = true;
    for (const QString &row : rows.split(u',', Qt::SkipEmptyParts)) {
        const QStringList cells = row.trimmed().split(u' ');
        locals.names.insert(cells.at(0).toInt(), cells.at(1));
    }
    return locals;
}

} // namespace

class TestJavapMember : public QObject
{
    Q_OBJECT

private slots:
    // Declarations as `javap -public -l` prints them (JDK 17), with the rows of their
    // local-variable tables that start at 0; a null table means javap printed none.
    void declarations_data()
    {
        QTest::addColumn<QString>("declaration");
        QTest::addColumn<Locals>("locals");
        QTest::addColumn<QString>("line");
        QTest::addColumn<TypeVariables>("classVariables");
        QTest::addColumn<QString>("key");
        const TypeVariables none;
        const TypeVariables element {{"E", "Object"}};

        QTest::newRow("constant") << "public static final double PI;" << Locals()
                                  << "public static final double PI" << none << "PI";
        QTest::newRow("generic field")
            << "public static final java.util.Comparator<java.lang.String> CASE_INSENSITIVE_ORDER;"
            << Locals() << "public static final Comparator CASE_INSENSITIVE_ORDER" << none
            << "CASE_INSENSITIVE_ORDER";
        QTest::newRow("nested field type")
            << "public static final java.lang.Character$UnicodeBlock BASIC_LATIN;" << Locals()
            << "public static final Character.UnicodeBlock BASIC_LATIN" << none << "BASIC_LATIN";
        QTest::newRow("static method, named parameter")
            << "public static java.lang.String valueOf(int);" << localsOf("0 i")
            << "public static String valueOf(int i)" << none << "valueOf(int)";
        QTest::newRow("long and double take two slots")
            << "public static long max(long, long);" << localsOf("0 a, 2 b")
            << "public static long max(long a, long b)" << none << "max(long,long)";
        QTest::newRow("instance method after a long, throws clause gone")
            << "public final void wait(long, int) throws java.lang.InterruptedException;"
            << localsOf("0 this, 1 timeoutMillis, 3 nanos")
            << "public final void wait(long timeoutMillis, int nanos)" << none << "wait(long,int)";
        QTest::newRow("nested parameter type")
            << "public java.lang.String resolveConstantDesc(java.lang.invoke.MethodHandles$Lookup) "
               "throws java.lang.ReflectiveOperationException;"
            << localsOf("0 this, 1 lookup")
            << "public String resolveConstantDesc(MethodHandles.Lookup lookup)" << none
            << "resolveConstantDesc(MethodHandles.Lookup)";
        QTest::newRow("nested type inside generics")
            << "public java.util.Set<java.util.Map$Entry<K, V>> entrySet();" << localsOf("0 this")
            << "public Set entrySet()" << TypeVariables {{"K", "Object"}, {"V", "Object"}}
            << "entrySet()";
        QTest::newRow("varargs")
            << "public java.io.PrintStream printf(java.lang.String, java.lang.Object...);"
            << localsOf("0 this, 1 format, 2 args")
            << "public PrintStream printf(String format, Object... args)" << none
            << "printf(String,Object...)";
        QTest::newRow("generic overload")
            << "public synchronized <T> T[] toArray(T[]);" << localsOf("0 this, 1 a")
            << "public Object[] toArray(Object[] a)" << element << "toArray(Object[])";
        QTest::newRow("its plain twin")
            << "public synchronized java.lang.Object[] toArray();" << localsOf("0 this")
            << "public Object[] toArray()" << element << "toArray()";
        QTest::newRow("class type variable")
            << "public synchronized E elementAt(int);" << localsOf("0 this, 1 index")
            << "public Object elementAt(int index)" << element << "elementAt(int)";
        QTest::newRow("bounded type variable erases to its bound")
            << "public static <T extends java.lang.Comparable<? super T>> T "
               "max(java.util.Collection<? extends T>);"
            << Locals() << "public static Comparable max(Collection)" << none << "max(Collection)";
        QTest::newRow("first of two bounds")
            << "public static <T extends java.lang.Object & java.lang.Comparable<? super T>> T "
               "min(java.util.Collection<? extends T>);"
            << Locals() << "public static Object min(Collection)" << none << "min(Collection)";
        QTest::newRow("comparator generics")
            << "public static <T> void sort(java.util.List<T>, java.util.Comparator<? super T>);"
            << Locals() << "public static void sort(List, Comparator)" << none
            << "sort(List,Comparator)";
        QTest::newRow("native, no table: types only")
            << "public static native void sleep(long) throws java.lang.InterruptedException;"
            << Locals() << "public static void sleep(long)" << none << "sleep(long)";
        QTest::newRow("abstract, no table")
            << "public abstract void drawLine(int, int, int, int);" << Locals()
            << "public abstract void drawLine(int, int, int, int)" << none
            << "drawLine(int,int,int,int)";
        QTest::newRow("array of arrays")
            << "public static int[][] grid(char[][]);" << localsOf("0 cells")
            << "public static int[][] grid(char[][] cells)" << none << "grid(char[][])";
        QTest::newRow("constructor dropped")
            << "public java.lang.String(char[], int, int);"
            << localsOf("0 this, 1 value, 2 offset, 3 count") << QString() << none << QString();
        QTest::newRow("generic constructor dropped")
            << "public java.util.Vector(java.util.Collection<? extends E>);"
            << localsOf("0 this, 1 c") << QString() << element << QString();
        QTest::newRow("nested class constructor dropped")
            << "public java.awt.geom.Point2D$Double(double, double);" << Locals() << QString()
            << none << QString();
        QTest::newRow("static initialiser dropped")
            << "static {};" << Locals() << QString() << none << QString();
        QTest::newRow("bridge dropped: its table lacks the parameter")
            << "public int compareTo(java.lang.Object);" << localsOf("0 this") << QString() << none
            << QString();
    }

    void declarations()
    {
        QFETCH(QString, declaration);
        QFETCH(Locals, locals);
        QFETCH(QString, line);
        QFETCH(TypeVariables, classVariables);
        QFETCH(QString, key);
        const JavapMember::Member m =
            JavapMember::fromDeclaration(declaration, locals, classVariables);
        QCOMPARE(m.line, line);
        QCOMPARE(m.isListed(), !line.isEmpty());
        if (m.isListed())
            QCOMPARE(m.key, key);
    }

    void headers_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("simpleName");
        QTest::addColumn<QString>("superclass");
        QTest::addColumn<bool>("isInterface");
        QTest::newRow("Object") << "public class java.lang.Object {"
                                << "java.lang.Object"
                                << "Object" << QString() << false;
        QTest::newRow("generic with interfaces")
            << "public class java.util.HashMap<K, V> extends java.util.AbstractMap<K, V> "
               "implements java.util.Map<K, V>, java.lang.Cloneable, java.io.Serializable {"
            << "java.util.HashMap"
            << "HashMap"
            << "java.util.AbstractMap" << false;
        QTest::newRow("package-private superclass")
            << "abstract class java.lang.AbstractStringBuilder implements java.lang.Appendable,"
               "java.lang.CharSequence {"
            << "java.lang.AbstractStringBuilder"
            << "AbstractStringBuilder" << QString() << false;
        QTest::newRow("nested") << "public final class java.lang.Character$UnicodeBlock extends "
                                   "java.lang.Character$Subset {"
                                << "java.lang.Character$UnicodeBlock"
                                << "Character.UnicodeBlock"
                                << "java.lang.Character$Subset" << false;
        QTest::newRow("interface extends no superclass")
            << "public interface java.util.List<E> extends java.util.Collection<E> {"
            << "java.util.List"
            << "List" << QString() << true;
    }
    void headers()
    {
        QFETCH(QString, header);
        QFETCH(QString, name);
        QFETCH(QString, simpleName);
        QFETCH(QString, superclass);
        QFETCH(bool, isInterface);
        JavapClasses::JavapClass c;
        QVERIFY(JavapClasses::parseHeader(header, c));
        QCOMPARE(c.name, name);
        QCOMPARE(c.simpleName, simpleName);
        QCOMPARE(c.superclass, superclass);
        QCOMPARE(c.isInterface, isInterface);
        QVERIFY(!JavapClasses::parseHeader(QStringLiteral("Compiled from \"Vector.java\""), c));
    }

    void boundedClassVariable()
    {
        JavapClasses::JavapClass c;
        QVERIFY(JavapClasses::parseHeader(
            QStringLiteral("public abstract class java.lang.Enum<E extends java.lang.Enum<E>> "
                           "implements java.lang.Comparable<E>, java.io.Serializable {"),
            c));
        QCOMPARE(JavapMember::fromDeclaration(QStringLiteral("public final int compareTo(E);"), {},
                                              c.variables)
                     .line,
                 QStringLiteral("public final int compareTo(Enum)"));
    }

    // A real javap excerpt: tables below each declaration, a bridge, an overload, an inherited
    // override; the class, then its superclass, make one member list.
    void classesAndInheritance()
    {
        const QString output = QStringLiteral(
            "Compiled from \"Sub.java\"\n"
            "public class demo.Sub<E> extends demo.Base implements java.lang.Comparable<demo.Sub<"
            "E>> {\n"
            "  public static final int LIMIT;\n"
            "\n"
            "  public demo.Sub();\n"
            "    LineNumberTable:\n"
            "      line 3: 0\n"
            "    LocalVariableTable:\n"
            "      Start  Length  Slot  Name   Signature\n"
            "          0       5     0  this   Ldemo/Sub;\n"
            "\n"
            "  public E first(long, int);\n"
            "    LineNumberTable:\n"
            "      line 7: 0\n"
            "    LocalVariableTable:\n"
            "      Start  Length  Slot  Name   Signature\n"
            "          4       6     4 count   I\n"
            "          0      10     0  this   Ldemo/Sub;\n"
            "          0      10     1 from   J\n"
            "          0      10     3  step   I\n"
            "\n"
            "  public java.lang.String toString();\n"
            "    LineNumberTable:\n"
            "      line 9: 0\n"
            "    LocalVariableTable:\n"
            "      Start  Length  Slot  Name   Signature\n"
            "          0       2     0  this   Ldemo/Sub;\n"
            "\n"
            "  public int compareTo(java.lang.Object);\n"
            "    LineNumberTable:\n"
            "      line 1: 0\n"
            "    LocalVariableTable:\n"
            "      Start  Length  Slot  Name   Signature\n"
            "          0       9     0  this   Ldemo/Sub;\n"
            "}\n"
            "Compiled from \"Base.java\"\n"
            "public abstract class demo.Base {\n"
            "  public java.lang.String toString();\n"
            "  public abstract void draw(java.awt.Graphics);\n"
            "  public static demo.Base$Part part(java.lang.String);\n"
            "}\n");
        const QList<JavapClasses::JavapClass> parsed = JavapClasses::parse(output);
        QCOMPARE(parsed.size(), 2);
        QCOMPARE(parsed.at(0).name, QStringLiteral("demo.Sub"));
        QCOMPARE(parsed.at(0).superclass, QStringLiteral("demo.Base"));

        QHash<QString, JavapClasses::JavapClass> classes;
        for (const JavapClasses::JavapClass &c : parsed)
            classes.insert(c.name, c);
        QStringList missing;
        QCOMPARE(JavapClasses::memberLines(QStringLiteral("demo.Sub"), classes, &missing),
                 (QStringList {"public static final int LIMIT",
                               "public Object first(long from, int step)",
                               "public String toString()", "public abstract void draw(Graphics)",
                               "public static Base.Part part(String)"}));
        QVERIFY(missing.isEmpty());

        // Without its superclass the list ends with the class's own members, and says so.
        classes.remove(QStringLiteral("demo.Base"));
        QCOMPARE(JavapClasses::memberLines(QStringLiteral("demo.Sub"), classes, &missing).size(),
                 3);
        QCOMPARE(missing, QStringList {"demo.Base"});
    }

    void objectEndsTheWalkButIsListedItself()
    {
        const QString output = QStringLiteral("public class java.lang.Object {\n"
                                              "  public java.lang.Object();\n"
                                              "  public native int hashCode();\n"
                                              "}\n"
                                              "public class java.lang.Thread implements "
                                              "java.lang.Runnable {\n"
                                              "  public void run();\n"
                                              "}\n");
        QHash<QString, JavapClasses::JavapClass> classes;
        for (const JavapClasses::JavapClass &c : JavapClasses::parse(output))
            classes.insert(c.name, c);
        QCOMPARE(classes.value(QStringLiteral("java.lang.Thread")).superclass, QString());
        QCOMPARE(JavapClasses::memberLines(QStringLiteral("java.lang.Object"), classes),
                 QStringList {"public int hashCode()"});

        // A class whose superclass is Object stops there.
        JavapClasses::JavapClass sub;
        sub.name = QStringLiteral("demo.Plain");
        sub.superclass = QStringLiteral("java.lang.Object");
        classes.insert(sub.name, sub);
        QStringList missing;
        QVERIFY(JavapClasses::memberLines(sub.name, classes, &missing).isEmpty());
        QVERIFY(missing.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestJavapMember)
#include "tst_JavapMember.moc"
