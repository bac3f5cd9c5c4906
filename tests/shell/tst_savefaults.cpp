// Saving through the main window when the disk or the file is not as the document left it:
// a full file system, and a file another program changed since it was loaded.
#include "ShellFixture.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "Widgets.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <utime.h>

namespace {

const QString kChangedQuestion = "The file %1 has been changed by another program. Overwrite it?";

// Another program's write: new bytes, and a modification time of its own.
void changeBehindTheBack(const QString &file, const QByteArray &bytes, qint64 mtime)
{
    QVERIFY(TestFiles::write(file, bytes));
    const struct utimbuf times {
        mtime, mtime
    };
    QVERIFY(::utime(QFile::encodeName(file).constData(), &times) == 0);
}

// Types text at the start of the active document.
void typeAtStart(ShellFixture &f, const QString &text)
{
    f.active()->editor()->setCaret(1, 1);
    typeInto(f.active()->editor()->widget(), text);
    QVERIFY(f.active()->IsModified);
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private slots:
    // A small edit saved onto a full disk: the save says why it failed, the file is whole and
    // the document stays modified, so closing asks.
    void fullDiskKeepsFileAndDocument()
    {
        SmallFileSystem fs;
        if (!fs.isMounted())
            QSKIP(qPrintable(fs.reason()));
        const QString file = fs.filePath("Notes.txt");
        QVERIFY(TestFiles::write(file, "first line\n"));
        ShellFixture f;
        f.start({"qmeditor", file});
        TEditForm *w = f.active();
        QVERIFY(w && w->DocumentFileName == file);
        typeAtStart(f, "x");
        QVERIFY(fs.fill());

        f.trigger("Save1");
        QCOMPARE(f.prompter.texts(),
                 QStringList {"Could not save " + file + '\n'
                              + QString::fromLocal8Bit(std::strerror(ENOSPC))});
        QCOMPARE(f.read(file), QByteArray("first line\n"));
        QVERIFY(w->IsModified && w->panelText(1) == "Modified");

        // Closing asks; Yes tries the save again, which fails again: the window stays.
        f.prompter.calls.clear();
        f.prompter.answers = {Prompter::Yes, Prompter::Ok};
        QVERIFY(!ShellFixture::closeWindow(w));
        QCOMPARE(f.prompter.calls.size(), 2);
        QCOMPARE(f.prompter.calls.at(0).text, "Save changes made to the document?");

        fs.release();
        f.trigger("Save1");
        QCOMPARE(f.read(file), QByteArray("xfirst line\n"));
        QVERIFY(!w->IsModified);
    }

    void changedOnDiskIsAskedAbout_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("No keeps the other program's text")
            << int(Prompter::No) << QByteArray("theirs\n");
        QTest::newRow("Yes overwrites it") << int(Prompter::Yes) << QByteArray("xmine\n");
    }
    void changedOnDiskIsAskedAbout()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, onDisk);
        const bool modified = answer == Prompter::No;
        ShellFixture f;
        const QString file = f.write("Story.txt", "mine\n");
        f.start({"qmeditor", file});
        TEditForm *w = f.active();

        // Saving a file nobody else touched asks nothing, however often.
        for (int i = 0; i < 2; ++i) {
            typeAtStart(f, "x");
            f.trigger("Save1");
        }
        QVERIFY(f.prompter.calls.isEmpty());
        QCOMPARE(f.read(file), QByteArray("xxmine\n"));

        // The same size written by another program still counts: its time differs.
        changeBehindTheBack(file, "theirs\n",
                            QFileInfo(file).lastModified().toSecsSinceEpoch() - 100);
        w->editor()->setText("mine\n");
        typeAtStart(f, "x");
        f.prompter.answers = {answer};
        f.trigger("Save1");
        QCOMPARE(f.prompter.texts(), QStringList {kChangedQuestion.arg(file)});
        QCOMPARE(f.prompter.calls.at(0).buttons, Prompter::YesButton | Prompter::NoButton);
        QCOMPARE(f.read(file), onDisk);
        QCOMPARE(w->IsModified, modified);
        QCOMPARE(w->DocumentFileName, file);

        // After the overwrite the file is the document's own again; after No it is still not.
        f.prompter.calls.clear();
        f.prompter.answers = {Prompter::No};
        f.trigger("Save1");
        QCOMPARE(f.prompter.calls.size(), modified ? 1 : 0);
    }

    // Auto-save never overwrites a changed file without the question: it asks about each change
    // once and, after a No, leaves the file alone on later ticks. A manual save asks again.
    void autoSaveAsksOnceThenSkips()
    {
        ShellFixture f("[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=5\r\n");
        const QString file = f.write("Draft.txt", "draft\n");
        f.start({"qmeditor", file});
        TEditForm *w = f.active();
        typeAtStart(f, "x");
        const qint64 loaded = QFileInfo(file).lastModified().toSecsSinceEpoch();
        changeBehindTheBack(file, "their draft\n", loaded - 50);

        f.prompter.answers = {Prompter::No};
        for (int tick = 0; tick < 4; ++tick)
            f.fire("AutosaveTimer");
        QCOMPARE(f.prompter.texts(), QStringList {kChangedQuestion.arg(file)});
        QCOMPARE(f.read(file), QByteArray("their draft\n"));
        QVERIFY(w->IsModified);

        // A further change is a new question.
        changeBehindTheBack(file, "their second draft\n", loaded - 20);
        f.prompter.answers = {Prompter::No};
        f.fire("AutosaveTimer");
        QCOMPARE(f.prompter.calls.size(), 2);

        // The user's own Save asks again, and Yes makes the file the document's.
        f.prompter.answers = {Prompter::Yes};
        f.trigger("Save1");
        QCOMPARE(f.prompter.calls.size(), 3);
        QCOMPARE(f.read(file), QByteArray("xdraft\n"));
        typeAtStart(f, "y");
        f.fire("AutosaveTimer");
        QCOMPARE(f.prompter.calls.size(), 3);
        QCOMPARE(f.read(file), QByteArray("yxdraft\n"));
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
