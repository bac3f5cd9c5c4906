#include "ScintillaOf.h"
#include "ShellFixture.h"
#include "editor/highlighting/Highlighter.h"
#include "platform/DelphiStrings.h"
#include "platform/IniFile.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTabWidget>
#include <QTreeWidget>

// Loading and saving documents, the duplicate rule, the reopen history and the "Open Files"
// list.
class TestFiles : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void editKeepsEncodingAndLineEnding();
    void loadFailure_data();
    void loadFailure();
    void loadedTypes_data();
    void loadedTypes();
    void saveAsDialogAndOverwrite();
    void failedWriteKeepsDocumentModified();
    void saveRulesAndCaret();
    void duplicateQuestion();
    void openDialogCancelledAndEmptyExplorerSelection();
    void historyRing();
    void damagedHistoryPutsNewFileFirst_data();
    void damagedHistoryPutsNewFileFirst();
    void namesTheSettingsCannotHoldStayOutOfHistory();
    void saveAsRefusesASecondDocumentOfTheSameName();
    void historyDuplicatesAndMenu();
    void historyAtStartupAndClearList();
    void reopenRefusedWhileOpen();
    void openFilesList();
    void closeFromOpenFilesList();
    void unwritableSettingsSaidOnce();
};

namespace {

QString historyKey(const QByteArray &ini, const QString &key)
{
    for (const QByteArray &line : ini.split('\n')) {
        const QString l = QString::fromUtf8(line).trimmed();
        if (l.startsWith(key + QLatin1Char('=')))
            return l.mid(key.size() + 1);
    }
    return QString();
}

TEditForm *byCaption(TMainForm *m, const QString &caption)
{
    for (TEditForm *w : m->documentWindows())
        if (w->caption() == caption)
            return w;
    return nullptr;
}

void selectEntry(const ShellFixture &f, const QString &caption)
{
    QTreeWidget *list = f.openFilesList();
    const QList<QTreeWidgetItem *> found = list->findItems(caption, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

} // namespace

void TestFiles::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac\nline 2\n");
    QTest::newRow("latin-1") << QByteArray("caf\xe9 \xa4\r\nline 2\r\n");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n");
    QTest::newRow("lf") << QByteArray("a\nb\n");
    QTest::newRow("cr") << QByteArray("a\rb\r");
    QTest::newRow("no final break") << QByteArray("a\nb");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("utf-8 with BOM") << QByteArray("\xef\xbb\xbfx\n");
    QTest::newRow("two BOMs") << QByteArray("\xef\xbb\xbf\xef\xbb\xbftext");
}

void TestFiles::roundTrip()
{
    QFETCH(QByteArray, bytes);
    ShellFixture f;
    TMainForm *m = f.start();
    const QString file = f.write(QStringLiteral("doc.txt"), bytes);
    TEditForm *w = m->LoadFile(file);
    QVERIFY(w->HasFileName && !w->IsModified);
    QVERIFY(w->SaveFileNow()); // writes even when unchanged
    QCOMPARE(f.read(file), bytes);
    QVERIFY(f.prompter.calls.isEmpty());
}

void TestFiles::editKeepsEncodingAndLineEnding()
{
    ShellFixture f;
    TMainForm *m = f.start();
    const QString file = f.write(QStringLiteral("doc.txt"), "caf\xe9\r\nend");
    m->LoadFile(file);
    f.active()->editor()->setCaret(2, 4);
    m->SkrivTekstenTilEditor(QStringLiteral("\r\xe9\nx"));
    m->action(QStringLiteral("Save1"))->trigger();
    QCOMPARE(f.read(file), QByteArray("caf\xe9\r\nend\r\n\xe9\r\nx"));
    QVERIFY(!f.active()->IsModified);
    QVERIFY(f.active()->panelText(1).isEmpty());

    // A euro sign does not fit Latin-1: the file becomes UTF-8, and stays so after the sign goes.
    m->SkrivTekstenTilEditor(QStringLiteral("\u20ac"));
    m->action(QStringLiteral("Save1"))->trigger();
    QCOMPARE(f.read(file), QByteArray("caf\xc3\xa9\r\nend\r\n\xc3\xa9\r\nx\xe2\x82\xac"));
    f.active()->editor()->undo();
    m->action(QStringLiteral("Save1"))->trigger();
    QCOMPARE(f.read(file), QByteArray("caf\xc3\xa9\r\nend\r\n\xc3\xa9\r\nx"));
}

void TestFiles::loadFailure_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("nul byte") << QByteArray("ab\0cd", 5);
}

