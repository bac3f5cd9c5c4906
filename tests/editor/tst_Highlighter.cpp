#include "ScintillaOf.h"
#include "TestFiles.h"
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/IniFile.h"

#include <QTemporaryDir>
#include <QTest>
#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

class TestHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void javaAttributeNames()
    {
        Highlighter h(Highlighter::Java);
        QCOMPARE(h.attributeNames(),
                 (QStringList {"Comment", "Documentation", "Identifier", "Invalid symbol",
                               "Reserved word", "Number", "Space", "String", "Symbol"}));
        QCOMPARE(h.languageName(), QStringLiteral("Java"));
        QCOMPARE(h.indexOfAttribute(QStringLiteral("Reserved word")), 4);
        QCOMPARE(h.indexOfAttribute(QStringLiteral("reserved word")), -1);
    }

    void everyKindHasLexerSampleAndAttributes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("lexerName");
        QTest::newRow("Java") << int(Highlighter::Java) << "Java" << QByteArray("cpp");
        QTest::newRow("HTML") << int(Highlighter::HTML) << "HTML" << QByteArray("hypertext");
        QTest::newRow("CSS") << int(Highlighter::CSS) << "CSS" << QByteArray("css");
        QTest::newRow("XML") << int(Highlighter::XML) << "XML" << QByteArray("xml");
        QTest::newRow("Perl") << int(Highlighter::Perl) << "Perl" << QByteArray("perl");
        QTest::newRow("PHP") << int(Highlighter::PHP) << "PHP" << QByteArray("phpscript");
        QTest::newRow("General") << int(Highlighter::General) << "General" << QByteArray();
    }
    void everyKindHasLexerSampleAndAttributes()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, lexerName);
        Highlighter h {Highlighter::Kind(kind)};
        QCOMPARE(h.languageName(), name);
        QCOMPARE(QByteArray(h.lexer()->lexer()), lexerName);
        QVERIFY(!h.sampleSource().isEmpty());
        QVERIFY(h.attributeCount() >= 7);
        QCOMPARE(h.attributeNames().removeDuplicates(), 0);
    }

    void attributesPaintTheirLexerStyles()
    {
        Highlighter h(Highlighter::Java);
        const int i = h.indexOfAttribute(QStringLiteral("String"));
        h.setAttribute(i, TColor(0x0000FF), TColor(0x00FFFF),
                       Highlighter::Bold | Highlighter::Italic);
        for (int style : h.attribute(i).lexerStyles) {
            QCOMPARE(h.lexer()->color(style), QColor(255, 0, 0));
            QCOMPARE(h.lexer()->paper(style), QColor(255, 255, 0));
            QVERIFY(h.lexer()->font(style).bold());
            QVERIFY(h.lexer()->font(style).italic());
        }
    }

    void phpHighlightsWithoutOpeningTag()
    {
        EditorAdapter ed;
        Highlighter php(Highlighter::PHP);
        ed.setHighlighter(&php);
        ed.setText(QStringLiteral("$name = 'x';"));
        scintillaOf(ed)->recolor();
        const int style = int(scintillaOf(ed)->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 1));
        QVERIFY(php.attribute(php.indexOfAttribute(QStringLiteral("Variable")))
                    .lexerStyles.contains(style));
    }

    void attributeAtEditorPosition_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("line comment") << 1 << 4 << "Comment";
        QTest::newRow("javadoc") << 2 << 5 << "Documentation";
        QTest::newRow("keyword") << 3 << 1 << "Reserved word";
        QTest::newRow("identifier") << 3 << 7 << "Identifier";
        QTest::newRow("number") << 4 << 14 << "Number";
        QTest::newRow("string") << 6 << 25 << "String";
        QTest::newRow("past line end") << 8 << 5 << "Space";
    }
    void attributeAtEditorPosition()
    {
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, name);
        EditorAdapter ed;
        QCOMPARE(ed.attributeNameAt(1, 1), QString()); // no highlighter
        Highlighter java(Highlighter::Java);
        ed.setHighlighter(&java);
        ed.setText(java.sampleSource());
        QCOMPARE(ed.attributeNameAt(line, column), name);
    }

    void colourFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Java.ini"));
        Highlighter a(Highlighter::Java);
        a.setAttribute(0, TColor(0x00123456), TColor::clWindow, 2 | 8);
        a.setAttribute(8, TColor::clBtnFace, TColor(0), 1);
        QVERIFY(a.saveToFile(file));

        const IniFile ini(file);
        QCOMPARE(ini.readString(QStringLiteral("Comment"), QStringLiteral("Background"), QString()),
                 QStringLiteral("-2147483643")); // system colours are negative decimals
        QCOMPARE(ini.readString(QStringLiteral("Comment"), QStringLiteral("Foreground"), QString()),
                 QString::number(0x00123456));
        QCOMPARE(ini.readSections().size(), a.attributeCount());

        Highlighter b(Highlighter::Java);
        QVERIFY(b.loadFromFile(file));
        for (int i = 0; i < a.attributeCount(); ++i) {
            QCOMPARE(b.attribute(i).foreground, a.attribute(i).foreground);
            QCOMPARE(b.attribute(i).background, a.attribute(i).background);
            QCOMPARE(b.attribute(i).style, a.attribute(i).style);
        }
    }

    void partialColourFileLeavesTheRest()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("partial.ini"));
        QVERIFY(TestFiles::write(file,
                                 "[String]\r\nForeground=255\r\n[Symbol]\r\n[Number]\r\nStyle=4\r\n"
                                 "Background=junk\r\n[Unknown]\r\nStyle=1\r\n"));

        Highlighter h(Highlighter::Java);
        const Highlighter pristine(Highlighter::Java);
        QVERIFY(h.loadFromFile(file));
        const int str = h.indexOfAttribute(QStringLiteral("String"));
        const int num = h.indexOfAttribute(QStringLiteral("Number"));
        QCOMPARE(h.attribute(str).foreground, TColor(255));
        QCOMPARE(h.attribute(str).background, pristine.attribute(str).background);
        QCOMPARE(h.attribute(str).style, pristine.attribute(str).style);
        QCOMPARE(h.attribute(num).style, 4);
        QCOMPARE(h.attribute(num).background, pristine.attribute(num).background);
        for (const char *untouched : {"Symbol", "Comment"}) {
            const int i = h.indexOfAttribute(QString::fromLatin1(untouched));
            QCOMPARE(h.attribute(i).foreground, pristine.attribute(i).foreground);
            QCOMPARE(h.attribute(i).style, pristine.attribute(i).style);
        }
        QVERIFY(!h.loadFromFile(dir.filePath(QStringLiteral("missing.ini"))));
    }
};

QTEST_MAIN(TestHighlighter)
#include "tst_Highlighter.moc"
