#include "ShellFixture.h"
#include "platform/IniFile.h"
#include "settings/store/AppSettings.h"
#include "shell/SaveDocChangeFrm.h"

#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

// Every way a document or the program closes, with the save prompts answered each way and
// the files on disk checked byte for byte.
class TestClosing : public QObject
{
    Q_OBJECT
private slots:
    void closeDocument_data();
    void closeDocument();
    void unmodifiedClosesWithoutPrompt();
    void closeAllStopsAtCancel();
    void closeQuery_data();
    void closeQuery();
    void closeQueryFailedSaveKeepsProgramRunning();
    void maxWinAtStart();
    void autoSaveWritesOnlyModifiedActiveDocument();
};

namespace {

const QByteArray kOriginal("first line\nsecond line\n");

// Answers the save-changes dialog once it is up: unchecks the rows named in uncheck, then
// presses the button.
void answerSaveDialog(const QStringList &uncheck, int result, QStringList *shown = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<TSaveDocChangeFrm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (shown)
            for (int i = 0; i < dialog->rowCount(); ++i)
                shown->append(dialog->caption(i));
        for (int i = 0; i < dialog->rowCount(); ++i)
            if (uncheck.contains(dialog->caption(i)))
                dialog->setChecked(i, false);
        if (result == TSaveDocChangeFrm::Yes)
            dialog->YesButton->click();
        else if (result == TSaveDocChangeFrm::No)
            dialog->NoButton->click();
        else
            dialog->CancelButton->click();
    });
}

TEditForm *openModified(ShellFixture &f, const QString &name, const QByteArray &bytes = kOriginal)
{
    TEditForm *w = f.main->LoadFile(f.write(name, bytes));
    w->editor()->setCaret(1, 1);
    f.main->SkrivTekstenTilEditor(QStringLiteral("new "));
    return w;
}

} // namespace

void TestClosing::closeDocument_data()
{
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<QList<int>>("answers"); // message box answers in turn
    QTest::addColumn<QString>("saveAs");     // answer of the save dialog; empty: cancel
    QTest::addColumn<bool>("blockWrite");    // a folder stands where the file goes
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("onDisk"); // bytes of the document's file afterwards

    const QList<int> yes {Prompter::Yes}, no {Prompter::No}, cancel {Prompter::Cancel};
    QTest::newRow("yes saves") << false << yes << "" << false << true
                               << QByteArray("new first line\nsecond line\n");
    QTest::newRow("no discards") << false << no << "" << false << true << kOriginal;
    QTest::newRow("cancel keeps") << false << cancel << "" << false << false << kOriginal;
    QTest::newRow("untitled yes, saved as")
        << true << yes << "saved.txt" << false << true << QByteArray("new ");
    QTest::newRow("untitled yes, dialog cancelled")
        << true << yes << "" << false << false << QByteArray();
    QTest::newRow("untitled no") << true << no << "" << false << true << QByteArray();
    QTest::newRow("untitled yes, write fails")
        << true << yes << "saved.txt" << true << false << QByteArray();
}