void TestFiles::loadFailure()
{
    QFETCH(QByteArray, bytes);
    ShellFixture f;
    TMainForm *m = f.start();
    const QString file = bytes.isNull() ? f.path(QStringLiteral("gone.java"))
                                        : f.write(QStringLiteral("gone.java"), bytes);
    TEditForm *w = m->LoadFile(file);
    QCOMPARE(f.prompter.calls.size(), 1);
    const QStringList message = f.prompter.calls.first().text.split(QLatin1Char('\n'));
    QCOMPARE(message.first(), QStringLiteral("Could not open file ") + file);
    QVERIFY(message.size() == 2 && !message.at(1).isEmpty()); // and why
    QCOMPARE(f.prompter.calls.first().icon, Prompter::Warning);
    QCOMPARE(w->caption(), QStringLiteral("gone.java"));
    QVERIFY(w->DocumentFileName.isEmpty() && !w->HasFileName && !w->IsModified);
    QCOMPARE(f.openFiles(), QStringList {"gone.java"});
    QVERIFY(!f.iniText().contains("History"));
    // Saving it asks for a name instead of writing over the file.
    m->SkrivTekstenTilEditor(QStringLiteral("x"));
    QVERIFY(!w->SaveFileNow());
    QCOMPARE(f.dialogs.calls.size(), 1);
    QCOMPARE(f.read(file), bytes.isNull() ? QByteArray() : bytes);
}

void TestFiles::loadedTypes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("highlighter"); // -1 none
    QTest::addColumn<QString>("sideTab");
    QTest::addColumn<QString>("mask");
    QTest::newRow("java") << "A.java" << int(Highlighter::Java) << "JavaSheet"
                          << "*.java";
    QTest::newRow("HTML capitals") << "B.HTML" << int(Highlighter::HTML) << "HTMLSheet"
                                   << "*.htm";
    QTest::newRow("txt") << "d.txt" << -1 << "GeneralSheet"
                         << "*.txt";
    QTest::newRow("css") << "e.css" << int(Highlighter::CSS) << "GeneralSheet"
                         << "*.css";
    QTest::newRow("perl") << "f.perl" << int(Highlighter::General) << "GeneralSheet"
                          << "*.perl";
}

void TestFiles::loadedTypes()
{
    QFETCH(QString, name);
    QFETCH(int, highlighter);
    QFETCH(QString, sideTab);
    QFETCH(QString, mask);
    ShellFixture f;
    TMainForm *m = f.start();
    TEditForm *w = m->LoadFile(f.write(name, QByteArray("<p>text</p>\n").repeated(3000)));
    QCOMPARE(w->currentHighlighter() ? int(w->currentHighlighter()->kind()) : -1, highlighter);
    // The highlighter went on before the text, so nothing was styled ahead of the view (a
    // highlighter put on a full document styles all of it at once).
    QsciScintilla *sci = scintillaOf(*w->editor());
    QVERIFY(sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < sci->length() / 2);
    QVERIFY(typeStateIs(m, m->findChild<QWidget *>(sideTab)));
    QCOMPARE(m->explorerMask(), mask);
}

