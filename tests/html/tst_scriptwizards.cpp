// The random-image, link-menu, rollover and browser-information wizards with a fixed random
// source and a temporary project folder, and the random-image wizard's file delete.
#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "HtmlHost.h"
#include "ScriptedRng.h"
#include "TestFiles.h"
#include "html/scripts/BrowserInfoWizard.h"
#include "html/scripts/LinkMenuWizard.h"
#include "html/scripts/LinkWizard.h"
#include "html/scripts/RandomImageWizard.h"
#include "html/scripts/RolloverWizard.h"
#include "html/widgets/EntryList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The host captionsAndHelp makes its wizards over.
struct Document : FakeFeatureHost {
    WizardHost host() { return wizardHost(*this); }
};

const QStringList page {"<html>", "<head>", "</head>", "<body>", "  ", "</body>"};

void selectRow(EntryList *list, int row)
{
    list->list()->setCurrentItem(list->list()->topLevelItem(row));
}

} // namespace

class TestScriptWizards : public QObject
{
    Q_OBJECT

    FakePrompter m_prompter;
    FakeFileDialogs m_dialogs;
    FakeHelpViewer m_help;
    FakeFeatureHost m_host;
    const WizardHost m_wizards = wizardHost(m_host);
    QString m_project;   // the project folder, with "images" in it
    QString m_elsewhere; // pictures and pages to pick

    void setProject(const QString &folder, const QString &images = "images")
    {
        m_host.setProject({folder, images});
    }

private slots:
    void init()
    {
        m_prompter.calls.clear();
        m_prompter.answers.clear();
        m_dialogs.calls.clear();
        m_dialogs.fileAnswers.clear();
        m_help.pages.clear();
        static int run = 0;
        m_project = m_host.folder.filePath(QString("project%1").arg(++run));
        m_elsewhere = m_host.folder.filePath(QString("elsewhere%1").arg(run));
        QVERIFY(QDir().mkpath(m_project + "/images") && QDir().mkpath(m_elsewhere));
        setProject(QString());
    }

    void captionsAndHelp()
    {
        Document doc;
        ScriptedRng rng;
        const WizardHost h = doc.host();
        const QList<std::tuple<WizardDialog *, QString, QString>> wizards {
            {new TTilfeldigebilderFrm1(h), "Random image", "HID_RNDImageDLG"},
            {new TLinkScriptFrm(h), "Linkscript", "HID_LINKSCRIPTDLG"},
            {new TRolloverForm(h), "Rollover image wizard", "HID_ROLLOVER_DLG"},
            {new TLinkForm(h), "Link/Anker point", "HID_LINKDLG"},
        };
        for (const auto &[wizard, caption, topic] : wizards) {
            QCOMPARE(wizard->windowTitle(), caption);
            wizard->helpButton()->click();
            QCOMPARE(m_help.pages.takeLast(), topic);
            delete wizard;
        }
        TNettleserInfFrm info(h);
        QCOMPARE(info.windowTitle(), QStringLiteral("Browser Information script"));
        QVERIFY(!info.cancelButton() && !info.helpButton());
        QCOMPARE(info.findChildren<QPushButton *>().size(), 1);
    }

