// The random-image, link-menu, rollover and browser-information wizards with a fixed random
// source and a temporary project folder; the random-image wizard's file delete; the openers
// in the real main window.
#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "ScriptedRng.h"
#include "ShellFixture.h"
#include "editor/EditorAdapter.h"
#include "html/scripts/BrowserInfoWizard.h"
#include "html/scripts/LinkMenuWizard.h"
#include "html/scripts/LinkWizard.h"
#include "html/scripts/RandomImageWizard.h"
#include "html/scripts/RolloverWizard.h"
#include "html/widgets/EntryList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct Document {
    EditorAdapter editor;
    ProjectSettings project;
    WizardHost host()
    {
        return {nullptr, [this](const QString &text) { editor.insertAtCaret(text); },
                [this] { return project; }, [this] { return &editor; }};
    }
    void load(const QStringList &lines, int line, int column)
    {
        editor.setText(lines.join(QLatin1Char('\n')));
        editor.setCaret(line, column);
    }
};

const QStringList page {"<html>", "<head>", "</head>", "<body>", "  ", "</body>"};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void selectRow(EntryList *list, int row)
{
    list->list()->setCurrentItem(list->list()->topLevelItem(row));
}

const QStringList rolloverScript {"<script language=\"JavaScript\">",
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

QStringList linkFunction(const QString &n)
{
    return {"<Script LANGUAGE=\"JavaScript\">",
            " function showThePage(form) {",
            "   var item = form.listID" + n + ".selectedIndex;",
            "   choice = form.listID" + n + ".options[item].value;",
            "   if (choice!=\"x\")",
            "     top.location.href=\"http://\"+(choice);",
            " };",
            "</script>"};
}

} // namespace

class TestScriptWizards : public QObject
{
    Q_OBJECT

    FakePrompter m_prompter;
    FakeFileDialogs m_dialogs;
    FakeHelpViewer m_help;
    QTemporaryDir m_dir;
    QString m_project;   // the project folder, with "images" in it
    QString m_elsewhere; // pictures and pages to pick

private slots:
    void init()
    {
        m_prompter.calls.clear();
        m_prompter.answers.clear();
        m_dialogs.calls.clear();
        m_dialogs.fileAnswers.clear();
        m_help.pages.clear();
        static int run = 0;
        m_project = m_dir.filePath(QString("project%1").arg(++run));
        m_elsewhere = m_dir.filePath(QString("elsewhere%1").arg(run));
        QVERIFY(QDir().mkpath(m_project + "/images") && QDir().mkpath(m_elsewhere));
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

        Document doc;
        doc.project = {project == "yes" ? m_project : QString(), imageFolder};
        doc.load({"  x"}, 1, 4);
        TTilfeldigebilderFrm1 wizard(doc.host());
        wizard.show();
        for (const QString &entry : entries) {
            wizard.Edit1->setText(entry);
            wizard.findChild<QPushButton *>("Button1")->click();
            QCOMPARE(wizard.Edit1->text(), QString());
        }
        wizard.ComboBox1->setCurrentIndex(type);
        wizard.okButton()->click();
        QCOMPARE(doc.editor.lines(),
                 (QStringList {"  x<SCRIPT language=\"javascript\">", "    " + arrayLine,
                               "    var randomImgNr=Math.floor(Math.random()*images.length)",
                               "  " + writeLine, "  </SCRIPT>"}));
        QVERIFY(!wizard.isVisible());
    }

    void randomImageFindAndColumn()
    {
        QVERIFY(writeFile(m_elsewhere + "/a.gif", "GIF89a"));
        Document doc;
        TTilfeldigebilderFrm1 wizard(doc.host());
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

        doc.project = {m_project, "images"};
        m_dialogs.answerFiles({m_elsewhere + "/a.gif"});
        find->click();
        QCOMPARE(wizard.Edit1->text(), QStringLiteral("a.gif"));
        QCOMPARE(readFile(m_project + "/images/a.gif"), QByteArray("GIF89a"));
        QCOMPARE(m_prompter.calls.size(), 1);
        // An image folder name leading out of the project stands for the project folder.
        doc.project.imageFolder = "..";
        m_dialogs.answerFiles({m_elsewhere + "/a.gif"});
        find->click();
        QVERIFY(QFile::exists(m_project + "/a.gif") && !QFile::exists(m_dir.filePath("a.gif")));

        QTreeWidget *list = wizard.Elementer->list();
        for (int i = 0; i < 6; ++i) {
            wizard.findChild<QPushButton *>("Button1")->click();
            QCOMPARE(list->columnWidth(0), i < 5 ? 289 : 272);
        }
        selectRow(wizard.Elementer, 0);
        m_prompter.answers = {Prompter::No};
        wizard.findChild<QPushButton *>("Button6")->click();
        QCOMPARE(list->columnWidth(0), 289);
    }

