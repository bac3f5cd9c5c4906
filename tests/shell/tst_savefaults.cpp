// Saving through the main window when the disk or the file is not as the document left it:
// a full file system, and a file another program changed since it was loaded.
#include "ShellFixture.h"
#include "SmallFileSystem.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <utime.h>

class TestSaveFaults : public QObject
{
    Q_OBJECT
private slots:
    void fullDiskKeepsFileAndDocument();
    void changedOnDiskIsAskedAbout_data();
    void changedOnDiskIsAskedAbout();
    void autoSaveAsksOnceThenSkips();
};

namespace {

const QString kChangedQuestion =
    QStringLiteral("The file %1 has been changed by another program. Overwrite it?");

// Another program's write: new bytes, and a modification time of its own.
void changeBehindTheBack(const QString &file, const QByteArray &bytes, qint64 mtime)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    const struct utimbuf times {
        mtime, mtime
    };
    QVERIFY(::utime(QFile::encodeName(file).constData(), &times) == 0);
}

void type(TEditForm *w, const QString &text)
{
    w->editor()->setCaret(1, 1);
    w->editor()->insertAtCaret(text);
    QVERIFY(w->IsModified);
}

} // namespace

// The issue seen by users: a small edit saved onto a full disk reported nothing, the file
// became empty and closing asked nothing. Now the save says why it failed, the file is whole
// and the document stays modified, so closing asks.
void TestSaveFaults::fullDiskKeepsFileAndDocument()
{
    SmallFileSystem fs;
    if (!fs.isMounted())
        QSKIP(qPrintable(fs.reason()));
    const QString file = fs.filePath("Notes.txt");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("first line\n");
    }
    ShellFixture f;
    TMainForm *m = f.start({QStringLiteral("qmeditor"), file});
    TEditForm *w = f.active();
    QVERIFY(w && w->DocumentFileName == file);
    type(w, "x");
    QVERIFY(fs.fill());

    m->action("Save1")->trigger();
    QCOMPARE(f.prompter.texts(),
             QStringList {QStringLiteral("Could not save ") + file + u'\n'
                          + QString::fromLocal8Bit(std::strerror(ENOSPC))});
    QCOMPARE(f.read(file), QByteArray("first line\n"));
    QVERIFY(w->IsModified);
    QCOMPARE(w->panelText(1), QStringLiteral("Modified"));

    // Closing asks; Yes tries the save again, which fails again: the window stays.
    f.prompter.calls.clear();
    f.prompter.answers = {Prompter::Yes, Prompter::Ok};
    QVERIFY(!ShellFixture::closeWindow(w));
    QCOMPARE(f.prompter.calls.size(), 2);
    QCOMPARE(f.prompter.calls.at(0).text, QStringLiteral("Save changes made to the document?"));

    fs.release();
    m->action("Save1")->trigger();
    QCOMPARE(f.read(file), QByteArray("xfirst line\n"));
    QVERIFY(!w->IsModified);
}

void TestSaveFaults::changedOnDiskIsAskedAbout_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::addColumn<bool>("modified");
    QTest::newRow("No keeps the other program's text")
        << int(Prompter::No) << QByteArray("theirs\n") << true;
    QTest::newRow("Yes overwrites it") << int(Prompter::Yes) << QByteArray("xmine\n") << false;
}

void TestSaveFaults::changedOnDiskIsAskedAbout()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, onDisk);
    QFETCH(bool, modified);
    ShellFixture f;
    const QString file = f.write("Story.txt", "mine\n");
    TMainForm *m = f.start({QStringLiteral("qmeditor"), file});
    TEditForm *w = f.active();

    // Saving a file nobody else touched asks nothing, however often.
    type(w, "x");
    m->action("Save1")->trigger();
    type(w, "x");
    m->action("Save1")->trigger();
    QVERIFY(f.prompter.calls.isEmpty());
    QCOMPARE(f.read(file), QByteArray("xxmine\n"));

    // The same size written by another program still counts: its time differs.
    changeBehindTheBack(file, "theirs\n", QFileInfo(file).lastModified().toSecsSinceEpoch() - 100);
    w->editor()->setText("mine\n");
    type(w, "x");
    f.prompter.answers = {answer};
    m->action("Save1")->trigger();
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls.at(0).text, kChangedQuestion.arg(file));
    QCOMPARE(f.prompter.calls.at(0).buttons, Prompter::YesButton | Prompter::NoButton);
    QCOMPARE(f.read(file), onDisk);
    QCOMPARE(w->IsModified, modified);
    QCOMPARE(w->DocumentFileName, file);

    // After the overwrite the file is the document's own again; after No it is still not.
    f.prompter.calls.clear();
    f.prompter.answers = {Prompter::No};
    m->action("Save1")->trigger();
    QCOMPARE(f.prompter.calls.size(), modified ? 1 : 0);
}

// Auto-save never overwrites a changed file without the question: it asks about each change
// once and, after a No, leaves the file alone on later ticks. A manual save asks again.
void TestSaveFaults::autoSaveAsksOnceThenSkips()
{
    ShellFixture f("[ApplicationOptions]\r\nAutoSave=1\r\nAutoSaveInterval=5\r\n");
    const QString file = f.write("Draft.txt", "draft\n");
    TMainForm *m = f.start({QStringLiteral("qmeditor"), file});
    TEditForm *w = f.active();
    type(w, "x");
    const qint64 loaded = QFileInfo(file).lastModified().toSecsSinceEpoch();
    changeBehindTheBack(file, "their draft\n", loaded - 50);

    f.prompter.answers = {Prompter::No};
    f.fire("AutosaveTimer");
    QCOMPARE(f.prompter.texts(), QStringList {kChangedQuestion.arg(file)});
    for (int tick = 0; tick < 3; ++tick)
        f.fire("AutosaveTimer");
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.read(file), QByteArray("their draft\n"));
    QVERIFY(w->IsModified);

    // A further change is a new question.
    changeBehindTheBack(file, "their second draft\n", loaded - 20);
    f.prompter.answers = {Prompter::No};
    f.fire("AutosaveTimer");
    QCOMPARE(f.prompter.calls.size(), 2);

    // The user's own Save asks again, and Yes makes the file the document's.
    f.prompter.answers = {Prompter::Yes};
    m->action("Save1")->trigger();
    QCOMPARE(f.prompter.calls.size(), 3);
    QCOMPARE(f.read(file), QByteArray("xdraft\n"));
    type(w, "y");
    f.fire("AutosaveTimer");
    QCOMPARE(f.prompter.calls.size(), 3);
    QCOMPARE(f.read(file), QByteArray("yxdraft\n"));
}

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
