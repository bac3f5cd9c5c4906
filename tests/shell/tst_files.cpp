#include "ScintillaOf.h"
#include "ShellFixture.h"
#include "editor/highlighting/Highlighter.h"
#include "settings/store/AppSettings.h"
#include "shell/HistoryRing.h"

#include <QDir>
#include <QToolButton>

// Loading and saving documents, the duplicate rule, the reopen history and the "Open Files"
// list.

namespace {

const QString kDuplicate = QStringLiteral(
    "A document with the same filename is already open. Its not possible to have two documents "
    "with the same name open at the same time. You can however activate the window that "
    "contains this document. Do you want to do that now?");

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
    list->setCurrentItem(list->findItems(caption, Qt::MatchExactly).value(0));
}

// What an open dialog was asked to show.
QString describe(const FileDialogs::Request &r)
{
    QStringList filter;
    for (const FileFilterEntry &e : r.filter)
        filter << e.description + '=' + e.masks.join(';');
    return QStringList {r.caption, r.initialDir, r.fileName, QString::number(r.filterIndex),
                        filter.join('|')}
        .join('#');
}

int historyKey(const AppSettings &ini, const char *key)
{
    return ini.readInteger("History", QLatin1String(key), -1);
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT
private slots:
    // The byte-exact table of formats is tst_textfile's; these rows go through a document window.
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("latin-1, crlf") << QByteArray("caf\xe9 \xa4\r\nline 2\r\n");
        QTest::newRow("cr, no final break") << QByteArray("a\rb");
        QTest::newRow("two BOMs") << QByteArray("\xef\xbb\xbf\xef\xbb\xbftext");
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        ShellFixture f;
        TMainForm *m = f.start();
        const QString file = f.write("doc.txt", bytes);
        TEditForm *w = m->LoadFile(file);
        QVERIFY(w->HasFileName && !w->IsModified);
        QVERIFY(w->SaveFileNow()); // writes even when unchanged
        QCOMPARE(f.read(file), bytes);
        QVERIFY(f.prompter.calls.isEmpty());
    }

    void editKeepsEncodingAndLineEnding()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        const QString file = f.write("doc.txt", "caf\xe9\r\nend");
        m->LoadFile(file);
        f.active()->editor()->setCaret(2, 4);
        m->SkrivTekstenTilEditor(QStringLiteral("\r\xe9\nx"));
        f.trigger("Save1");
        QCOMPARE(f.read(file), QByteArray("caf\xe9\r\nend\r\n\xe9\r\nx"));
        QVERIFY(!f.active()->IsModified && f.active()->panelText(1).isEmpty());

        // A euro sign does not fit Latin-1: the file becomes UTF-8, and stays so after the sign goes.
        m->SkrivTekstenTilEditor(QStringLiteral("\u20ac"));
        f.trigger("Save1");
        QCOMPARE(f.read(file), QByteArray("caf\xc3\xa9\r\nend\r\n\xc3\xa9\r\nx\xe2\x82\xac"));
        f.active()->editor()->undo();
        f.trigger("Save1");
        QCOMPARE(f.read(file), QByteArray("caf\xc3\xa9\r\nend\r\n\xc3\xa9\r\nx"));
    }

    void loadFailure_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("nul byte") << QByteArray("ab\0cd", 5);
    }

    void loadFailure()
    {
        QFETCH(QByteArray, bytes);
        ShellFixture f;
        TMainForm *m = f.start();
        const QString file = bytes.isNull() ? f.path("gone.java") : f.write("gone.java", bytes);
        TEditForm *w = m->LoadFile(file);
        QCOMPARE(f.prompter.calls.size(), 1);
        const QStringList message = f.prompter.calls.first().text.split(QLatin1Char('\n'));
        QCOMPARE(message.first(), "Could not open file " + file);
        QVERIFY(message.size() == 2 && !message.at(1).isEmpty()); // and why
        QCOMPARE(f.prompter.calls.first().icon, Prompter::Warning);
        QCOMPARE(w->caption(), "gone.java");
        QVERIFY(w->DocumentFileName.isEmpty() && !w->HasFileName && !w->IsModified);
        QCOMPARE(f.openFiles(), QStringList {"gone.java"});
        QVERIFY(!f.iniText().contains("History"));
        // Saving it asks for a name instead of writing over the file.
        m->SkrivTekstenTilEditor("x");
        QVERIFY(!w->SaveFileNow());
        QCOMPARE(f.dialogs.calls.size(), 1);
        QCOMPARE(f.read(file), bytes.isNull() ? QByteArray() : bytes);
    }

    // The whole table of types is tst_documenttypes'; these rows go through the window.
    void loadedTypes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("highlighter");
        QTest::addColumn<QString>("sideTab");
        QTest::addColumn<QString>("mask");
        QTest::newRow("java") << "A.java" << int(Highlighter::Java) << "JavaSheet"
                              << "*.java";
        QTest::newRow("HTML capitals") << "B.HTML" << int(Highlighter::HTML) << "HTMLSheet"
                                       << "*.htm";
        QTest::newRow("perl") << "f.perl" << int(Highlighter::General) << "GeneralSheet"
                              << "*.perl";
    }

    void loadedTypes()
    {
        QFETCH(QString, name);
        QFETCH(int, highlighter);
        QFETCH(QString, sideTab);
        QFETCH(QString, mask);
        ShellFixture f;
        TMainForm *m = f.start();
        TEditForm *w = m->LoadFile(f.write(name, QByteArray("<p>text</p>\n").repeated(3000)));
        QCOMPARE(int(w->currentHighlighter()->kind()), highlighter);
        // The highlighter went on before the text, so nothing was styled ahead of the view (a
        // highlighter put on a full document styles all of it at once).
        QsciScintilla *sci = scintillaOf(*w->editor());
        QVERIFY(sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < sci->length() / 2);
        QVERIFY(typeStateIs(m, m->findChild<QWidget *>(sideTab)));
        QCOMPARE(m->explorerMask(), mask);
    }

    void saveAsDialogAndOverwrite()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->setProjectFolder(f.path("project"));
        f.trigger("HTMLdocument1");
        TEditForm *w = f.active();
        const QString existing = f.write("page.htm", "old");

        // No to the overwrite question: nothing changes.
        f.dialogs.answerFiles({existing});
        f.prompter.answers = {Prompter::No};
        QVERIFY(!w->SaveFileAs());
        const FileDialogs::Request &req = f.dialogs.calls.last().request;
        QCOMPARE(QStringList(
                     {req.fileName, req.defaultExt, req.initialDir, req.filter.last().description}),
                 QStringList({"Untitled1.htm", ".htm", f.path("project"), "All files (*.*)"}));
        QCOMPARE(req.filterIndex, 2);
        QVERIFY(!req.confirmOverwrite); // one overwrite question, ours
        QCOMPARE(f.prompter.calls.last().text, "File aldready exists, overwrite ?");
        QCOMPARE(f.read(existing), QByteArray("old"));
        QVERIFY(w->caption() == QLatin1String("Untitled1.htm") && !w->HasFileName);

        // Yes: written, renamed everywhere, added to the Reopen submenu.
        f.dialogs.answerFiles({existing});
        f.prompter.answers = {Prompter::Yes};
        QVERIFY(w->SaveFileAs());
        QVERIFY(f.read(existing).startsWith("<html>\n<head>"));
        QVERIFY(w->DocumentFileName == existing && w->HasFileName && !w->IsModified);
        QCOMPARE(f.openFiles(), QStringList {"page.htm"});
        QCOMPARE(f.reopenFiles(), QStringList {existing});

        // A new name without an extension gets the document's.
        f.dialogs.answerFiles({f.path("plain")});
        QVERIFY(w->SaveFileAs());
        QCOMPARE(w->caption(), "plain.htm");
    }

    void failedWriteKeepsDocumentModified()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        const QString file = f.write("sub/doc.txt", "old\n");
        TEditForm *w = m->LoadFile(file);
        m->SkrivTekstenTilEditor("new ");
        // The folder goes away and a plain file takes its name: nothing can be written there.
        QVERIFY(QDir(f.path(QString())).rename("sub", "moved"));
        f.write("sub", "blocker");
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
        QVERIFY(!w->SaveFileNow());
        QCOMPARE(f.prompter.calls.size(), 2);
        const QString said = "Could not save " + file + QLatin1Char('\n');
        const QString text = f.prompter.calls.last().text;
        QVERIFY(text.startsWith(said) && text.size() > said.size());
        QVERIFY(w->IsModified && w->panelText(1) == QLatin1String("Modified")
                && w->DocumentFileName == file);
        QCOMPARE(f.read(f.path("moved/doc.txt")), QByteArray("old\n"));

        // A folder standing where the file was: Save keeps the folder and the document modified.
        QFile::remove(f.path("sub"));
        QDir().mkpath(file);
        QVERIFY(!w->SaveFileNow());
        QVERIFY(QFileInfo(file).isDir() && w->IsModified);
    }

    void saveRulesAndCaret()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        f.trigger("Textfile1");
        f.trigger("Save1"); // unchanged untitled document: Save does nothing
        QVERIFY(f.dialogs.calls.isEmpty());
        // Modified: Save opens Save as.
        m->SkrivTekstenTilEditor("abc\rdef");
        EditorAdapter *e = f.active()->editor();
        e->setCaret(2, 2);
        f.dialogs.answerFiles({f.path("t.txt")});
        f.trigger("Save1");
        QCOMPARE(f.read(f.path("t.txt")), QByteArray("abc\ndef"));
        QVERIFY(e->caretLine() == 2 && e->caretColumn() == 2);
        e->setCaret(1, 3);
        f.dialogs.answerFiles({f.path("u.txt")});
        f.trigger("SaveAs1");
        QCOMPARE(f.active()->caption(), "u.txt");
        QCOMPARE(e->caretColumn(), 3);

        // Save all: an untitled document gets Save as even unchanged; a loaded one is written.
        QFile::remove(f.path("u.txt"));
        f.trigger("Textfile1");
        f.trigger("Saveall1");
        QCOMPARE(f.dialogs.calls.last().request.fileName, "Untitled2.txt");
        QCOMPARE(f.read(f.path("u.txt")), QByteArray("abc\ndef"));
    }

    // Two documents never share a bare name: Load asks to bring the open one forward instead,
    // Save as refuses the name with the same question, a Reopen item says why it does nothing.
    void duplicateNames()
    {
        ShellFixture f;
        const QString reopened = f.write("two/a.JAVA", "2");
        f.folder.writeFile(
            "qmEditor.ini",
            QStringLiteral("[History]\r\nCount=1\r\nPrev=1\r\n1=%1\r\n").arg(reopened).toUtf8());
        TMainForm *m = f.start();
        m->LoadFile(f.write("one/a.java", "a"));
        TEditForm *ba = m->LoadFile(f.write("one/ba.java", "ba"));
        f.trigger("Textfile1");
        TEditForm *untitled = f.active();
        const QString other = f.write("two/BA.JAVA", "other");

        f.dialogs.answerFiles({other});
        f.prompter.answers = {Prompter::No};
        f.trigger("Load1");
        QCOMPARE(f.prompter.calls.size(), 1);
        QCOMPARE(f.prompter.calls.first().caption, "Question");
        QCOMPARE(f.prompter.calls.first().text, kDuplicate);
        QCOMPARE(f.documentCount(), 3);
        QCOMPARE(f.active(), untitled);
        // Yes brings forward the window of that name, not one whose name it merely contains.
        f.dialogs.answerFiles({other});
        f.prompter.answers = {Prompter::Yes};
        f.trigger("Load1");
        QCOMPARE(f.documentCount(), 3);
        QCOMPARE(f.active(), ba);

        f.prompter.calls.clear();
        m->menu("Reopen1")->actions().at(1)->trigger(); // two/a.JAVA
        QCOMPARE(f.documentCount(), 3);
        QCOMPARE(f.prompter.calls.first().icon, Prompter::Information);
        QCOMPARE(
            f.prompter.texts(),
            QStringList {"A file with the filename \"a.JAVA\" already exists in an editor window.\n"
                         "You have to close this window before you can open another file with the "
                         "same filename."});

        // Save as: nothing is written and the document keeps its name.
        untitled->SkrivUtTekst("new text");
        const QString clash = f.path("two/BA.java");
        f.dialogs.answerFiles({clash});
        f.prompter.calls.clear();
        QVERIFY(!untitled->SaveFileAs());
        QCOMPARE(f.prompter.texts(), QStringList {kDuplicate});
        QVERIFY(!QFileInfo::exists(clash));
        QVERIFY(untitled->caption() == QLatin1String("Untitled3.txt") && untitled->IsModified);
        // The document's own name, in another folder, is no clash.
        f.dialogs.answerFiles({f.path("two/ba.java")});
        QVERIFY(ba->SaveFileAs());
        QCOMPARE(f.read(f.path("two/ba.java")), QByteArray("ba"));

        // An empty explorer choice opens nothing; another file opens.
        f.dialogs.calls.clear();
        f.trigger("Load1"); // cancelled
        QVERIFY(f.dialogs.calls.first().request.fileName.isEmpty());
        m->openFromExplorer(QString());
        m->openFromExplorer(f.write("x.css", "p {}"));
        QCOMPARE(f.documentCount(), 4);
        QCOMPARE(f.reopenFiles().value(0), f.path("x.css"));
    }

    // Each type tab's "Open document.." button stands beside its "New ... document.." button,
    // drawn like it, and opens a file through the dialog of File, "Load..".
    void openDocumentButtons_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("newCaption");
        QTest::addColumn<QString>("shown");  // a file that brings the tab up
        QTest::addColumn<QString>("chosen"); // the file chosen in the dialog
        QTest::newRow("Java") << int(Page::Java) << "JavaOpenDocument"
                              << "New java document.."
                              << "A.java"
                              << "Shop.java";
        QTest::newRow("HTML") << int(Page::Html) << "HTMLOpenDocument"
                              << "New HTML document.."
                              << "a.htm"
                              << "index.HTML";
        QTest::newRow("General") << int(Page::General) << "GeneralOpenDocument"
                                 << "New document.."
                                 << "a.txt"
                                 << "notes.css";
    }

    void openDocumentButtons()
    {
        QFETCH(int, tab);
        QFETCH(QString, button);
        QFETCH(QString, newCaption);
        QFETCH(QString, shown);
        QFETCH(QString, chosen);
        ShellFixture f;
        TMainForm *m = f.start();
        m->LoadFile(f.write(shown, "a"));
        QWidget *sheet = f.page(Page(tab));
        QVERIFY(tabShown(sheet));
        f.child<QTabWidget>("PageControl3")->setCurrentWidget(sheet);

        auto *open = sheet->findChild<QToolButton *>(button);
        QVERIFY(open && open->isVisible() && open->isEnabled());
        QCOMPARE(open->text(), "Open document..");
        QCOMPARE(open->toolTip(), "Open document..");
        QToolButton *newButton = nullptr;
        for (QToolButton *b : sheet->findChildren<QToolButton *>())
            if (b->text() == newCaption)
                newButton = b;
        QVERIFY(newButton && newButton->isVisible());
        // On the tab's top row, right of the new-document button, of its size and style.
        const QRect newRect(newButton->mapTo(sheet, QPoint()), newButton->size());
        const QRect openRect(open->mapTo(sheet, QPoint()), open->size());
        QCOMPARE(openRect.top(), newRect.top());
        QVERIFY(openRect.left() > newRect.right());
        QCOMPARE(openRect.height(), newRect.height());
        QVERIFY(qAbs(openRect.width() - newRect.width()) <= 1);
        for (QToolButton *b : sheet->findChildren<QToolButton *>())
            if (b->isVisible() && b != open && b != newButton)
                QVERIFY(b->mapTo(sheet, QPoint()).y() > newRect.bottom());
        QCOMPARE(open->toolButtonStyle(), newButton->toolButtonStyle());
        QCOMPARE(open->autoRaise(), newButton->autoRaise());

        // The dialog File, "Load.." shows (here cancelled: nothing opens).
        f.trigger("Load1");
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(f.dialogs.calls.size(), 2);
        QCOMPARE(describe(f.dialogs.calls.at(1).request), describe(f.dialogs.calls.at(0).request));
        QCOMPARE(f.documentCount(), 1);

        // The chosen file opens into a document window and goes into the history.
        const QString file = f.write("docs/" + chosen, "chosen text");
        f.dialogs.answerFiles({file});
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(f.documentCount(), 2);
        QCOMPARE(f.active()->caption(), chosen);
        QCOMPARE(f.active()->DocumentFileName, file);
        QCOMPARE(f.active()->editor()->text(), "chosen text");
        QCOMPARE(f.openFiles(), QStringList({shown, chosen}));
        QCOMPARE(f.reopenFiles().value(0), file);
    }

    void historyRing_data()
    {
        QTest::addColumn<QByteArray>("section"); // %1..%3: three names
        QTest::addColumn<int>("kept");           // names still offered after the next record
        QTest::newRow("none") << QByteArray() << 0;
        QTest::newRow("filling") << QByteArray("Count=2\r\nPrev=2\r\n1=%1\r\n2=%2\r\n") << 2;
        QTest::newRow("no Count") << QByteArray("Prev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n") << 3;
        QTest::newRow("Count below Prev")
            << QByteArray("Count=1\r\nPrev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n") << 3;
        QTest::newRow("Count not a number")
            << QByteArray("Count=x\r\nPrev=2\r\n1=%1\r\n2=%2\r\n") << 2;
        QTest::newRow("Count too big")
            << QByteArray("Count=99\r\nPrev=99\r\n1=%1\r\n5=%2\r\n") << 2;
        QTest::newRow("Count huge") << QByteArray("Count=2000000000\r\n1=%1\r\n") << 1;
        QTest::newRow("Prev behind a filling ring")
            << QByteArray("Count=3\r\nPrev=1\r\n1=%1\r\n2=%2\r\n3=%3\r\n") << 3;
        QTest::newRow("negative Prev") << QByteArray("Count=2\r\nPrev=-4\r\n1=%1\r\n2=%2\r\n") << 2;
    }

    // Whatever state the section is in, the name recorded next is the newest (the top of the
    // Reopen submenu) and no name already offered is lost.
    void historyRing()
    {
        QFETCH(QByteArray, section);
        QFETCH(int, kept);
        TempProgramFolder folder;
        QByteArray ini = "[History]\r\n" + section;
        folder.writeFile("qmEditor.ini",
                         ini.replace("%1", "/a").replace("%2", "/b").replace("%3", "/c"));
        AppSettings settings(folder.filePath("qmEditor.ini"));
        HistoryRing ring(&settings);
        const QStringList before = ring.entries();
        QVERIFY(ring.record("/fresh"));
        const QStringList after = ring.entries();
        QCOMPARE(after.size(), kept + 1);
        QCOMPARE(after.last(), "/fresh");
        for (const QString &name : before)
            QVERIFY(name.isEmpty() || after.contains(name));
        QCOMPARE(historyKey(settings, "Count"), kept + 1);
        QCOMPARE(historyKey(settings, "Prev"), kept + 1);
        QVERIFY(!ring.record("/fresh"));
    }

    void historyRingWrapsAndKeepsNamesWhole()
    {
        TempProgramFolder folder;
        AppSettings ini(folder.filePath("qmEditor.ini"));
        HistoryRing ring(&ini);
        for (int i = 1; i <= 21; ++i) {
            QVERIFY(ring.record(QStringLiteral("/f%1").arg(i)));
            QCOMPARE(historyKey(ini, "Count"), qMin(i, 20));
            QCOMPARE(historyKey(ini, "Prev"), i <= 20 ? i : 1);
        }
        const QStringList names = ring.entries();
        QCOMPARE(QStringList({names.at(0), names.at(1), names.at(19)}),
                 QStringList({"/f21", "/f2", "/f20"}));
        // A name in a slot is not written again (exact text); a name the settings file would give
        // back changed is not written at all.
        const QByteArray before = folder.readFile("qmEditor.ini");
        for (const char *name : {"/f5", "two\nlines.txt", "/trailing.txt ", "/tab.txt\t", "\"/q\""})
            QVERIFY2(!ring.record(QLatin1String(name)), name);
        QCOMPARE(folder.readFile("qmEditor.ini"), before);
        QVERIFY(ring.record("/F5"));
    }

    // The Reopen submenu: the history's files on disk, newest first, each once; "Clear List".
    void historyInTheMenu()
    {
        ShellFixture f;
        const QString a = f.write("a.txt", "a");
        const QString b = f.write("b.txt", "b");
        f.folder.writeFile(
            "qmEditor.ini",
            QStringLiteral("[History]\r\nCount=3\r\nPrev=3\r\n1=%1\r\n2=%2\r\n3=%3\r\n")
                .arg(a, f.path("missing.txt"), b)
                .toUtf8());
        TMainForm *m = f.start();
        QCOMPARE(f.reopenFiles(), QStringList({b, a}));
        QVERIFY(!m->action("empty1")->isVisible());

        // Recorded again in another case (the ring compares exactly), listed once (the menu does not).
        m->LoadFile(f.write("A.txt", "A"));
        QVERIFY(ShellFixture::closeWindow(f.active()));
        const QString second = f.write("second.txt", "y");
        f.dialogs.answerFiles({second});
        f.trigger("Load1");
        QCOMPARE(m->settings().readInteger("History", "Count", 0), 5);
        QCOMPARE(f.reopenFiles(), QStringList({second, b, a}));
        // A reopen item opens its file.
        QVERIFY(ShellFixture::closeWindow(f.active()));
        m->menu("Reopen1")->actions().at(1)->trigger();
        QCOMPARE(f.active()->caption(), "second.txt");

        f.prompter.answers = {Prompter::No};
        f.trigger("ClearList1");
        QCOMPARE(f.prompter.calls.last().text, "Are you sure you want to clear the history list?");
        QCOMPARE(f.reopenFiles().size(), 3);
        f.prompter.answers = {Prompter::Yes};
        f.trigger("ClearList1");
        QVERIFY(f.reopenFiles().isEmpty() && m->action("empty1")->isVisible());
        QVERIFY(!f.iniText().contains("History"));
        QCOMPARE(m->menu("Reopen1")->actions().size(), 2);
    }

    void openFilesList()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->LoadFile(f.write("a.txt", "a"));
        m->LoadFile(f.write("ba.txt", "b"));
        f.trigger("Textfile1");
        QCOMPARE(f.openFiles(), QStringList({"a.txt", "ba.txt", "Untitled3.txt"}));

        // Go to: the window whose caption equals the entry's.
        for (const QString caption : {"a.txt", "ba.txt"}) {
            selectEntry(f, caption);
            f.trigger("Gotodocumentwindow1");
            QCOMPARE(f.active()->caption(), caption);
        }
        // Rename on Save as.
        byCaption(m, "Untitled3.txt")->bringToFront();
        m->SkrivTekstenTilEditor("z");
        f.dialogs.answerFiles({f.path("zed.txt")});
        f.trigger("SaveAs1");
        QCOMPARE(f.openFiles(), QStringList({"a.txt", "ba.txt", "zed.txt"}));

        // Close from the list, cancelled: the window and its entry stay, and the flag does not
        // linger (closing a.txt afterwards removes its own entry).
        m->SkrivTekstenTilEditor("more");
        selectEntry(f, "zed.txt");
        f.prompter.answers = {Prompter::Cancel};
        f.trigger("Delete1");
        QCOMPARE(f.documentCount(), 3);
        QVERIFY(ShellFixture::closeWindow(byCaption(m, "a.txt")));
        QCOMPARE(f.openFiles(), QStringList({"ba.txt", "zed.txt"}));
        // No: closed without saving, entry gone.
        selectEntry(f, "zed.txt");
        f.prompter.answers = {Prompter::No};
        f.trigger("Delete1");
        QCOMPARE(f.openFiles(), QStringList {"ba.txt"});
        QCOMPARE(f.read(f.path("zed.txt")), QByteArray("z"));

        // An entry without a window goes without a crash.
        new QTreeWidgetItem(f.openFilesList(), QStringList("stray.txt"));
        selectEntry(f, "stray.txt");
        f.trigger("Delete1");
        QCOMPARE(f.openFiles(), QStringList {"ba.txt"});
        f.trigger("Gotodocumentwindow1");
    }

    // A settings file that can never be written is reported once, with its name and why; the
    // files still open.
    void unwritableSettingsSaidOnce()
    {
        ShellFixture f;
        QVERIFY(QDir().mkpath(f.path("qmEditor.ini")));
        TMainForm *m = f.start();
        QVERIFY(m->LoadFile(f.write("one.txt", "1")));
        QVERIFY(m->LoadFile(f.write("two.txt", "2")));
        QCOMPARE(f.documentCount(), 2);
        QCOMPARE(f.prompter.calls.size(), 1);
        const FakePrompter::Call call = f.prompter.calls.first();
        QCOMPARE(call.icon, Prompter::Warning);
        const QString said = "Could not save " + f.path("qmEditor.ini");
        QVERIFY2(call.text.startsWith(said + u'\n') && call.text.size() > said.size() + 1,
                 qPrintable(call.text));
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