void TestFiles::saveAsDialogAndOverwrite()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->setProjectFolder(f.path(QStringLiteral("project")));
    m->action("HTMLdocument1")->trigger();
    TEditForm *w = f.active();
    const QString existing = f.write(QStringLiteral("page.htm"), "old");

    // No to the overwrite question: nothing changes.
    f.dialogs.answerFiles({existing});
    f.prompter.answers = {Prompter::No};
    QVERIFY(!w->SaveFileAs());
    const FileDialogs::Request &req = f.dialogs.calls.last().request;
    QCOMPARE(
        QStringList({req.fileName, req.defaultExt, req.initialDir, req.filter.last().description}),
        QStringList(
            {"Untitled1.htm", ".htm", f.path(QStringLiteral("project")), "All files (*.*)"}));
    QCOMPARE(req.filterIndex, 2);
    QVERIFY(!req.confirmOverwrite); // one overwrite question, ours
    QCOMPARE(f.prompter.calls.last().text, QStringLiteral("File aldready exists, overwrite ?"));
    QCOMPARE(f.read(existing), QByteArray("old"));
    QVERIFY(w->caption() == QLatin1String("Untitled1.htm") && !w->HasFileName);

    // Yes: written, renamed everywhere, added to the Reopen submenu.
    f.dialogs.answerFiles({existing});
    f.prompter.answers = {Prompter::Yes};
    QVERIFY(w->SaveFileAs());
    QVERIFY(f.read(existing).startsWith("<html>\n<head>"));
    QCOMPARE(w->caption(), QStringLiteral("page.htm"));
    QVERIFY(w->DocumentFileName == existing && w->HasFileName && !w->IsModified);
    QCOMPARE(f.openFiles(), QStringList {"page.htm"});
    QCOMPARE(f.reopenFiles(), QStringList {existing});

    // A new name without an extension gets the document's.
    f.dialogs.answerFiles({f.path(QStringLiteral("plain"))});
    QVERIFY(w->SaveFileAs());
    QCOMPARE(w->caption(), QStringLiteral("plain.htm"));
}

void TestFiles::failedWriteKeepsDocumentModified()
{
    ShellFixture f;
    TMainForm *m = f.start();
    const QString file = f.write(QStringLiteral("sub/doc.txt"), "old\n");
    TEditForm *w = m->LoadFile(file);
    m->SkrivTekstenTilEditor(QStringLiteral("new "));
    // The folder goes away and a plain file takes its name: nothing can be written there.
    QVERIFY(QDir(f.path(QString())).rename(QStringLiteral("sub"), QStringLiteral("moved")));
    f.write(QStringLiteral("sub"), "blocker");
    // Auto-save meets the failure; its timer firing again under the error box starts no
    // second save (and no second box).
    int fired = 0;
    f.prompter.whileShown = [&] {
        if (++fired < 3)
            f.fire("AutosaveTimer");
    };
    f.fire("AutosaveTimer");
    f.prompter.whileShown = nullptr;
    QCOMPARE(f.prompter.calls.size(), 1);
    f.prompter.calls.clear();
    QVERIFY(!w->SaveFileNow());
    QCOMPARE(f.prompter.calls.size(), 1);
    const QString text = f.prompter.calls.first().text;
    QVERIFY(text.startsWith(QStringLiteral("Could not save ") + file + QLatin1Char('\n')));
    QVERIFY(text.size()
            > QString(QStringLiteral("Could not save ") + file + QLatin1Char('\n')).size());
    QVERIFY(w->IsModified && w->panelText(1) == QLatin1String("Modified")
            && w->DocumentFileName == file);
    QCOMPARE(f.read(f.path(QStringLiteral("moved/doc.txt"))), QByteArray("old\n"));

    // A folder standing where the file was: Save keeps the folder and the document modified.
    QFile::remove(f.path(QStringLiteral("sub")));
    QDir().mkpath(file);
    QVERIFY(!w->SaveFileNow());
    QVERIFY(QFileInfo(file).isDir() && w->IsModified);
}

void TestFiles::saveRulesAndCaret()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Textfile1")->trigger();
    // Unchanged untitled document: Save does nothing.
    m->action("Save1")->trigger();
    QVERIFY(f.dialogs.calls.isEmpty());
    // Modified: Save opens Save as.
    m->SkrivTekstenTilEditor(QStringLiteral("abc\rdef"));
    f.active()->editor()->setCaret(2, 2);
    f.dialogs.answerFiles({f.path(QStringLiteral("t.txt"))});
    m->action("Save1")->trigger();
    QCOMPARE(f.read(f.path(QStringLiteral("t.txt"))), QByteArray("abc\ndef"));
    QCOMPARE(f.active()->editor()->caretLine(), 2);
    QCOMPARE(f.active()->editor()->caretColumn(), 2);
    f.active()->editor()->setCaret(1, 3);
    f.dialogs.answerFiles({f.path(QStringLiteral("u.txt"))});
    m->action("SaveAs1")->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("u.txt"));
    QCOMPARE(f.active()->editor()->caretColumn(), 3);

    // Save all: an untitled document gets Save as even unchanged; a loaded one is written.
    QFile::remove(f.path(QStringLiteral("u.txt")));
    m->action("Textfile1")->trigger();
    m->action("Saveall1")->trigger();
    QCOMPARE(f.dialogs.calls.last().request.fileName, QStringLiteral("Untitled2.txt"));
    QCOMPARE(f.read(f.path(QStringLiteral("u.txt"))), QByteArray("abc\ndef"));
}