    // Delete..: the entry always goes; its file only after a Yes, and only when it is a file
    // of the image folder that no other entry names.
    void randomImageDelete()
    {
        const QString images = m_project + "/images/";
        for (const char *name : {"yes.gif", "no.gif", "shared.gif", "sub/deep.gif"})
            QVERIFY(writeFile(images + name, "GIF"));
        QVERIFY(writeFile(m_project + "/outside.gif", "GIF"));
        QVERIFY(writeFile(m_elsewhere + "/far.gif", "GIF"));
        QVERIFY(QFile::link(m_elsewhere + "/far.gif", images + "link.gif"));

        Document doc;
        doc.project = {m_project, "images"};
        TTilfeldigebilderFrm1 wizard(doc.host());
        EntryList *list = wizard.Elementer;
        const QStringList entries {"yes.gif",
                                   "no.gif",
                                   "../outside.gif",
                                   "shared.gif",
                                   "shared.gif",
                                   "link.gif",
                                   m_project + "/outside.gif",
                                   "sub/deep.gif",
                                   ""};
        for (const QString &e : entries)
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
        doc.project.imageFolder = "../" + QFileInfo(m_elsewhere).fileName();
        list->addEntry({"far.gif"});
        remove("far.gif", {Prompter::Yes});
        QVERIFY(m_prompter.calls.isEmpty());
        QVERIFY(QFile::exists(m_elsewhere + "/far.gif"));

        // Without a project nothing is offered.
        doc.project.projectFolder.clear();
        list->addEntry({"no.gif"});
        remove("no.gif", {Prompter::Yes});
        QVERIFY(m_prompter.calls.isEmpty());
        QVERIFY(QFile::exists(images + "no.gif"));
    }

    void linkMenu()
    {
        Document doc;
        const QStringList below(10, "<p>");
        doc.load(page + below, 5, 3);
        ScriptedRng rng({1234, 77});
        TLinkScriptFrm wizard(doc.host());
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
        const QStringList menu {
            "<form>",
            "    <select name=\"listID1234\" onchange=\"showThePage(this.form);\">",
            "       <option value=\"x\">Select",
            "       <option value=\"www.a.com\">Home",
            "       <option value=\"news.com\"> News ",
            "    </select>",
            "  </form>"};
        QCOMPARE(doc.editor.lines(),
                 (QStringList {"<html>", "<head>"} + linkFunction("1234")
                  + QStringList {"</head>", "<body>", "  " + menu.first()} + menu.mid(1)
                  + QStringList {"</body>"} + below));
        // The caret: its line number before the function went in, plus 15.
        QCOMPARE(doc.editor.caretLine(), 11 + 15);

        // A second menu in the page reuses the number the function reads.
        TLinkScriptFrm second(doc.host());
        second.ListView1->addEntry({"Other", "o.org"});
        doc.editor.setCaret(doc.editor.lineCount(), 1);
        second.okButton()->click();
        QCOMPARE(rng.reseeds, 2);
        QCOMPARE(second.listNumber(), 1234);
        const QString text = doc.editor.text();
        QCOMPARE(text.count("function showThePage"), 1);
        QCOMPARE(text.count("<select name=\"listID1234\""), 2);
    }

