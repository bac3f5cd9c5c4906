// File, Export to, RTF and HTML: the save dialog's request, the file written, the document's
// own file refused, a failed write and a cancelled dialog.
#include "ShellFixture.h"
#include "app/Features.h"
#include "shell/printing/ExportCommands.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void proposedNames_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("java as rtf") << "Hello.java"
                                     << ".rtf"
                                     << "Hello.rtf";
        QTest::newRow("page as html is the page") << "page.html"
                                                  << ".html"
                                                  << "page.html";
        QTest::newRow("untitled") << "Untitled1.txt"
                                  << ".html"
                                  << "Untitled1.html";
        QTest::newRow("no extension") << "README"
                                      << ".rtf"
                                      << "README.rtf";
        QTest::newRow("two dots") << "a.b.css"
                                  << ".rtf"
                                  << "a.b.rtf";
    }
    void proposedNames()
    {
        QFETCH(QString, caption);
        QFETCH(QString, extension);
        QFETCH(QString, proposed);
        QCOMPARE(ExportCommands::proposedName(caption, extension), proposed);
    }

    void exportsWholeTextOrSelection_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("selection");
        QTest::newRow("html, whole") << "HTML3" << false;
        QTest::newRow("html, selection") << "HTML3" << true;
        QTest::newRow("rtf, whole") << "RTFfiltekst1" << false;
        QTest::newRow("rtf, selection") << "RTFfiltekst1" << true;
    }
    void exportsWholeTextOrSelection()
    {
        QFETCH(QString, command);
        QFETCH(bool, selection);
        const bool html = command == QLatin1String("HTML3");
        ShellFixture f;
        TMainForm *m = f.start();
        TEditForm *w = m->LoadFile(
            f.write(QStringLiteral("Hello.java"), "class Hello {\n  String s = \"<a & b>\";\n}\n"));
        if (selection)
            w->SynEdit1->setSelection(2, 3, 2, 9); // "String"
        const QString target =
            f.path(html ? QStringLiteral("out.html") : QStringLiteral("out.rtf"));
        f.dialogs.answerFiles({target});
        m->action(command)->trigger();

        QCOMPARE(f.dialogs.calls.size(), 1);
        const FileDialogs::Request req = f.dialogs.calls.first().request;
        QCOMPARE(req.fileName, html ? QStringLiteral("Hello.html") : QStringLiteral("Hello.rtf"));
        QCOMPARE(req.filter.size(), 1);
        QCOMPARE(req.filter.first().description,
                 html ? QStringLiteral("HTML Documents (*.htm;*.html)")
                      : QStringLiteral("Rich Text Format Documents (*.rtf)"));
        QVERIFY(!req.confirmOverwrite); // the command asks, after its own checks
        QVERIFY(f.prompter.calls.isEmpty());

        const QString written = QString::fromUtf8(f.read(target));
        const QString title = html ? QStringLiteral("\"Hello.java\" exported as HTML")
                                   : QStringLiteral("\"Hello.java\" exported as RTF");
        if (html) {
            QTextDocument doc;
            doc.setHtml(written);
            QCOMPARE(doc.metaInformation(QTextDocument::DocumentTitle), title);
            QCOMPARE(doc.toPlainText(),
                     selection ? QStringLiteral("String")
                               : QStringLiteral("class Hello {\n  String s = "
                                                "\"<a & b>\";\n}\n"));
        } else {
            QVERIFY(written.contains(QStringLiteral("{\\title ") + title + QLatin1Char('}')));
            QCOMPARE(written.contains(QLatin1String("class")), !selection);
            QVERIFY(written.contains(QLatin1String("String")));
        }
        // The document itself is untouched.
        QVERIFY(!w->IsModified);
    }

    // The page's own name is what the dialog proposes for an HTML page: that file is refused
    // before any question whether to replace it; another existing file only after Yes.
    void ownFileIsRefused()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        const QByteArray page = "<html><body>x</body></html>\n";
        const QString file = f.write(QStringLiteral("page.html"), page);
        m->LoadFile(file);
        f.dialogs.answerFiles({file});
        m->action(QStringLiteral("HTML3"))->trigger();
        QCOMPARE(f.dialogs.calls.first().request.fileName, QStringLiteral("page.html"));
        QVERIFY(!f.dialogs.calls.first().request.confirmOverwrite);
        QCOMPARE(f.read(file), page);
        QCOMPARE(f.prompter.calls.size(), 1);
        QVERIFY(f.prompter.calls.first().text.contains(file));
        QVERIFY(f.prompter.calls.first().text.contains(QStringLiteral("document's own file")));

        const QString other = f.write(QStringLiteral("other.html"), "kept");
        for (const int answer : {int(Prompter::No), int(Prompter::Yes)}) {
            f.prompter.calls.clear();
            f.prompter.answers = {answer};
            f.dialogs.answerFiles({other});
            m->action(QStringLiteral("HTML3"))->trigger();
            QCOMPARE(f.prompter.texts(),
                     QStringList {other
                                  + QStringLiteral(" already exists.\nDo you want to "
                                                   "replace it?")});
            QCOMPARE(f.read(other) == "kept", answer == Prompter::No);
        }
    }

    void targetThatIsAFolderIsAFailedWrite()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->action("Textfile1")->trigger();
        const QString target = f.path(QStringLiteral("taken.html"));
        f.write(QStringLiteral("taken.html/inside.txt"), "kept");
        f.dialogs.answerFiles({target});
        m->action(QStringLiteral("HTML3"))->trigger();
        QCOMPARE(f.read(f.path(QStringLiteral("taken.html/inside.txt"))), QByteArray("kept"));
        QCOMPARE(f.prompter.calls.size(), 1);
        QVERIFY(f.prompter.calls.first().text.startsWith(QStringLiteral("Could not save ") + target
                                                         + QLatin1Char('\n')));
    }

    void missingFolderIsAFailedWrite()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->action("Textfile1")->trigger();
        const QString target = f.path(QStringLiteral("no/such/folder/out.html"));
        f.dialogs.answerFiles({target});
        m->action(QStringLiteral("HTML3"))->trigger();
        QVERIFY(!QFile::exists(target));
        QCOMPARE(f.prompter.calls.size(), 1);
        QVERIFY(f.prompter.calls.first().text.contains(target));
    }

    void cancelWritesNothing()
    {
        ShellFixture f;
        TMainForm *m = f.start();
        m->action("Textfile1")->trigger();
        m->action(QStringLiteral("RTFfiltekst1"))->trigger();
        m->action(QStringLiteral("HTML3"))->trigger();
        QCOMPARE(f.dialogs.calls.size(), 2);
        QVERIFY(f.prompter.calls.isEmpty());
        QCOMPARE(QDir(f.folder.path()).entryList({"*.rtf", "*.html"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