void TestFiles::duplicateQuestion()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->LoadFile(f.write(QStringLiteral("one/a.java"), "a"));
    m->LoadFile(f.write(QStringLiteral("one/ba.java"), "ba"));
    m->action("Textfile1")->trigger();
    const QString other = f.write(QStringLiteral("two/BA.JAVA"), "other");

    f.dialogs.answerFiles({other});
    f.prompter.answers = {Prompter::No};
    m->action("Load1")->trigger();
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls.first().caption, QStringLiteral("Question"));
    QCOMPARE(f.prompter.calls.first().text,
             QStringLiteral(
                 "A document with the same filename is already open. Its not possible to have two "
                 "documents with the same name open at the same time. You can however activate the "
                 "window that contains this document. Do you want to do that now?"));
    QCOMPARE(f.documentCount(), 3);
    QCOMPARE(f.active()->caption(), QStringLiteral("Untitled3.txt"));

    // Yes brings forward the window of that name, not one whose name it merely contains.
    f.dialogs.answerFiles({other});
    f.prompter.answers = {Prompter::Yes};
    m->action("Load1")->trigger();
    QCOMPARE(f.documentCount(), 3);
    QCOMPARE(f.active()->caption(), QStringLiteral("ba.java"));
    QCOMPARE(f.active()->editor()->lines(), QStringList {"ba"});
}

void TestFiles::openDialogCancelledAndEmptyExplorerSelection()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->action("Load1")->trigger();
    QCOMPARE(f.dialogs.calls.size(), 1);
    QVERIFY(f.dialogs.calls.first().request.fileName.isEmpty());
    m->openFromExplorer(QString());
    QCOMPARE(f.documentCount(), 0);

    m->openFromExplorer(f.write(QStringLiteral("x.css"), "p {}"));
    QCOMPARE(f.documentCount(), 1);
    QCOMPARE(f.reopenFiles(), QStringList {f.path(QStringLiteral("x.css"))});
}

void TestFiles::damagedHistoryPutsNewFileFirst_data()
{
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<int>("kept"); // names of the damaged section still offered afterwards
    QTest::newRow("no Count") << QByteArray("Prev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n") << 3;
    QTest::newRow("Count below Prev")
        << QByteArray("Count=1\r\nPrev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n") << 3;
    QTest::newRow("Count not a number") << QByteArray("Count=x\r\nPrev=2\r\n1=%1\r\n2=%2\r\n") << 2;
    QTest::newRow("Count too big") << QByteArray("Count=99\r\nPrev=99\r\n1=%1\r\n5=%2\r\n") << 2;
    QTest::newRow("Prev behind a filling ring")
        << QByteArray("Count=3\r\nPrev=1\r\n1=%1\r\n2=%2\r\n3=%3\r\n") << 3;
    QTest::newRow("negative Prev") << QByteArray("Count=2\r\nPrev=-4\r\n1=%1\r\n2=%2\r\n") << 2;
}

// Whatever state the section is in, the file opened next is the first Reopen entry and no
// name already offered is lost.
void TestFiles::damagedHistoryPutsNewFileFirst()
{
    QFETCH(QByteArray, history);
    QFETCH(int, kept);
    ShellFixture f;
    QStringList old;
    for (int i = 1; i <= 3; ++i)
        old << f.write(QStringLiteral("old%1.txt").arg(i), "x");
    QByteArray ini = "[History]\r\n" + history;
    for (int i = 0; i < 3; ++i)
        ini.replace(QByteArray("%") + QByteArray::number(i + 1), old.at(i).toUtf8());
    f.write(QStringLiteral("qmEditor.ini"), ini);
    TMainForm *m = f.start();
    const QString fresh = f.write(QStringLiteral("fresh.txt"), "x");
    f.dialogs.answerFiles({fresh});
    m->action("Load1")->trigger();
    const QStringList reopen = f.reopenFiles();
    QCOMPARE(reopen.value(0), fresh);
    QCOMPARE(reopen.size(), kept + 1);
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("Count")).toInt(), kept + 1);
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("Prev")).toInt(), kept + 1);
}

