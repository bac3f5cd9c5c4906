// The user-defined languages in the main window: the file filter, the "Custom language
// document" submenus, new documents of a language and loading files of one.
#include "ShellFixture.h"
#include "editor/highlighting/GeneralLexer.h"
#include "editor/highlighting/Highlighter.h"
#include "shell/explorer/ExplorerPanel.h"

#include <QComboBox>
#include <QElapsedTimer>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

const QByteArray Colours = "[Comment]\r\nForeground=255\r\n[Reserved word]\r\nForeground=32768\r\n";

// A language file: extension, keywords and sample code.
QByteArray languageFile(const QByteArray &ext, const QList<QByteArray> &keywords,
                        const QList<QByteArray> &code = {})
{
    QByteArray file = "[FileInfo]\r\nFileExt=" + ext + "\r\n[CommentTypes]\r\nCComments=1\r\n"
        + "[Keywords]\r\nKeyWordsCount=" + QByteArray::number(keywords.size()) + "\r\n";
    for (int i = 0; i < keywords.size(); ++i)
        file += QByteArray::number(i) + "=" + keywords.at(i) + "\r\n";
    file += "[Code]\r\nCodeLines=" + QByteArray::number(code.size()) + "\r\n";
    for (int i = 0; i < code.size(); ++i)
        file += QByteArray::number(i) + "=" + code.at(i) + "\r\n";
    return file;
}

QByteArray toc(const QList<QByteArray> &names)
{
    QByteArray t = "[CustomLanguages]\r\nCount=" + QByteArray::number(names.size()) + "\r\n";
    for (int i = 0; i < names.size(); ++i)
        t += QByteArray::number(i + 1) + "=" + names.at(i) + "\r\n";
    return t;
}

QStringList itemsOf(QMenu *menu)
{
    QStringList names;
    for (QAction *a : menu->actions())
        if (a->isVisible())
            names << (a->data().isValid() ? a->text() : a->objectName());
    return names;
}

TColor colour(Highlighter *h, const char *attribute)
{
    return h->attribute(h->indexOfAttribute(attribute)).foreground;
}

} // namespace

class TestCustomLanguages : public QObject
{
    Q_OBJECT
private slots:
    // The languages follow the built-in entries of the filter (tst_documenttypes'), before
    // "All files"; the submenus list them by name.
    void filterAndSubmenus_data()
    {
        QTest::addColumn<QByteArray>("table"); // null: no table of contents
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("submenu");
        QTest::newRow("no table") << QByteArray() << QStringList() << QStringList();
        QTest::newRow("two languages")
            << toc({"Foo", "Bar & Co"})
            << QStringList {"Foo (*.foo)|*.foo", "Bar & Co (*.bar)|*.bar"}
            << QStringList {"Bar && Co", "Foo"};
        QTest::newRow("missing file") << toc({"Gone"}) << QStringList {"Gone ()|"} << QStringList();
        QTest::newRow("listed twice")
            << toc({"Foo", "FOO", "Bar & Co"})
            << QStringList {"Foo (*.foo)|*.foo", "FOO (*.foo)|*.foo", "Bar & Co (*.bar)|*.bar"}
            << QStringList {"Bar && Co", "Foo"};
    }
    void filterAndSubmenus()
    {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, languages);
        QFETCH(QStringList, submenu);
        const bool emptyShown = table.isNull();
        ShellFixture f;
        f.write("customlang/Foo.ini", languageFile("*.foo", {}));
        f.write("customlang/FOO.ini", languageFile("foo", {}));
        f.write("customlang/Bar & Co.ini", languageFile(".bar", {}));
        if (!table.isNull())
            f.write("customlang/toc.ini", table);
        TMainForm *m = f.start();

        QStringList filter;
        for (const FileFilterEntry &e : m->UpdateFilesFilter())
            filter << e.description + "|" + e.masks.join(';');
        QCOMPARE(filter.mid(7), languages + QStringList {"All files (*.*)|*.*"});
        QComboBox *box = f.features().explorer->FilterComboBox1;
        QCOMPARE(box->count(), filter.size());
        QCOMPARE(box->itemText(7), filter.at(7).section('|', 0, 0));