    void randomImages_data()
    {
        QTest::addColumn<QString>("project"); // "yes": the test's project folder
        QTest::addColumn<QString>("imageFolder");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("arrayLine");
        QTest::addColumn<QString>("writeLine");

        const QString image = "  document.writeln('<IMG SRC=\"'+images[randomImgNr]+'\">')";
        const QString background =
            "  document.writeln('<body background=\"'+images[randomImgNr]+'\">')";
        QTest::newRow("no project") << ""
                                    << "images" << QStringList {"a.gif", "/pics/b.gif"} << 0
                                    << "images=new Array(\"a.gif\",\"/pics/b.gif\")" << image;
        QTest::newRow("project") << "yes"
                                 << "images" << QStringList {"a.gif", "b.jpg"} << 1
                                 << "images=new Array(\"images/a.gif\",\"images/b.jpg\")"
                                 << background;
        QTest::newRow("blank image folder")
            << "yes"
            << " \t" << QStringList {"a.gif"} << -1 << "images=new Array(\"a.gif\")" << background;
        QTest::newRow("empty list")
            << "yes"
            << "images" << QStringList {} << 0 << "images=new Array()" << image;
        QTest::newRow("empty entry") << ""
                                     << "images" << QStringList {"a.gif", ""} << 0
                                     << "images=new Array(\"a.gif\",\"\")" << image;
    }
    void randomImages()
    {
        QFETCH(QString, project);
        QFETCH(QString, imageFolder);
        QFETCH(QStringList, entries);
        QFETCH(int, type);
        QFETCH(QString, arrayLine);
        QFETCH(QString, writeLine);

        setProject(project == "yes" ? m_project : QString(), imageFolder);
        EditorAdapter *editor = openPage(m_host, {"  x"}, 1, 4);
        TTilfeldigebilderFrm1 wizard(m_wizards);
        wizard.show();
        for (const QString &entry : entries) {
            wizard.Edit1->setText(entry);
            wizard.findChild<QPushButton *>("Button1")->click();
            QCOMPARE(wizard.Edit1->text(), QString());
        }
        wizard.ComboBox1->setCurrentIndex(type);
        wizard.okButton()->click();
        QCOMPARE(editor->lines(),
                 (QStringList {"  x<SCRIPT language=\"javascript\">", "    " + arrayLine,
                               "    var randomImgNr=Math.floor(Math.random()*images.length)",
                               "  " + writeLine, "  </SCRIPT>"}));
        QVERIFY(!wizard.isVisible());
    }