// A name with a line break or blanks at an end would come back changed from the settings
// file: it opens, but is not recorded.
void TestFiles::namesTheSettingsCannotHoldStayOutOfHistory()
{
    ShellFixture f;
    TMainForm *m = f.start();
    const QString plain = f.write(QStringLiteral("plain.txt"), "x");
    m->LoadFile(plain);
    const QByteArray before = f.iniText();
    for (const QString &name : {QStringLiteral("two\nlines.txt"), QStringLiteral("trailing.txt "),
                                QStringLiteral("tab.txt\t")}) {
        const QString file = f.write(name, "x");
        TEditForm *w = m->LoadFile(file);
        QVERIFY(w->HasFileName);
        QCOMPARE(w->DocumentFileName, file);
        QCOMPARE(f.iniText(), before);
    }
    f.restart();
    QCOMPARE(f.reopenFiles(), QStringList {plain});
}

// Save as never leaves two documents with one bare name: the name is refused with the
// question loading asks, nothing is written and the document keeps its name.
void TestFiles::saveAsRefusesASecondDocumentOfTheSameName()
{
    ShellFixture f;
    TMainForm *m = f.start();
    QVERIFY(QDir().mkpath(f.path(QStringLiteral("other"))));
    TEditForm *open = m->LoadFile(f.write(QStringLiteral("Report.txt"), "open one"));
    m->action("Textfile1")->trigger();
    TEditForm *w = f.active();
    w->SkrivUtTekst(QStringLiteral("new text"));
    const QString clash = f.path(QStringLiteral("other/report.TXT"));
    f.dialogs.answerFiles({clash});
    f.prompter.answers = {Prompter::Yes};
    QVERIFY(!w->SaveFileAs());
    QCOMPARE(f.prompter.calls.size(), 1);
    QVERIFY(f.prompter.calls.at(0).text.startsWith(
        QStringLiteral("A document with the same filename is already open.")));
    QVERIFY(!QFileInfo::exists(clash));
    QCOMPARE(w->caption(), QStringLiteral("Untitled2.txt"));
    QVERIFY(w->IsModified && !w->HasFileName);
    QCOMPARE(f.active(), open); // Yes brought the open one forward

    // The document's own name, in another folder, is no clash.
    f.dialogs.answerFiles({f.path(QStringLiteral("other/Report.txt"))});
    QVERIFY(open->SaveFileAs());
    QCOMPARE(f.read(f.path(QStringLiteral("other/Report.txt"))), QByteArray("open one"));
}

void TestFiles::historyRing()
{
    ShellFixture f;
    TMainForm *m = f.start();
    QStringList files;
    for (int i = 1; i <= 21; ++i) {
        files << f.write(QStringLiteral("f%1.txt").arg(i), "x");
        m->LoadFile(files.last());
        QCOMPARE(historyKey(f.iniText(), QStringLiteral("Count")).toInt(), qMin(i, 20));
        QCOMPARE(historyKey(f.iniText(), QStringLiteral("Prev")).toInt(), i <= 20 ? i : 1);
    }
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("1")), files.at(20));
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("2")), files.at(1));
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("20")), files.at(19));

    // A file already in a slot is not written again.
    const QByteArray before = f.iniText();
    QVERIFY(ShellFixture::closeWindow(byCaption(m, QStringLiteral("f5.txt"))));
    m->LoadFile(files.at(4));
    QCOMPARE(f.iniText(), before);
}

