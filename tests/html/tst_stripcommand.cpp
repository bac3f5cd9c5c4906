#include "ShellFixture.h"

#include <QToolButton>
#include <QtTest>

namespace {

const QByteArray page = "<html>\n"
                        "<title>Fish</title>\n"
                        "<p>Fish &amp; chips<br>\n"
                        "<a href=\"menu.htm\">Menu</a>\n"
                        "</html>\n";
const QStringList pageLines {"<html>", "<title>Fish</title>", "<p>Fish &amp; chips<br>",
                             "<a href=\"menu.htm\">Menu</a>", "</html>"};
const QStringList strippedLines {"Title: Fish", "Fish  chips", "(Menu) menu.htm"};

const QString question = QStringLiteral(
    "Are you sure that you want to strip the html code from this document? Doing this will "
    "cause the html code to be removed from the current active editor document. Do you want to "
    "presede with this operation now?");

void strip(TMainForm *main)
{
    main->action(QStringLiteral("StripHTMLcode1"))->trigger();
}

} // namespace

class TestStripCommand : public QObject
{
    Q_OBJECT
private slots:
    void noChangesNothing();
    void yesStripsAPageWithAFile();
    void untitledPage();
    void existingTextFileIsNeverOverwritten();
    void captionAlreadyOpen();
};

void TestStripCommand::noChangesNothing()
{
    ShellFixture f;
    TMainForm *main = f.start();
    TEditForm *w = main->LoadFile(f.write(QStringLiteral("index.htm"), page));
    f.prompter.answers = {Prompter::No};
    strip(main);

    QCOMPARE(f.prompter.calls.size(), 1);
    const FakePrompter::Call &call = f.prompter.calls.first();
    QCOMPARE(call.caption, QStringLiteral("Information"));
    QCOMPARE(call.text, question);
    QCOMPARE(call.icon, Prompter::Information);
    QCOMPARE(call.buttons, Prompter::YesButton | Prompter::NoButton);

    QCOMPARE(w->SynEdit1->lines(), pageLines);
    QCOMPARE(w->caption(), QStringLiteral("index.htm"));
    QCOMPARE(w->DocumentFileName, f.path(QStringLiteral("index.htm")));
    QVERIFY(w->currentHighlighter());
    QVERIFY(!w->IsModified && !w->SynEdit1->isModified());
}

void TestStripCommand::yesStripsAPageWithAFile()
{
    ShellFixture f;
    TMainForm *main = f.start();
    const QString original = f.write(QStringLiteral("index.htm"), page);
    TEditForm *w = main->LoadFile(original);
    auto *button = f.page(Page::Html)->findChild<QToolButton *>(QStringLiteral("Button5"));
    QVERIFY(button && button->isEnabled());
    f.prompter.answers = {Prompter::Yes};
    button->click();

    QCOMPARE(w->SynEdit1->lines(), strippedLines);
    QCOMPARE(w->caption(), QStringLiteral("index.txt"));
    QCOMPARE(w->DocumentFileName, f.path(QStringLiteral("index.txt")));
    QVERIFY(w->HasFileName);
    QCOMPARE(f.openFiles(), QStringList {"index.txt"});
    QVERIFY(!w->currentHighlighter());
    QVERIFY(w->IsModified);
    QCOMPARE(w->panelText(1), QStringLiteral("Modified"));
    QCOMPARE(f.read(original), page);
    QVERIFY(!QFile::exists(f.path(QStringLiteral("index.txt"))));

    // Saving writes the text file beside the untouched page.
    main->action("Save1")->trigger();
    QCOMPARE(f.read(f.path(QStringLiteral("index.txt"))),
             QByteArray("Title: Fish\nFish  chips\n(Menu) menu.htm"));
    QCOMPARE(f.read(original), page);
    QVERIFY(f.dialogs.calls.isEmpty());

    // One undo brings the page back.
    w->SynEdit1->undo();
    QCOMPARE(w->SynEdit1->lines(), pageLines);
}

