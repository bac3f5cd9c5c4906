// The link wizard with its browser-window and status-line dialogs, which open through their
// exec functions and are answered here.
#include "FakeFileDialogs.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "editor/EditorAdapter.h"
#include "html/commands/ScriptCommands.h"
#include "html/scripts/BrowserWindowDialog.h"
#include "html/scripts/LinkWizard.h"
#include "html/scripts/StatusLineDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

struct Document {
    EditorAdapter editor;
    ProjectSettings project {QString(), QStringLiteral("images")};
    WizardHost host()
    {
        return {nullptr, [this](const QString &text) { editor.insertAtCaret(text); },
                [this] { return project; }, [this] { return &editor; }};
    }
};

// The user's choice of an item (also of the one already shown).
void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The browser-window dialog as the user fills it: fields, then the ticked boxes by number.
struct BrowserAnswer {
    QString document, height, width, title;
    QList<int> boxes;
    bool ok = true;
};

const QString statusAttributes =
    " onMouseOut=\"javascript:window.status=' ';return true;\" "
    "onMouseOver=\"javascript:window.status='It's here';return true\" ";

} // namespace

Q_DECLARE_METATYPE(BrowserAnswer)

class TestLinkWizard : public QObject
{
    Q_OBJECT

    FakePrompter m_prompter;
    FakeFileDialogs m_dialogs;
    FakeHelpViewer m_help;

    // A wizard whose sub-dialogs take their answers from browser and status; the number of
    // dialogs opened is counted in opened.
    static void answer(TLinkForm &wizard, const QList<BrowserAnswer> &browser,
                       const QStringList &status, int *opened)
    {
        auto browsers = std::make_shared<QList<BrowserAnswer>>(browser);
        wizard.setExecBrowser([browsers, opened](TBrowserFrm &dialog) {
            ++*opened;
            const BrowserAnswer a = browsers->isEmpty() ? BrowserAnswer {} : browsers->takeFirst();
            dialog.Edit1->setText(a.document);
            dialog.Edit2->setText(a.height);
            dialog.Edit3->setText(a.width);
            dialog.Edit4->setText(a.title);
            const QList<QCheckBox *> boxes {dialog.CheckBox1, dialog.CheckBox2, dialog.CheckBox3,
                                            dialog.CheckBox4, dialog.CheckBox5, dialog.CheckBox6};
            for (int b : a.boxes)
                boxes.at(b - 1)->setChecked(true);
            (a.ok ? dialog.Button1 : dialog.Button2)->click();
            return dialog.result();
        });
        auto messages = std::make_shared<QStringList>(status);
        wizard.setExecStatus([messages, opened](TStatusLinjeFrm &dialog) {
            ++*opened;
            if (messages->isEmpty()) {
                dialog.Button2->click(); // cancelled
            } else {
                dialog.Edit1->setText(messages->takeFirst());
                dialog.Button1->click();
            }
            return dialog.result();
        });
    }

private slots:
    void init()
    {
        m_prompter.calls.clear();
        m_dialogs.calls.clear();
        m_help.pages.clear();
    }

    // Each row: Link field typed, onClick choice (-1 none) with the browser dialog's answers,
    // status-line choice with its message, the boxes unticked afterwards, and the tag.
    void tags_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("clicks"); // onClick items chosen in turn
        QTest::addColumn<QList<BrowserAnswer>>("browser");
        QTest::addColumn<QString>("status"); // empty: no status-line choice
        QTest::addColumn<bool>("untickClick");
        QTest::addColumn<QString>("clearLinkAfter"); // "yes": Link emptied after the choices
        QTest::addColumn<QString>("expected");