void TestFiles::historyDuplicatesAndMenu()
{
    ShellFixture f;
    TMainForm *m = f.start();
    const QString lower = f.write(QStringLiteral("doc.txt"), "x");
    QString upper = lower;
    upper.replace(QStringLiteral("doc.txt"), QStringLiteral("DOC.txt"));
    const QString second = f.write(QStringLiteral("second.txt"), "y");

    f.dialogs.answerFiles({lower});
    m->action("Load1")->trigger();
    QVERIFY(ShellFixture::closeWindow(f.active()));
    // Recorded again in another case (the ring compares exactly), listed once (the menu does not).
    f.write(QStringLiteral("DOC.txt"), "X");
    m->LoadFile(upper);
    QVERIFY(ShellFixture::closeWindow(f.active()));
    QFile::remove(upper);
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("Count")).toInt(), 2);
    f.dialogs.answerFiles({second});
    m->action("Load1")->trigger();
    QCOMPARE(historyKey(f.iniText(), QStringLiteral("Count")).toInt(), 3);
    // upper does not exist on disk (case-sensitive file system) and is left out of the menu.
    QCOMPARE(f.reopenFiles(), QStringList({second, lower}));
    QVERIFY(!m->action(QStringLiteral("empty1"))->isVisible());

    // A reopen item opens its file.
    QVERIFY(ShellFixture::closeWindow(f.active()));
    m->menu(QStringLiteral("Reopen1"))->actions().at(1)->trigger();
    QCOMPARE(f.active()->caption(), QStringLiteral("second.txt"));
}

void TestFiles::historyAtStartupAndClearList()
{
    ShellFixture f;
    const QString a = f.write(QStringLiteral("a.txt"), "a");
    const QString b = f.write(QStringLiteral("b.txt"), "b");
    f.folder.writeFile(QStringLiteral("qmEditor.ini"),
                       QStringLiteral("[History]\r\nCount=3\r\nPrev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n")
                           .arg(a, f.path(QStringLiteral("missing.txt")), b)
                           .toUtf8());
    TMainForm *m = f.start();
    QCOMPARE(f.reopenFiles(), QStringList({b, a}));
    // A damaged count is taken as the ring's 20 slots at most.
    f.folder.writeFile(QStringLiteral("qmEditor.ini"),
                       QStringLiteral("[History]\r\nCount=2000000000\r\n1=%1\r\n").arg(a).toUtf8());
    m = f.restart();
    QCOMPARE(f.reopenFiles(), QStringList({a}));
    f.folder.writeFile(QStringLiteral("qmEditor.ini"),
                       QStringLiteral("[History]\r\nCount=3\r\nPrev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n")
                           .arg(a, f.path(QStringLiteral("missing.txt")), b)
                           .toUtf8());
    m = f.restart();
    QVERIFY(!m->action(QStringLiteral("empty1"))->isVisible());

    f.prompter.answers = {Prompter::No};
    m->action(QStringLiteral("ClearList1"))->trigger();
    QCOMPARE(f.prompter.calls.last().text,
             QStringLiteral("Are you sure you want to clear the history list?"));
    QCOMPARE(f.reopenFiles().size(), 2);

    f.prompter.answers = {Prompter::Yes};
    m->action("ClearList1")->trigger();
    QVERIFY(f.reopenFiles().isEmpty());
    QVERIFY(m->action(QStringLiteral("empty1"))->isVisible());
    QVERIFY(!f.iniText().contains("History"));
    QCOMPARE(m->menu(QStringLiteral("Reopen1"))->actions().size(), 2);
}

void TestFiles::reopenRefusedWhileOpen()
{
    ShellFixture f;
    const QString other = f.write(QStringLiteral("two/same.txt"), "2");
    f.folder.writeFile(
        QStringLiteral("qmEditor.ini"),
        QStringLiteral("[History]\r\nCount=1\r\nPrev=1\r\n1=%1\r\n").arg(other).toUtf8());
    TMainForm *m = f.start();
    m->LoadFile(f.write(QStringLiteral("one/Same.txt"), "1"));
    m->menu(QStringLiteral("Reopen1"))->actions().at(1)->trigger(); // other's item
    QCOMPARE(f.documentCount(), 1);
    QCOMPARE(f.prompter.calls.size(), 1);
    QCOMPARE(f.prompter.calls.first().icon, Prompter::Information);
    QCOMPARE(
        f.prompter.calls.first().text,
        QStringLiteral("A file with the filename \"same.txt\" already exists in an editor window.\n"
                       "You have to close this window before you can open another file with the "
                       "same filename."));
}