void TestStripCommand::untitledPage()
{
    ShellFixture f;
    TMainForm *main = f.start();
    main->action("HTMLdocument1")->trigger();
    TEditForm *w = main->GetActiveEditor();
    QCOMPARE(w->caption(), QStringLiteral("Untitled1.htm"));
    w->SynEdit1->setText(QString::fromLatin1(page));
    f.prompter.answers = {Prompter::Yes};
    strip(main);

    QCOMPARE(w->caption(), QStringLiteral("Untitled1.txt"));
    QCOMPARE(f.openFiles(), QStringList {"Untitled1.txt"});
    QVERIFY(w->DocumentFileName.isEmpty() && !w->HasFileName);
    QCOMPARE(w->SynEdit1->lines(), strippedLines);
    QVERIFY(w->IsModified && !w->currentHighlighter());

    // An empty document stays empty, but is renamed and counts as changed.
    main->action("HTMLdocument1")->trigger();
    TEditForm *empty = main->GetActiveEditor();
    empty->SynEdit1->setText(QString());
    f.prompter.answers = {Prompter::Yes};
    strip(main);
    QCOMPARE(empty->caption(), QStringLiteral("Untitled2.txt"));
    QCOMPARE(empty->SynEdit1->lineCount(), 0);
    QVERIFY(empty->IsModified);
}

void TestStripCommand::existingTextFileIsNeverOverwritten()
{
    ShellFixture f;
    TMainForm *main = f.start();
    const QString text = f.write(QStringLiteral("index.txt"), "keep me\n");
    TEditForm *w = main->LoadFile(f.write(QStringLiteral("index.htm"), page));
    f.prompter.answers = {Prompter::Yes};
    strip(main);

    QCOMPARE(w->caption(), QStringLiteral("index.txt"));
    QVERIFY(w->DocumentFileName.isEmpty() && !w->HasFileName);
    QCOMPARE(w->SynEdit1->lines(), strippedLines);

    // Auto-save passes it by; Save asks for a name, and then about overwriting.
    f.fire("AutosaveTimer");
    QVERIFY(f.dialogs.calls.isEmpty());
    f.dialogs.answerFiles({text});
    f.prompter.answers = {Prompter::No};
    main->action("Save1")->trigger();
    QCOMPARE(f.dialogs.calls.size(), 1);
    QCOMPARE(f.dialogs.calls.first().request.fileName, QStringLiteral("index.txt"));
    QCOMPARE(f.prompter.calls.last().text, QStringLiteral("File aldready exists, overwrite ?"));
    QCOMPARE(f.read(text), QByteArray("keep me\n"));
    QVERIFY(w->IsModified);
}

void TestStripCommand::captionAlreadyOpen()
{
    ShellFixture f;
    TMainForm *main = f.start();
    main->LoadFile(f.write(QStringLiteral("INDEX.TXT"), "other\n"));
    TEditForm *w = main->LoadFile(f.write(QStringLiteral("index.htm"), page));
    QCOMPARE(main->GetActiveEditor(), w);
    f.prompter.answers = {Prompter::Yes};
    strip(main);

    QCOMPARE(f.prompter.calls.size(), 1);
    const FakePrompter::Call &call = f.prompter.calls.first();
    QCOMPARE(call.caption, QStringLiteral("Information"));
    QCOMPARE(call.text,
             QStringLiteral("A document named index.txt is already open. Close it "
                            "before stripping this document."));
    QCOMPARE(call.icon, Prompter::Information);
    QCOMPARE(call.buttons, Prompter::Buttons(Prompter::OkButton));
    QCOMPARE(w->caption(), QStringLiteral("index.htm"));
    QCOMPARE(w->SynEdit1->lines(), pageLines);
    QVERIFY(w->currentHighlighter() && !w->IsModified);
}

QTEST_MAIN(TestStripCommand)
#include "tst_stripcommand.moc"