void TestClosing::closeDocument()
{
    QFETCH(bool, untitled);
    QFETCH(QList<int>, answers);
    QFETCH(QString, saveAs);
    QFETCH(bool, blockWrite);
    QFETCH(bool, closed);
    QFETCH(QByteArray, onDisk);

    ShellFixture f;
    TMainForm *m = f.start();
    TEditForm *w;
    QString file;
    if (untitled) {
        m->action("Textfile1")->trigger();
        w = f.active();
        m->SkrivTekstenTilEditor(QStringLiteral("new "));
        if (!saveAs.isEmpty()) {
            file = f.path(saveAs);
            f.dialogs.answerFiles({file});
            if (blockWrite)
                QDir().mkpath(file); // the target name is taken by a folder
        }
    } else {
        w = openModified(f, QStringLiteral("doc.txt"));
        file = f.path(QStringLiteral("doc.txt"));
    }
    const QString caption = w->caption();
    f.prompter.answers = answers;
    QPointer<TEditForm> guard(w);

    QCOMPARE(ShellFixture::closeWindow(w), closed);
    const FakePrompter::Call &prompt = f.prompter.calls.first();
    QCOMPARE(prompt.caption + QLatin1Char('|') + prompt.text,
             QStringLiteral("Question|Save changes made to the document?"));
    QCOMPARE(prompt.buttons, Prompter::YesButton | Prompter::NoButton | Prompter::CancelButton);
    if (!file.isEmpty() && !blockWrite)
        QCOMPARE(f.read(file), onDisk);
    QCOMPARE(f.documentCount(), closed ? 0 : 1);
    QCOMPARE(f.openFiles(), closed ? QStringList() : QStringList {caption});
    if (!closed)
        QVERIFY(guard && w->IsModified && w->panelText(1) == QLatin1String("Modified"));
    if (blockWrite) {
        QVERIFY(f.prompter.calls.last().text.startsWith(QStringLiteral("Could not save ") + file));
        QVERIFY(w->DocumentFileName.isEmpty() && w->caption() == caption);
    }
}

void TestClosing::unmodifiedClosesWithoutPrompt()
{
    ShellFixture f("[ApplicationOptions]\r\nWarnBeforeClose=0\r\n");
    TMainForm *m = f.start();
    TEditForm *w = openModified(f, QStringLiteral("a.txt"));
    QVERIFY(ShellFixture::closeWindow(w)); // no warning wanted: closes without saving
    m->action("Textfile1")->trigger();
    QVERIFY(ShellFixture::closeWindow(f.active()));
    QVERIFY(f.prompter.calls.isEmpty());
    QCOMPARE(f.read(f.path(QStringLiteral("a.txt"))), kOriginal);
}

void TestClosing::closeAllStopsAtCancel()
{
    ShellFixture f;
    TMainForm *m = f.start();
    openModified(f, QStringLiteral("a.txt"));
    openModified(f, QStringLiteral("b.txt"));
    openModified(f, QStringLiteral("c.txt"));
    // Closing runs from the last in the child list (a.txt, the oldest) up: a.txt is let go,
    // b.txt's prompt is cancelled and c.txt is never asked.
    f.prompter.answers = {Prompter::No, Prompter::Cancel};
    m->action(QStringLiteral("Closeall2"))->trigger();
    QCOMPARE(f.prompter.calls.size(), 2);
    QCOMPARE(f.documentCount(), 2);
    QCOMPARE(f.openFiles(), QStringList({"b.txt", "c.txt"}));

    f.prompter.answers = {Prompter::No, Prompter::No, Prompter::No};
    m->action(QStringLiteral("CloseAll1"))->trigger();
    QCOMPARE(f.documentCount(), 0);
    QVERIFY(f.openFiles().isEmpty());
}

void TestClosing::closeQuery_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("uncheck");
    QTest::addColumn<bool>("programCloses");
    QTest::addColumn<QStringList>("savedFiles");

    QTest::newRow("yes, all") << int(TSaveDocChangeFrm::Yes) << QStringList() << true
                              << QStringList {"a.txt", "ba.txt"};
    // The row "a.txt" must not save "ba.txt", whose caption contains it.
    QTest::newRow("yes, only a.txt")
        << int(TSaveDocChangeFrm::Yes) << QStringList {"ba.txt"} << true << QStringList {"a.txt"};
    QTest::newRow("yes, only ba.txt")
        << int(TSaveDocChangeFrm::Yes) << QStringList {"a.txt"} << true << QStringList {"ba.txt"};
    QTest::newRow("no") << int(TSaveDocChangeFrm::No) << QStringList() << true << QStringList();
    QTest::newRow("cancel") << int(TSaveDocChangeFrm::Cancel) << QStringList() << false
                            << QStringList();
}