void TestFiles::openFilesList()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->LoadFile(f.write(QStringLiteral("a.txt"), "a"));
    m->LoadFile(f.write(QStringLiteral("ba.txt"), "b"));
    m->action("Textfile1")->trigger();
    QCOMPARE(f.openFiles(), QStringList({"a.txt", "ba.txt", "Untitled3.txt"}));

    // Go to: the window whose caption equals the entry's.
    selectEntry(f, QStringLiteral("a.txt"));
    f.trigger("Gotodocumentwindow1");
    QCOMPARE(f.active()->caption(), QStringLiteral("a.txt"));
    selectEntry(f, QStringLiteral("ba.txt"));
    f.trigger("Gotodocumentwindow1");
    QCOMPARE(f.active()->caption(), QStringLiteral("ba.txt"));

    // Rename on Save as.
    f.mdiArea()->setActiveSubWindow(byCaption(m, QStringLiteral("Untitled3.txt"))->subWindow());
    m->SkrivTekstenTilEditor(QStringLiteral("z"));
    f.dialogs.answerFiles({f.path(QStringLiteral("zed.txt"))});
    m->action("SaveAs1")->trigger();
    QCOMPARE(f.openFiles(), QStringList({"a.txt", "ba.txt", "zed.txt"}));

    // Cancelled close keeps the entry; a close removes it.
    m->SkrivTekstenTilEditor(QStringLiteral("more"));
    f.prompter.answers = {Prompter::Cancel};
    QVERIFY(!ShellFixture::closeWindow(f.active()));
    QCOMPARE(f.openFiles().size(), 3);
    QVERIFY(ShellFixture::closeWindow(byCaption(m, QStringLiteral("a.txt"))));
    QCOMPARE(f.openFiles(), QStringList({"ba.txt", "zed.txt"}));
}

void TestFiles::closeFromOpenFilesList()
{
    ShellFixture f;
    TMainForm *m = f.start();
    m->LoadFile(f.write(QStringLiteral("a.txt"), "a"));
    m->LoadFile(f.write(QStringLiteral("b.txt"), "b"));
    m->SkrivTekstenTilEditor(QStringLiteral("changed "));

    // Cancelled: the window and its entry stay, and the flag does not linger.
    selectEntry(f, QStringLiteral("b.txt"));
    f.prompter.answers = {Prompter::Cancel};
    f.trigger("Delete1");
    QCOMPARE(f.documentCount(), 2);
    QCOMPARE(f.openFiles(), QStringList({"a.txt", "b.txt"}));

    // Closing a.txt afterwards removes its own entry (the flag was cleared).
    QVERIFY(ShellFixture::closeWindow(byCaption(m, QStringLiteral("a.txt"))));
    QCOMPARE(f.openFiles(), QStringList {"b.txt"});

    // No: closed without saving, entry gone.
    selectEntry(f, QStringLiteral("b.txt"));
    f.prompter.answers = {Prompter::No};
    f.trigger("Delete1");
    QCOMPARE(f.documentCount(), 0);
    QVERIFY(f.openFiles().isEmpty());
    QCOMPARE(f.read(f.path(QStringLiteral("b.txt"))), QByteArray("b"));

    // An entry without a window goes without a crash.
    new QTreeWidgetItem(f.openFilesList(), QStringList(QStringLiteral("stray.txt")));
    selectEntry(f, QStringLiteral("stray.txt"));
    f.trigger("Delete1");
    QVERIFY(f.openFiles().isEmpty());
    f.trigger("Gotodocumentwindow1");
}

// A settings file that can never be written is reported once, with its name and why; the
// files still open.
void TestFiles::unwritableSettingsSaidOnce()
{
    ShellFixture f;
    QVERIFY(QDir().mkpath(f.path(QStringLiteral("qmEditor.ini"))));
    TMainForm *m = f.start();
    QVERIFY(m->LoadFile(f.write(QStringLiteral("one.txt"), "1")));
    QVERIFY(m->LoadFile(f.write(QStringLiteral("two.txt"), "2")));
    QCOMPARE(f.documentCount(), 2);
    QCOMPARE(f.prompter.calls.size(), 1);
    const FakePrompter::Call call = f.prompter.calls.first();
    QCOMPARE(call.icon, Prompter::Warning);
    QVERIFY2(call.text.startsWith(QStringLiteral("Could not save ")
                                  + f.path(QStringLiteral("qmEditor.ini")) + u'\n'),
             qPrintable(call.text));
    QVERIFY(call.text.size() > f.path(QStringLiteral("qmEditor.ini")).size() + 16);
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
