// The frameset wizard in the main window: the frameset document, its frame pages, their names
// and order, the page number and what the templates option does.
#include "ScriptedRng.h"
#include "ShellFixture.h"
#include "app/Features.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "html/wizards/FramesFrmUnit.h"
#include "settings/store/AppSettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList pageLines {"<html>",  "<head>", "<title>Ingen tittel</title>",
                             "</head>", "<body>", "",
                             "</body>", "</html>"};

const char *const yesBorder = " frameborder=\"Yes\" border=\"2\"";
const char *const noBorder = " frameborder=\"No\" border=\"0\"";

// The pages each layout makes, in order ("{S}" stands for the page suffix).
const QStringList pages[] = {
    {"Top{S}.html", "Content{S}.html", "Bottom{S}.html"},
    {"Top{S}.html", "Content{S}.html"},
    {"Content{S}.html", "Bottom{S}.html"},
    {"Left{S}.html", "Content{S}.html"},
    {"Content{S}.html", "Right{S}.html"},
    {"Left{S}.html", "Content{S}.html", "Right{S}.html"},
    {"Top{S}.html", "Left{S}.html", "Content{S}.html"},
    {"Left{S}.html", "Top{S}.html", "Content{S}.html"},
    {},
};

// The frameset of each layout, lines separated by "|": "{B}" stands for the border attributes
// and "{F}" for a frame line per page of the layout.
const char *const framesets[] = {
    "<frameset rows=\"47,359,54\" cols=\"*\"{B} framespacing=\"0\">{F}|</frameset>",
    "<frameset rows=\"47,422\" cols=\"*\"{B} framespacing=\"0\">{F}|</frameset>",
    "<frameset rows=\"419,53\" cols=\"*\"{B} framespacing=\"0\">{F}|</frameset>",
    "<frameset cols=\"112,668\"{B} framespacing=\"0\">{F}|</frameset>",
    "<frameset cols=\"683,103\"{B} framespacing=\"0\">{F}|</frameset>",
    "<frameset cols=\"109,574,91\" rows=\"*\"{B} framespacing=\"0\">{F}|</frameset>",
    "<frameset rows=\"57,415\"{B} framespacing=\"0\">|  <frame src=\"Top{S}.html\">|"
    "  <frameset cols=\"119,661\" rows=\"*\"{B} framespacing=\"0\">|   <frame "
    "src=\"Left{S}.html\">|   <frame src=\"Content{S}.html\">|  </frameset>|</frameset>",
    "<frameset cols=\"85,695\" rows=\"*\"{B} framespacing=\"0\">|  <frame src=\"Left{S}.html\">|"
    "  <frameset rows=\"71,395\" cols=\"*\"{B} framespacing=\"0\">|    <frame src=\"Top{S}.html\">|"
    "    <frame src=\"Content{S}.html\">|  </frameset>|</frameset>",
    "<frameset {B} framespacing=\"0\">|  <frame src=\"FrameName\">|  <frame src=\"FrameName\">|"
    "</frameset>|",
};

QString fill(QString text, const QString &border, const QString &suffix, int layout = -1)
{
    if (layout >= 0) {
        QString frames;
        for (const QString &page : pages[layout])
            frames += "|  <frame src=\"" + page + "\">";
        text.replace("{F}", frames);
    }
    return text.replace("{B}", border).replace("{S}", suffix);
}

} // namespace