        const QStringList designed {"N40", "Definenewcustomlanguage1"};
        QCOMPARE(itemsOf(m->menu("Customlanguages1")),
                 submenu + (emptyShown ? QStringList {"empty4"} : QStringList()) + designed);
        QStringList popup = itemsOf(f.child<QMenu>("Customlanguages2"));
        QCOMPARE(popup.mid(0, submenu.size()), submenu);
        QCOMPARE(popup.contains("empty5"), emptyShown);
        QVERIFY(!m->action("empty4")->isEnabled());
    }

    void languageOfAnExtension_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("filterItem"); // -1: the one before stays
        auto row = [](const char *name, const char *file, const char *language, int filterItem) {
            QTest::newRow(name) << QString(file) << QString(language) << filterItem;
        };
        row("own extension", "a.foo", "Foo", 7);
        row("in capitals", "b.FOO", "Foo", 7);
        row("first of two masks", "c.h", "C header", 8);
        row("second of two masks", "d.c", "C header", 8);
        row("built-in Perl mask", "e.perl", "Perl", 2);
        row("no mask lists it", "f.t", "", -1);
        row("prefix of a mask", "g.fo", "", -1);
    }
    void languageOfAnExtension()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, language);
        QFETCH(int, filterItem);
        ShellFixture f;
        f.write("customlang/toc.ini", toc({"Foo", "C header"}));
        f.write("customlang/Foo.ini", languageFile("*.foo", {"begin"}));
        f.write("customlang/C header.ini", languageFile("*.h;*.c", {"int"}));
        TMainForm *m = f.start();
        m->setFilterIndex(4);
        TEditForm *w = m->LoadFile(f.write(fileName, "int begin\n"));
        QCOMPARE(w->CustomLanguage, language);
        QCOMPARE(m->filterIndex(), filterItem < 0 ? 4 : filterItem);
        QCOMPARE(w->currentHighlighter()->kind(), Highlighter::General);
    }

    void newDocumentOfALanguage()
    {
        ShellFixture f;
        f.write("customlang/toc.ini", toc({"Foo", "Plain"}));
        // The sample holds a NUL byte and ends in an empty line.
        f.write("customlang/Foo.ini",
                languageFile("foo;*.bar", {"begin", "end"},
                             {"begin", "  x := 'a'; // c", {"end\0.", 5}, ""}));
        f.write("customlang/Plain.ini", languageFile("", {}));
        f.write("colors/lang/Foo.ini", Colours);
        TMainForm *m = f.start();

        QAction *item = m->menu("Customlanguages1")->actions().at(1);
        QCOMPARE(item->data().toString(), "Foo");
        item->trigger();
        TEditForm *w = f.active();
        QCOMPARE(w->caption() + '|' + w->CustomLanguage, "Untitled1.foo|Foo");
        // Profile values lose their leading blanks.
        QCOMPARE(w->editor()->lines(),
                 QStringList({"begin", "x := 'a'; // c", QString::fromLatin1("end\0.", 5), ""}));
        QVERIFY(!w->IsModified && w->panelText(1).isEmpty());
        Highlighter *h = w->currentHighlighter();
        QCOMPARE(h->kind(), Highlighter::General);
        QCOMPARE(h->keywords(), QStringList({"begin", "end"}));
        QCOMPARE(h->generalLexer()->stringDelimiter(), '"');
        QCOMPARE(colour(h, "Comment"), TColor(255));
        QCOMPARE(m->filterIndex(), 7);
        QCOMPARE(m->explorerMask(), "*.foo;*.bar");
        QVERIFY(tabShown(f.page(Page::General)));

        // A language without an extension: "Untitled" and a number; its document is empty.
        f.child<QMenu>("Customlanguages2")->actions().at(0)->trigger();
        QCOMPARE(f.active()->caption() + '|' + f.active()->CustomLanguage, "Untitled2|Plain");
        QCOMPARE(f.active()->editor()->lineCount(), 0);
    }

    // A loaded file takes its language's keywords and colour file; activated again it reads the
    // changed language file, not the colours. The colour file is the caption's: Perl's for
    // ".perl", none for ".txt" even under a user language.
    void loadedFileFollowsItsLanguageFile()
    {
        ShellFixture f;
        f.write("customlang/toc.ini", toc({"Foo"}));
        f.write("customlang/Foo.ini", languageFile("*.foo", {"begin"}));
        f.write("colors/lang/Foo.ini", Colours);
        f.write("colors/lang/PERL.ini", Colours);
        TMainForm *m = f.start();
        TEditForm *w = m->LoadFile(f.write("prog.foo", "begin /* c */ 'x'\n"));
        Highlighter *h = w->currentHighlighter();
        QCOMPARE(h->keywords(), QStringList({"begin"}));
        QCOMPARE(h->generalLexer()->commentStyles(),
                 GeneralLexer::CComments | GeneralLexer::CppComments);
        QCOMPARE(colour(h, "Reserved word"), TColor(32768));
        QVERIFY(w->editor()->text().startsWith("begin"));

        f.write("customlang/Foo.ini", languageFile("*.foo", {"end"}));
        f.write("colors/lang/Foo.ini", "[Reserved word]\r\nForeground=1\r\n");
        TEditForm *perl = m->LoadFile(f.write("a.perl", "# x\n"));
        QCOMPARE(perl->CustomLanguage, "Perl");
        QCOMPARE(perl->currentHighlighter()->kind(), Highlighter::General);
        QCOMPARE(colour(perl->currentHighlighter(), "Comment"), TColor(255));
        w->bringToFront();
        QCOMPARE(f.active(), w);
        QCOMPARE(h->keywords(), QStringList({"end"}));
        QCOMPARE(colour(h, "Reserved word"), TColor(32768));

        TEditForm *text = m->LoadFile(f.write("b.txt", "x\n"));
        text->CustomLanguage = "Foo";
        text->ChangeSyntaxToGeneralHighlighter();
        m->UpdateColorsInEditor();
        QCOMPARE(colour(text->currentHighlighter(), "Comment"),
                 Highlighter(Highlighter::General).attribute(0).foreground);
    }

    // Counts far beyond what the files hold cost what the files hold; a language of 20,000
    // keywords opens, and its window is activated again and again without its file being read.
    void largeCountsReadWhatIsThere()
    {
        ShellFixture f;
        f.write("customlang/toc.ini", "[CustomLanguages]\r\nCount=2147483647\r\n1=Big\r\n");
        QByteArray big =
            "[FileInfo]\r\nFileExt=*.big\r\n[Code]\r\nCodeLines=2147483647\r\n0=one\r\n"
            "1=two\r\n[Keywords]\r\nKeyWordsCount=2147483647\r\n";
        for (int i = 0; i < 20000; ++i)
            big += QByteArray::number(i) + "=w" + QByteArray::number(i) + "\r\n";
        const QString bigFile = f.write("customlang/Big.ini", big);
        QElapsedTimer clock;
        clock.start();
        TMainForm *m = f.start();
        m->menu("Customlanguages1")->actions().at(0)->trigger();
        TEditForm *made = f.active();
        QCOMPARE(made->editor()->lines(), QStringList({"one", "two"}));
        f.dialogs.answerFiles({f.write("a.big", "w0 w19999\n")});
        f.trigger("Load1");
        TEditForm *loaded = f.active();
        QCOMPARE(loaded->CustomLanguage, "Big");
        QCOMPARE(loaded->currentHighlighter()->keywords().size(), 20000);

        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(watch >= 0
                && inotify_add_watch(watch, QFile::encodeName(bigFile).constData(), IN_OPEN) >= 0);
        for (int i = 0; i < 10; ++i) {
            made->bringToFront();
            loaded->bringToFront();
        }
        QCOMPARE(f.active(), loaded);
        char events[4096];
        QCOMPARE(::read(watch, events, sizeof events), ssize_t(-1)); // no open of the file
        ::close(watch);
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(TestCustomLanguages)
#include "tst_customlanguages.moc"