    void linkMenuImport()
    {
        const QString file = m_elsewhere + "/links.txt";
        QVERIFY(writeFile(file, "Value1\n\n  \t\nlink1\nValue2\r\n link2 \nOdd\n"));
        Document doc;
        doc.load({""}, 1, 1);
        ScriptedRng rng({5});
        TLinkScriptFrm wizard(doc.host());
        EntryList *list = wizard.ListView1;
        QCOMPARE(list->list()->columnWidth(1), 199);
        m_dialogs.answerFiles({file});
        list->importButton()->click();
        const FileDialogs::Request &request = m_dialogs.calls.at(0).request;
        QCOMPARE(request.caption,
                 QStringLiteral("Select file you want to be imported to the list"));
        QCOMPARE(FileDialogs::toDelphiFilter(request.filter),
                 QStringLiteral("Text files (*.txt)|*.txt|Richtext files (*.rtf)|*.rtf"));
        QCOMPARE(list->entries(),
                 (QList<QStringList> {{"Value1", "link1"}, {"Value2", " link2 "}, {"Odd", ""}}));
        for (int i = 0; i < 3; ++i)
            list->addEntry({"v", "l"});
        QCOMPARE(list->list()->columnWidth(1), 182);
        for (int row = 5; row >= 3; --row) {
            selectRow(list, row);
            list->removeButton()->click();
            QCOMPARE(list->list()->columnWidth(1), 199);
        }

        // No head in the page: the menu alone.
        wizard.okButton()->click();
        QCOMPARE(doc.editor.lines(),
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
        imageLine = imageLine.arg(m_elsewhere);
        link = link.arg(m_elsewhere);
        for (const char *name : {"a.gif", "b.gif", "p.html"})
            QVERIFY(writeFile(m_elsewhere + "/" + name, name));

        Document doc;
        doc.project = {project ? m_project : QString(), "images"};
        doc.load(page, 5, 3);
        ScriptedRng rng({42, 7});
        TRolloverForm wizard(doc.host());
        QCOMPARE(wizard.Edit2->text(), QStringLiteral("ImageID42"));
        QCOMPARE(rng.ranges, QList<int> {10000});
        QCOMPARE(wizard.Edit4->text(), QStringLiteral("#"));
        m_dialogs.answerFiles({m_elsewhere + "/a.gif"});
        m_dialogs.answerFiles({m_elsewhere + "/b.gif"});
        m_dialogs.answerFiles({m_elsewhere + "/p.html"});
        wizard.Button1->click();
        wizard.Button3->click();
        wizard.Button4->click();
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls.at(2).request.filter),
                 QStringLiteral("HTML files (*.htm;*.html)|*.htm;*.html"));
        if (project) {
            QCOMPARE(readFile(m_project + "/images/a.gif"), QByteArray("a.gif"));
            QCOMPARE(readFile(m_project + "/images/b.gif"), QByteArray("b.gif"));
            QCOMPARE(readFile(m_project + "/p.html"), QByteArray("p.html"));
            QVERIFY(m_prompter.calls.isEmpty());
        } else {
            QCOMPARE(m_prompter.calls.size(), 3);
            QCOMPARE(m_prompter.calls[2].icon, Prompter::Warning);
        }
        wizard.Edit5->setText("Hi");
        wizard.okButton()->click();
        const QStringList block {
            "<a href=\"" + link
                + "\" onMouseOver=\"ShowStatusMSG('Hi');TheRollover(ImageID42);return true\" "
                  "onMouseOut=\"TheRollover(ImageID42);ShowStatusMSG(' ');return true\">",
            "  " + imageLine, "  </a>"};
        QCOMPARE(doc.editor.lines(),
                 (QStringList {"<html>", "<head>"} + rolloverScript
                  + QStringList {"</head>", "<body>", "  " + block.first()} + block.mid(1)
                  + QStringList {"</body>"}));

