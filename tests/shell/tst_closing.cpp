// Every way a document or the program closes, with the save prompts answered each way and
// the files on disk checked byte for byte.
#include "ShellFixture.h"
#include "settings/store/AppSettings.h"
#include "shell/SaveDocChangeFrm.h"

#include <QDir>
#include <QPushButton>

namespace {

const QByteArray kOriginal("first line\nsecond line\n");

// Answers the save-changes dialog once it is up: unchecks the rows named in uncheck, then
// presses the button.
void answerSaveDialog(const QStringList &uncheck, int result, QStringList *shown = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<TSaveDocChangeFrm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (int i = 0; i < dialog->rowCount(); ++i) {
            if (shown)
                shown->append(dialog->caption(i));
            if (uncheck.contains(dialog->caption(i)))
                dialog->setChecked(i, false);
        }
        (result == TSaveDocChangeFrm::Yes      ? dialog->YesButton
             : result == TSaveDocChangeFrm::No ? dialog->NoButton
                                               : dialog->CancelButton)
            ->click();
    });
}

TEditForm *openModified(ShellFixture &f, const QString &name)
{
    TEditForm *w = f.main->LoadFile(f.write(name, kOriginal));
    w->editor()->setCaret(1, 1);
    f.main->SkrivTekstenTilEditor("new ");
    return w;
}

} // namespace