        const QList<BrowserAnswer> none;
        QTest::newRow("link") << "page.html"
                              << "n" << QList<int> {} << none << "" << false << ""
                              << "<a href=\"page.html\">Go</a>";
        QTest::newRow("anchor drops the events")
            << "page.html"
            << "top" << QList<int> {0} << none << "It's here" << false << "yes"
            << "<a name=\"top\">Go</a>";
        QTest::newRow("print") << "page.html"
                               << "" << QList<int> {0} << none << "" << false << ""
                               << "<a href=\"#\" onClick=\"javascript:self.print()\">Go</a>";
        QTest::newRow("close") << ""
                               << "" << QList<int> {1} << none << "" << false << ""
                               << "<a href=\"#\" onClick=\"javascript:self.close()\">Go</a>";
        QTest::newRow("window, every feature in order")
            << ""
            << "" << QList<int> {2}
            << QList<BrowserAnswer> {{"doc.html", "300", "200", "Win", {6, 5, 4, 3, 2, 1}}} << ""
            << false << ""
            << "<a href=\"#\" onClick=\"javascript:window.open('doc.html','Win','toolbar=yes,"
               "location=yes,menubar=yes,scrollbars=yes,resizable=yes,status=yes,height=300,"
               "width=200'); return true\">Go</a>";
        QTest::newRow("window, all empty")
            << ""
            << "" << QList<int> {2} << QList<BrowserAnswer> {BrowserAnswer {}} << "" << false << ""
            << "<a href=\"#\" onClick=\"javascript:window.open('','',''); return true\">Go</a>";
        QTest::newRow("window dialog cancelled")
            << "page.html"
            << "" << QList<int> {2}
            << QList<BrowserAnswer> {{"doc.html", "1", "2", "t", {1}, false}} << "" << false << ""
            << "<a href=\"#\">Go</a>";
        QTest::newRow("window chosen again replaces the first")
            << ""
            << "" << QList<int> {2, 2}
            << QList<BrowserAnswer> {{"one.html", "", "", "", {}}, {"two.html", "", "", "", {}}}
            << "" << false << ""
            << "<a href=\"#\" onClick=\"javascript:window.open('two.html','',''); return "
               "true\">Go</a>";
        QTest::newRow("window, then print writes print")
            << ""
            << "" << QList<int> {2, 0} << QList<BrowserAnswer> {{"one.html", "", "", "", {}}} << ""
            << false << ""
            << "<a href=\"#\" onClick=\"javascript:self.print()\">Go</a>";
        QTest::newRow("onClick unticked after a choice")
            << ""
            << "" << QList<int> {0} << none << "" << true << ""
            << "<a href=\"#\">Go</a>";
        QTest::newRow("status line") << "x.html"
                                     << "" << QList<int> {} << none << "It's here" << false << ""
                                     << "<a href=\"x.html\"" + statusAttributes + ">Go</a>";
        QTest::newRow("print and status line")
            << "x.html"
            << "" << QList<int> {0} << none << "It's here" << false << ""
            << "<a href=\"#\" onClick=\"javascript:self.print()\"" + statusAttributes + ">Go</a>";
    }

    void tags()
    {
        QFETCH(QString, link);
        QFETCH(QString, name);
        QFETCH(QList<int>, clicks);
        QFETCH(QList<BrowserAnswer>, browser);
        QFETCH(QString, status);
        QFETCH(bool, untickClick);
        QFETCH(QString, clearLinkAfter);
        QFETCH(QString, expected);

        Document doc;
        TLinkForm wizard(doc.host());
        int opened = 0;
        answer(wizard, browser, status.isEmpty() ? QStringList() : QStringList {status}, &opened);
        wizard.show();
        wizard.setLinkText("Go");
        wizard.Lenke->setText(link);
        wizard.Navn->setText(name);
        QVERIFY(!wizard.KlikkCompo->isEnabled() && !wizard.MouseOverCompo->isEnabled());
        if (!clicks.isEmpty()) {
            wizard.onklikk->click();
            QVERIFY(wizard.KlikkCompo->isEnabled());
            for (int item : clicks)
                choose(wizard.KlikkCompo, item);
            QCOMPARE(wizard.Lenke->text(), QStringLiteral("#"));
        }
        if (!status.isEmpty()) {
            wizard.mouseover->click();
            choose(wizard.MouseOverCompo, 0);
        }
        QCOMPARE(opened, int(clicks.count(2) + (status.isEmpty() ? 0 : 1)));
        if (untickClick) {
            wizard.onklikk->click();
            QVERIFY(!wizard.KlikkCompo->isEnabled());
        }
        if (clearLinkAfter == "yes")
            wizard.Lenke->clear();
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(), expected);
        QVERIFY(!wizard.isVisible());
    }

    void statusDialogCancelled()
    {
        Document doc;
        TLinkForm wizard(doc.host());
        int opened = 0;
        answer(wizard, {}, {}, &opened);
        wizard.Lenke->setText("a.html");
        wizard.mouseover->click();
        choose(wizard.MouseOverCompo, 0);
        QCOMPARE(opened, 1);
        QCOMPARE(wizard.mouseOverText(), QString());
        wizard.okButton()->click();
        QCOMPARE(doc.editor.text(), QStringLiteral("<a href=\"a.html\"></a>"));
    }

    // Link..: the selection becomes the link text; OK replaces it, with the document's line
    // ending between its lines. Help opens the wizard's topic.
    void openedOnTheSelection()
    {
        Document doc;
        TextFile::Format crlf;
        crlf.lineEnding = TextFile::LineEnding::CRLF;
        doc.editor.setFormat(crlf);
        doc.editor.setText("one\r\ntwo");
        doc.editor.selectAll();
        ScriptCommands::SpeedButton33Click(doc.host());
        TLinkForm *wizard = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *link = qobject_cast<TLinkForm *>(w))
                wizard = link;
        QVERIFY(wizard);
        QVERIFY(wizard->isVisible());
        QVERIFY(wizard->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Link/Anker point"));
        QCOMPARE(wizard->Memo1->toPlainText(), QStringLiteral("one\ntwo"));
        wizard->helpButton()->click();
        QCOMPARE(m_help.pages, QStringList {"HID_LINKDLG"});
        wizard->Lenke->setText("a.html");
        wizard->okButton()->click();
        QCOMPARE(doc.editor.text(), QStringLiteral("<a href=\"a.html\">one\r\ntwo</a>"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Find..: into the project folder itself, an existing file kept; without a project the
    // full path and the warning.
    void browserFind()
    {
        QTemporaryDir dir;
        const QString project = dir.filePath("site");
        const QString elsewhere = dir.filePath("elsewhere");
        QVERIFY(QDir().mkpath(project) && QDir().mkpath(elsewhere));
        auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        QVERIFY(write(elsewhere + "/page.html", "new"));
        QVERIFY(write(elsewhere + "/other.htm", "other"));
        QVERIFY(write(project + "/page.html", "old"));

        TBrowserFrm dialog([&] { return ProjectSettings {project, "images"}; });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Browser window"));
        m_dialogs.answerFiles({elsewhere + "/page.html"});
        m_dialogs.answerFiles({elsewhere + "/other.htm"});
        dialog.Button3->click();
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("page.html"));
        QCOMPARE(FileDialogs::toDelphiFilter(m_dialogs.calls.at(0).request.filter),
                 QStringLiteral("HTML dukument (*.html, *.htm)|*.html;*.htm|Andre filer "
                                "(*.*)|*.*"));
        QFile kept(project + "/page.html");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old"));
        dialog.Button3->click();
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("other.htm"));
        QVERIFY(QFile::exists(project + "/other.htm"));
        QVERIFY(!QFile::exists(project + "/images"));
        QVERIFY(m_prompter.calls.isEmpty());
        dialog.Button4->click();
        QCOMPARE(m_help.pages, QStringList {"HID_OPENBROWSER"});

        TBrowserFrm noProject([] { return ProjectSettings(); });
        m_dialogs.answerFiles({elsewhere + "/page.html"});
        noProject.Button3->click();
        QCOMPARE(noProject.Edit1->text(), elsewhere + "/page.html");
        QCOMPARE(m_prompter.calls.size(), 1);
        QCOMPARE(m_prompter.calls[0].caption, QStringLiteral("WARNING!"));
        QCOMPARE(m_prompter.calls[0].text,
                 QStringLiteral("A project catalog is not defined so the link for this image "
                                "will point to an image on you local machine!!"));
        QCOMPARE(m_prompter.calls[0].icon, Prompter::Warning);
    }
};

QTEST_MAIN(TestLinkWizard)
#include "tst_linkwizard.moc"
