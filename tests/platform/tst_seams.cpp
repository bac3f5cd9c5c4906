#include "FakePrompter.h"
#include "FakeShell.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestSeams : public QObject
{
    Q_OBJECT

private slots:
    void qtFilter_data();
    void qtFilter();
    void terminalCommand();
    void wrappersGoThroughInstalledPrompter();
    void realMessageBox_data();
    void realMessageBox();
};

using Filter = QList<FileFilterEntry>;

void TestSeams::qtFilter_data()
{
    QTest::addColumn<Filter>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one entry") << Filter {{"Java files", {"*.java"}}} << "Java files (*.java)";
    QTest::newRow("all files") << Filter {{"All files", {"*.*"}}} << "All files (*)";
    QTest::newRow("several masks and entries")
        << Filter {{"Text", {"*.txt", "*.log"}}, {"Any", {"*.*"}}} << "Text (*.txt *.log);;Any (*)";
    QTest::newRow("htm also finds html")
        << Filter {{"HTML (*.htm)", {"*.htm"}}} << "HTML (*.htm *.html)";
    QTest::newRow("html already there")
        << Filter {{"HTML (*.htm;*.html)", {"*.htm;*.html"}}} << "HTML (*.htm *.html)";
    QTest::newRow("description keeps other brackets")
        << Filter {{"Perl (scripts)", {"*.pl"}}} << "Perl (scripts) (*.pl)";
}

void TestSeams::qtFilter()
{
    QFETCH(Filter, filter);
    QFETCH(QString, expected);
    QCOMPARE(FileDialogs::toQtFilter(filter), expected);
}

void TestSeams::terminalCommand()
{
    const QByteArray saved = qgetenv("TERMINAL");
    qputenv("TERMINAL", "myterm --hold");
    QCOMPARE(Shell::terminalCommand(QStringLiteral("/p"), {}), (QStringList {"myterm", "--hold"}));
    qunsetenv("TERMINAL");
    const QString fallback = Shell::terminalCommand(QStringLiteral("/p"), {}).value(0);
    QVERIFY(fallback == QLatin1String("x-terminal-emulator") || fallback == QLatin1String("xterm"));

    qputenv("TERMINAL", "xterm");
    const QStringList cmd =
        Shell::terminalCommand(QStringLiteral("/it's here"), {"java", "-cp", ".", "My App; rm x"});
    QCOMPARE(cmd.mid(0, 4), (QStringList {"xterm", "-e", "sh", "-c"}));
    QCOMPARE(cmd.size(), 5);
    const QString script = cmd.at(4);
    QVERIFY2(script.startsWith(
                 QStringLiteral("cd '/it'\\''s here' && 'java' '-cp' '.' 'My App; rm x'; exec ")),
             qPrintable(script));
    qunsetenv("TERMINAL");
    if (!saved.isNull())
        qputenv("TERMINAL", saved);
}

void TestSeams::wrappersGoThroughInstalledPrompter()
{
    FakePrompter prompter;
    prompter.answers = {Prompter::No};
    QCOMPARE(Prompter::question(nullptr, QStringLiteral("Sure?")), int(Prompter::No));
    QCOMPARE(Prompter::information(nullptr, QStringLiteral("Done")), int(Prompter::Ok));
    QCOMPARE(Prompter::warning(nullptr, QStringLiteral("Careful")), int(Prompter::Ok));
    QCOMPARE(Prompter::instance()->messageDlg(nullptr, QStringLiteral("Replace?"),
                                              Prompter::Question,
                                              Prompter::YesButton | Prompter::NoButton),
             int(Prompter::Yes));
    QCOMPARE(prompter.calls.size(), 4);
    const FakePrompter::Call &q = prompter.calls.at(0);
    QCOMPARE(q.caption, QStringLiteral("Question"));
    QCOMPARE(q.icon, Prompter::Question);
    QCOMPARE(q.buttons, Prompter::YesButton | Prompter::NoButton);
    QCOMPARE(prompter.calls.at(1).caption, QStringLiteral("Information"));
    QCOMPARE(prompter.calls.at(2).caption, QStringLiteral("WARNING!"));
    QCOMPARE(prompter.calls.at(2).icon, Prompter::Warning);
    QCOMPARE(prompter.calls.at(3).caption, QStringLiteral("Confirm"));
    QCOMPARE(Prompter::dlgCaption(Prompter::Error), QStringLiteral("Error"));
    QCOMPARE(Prompter::dlgCaption(Prompter::Warning), QStringLiteral("Warning"));
    QCOMPARE(Prompter::dlgCaption(Prompter::Information), QStringLiteral("Information"));

    prompter.inputAnswers = {{true, QStringLiteral("typed")}};
    QString value = QStringLiteral("initial");
    QVERIFY(prompter.inputQuery(nullptr, QStringLiteral("Name"), QStringLiteral("Enter:"), value));
    QCOMPARE(value, QStringLiteral("typed"));
    QVERIFY(!prompter.inputQuery(nullptr, QStringLiteral("Name"), QStringLiteral("Enter:"), value));
    QCOMPARE(value, QStringLiteral("typed"));
    QCOMPARE(prompter.calls.last().value, QStringLiteral("typed"));
}

void TestSeams::realMessageBox_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("click");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << int(Prompter::YesButton | Prompter::NoButton) << int(QMessageBox::Yes)
                         << int(Prompter::Yes);
    QTest::newRow("no") << int(Prompter::YesButton | Prompter::NoButton) << int(QMessageBox::No)
                        << int(Prompter::No);
    QTest::newRow("cancel") << int(Prompter::YesButton | Prompter::NoButton
                                   | Prompter::CancelButton)
                            << int(QMessageBox::Cancel) << int(Prompter::Cancel);
    QTest::newRow("ok") << int(Prompter::OkButton) << int(QMessageBox::Ok) << int(Prompter::Ok);
}

void TestSeams::realMessageBox()
{
    QFETCH(int, buttons);
    QFETCH(int, click);
    QFETCH(int, expected);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shown;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        shown = box->standardButtons();
        box->button(QMessageBox::StandardButton(click))->click();
    });
    const int result = Prompter::instance()->messageDlg(nullptr, QStringLiteral("Save changes?"),
                                                        Prompter::Warning, buttons);
    QCOMPARE(result, expected);
    QCOMPARE(title, QStringLiteral("Warning"));
    QCOMPARE(text, QStringLiteral("Save changes?"));
    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY(shown.testFlag(QMessageBox::StandardButton(click)));
}

QTEST_MAIN(TestSeams)
#include "tst_seams.moc"