        // A second rollover adds its block, not the script.
        TRolloverForm second(doc.host());
        QCOMPARE(second.Edit2->text(), QStringLiteral("ImageID7"));
        doc.editor.setCaret(doc.editor.lineCount(), 1);
        second.okButton()->click();
        QCOMPARE(doc.editor.text().count("function TheRollover"), 1);
        QCOMPARE(doc.editor.text().count("TheRollover(ImageID7)"), 2);
    }

    void browserInformation_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << QList<int> {} << QStringList {"  x"};
        QTest::newRow("version and language")
            << QList<int> {5, 2}
            << QStringList {"  x<script>",
                            "    <!--",
                            "      document.write(\"Browser version: "
                            "\"+window.navigator.appVersion+\"<br>\");",
                            "      document.write(\"Language: "
                            "\"+window.navigator.language+\"<br>\");",
                            "    -->",
                            "  </script>"};
        QTest::newRow("all") << QList<int> {1, 2, 3, 4, 5}
                             << QStringList {"  x<script>",
                                             "    <!--",
                                             "      document.write(\"Browser type: "
                                             "\"+window.navigator.appName+\"<br>\");",
                                             "      document.write(\"Browser version: "
                                             "\"+window.navigator.appVersion+\"<br>\");",
                                             "      document.write(\"Program code name: "
                                             "\"+window.navigator.appCodeName+\"<br>\");",
                                             "      document.write(\"Platform: "
                                             "\"+window.navigator.platform+\"<br>\");",
                                             "      document.write(\"Language: "
                                             "\"+window.navigator.language+\"<br>\");",
                                             "    -->",
                                             "  </script>"};
    }

    void browserInformation()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QStringList, expected);
        Document doc;
        doc.load({"  x"}, 1, 4);
        TNettleserInfFrm wizard(doc.host());
        wizard.show();
        const QList<QCheckBox *> boxes {wizard.CheckBox1, wizard.CheckBox2, wizard.CheckBox3,
                                        wizard.CheckBox4, wizard.CheckBox5};
        for (int b : ticked)
            boxes.at(b - 1)->click();
        wizard.okButton()->click();
        QCOMPARE(doc.editor.lines(), expected);
        QVERIFY(!wizard.isVisible());
    }

    // In the main window: every opener enabled; each call a new wizard freed when closed;
    // "Link.." only with a document; OK with no document inserts nothing.
    void mainWindowOpeners()
    {
        ShellFixture fixture;
        TMainForm *main = fixture.start();
        const QList<std::tuple<const char *, const char *, QString>> openers {
            {nullptr, "SpeedButton61", "Random image"},
            {nullptr, "SpeedButton65", "Linkscript"},
            {"Rollover1", "SpeedButton55", "Rollover image wizard"},
            {nullptr, "SpeedButton57", "Browser Information script"},
        };
        for (const auto &[item, button, caption] : openers) {
            auto *tool = fixture.page(Page::Html)->findChild<QToolButton *>(QLatin1String(button));
            QVERIFY2(tool->isEnabled(), button);
            tool->click();
            if (item) {
                QVERIFY(main->action(QLatin1String(item))->isEnabled());
                main->action(QLatin1String(item))->trigger();
            }
            const QList<WizardDialog *> wizards = main->findChildren<WizardDialog *>();
            QCOMPARE(wizards.size(), item ? 2 : 1);
            for (WizardDialog *wizard : wizards) {
                QCOMPARE(wizard->windowTitle(), caption);
                QVERIFY(wizard->isVisible());
                QVERIFY(wizard->testAttribute(Qt::WA_DeleteOnClose));
                wizard->okButton()->click();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(main->findChildren<WizardDialog *>().isEmpty());
        }
        QVERIFY(main->documentWindows().isEmpty());

        QAction *link = main->action("Link2");
        auto *linkButton = fixture.page(Page::Html)->findChild<QToolButton *>("SpeedButton33");
        QVERIFY(link->isEnabled() && linkButton->isEnabled());
        link->trigger();
        linkButton->click();
        QVERIFY(!main->findChild<TLinkForm *>());

        main->action("HTMLdocument1")->trigger();
        EditorAdapter *editor = fixture.active()->SynEdit1;
        editor->setText("click here");
        editor->selectAll();
        linkButton->click();
        auto *wizard = main->findChild<TLinkForm *>();
        QVERIFY(wizard && wizard->isVisible());
        wizard->Lenke->setText("a.html");
        wizard->okButton()->click();
        QCOMPARE(editor->text(), QStringLiteral("<a href=\"a.html\">click here</a>"));
        QVERIFY(fixture.active()->IsModified);
    }
};

QTEST_MAIN(TestScriptWizards)
#include "tst_scriptwizards.moc"