class TestFramesetWizard : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_fixture;
    TMainForm *m_main = nullptr;
    QStringList m_created; // captions of the documents made, in order

    FeatureHost &host() { return *m_fixture->features().host; }

    void closeAll()
    {
        for (TEditForm *w : m_main->documentWindows())
            ShellFixture::closeWindow(w);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_created.clear();
    }

    // Runs the wizard: selects the layout (-1: none), sets the boxes, presses OK.
    TFramesValgFrm *runWizard(int layout, bool borders, bool createPages)
    {
        auto *wizard = new TFramesValgFrm(host(), m_main);
        wizard->show();
        if (layout >= 0)
            wizard->ListView1->item(layout)->setSelected(true);
        wizard->CheckBox1->setChecked(borders);
        wizard->CheckBox2->setChecked(createPages);
        wizard->Button1->click();
        return wizard;
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<ShellFixture>();
        m_main = m_fixture->start();
        connect(&host(), &FeatureHost::documentCreated, this,
                [this](HostDocument *d) { m_created << d->caption(); });
    }
    void cleanupTestCase() { m_fixture.reset(); }
    void init() { closeAll(); }

    void layouts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<bool>("createPages");
        for (int layout = 0; layout < 9; ++layout)
            for (bool borders : {true, false})
                for (bool createPages : {false, true})
                    QTest::addRow("layout %d, borders %d, pages %d", layout + 1, borders,
                                  createPages)
                        << layout << borders << createPages;
    }
    void layouts()
    {
        QFETCH(int, layout);
        QFETCH(bool, borders);
        QFETCH(bool, createPages);
        ScriptedRng rng({42});
        QVERIFY(m_main->documentWindows().isEmpty()); // no open document is needed

        TFramesValgFrm *wizard = runWizard(layout, borders, createPages);
        QVERIFY(wizard->isHidden());

        // The number is drawn for layouts 1 to 6 always, for 7 and 8 with pages only.
        const bool drawn = layout <= 5 || (createPages && layout <= 7);
        QCOMPARE(rng.ranges, drawn ? QList<int> {1000} : QList<int> {});

        const QString suffix = !createPages ? QString() : layout == 7 ? "42" : "ID42";
        QStringList expectedPages;
        if (createPages)
            for (const QString &page : pages[layout])
                expectedPages << fill(page, {}, suffix);

        // The pages first, in their order, then the frameset document, which ends active.
        QCOMPARE(m_created.size(), expectedPages.size() + 1);
        QCOMPARE(m_created.mid(0, expectedPages.size()), expectedPages);
        const QList<TEditForm *> windows = m_main->documentWindows();
        for (TEditForm *w : windows) {
            if (expectedPages.contains(w->caption())) {
                QCOMPARE(w->SynEdit1->lines(), pageLines);
                QVERIFY(w->DocumentFileName.isEmpty());
            }
        }
        TEditForm *frameset = m_fixture->active();
        QCOMPARE(frameset->caption(), m_created.last());
        QVERIFY(frameset->caption().endsWith(".htm"));
        const QString text =
            fill(QLatin1String(framesets[layout]), borders ? yesBorder : noBorder, suffix, layout);
        QCOMPARE(frameset->SynEdit1->text(), text.split('|').join('\n'));
        QCOMPARE(frameset->SynEdit1->caretLine(), 1);
        QVERIFY(!frameset->IsModified);
        delete wizard;
    }

    // A page name an open document already has (in any letter case) draws the number again.
    void takenNameDrawsAgain()
    {
        host().makeDocument("topid42.html", "taken");
        host().makeDocument("Left7.html", "taken");
        m_created.clear();
        ScriptedRng rng({42, 42, 7});
        delete runWizard(0, false, true);
        QCOMPARE(rng.ranges, (QList<int> {1000, 1000, 1000}));
        QCOMPARE(m_created.mid(0, 3),
                 (QStringList {"TopID7.html", "ContentID7.html", "BottomID7.html"}));

        // Layout 8 names its pages with the bare number.
        m_created.clear();
        ScriptedRng again({7, 8});
        delete runWizard(7, false, true);
        QCOMPARE(again.ranges, (QList<int> {1000, 1000}));
        QCOMPARE(m_created.mid(0, 3), (QStringList {"Left8.html", "Top8.html", "Content8.html"}));
    }

    // Even when every random number is taken, a free one is found.
    void everyRandomNumberTaken()
    {
        host().makeDocument("TopID5.html", "taken");
        ScriptedRng rng(QList<int>(200, 5));
        delete runWizard(1, false, true);
        QVERIFY(m_created.contains("TopID0.html"));
    }

    void noSelection()
    {
        ScriptedRng rng({42});
        TFramesValgFrm *wizard = runWizard(-1, true, true);
        QCOMPARE(m_fixture->prompter.calls.size(), 1);
        const FakePrompter::Call call = m_fixture->prompter.calls.takeFirst();
        QCOMPARE(call.caption, QStringLiteral("Information"));
        QCOMPARE(call.text,
                 QStringLiteral("Please select one of the frameset types in the list first."));
        QCOMPARE(call.icon, Prompter::Information);
        QVERIFY(wizard->isVisible());
        QVERIFY(m_created.isEmpty());
        QVERIFY(rng.ranges.isEmpty());
        delete wizard;
    }

    // With templates off, File, New gives an empty HTML document, but the frameset document
    // still receives the wizard's text and the pages their template.
    void templatesOff()
    {
        m_main->settings().setBool(Settings::Key::TmpltCodeOnNewDoc, false);
        m_main->action("HTMLdocument1")->trigger();
        QCOMPARE(m_fixture->active()->SynEdit1->text(), QString());

        ScriptedRng rng({3});
        delete runWizard(1, true, true);
        QCOMPARE(m_fixture->active()->SynEdit1->lines().first(),
                 QStringLiteral("<frameset rows=\"47,422\" cols=\"*\" frameborder=\"Yes\" "
                                "border=\"2\" framespacing=\"0\">"));
        for (TEditForm *w : m_main->documentWindows())
            if (w->caption() == "TopID3.html")
                QCOMPARE(w->SynEdit1->lines(), pageLines);
        m_main->settings().setBool(Settings::Key::TmpltCodeOnNewDoc, true);
        m_main->action("HTMLdocument1")->trigger();
        QVERIFY(!m_fixture->active()->SynEdit1->text().isEmpty());
    }

    // File, New, "Frameset" and the tool button open a wizard of their own each time, with
    // no document open, freed when it closes.
    void openers()
    {
        QVERIFY(m_main->documentWindows().isEmpty());
        QAction *item = m_main->action("Frameset1");
        auto *button = m_fixture->page(Page::Html)->findChild<QAbstractButton *>("SpeedButton43");
        QVERIFY(item->isEnabled());
        QVERIFY(button->isEnabled());
        item->trigger();
        button->click();
        const QList<TFramesValgFrm *> wizards = m_main->findChildren<TFramesValgFrm *>();
        QCOMPARE(wizards.size(), 2);
        for (TFramesValgFrm *w : wizards) {
            QVERIFY(w->isVisible());
            QCOMPARE(w->windowTitle(), QStringLiteral("Frames"));
            QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
            QCOMPARE(w->ListView1->count(), 9);
            QCOMPARE(w->ListView1->item(8)->text(), QStringLiteral("9"));
            QVERIFY(!w->ListView1->item(0)->icon().isNull());
            w->Button2->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_main->findChildren<TFramesValgFrm *>().isEmpty());
    }
};

QTEST_MAIN(TestFramesetWizard)
#include "tst_framesetwizard.moc"