    void randomImageFind()
    {
        QVERIFY(TestFiles::write(m_elsewhere + "/a.gif", "GIF89a"));
        TTilfeldigebilderFrm1 wizard(m_wizards);
        auto *find = wizard.findChild<QPushButton *>("Button2");
        QCOMPARE(find->text(), QStringLiteral("Find file."));
        m_dialogs.answerFiles({m_elsewhere + "/a.gif"});
        find->click();
        QCOMPARE(wizard.Edit1->text(), m_elsewhere + "/a.gif");
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls.at(0).request.filter),
                 QStringLiteral("GIF (*.gif)|*.gif|Jpeg (*.jpg,*.jpeg)|*.jpg;*.jpeg|PNG "
                                "(*.png)|*.png"));
        QCOMPARE(m_prompter.calls.size(), 1);
        QCOMPARE(m_prompter.calls[0].caption, QStringLiteral("WARNING!"));
        QCOMPARE(m_prompter.calls[0].text,
                 QStringLiteral("A prosject catalog is not defined so the link for this image "
                                "will point to an image on you local machine!!"));
        QCOMPARE(m_prompter.calls[0].icon, Prompter::NoIcon);

        setProject(m_project);
        m_dialogs.answerFiles({m_elsewhere + "/a.gif"});
        find->click();
        QCOMPARE(wizard.Edit1->text(), QStringLiteral("a.gif"));
        QCOMPARE(TestFiles::read(m_project + "/images/a.gif"), QByteArray("GIF89a"));
        QCOMPARE(m_prompter.calls.size(), 1);
        // An image folder name leading out of the project stands for the project folder.
        setProject(m_project, "..");
        m_dialogs.answerFiles({m_elsewhere + "/a.gif"});
        find->click();
        QVERIFY(QFile::exists(m_project + "/a.gif")
                && !QFile::exists(m_host.folder.filePath("a.gif")));
    }

    // Delete..: the entry always goes; its file only after a Yes, and only when it is a file
    // of the image folder that no other entry names.
    void randomImageDelete()
    {
        const QString images = m_project + "/images/";
        for (const char *name : {"yes.gif", "no.gif", "shared.gif", "sub/deep.gif"})
            QVERIFY(TestFiles::write(images + name, "GIF"));
        QVERIFY(TestFiles::write(m_project + "/outside.gif", "GIF"));
        QVERIFY(TestFiles::write(m_elsewhere + "/far.gif", "GIF"));
        QVERIFY(QFile::link(m_elsewhere + "/far.gif", images + "link.gif"));

        setProject(m_project);
        TTilfeldigebilderFrm1 wizard(m_wizards);
        EntryList *list = wizard.Elementer;
        for (const QString &e : {QString("yes.gif"), QString("no.gif"), QString("../outside.gif"),
                                 QString("shared.gif"), QString("shared.gif"), QString("link.gif"),
                                 m_project + "/outside.gif", QString("sub/deep.gif"), QString()})
            list->addEntry({e});
        auto remove = [&](const QString &entry, QList<int> answers) {
            m_prompter.calls.clear();
            m_prompter.answers = answers;
            selectRow(list, int(list->texts().indexOf(entry)));
            wizard.findChild<QPushButton *>("Button6")->click();
        };
        const QString folder = QFileInfo(images).canonicalFilePath() + "/";
        auto question = [&](const QString &name) {
            return m_prompter.calls.size() == 1 && m_prompter.calls[0].caption == "Question"
                && m_prompter.calls[0].buttons == (Prompter::YesButton | Prompter::NoButton)
                && m_prompter.calls[0].text
                == "Delete the file " + folder + name + " from the disk too?";
        };

        remove("no.gif", {Prompter::No});
        QVERIFY(question("no.gif"));
        QVERIFY(QFile::exists(images + "no.gif"));
        remove("yes.gif", {Prompter::Yes});
        QVERIFY(question("yes.gif"));
        QVERIFY(!QFile::exists(images + "yes.gif"));
        remove("sub/deep.gif", {Prompter::Yes});
        QVERIFY(question("sub/deep.gif"));
        QVERIFY(!QFile::exists(images + "sub/deep.gif"));

        // Never asked: outside the folder, through a link, absolute, shared, empty.
        for (const QString &e : {QString("../outside.gif"), QString("link.gif"),
                                 m_project + "/outside.gif", QString("shared.gif"), QString()}) {
            remove(e, {Prompter::Yes});
            QVERIFY2(m_prompter.calls.isEmpty(), qPrintable(e));
        }
        QVERIFY(QFile::exists(m_project + "/outside.gif"));
        QVERIFY(QFile::exists(m_elsewhere + "/far.gif"));
        QVERIFY(QFile::exists(images + "shared.gif"));
        // Once no other entry names it, the shared file is offered.
        remove("shared.gif", {Prompter::No});
        QVERIFY(question("shared.gif"));
        QCOMPARE(list->count(), 0);

        // An image folder name leading out of the project stands for the project folder.
        setProject(m_project, "../" + QFileInfo(m_elsewhere).fileName());
        list->addEntry({"far.gif"});
        remove("far.gif", {Prompter::Yes});
        QVERIFY(m_prompter.calls.isEmpty());
        QVERIFY(QFile::exists(m_elsewhere + "/far.gif"));

        // Without a project nothing is offered.
        setProject(QString());
        list->addEntry({"no.gif"});
        remove("no.gif", {Prompter::Yes});
        QVERIFY(m_prompter.calls.isEmpty());
        QVERIFY(QFile::exists(images + "no.gif"));
    }

    void linkMenu()
    {
        const QStringList below(10, "<p>");
        EditorAdapter *editor = openPage(m_host, page + below, 5, 3);
        ScriptedRng rng({1234, 77});
        TLinkScriptFrm wizard(m_wizards);
        wizard.show();
        EntryList *list = wizard.ListView1;
        list->field(0)->setText("Home");
        list->field(1)->setText(" www.a.com \t");
        list->addButton()->click();
        QCOMPARE(list->field(0)->text(), QString());
        QCOMPARE(list->field(1)->text(), QString());
        list->addEntry({" News ", "news.com"});
        wizard.okButton()->click();
        QCOMPARE(rng.reseeds, 1);
        QCOMPARE(rng.ranges, QList<int> {2000});
        QCOMPARE(wizard.listNumber(), 1234);
        const QStringList function {"<Script LANGUAGE=\"JavaScript\">",
                                    " function showThePage(form) {",
                                    "   var item = form.listID1234.selectedIndex;",
                                    "   choice = form.listID1234.options[item].value;",
                                    "   if (choice!=\"x\")",
                                    "     top.location.href=\"http://\"+(choice);",
                                    " };",
                                    "</script>"};
        const QStringList menu {
            "  <form>",
            "    <select name=\"listID1234\" onchange=\"showThePage(this.form);\">",
            "       <option value=\"x\">Select",
            "       <option value=\"www.a.com\">Home",
            "       <option value=\"news.com\"> News ",
            "    </select>",
            "  </form>"};
        QCOMPARE(editor->lines(),
                 (QStringList {"<html>", "<head>"} + function + QStringList {"</head>", "<body>"}
                  + menu + QStringList {"</body>"} + below));
        // The caret: its line number before the function went in, plus 15.
        QCOMPARE(editor->caretLine(), 11 + 15);

        // A second menu in the page reuses the number the function reads.
        TLinkScriptFrm second(m_wizards);
        second.ListView1->addEntry({"Other", "o.org"});
        editor->setCaret(editor->lineCount(), 1);
        second.okButton()->click();
        QCOMPARE(rng.reseeds, 2);
        QCOMPARE(second.listNumber(), 1234);
        QCOMPARE(editor->text().count("function showThePage"), 1);
        QCOMPARE(editor->text().count("<select name=\"listID1234\""), 2);
    }

    // Imported lines go in pairs; a page without a head gets the menu alone.
    void linkMenuImport()
    {
        const QString file = m_elsewhere + "/links.txt";
        QVERIFY(TestFiles::write(file, "Value1\nlink1\nValue2\r\n link2 \nOdd\n"));
        EditorAdapter *editor = openPage(m_host);
        ScriptedRng rng({5});
        TLinkScriptFrm wizard(m_wizards);
        m_dialogs.answerFiles({file});
        wizard.ListView1->importButton()->click();
        wizard.okButton()->click();
        QCOMPARE(editor->lines(),
                 (QStringList {
                     "<form>", "  <select name=\"listID5\" onchange=\"showThePage(this.form);\">",
                     "     <option value=\"x\">Select", "     <option value=\"link1\">Value1",
                     "     <option value=\"link2\">Value2", "     <option value=\"\">Odd",
                     "  </select>", "</form>"}));
    }

    void rollover_data()
    {
        QTest::addColumn<bool>("project");
        QTest::addColumn<QString>("imageLine");
        QTest::addColumn<QString>("link");
        QTest::newRow("project")
            << true
            << "  <img border=0 name=\"ImageID42\" lowsrc=\"images/b.gif\" src=\"images/a.gif\">"
            << "p.html";
        QTest::newRow("no project")
            << false << "  <img border=0 name=\"ImageID42\" lowsrc=\"%1/b.gif\" src=\"%1/a.gif\">"
            << "%1/p.html";
    }
    void rollover()
    {
        QFETCH(bool, project);
        QFETCH(QString, imageLine);
        QFETCH(QString, link);
        imageLine.replace("%1", m_elsewhere);
        link.replace("%1", m_elsewhere);
        for (const char *name : {"a.gif", "b.gif", "p.html"})
            QVERIFY(TestFiles::write(m_elsewhere + "/" + name, name));

        setProject(project ? m_project : QString());
        EditorAdapter *editor = openPage(m_host, page, 5, 3);
        ScriptedRng rng({42, 7});
        TRolloverForm wizard(m_wizards);
        QCOMPARE(wizard.Edit2->text(), QStringLiteral("ImageID42"));
        QCOMPARE(rng.ranges, QList<int> {10000});
        QCOMPARE(wizard.Edit4->text(), QStringLiteral("#"));
        for (const char *name : {"/a.gif", "/b.gif", "/p.html"})
            m_dialogs.answerFiles({m_elsewhere + name});
        wizard.Button1->click();
        wizard.Button3->click();
        wizard.Button4->click();
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls.at(2).request.filter),
                 QStringLiteral("HTML files (*.htm;*.html)|*.htm;*.html"));
        if (project) {
            QCOMPARE(TestFiles::read(m_project + "/images/a.gif"), QByteArray("a.gif"));
            QCOMPARE(TestFiles::read(m_project + "/images/b.gif"), QByteArray("b.gif"));
            QCOMPARE(TestFiles::read(m_project + "/p.html"), QByteArray("p.html"));
            QVERIFY(m_prompter.calls.isEmpty());
        } else {
            QCOMPARE(m_prompter.calls.size(), 3);
            QCOMPARE(m_prompter.calls[2].icon, Prompter::Warning);
        }
        wizard.Edit5->setText("Hi");
        wizard.okButton()->click();
        const QStringList script {"<script language=\"JavaScript\">",
                                  "<!--",
                                  "function TheRollover(Image) {",
                                  "if (document.images) {",
                                  "  Temp = Image.src;",
                                  "  Image.src = Image.lowsrc;",
                                  "  Image.lowsrc = Temp;",
                                  "}",
                                  "}",
                                  "",
                                  "function ShowStatusMSG(TheStatusMSG) {",
                                  "  status=TheStatusMSG;",
                                  "}",
                                  "-->",
                                  "</script>"};
        const QString anchor = "  <a href=\"" + link
            + "\" onMouseOver=\"ShowStatusMSG('Hi');TheRollover(ImageID42);return true\" "
              "onMouseOut=\"TheRollover(ImageID42);ShowStatusMSG(' ');return true\">";
        QCOMPARE(
            editor->lines(),
            (QStringList {"<html>", "<head>"} + script
             + QStringList {"</head>", "<body>", anchor, "  " + imageLine, "  </a>", "</body>"}));

        // A second rollover adds its block, not the script.
        TRolloverForm second(m_wizards);
        QCOMPARE(second.Edit2->text(), QStringLiteral("ImageID7"));
        editor->setCaret(editor->lineCount(), 1);
        second.okButton()->click();
        QCOMPARE(editor->text().count("function TheRollover"), 1);
        QCOMPARE(editor->text().count("TheRollover(ImageID7)"), 2);
    }

    void browserInformation_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QStringList>("written"); // the properties' lines, in order
        const auto line = [](const char *label, const char *property) {
            return QStringLiteral("      document.write(\"%1: \"+window.navigator.%2+\"<br>\");")
                .arg(label, property);
        };
        const QString type = line("Browser type", "appName");
        const QString version = line("Browser version", "appVersion");
        const QString language = line("Language", "language");
        QTest::newRow("none") << QList<int> {} << QStringList {};
        QTest::newRow("version and language")
            << QList<int> {5, 2} << QStringList {version, language};
        QTest::newRow("all") << QList<int> {1, 2, 3, 4, 5}
                             << QStringList {type, version,
                                             line("Program code name", "appCodeName"),
                                             line("Platform", "platform"), language};
    }
    void browserInformation()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QStringList, written);
        EditorAdapter *editor = openPage(m_host, {"  x"}, 1, 4);
        TNettleserInfFrm wizard(m_wizards);
        wizard.show();
        const QList<QCheckBox *> boxes {wizard.CheckBox1, wizard.CheckBox2, wizard.CheckBox3,
                                        wizard.CheckBox4, wizard.CheckBox5};
        for (int b : ticked)
            boxes.at(b - 1)->click();
        wizard.okButton()->click();
        const QStringList script = QStringList {"  x<script>", "    <!--"} + written
            + QStringList {"    -->", "  </script>"};
        QCOMPARE(editor->lines(), written.isEmpty() ? QStringList {"  x"} : script);
        QVERIFY(!wizard.isVisible());
    }
};

QTEST_MAIN(TestScriptWizards)
#include "tst_scriptwizards.moc"