void TestClosing::closeQuery()
{
    QFETCH(int, answer);
    QFETCH(QStringList, uncheck);
    QFETCH(bool, programCloses);
    QFETCH(QStringList, savedFiles);

    ShellFixture f;
    TMainForm *m = f.start();
    openModified(f, QStringLiteral("a.txt"));
    m->LoadFile(f.write(QStringLiteral("unchanged.txt"), "u"));
    openModified(f, QStringLiteral("ba.txt"));

    QStringList shown;
    answerSaveDialog(uncheck, answer, &shown);
    QCOMPARE(m->close(), programCloses);
    // Modified documents only, in child-list order (the most recently active first).
    QCOMPARE(shown, QStringList({"ba.txt", "a.txt"}));
    for (const QString &name : {QStringLiteral("a.txt"), QStringLiteral("ba.txt")})
        QCOMPARE(f.read(f.path(name)),
                 savedFiles.contains(name) ? QByteArray("new ") + kOriginal : kOriginal);
    QCOMPARE(f.read(f.path(QStringLiteral("unchanged.txt"))), QByteArray("u"));
    QVERIFY(f.prompter.calls.isEmpty());
    QCOMPARE(m->isVisible(), !programCloses);
}

void TestClosing::closeQueryFailedSaveKeepsProgramRunning()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    m->SkrivTekstenTilEditor(QStringLiteral("keep me"));
    const QString blocked = f.path(QStringLiteral("blocked.txt"));
    QDir().mkpath(blocked);
    f.dialogs.answerFiles({blocked});
    f.prompter.answers = {Prompter::Yes}; // overwrite the "existing" name
    answerSaveDialog({}, TSaveDocChangeFrm::Yes);
    QVERIFY(!m->close());
    QCOMPARE(f.documentCount(), 1);
    QVERIFY(f.active()->IsModified);
    QVERIFY(m->isVisible());

    // Cancelling the save dialog keeps it running as well.
    answerSaveDialog({}, TSaveDocChangeFrm::Yes);
    QVERIFY(!m->close());
    QCOMPARE(f.documentCount(), 1);
}

void TestClosing::maxWinAtStart()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    m->action("Textfile1")->trigger();
    m->documentWindows().first()->subWindow()->showMaximized();
    QVERIFY(m->close());
    QVERIFY(f.iniText().contains("MaxWinAtStart=1"));

    // The next document opened alone is maximised.
    ShellFixture g(f.iniText());
    TMainForm *n = g.start();
    n->action("Textfile1")->trigger();
    QVERIFY(g.active()->subWindow()->isMaximized());
    QVERIFY(ShellFixture::closeWindow(g.active()));
    QVERIFY(g.iniText().contains("MaxWinAtStart=1"));
    // With no documents open the program's close leaves the key alone.
    n->settings().setText(Settings::Key::MaxWinAtStart, QStringLiteral("x"));
    QVERIFY(n->close());
    QVERIFY(g.iniText().contains("MaxWinAtStart=x"));
}

void TestClosing::autoSaveWritesOnlyModifiedActiveDocument()
{
    ShellFixture f;
    TMainForm *m = f.start();
    TEditForm *a = openModified(f, QStringLiteral("a.txt"));
    m->LoadFile(f.write(QStringLiteral("b.txt"), "b\r\n"));
    QFile::remove(f.path(QStringLiteral("b.txt")));
    // b.txt is active and unchanged: nothing is written (a deleted file stays deleted).
    f.fire("AutosaveTimer");
    QVERIFY(!QFile::exists(f.path(QStringLiteral("b.txt"))));
    QCOMPARE(f.read(f.path(QStringLiteral("a.txt"))), kOriginal);
    f.mdiArea()->setActiveSubWindow(a->subWindow());
    f.fire("AutosaveTimer");
    QCOMPARE(f.read(f.path(QStringLiteral("a.txt"))), QByteArray("new ") + kOriginal);
    QVERIFY(!a->IsModified);
    // Untitled documents are never auto-saved.
    m->action("Textfile1")->trigger();
    m->SkrivTekstenTilEditor(QStringLiteral("x"));
    f.fire("AutosaveTimer");
    QVERIFY(f.dialogs.calls.isEmpty());
}

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