class TestClosing : public QObject
{
    Q_OBJECT
private slots:
    void closeDocument_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<int>("answer");      // of the question
        QTest::addColumn<QString>("saveAs");  // answer of the save dialog; empty: cancel
        QTest::addColumn<bool>("blockWrite"); // a folder stands where the file goes
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("onDisk"); // bytes of the document's file afterwards
        auto row = [](const char *name, bool untitled, int answer, const char *saveAs,
                      bool blockWrite, bool closed, const QByteArray &onDisk) {
            QTest::newRow(name) << untitled << answer << QString(saveAs) << blockWrite << closed
                                << onDisk;
        };
        const int yes = Prompter::Yes, no = Prompter::No;
        row("yes saves", false, yes, "", false, true, "new " + kOriginal);
        row("no discards", false, no, "", false, true, kOriginal);
        row("cancel keeps", false, Prompter::Cancel, "", false, false, kOriginal);
        row("untitled yes, saved as", true, yes, "saved.txt", false, true, "new ");
        row("untitled yes, dialog cancelled", true, yes, "", false, false, {});
        row("untitled no", true, no, "", false, true, {});
        row("untitled yes, write fails", true, yes, "saved.txt", true, false, {});
    }
    void closeDocument()
    {
        QFETCH(bool, untitled);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, blockWrite);
        QFETCH(bool, closed);
        QFETCH(QByteArray, onDisk);
        ShellFixture f;
        f.start();
        QString file = f.path(untitled ? saveAs : "doc.txt");
        if (untitled) {
            f.trigger("Textfile1");
            f.main->SkrivTekstenTilEditor("new ");
            if (!saveAs.isEmpty())
                f.dialogs.answerFiles({file});
            if (blockWrite)
                QDir().mkpath(file); // the target name is taken by a folder
        } else {
            openModified(f, "doc.txt");
        }
        TEditForm *w = f.active();
        const QString caption = w->caption();
        f.prompter.answers = {answer};
        QCOMPARE(ShellFixture::closeWindow(w), closed);
        const FakePrompter::Call &prompt = f.prompter.calls.first();
        QCOMPARE(prompt.caption + '|' + prompt.text, "Question|Save changes made to the document?");
        QCOMPARE(prompt.buttons, Prompter::YesButton | Prompter::NoButton | Prompter::CancelButton);
        if (!saveAs.isEmpty() || !untitled)
            QCOMPARE(f.read(file), onDisk);
        QCOMPARE(f.openFiles(), closed ? QStringList() : QStringList {caption});
        if (!closed)
            QVERIFY(w->IsModified && w->panelText(1) == "Modified" && w->caption() == caption);
        if (blockWrite)
            QVERIFY(f.prompter.calls.last().text.startsWith("Could not save " + file)
                    && w->DocumentFileName.isEmpty());
    }

    void unmodifiedClosesWithoutPrompt()
    {
        ShellFixture f("[ApplicationOptions]\r\nWarnBeforeClose=0\r\n");
        f.start();
        QVERIFY(ShellFixture::closeWindow(openModified(f, "a.txt"))); // closes without saving
        f.trigger("Textfile1");
        QVERIFY(ShellFixture::closeWindow(f.active()));
        QVERIFY(f.prompter.calls.isEmpty());
        QCOMPARE(f.read(f.path("a.txt")), kOriginal);
    }

    void closeAllStopsAtCancel()
    {
        ShellFixture f;
        f.start();
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            openModified(f, name);
        // Closing runs from the last in the child list (a.txt, the oldest) up: a.txt is let go,
        // b.txt's prompt is cancelled and c.txt is never asked.
        f.prompter.answers = {Prompter::No, Prompter::Cancel};
        f.trigger("Closeall2");
        QCOMPARE(f.prompter.calls.size(), 2);
        QCOMPARE(f.openFiles(), QStringList({"b.txt", "c.txt"}));
        f.prompter.answers = {Prompter::No, Prompter::No};
        f.trigger("CloseAll1");
        QCOMPARE(f.documentCount(), 0);
        QVERIFY(f.openFiles().isEmpty());
    }

    void closeQuery_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("uncheck");
        QTest::addColumn<QStringList>("savedFiles");
        const int yes = TSaveDocChangeFrm::Yes;
        QTest::newRow("yes, all") << yes << QStringList() << QStringList {"a.txt", "ba.txt"};
        // The row "a.txt" must not save "ba.txt", whose caption contains it.
        QTest::newRow("yes, only a.txt") << yes << QStringList {"ba.txt"} << QStringList {"a.txt"};
        QTest::newRow("yes, only ba.txt") << yes << QStringList {"a.txt"} << QStringList {"ba.txt"};
        QTest::newRow("no") << int(TSaveDocChangeFrm::No) << QStringList() << QStringList();
        QTest::newRow("cancel") << int(TSaveDocChangeFrm::Cancel) << QStringList() << QStringList();
    }
    void closeQuery()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, uncheck);
        QFETCH(QStringList, savedFiles);
        const bool programCloses = answer != TSaveDocChangeFrm::Cancel;
        ShellFixture f;
        TMainForm *m = f.start();
        openModified(f, "a.txt");
        m->LoadFile(f.write("unchanged.txt", "u"));
        openModified(f, "ba.txt");
        QStringList shown;
        answerSaveDialog(uncheck, answer, &shown);
        QCOMPARE(m->close(), programCloses);
        // Modified documents only, in child-list order (the most recently active first).
        QCOMPARE(shown, QStringList({"ba.txt", "a.txt"}));
        for (const char *name : {"a.txt", "ba.txt"})
            QCOMPARE(f.read(f.path(name)),
                     savedFiles.contains(name) ? "new " + kOriginal : kOriginal);
        QCOMPARE(f.read(f.path("unchanged.txt")), QByteArray("u"));
        QVERIFY(f.prompter.calls.isEmpty());
        QCOMPARE(m->isVisible(), !programCloses);
    }

    // A save that fails, or whose dialog is cancelled, keeps the program running.
    void closeQueryFailedSaveKeepsProgramRunning()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("Textfile1");
        m->SkrivTekstenTilEditor("keep me");
        const QString blocked = f.path("blocked.txt");
        QDir().mkpath(blocked);
        f.dialogs.answerFiles({blocked});
        f.prompter.answers = {Prompter::Yes}; // overwrite the "existing" name
        for (int i = 0; i < 2; ++i) {
            answerSaveDialog({}, TSaveDocChangeFrm::Yes);
            QVERIFY(!m->close());
            QVERIFY(f.documentCount() == 1 && f.active()->IsModified && m->isVisible());
        }
    }

    void maxWinAtStart()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("Textfile1");
        f.trigger("Textfile1");
        m->documentWindows().first()->subWindow()->showMaximized();
        QVERIFY(m->close());
        QVERIFY(f.iniText().contains("MaxWinAtStart=1"));
        // The next document opened alone is maximised.
        m = f.restart();
        f.trigger("Textfile1");
        QVERIFY(f.active()->subWindow()->isMaximized());
        QVERIFY(ShellFixture::closeWindow(f.active()));
        QVERIFY(f.iniText().contains("MaxWinAtStart=1"));
        // With no documents open the program's close leaves the key alone.
        m->settings().setText(Settings::Key::MaxWinAtStart, "x");
        QVERIFY(m->close());
        QVERIFY(f.iniText().contains("MaxWinAtStart=x"));
    }

    void autoSaveWritesOnlyModifiedActiveDocument()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        TEditForm *a = openModified(f, "a.txt");
        m->LoadFile(f.write("b.txt", "b\r\n"));
        QFile::remove(f.path("b.txt"));
        // b.txt is active and unchanged: nothing is written (a deleted file stays deleted).
        f.fire("AutosaveTimer");
        QVERIFY(!QFile::exists(f.path("b.txt")));
        QCOMPARE(f.read(f.path("a.txt")), kOriginal);
        a->bringToFront();
        f.fire("AutosaveTimer");
        QCOMPARE(f.read(f.path("a.txt")), "new " + kOriginal);
        QVERIFY(!a->IsModified);
        // Untitled documents are never auto-saved.
        f.trigger("Textfile1");
        m->SkrivTekstenTilEditor("x");
        f.fire("AutosaveTimer");
        QVERIFY(f.dialogs.calls.isEmpty());
    }
};

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
