// The help pages: one per topic the dialogs open, every link leading somewhere, the help
// window's Contents, Index and Back with topics found without regard to case, and the help
// window beside the modal dialog that opened it.
#include "TempProgramFolder.h"
#include "TestFiles.h"
#include "platform/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

namespace {

QString sourceFolder()
{
    return qEnvironmentVariable("QMEDITOR_SOURCE");
}

QString helpFolder()
{
    return sourceFolder() + QStringLiteral("/data/help/");
}

QString readAll(const QString &file)
{
    return QString::fromUtf8(TestFiles::read(file));
}

QWidget *helpWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("HelpWindow"))
            return w;
    return nullptr;
}

// Clicks the first link to page in the browser as the user would, through its window.
void clickLink(QTextBrowser *browser, const QString &page)
{
    for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == page) {
                QTextCursor c(browser->document());
                c.setPosition(it.fragment().position() + 1);
                const QPoint at =
                    browser->viewport()->mapTo(browser->window(), browser->cursorRect(c).center());
                QTest::mouseClick(browser->window()->windowHandle(), Qt::LeftButton, {}, at);
                return;
            }
    qWarning("no link to %s", qPrintable(page));
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (sourceFolder().isEmpty())
            QSKIP("QMEDITOR_SOURCE is not set");
    }

    // Every topic the program opens has its page, which explains fields and buttons and leads
    // back to the contents.
    void everyTopicTheProgramOpensHasAPage()
    {
        static const QRegularExpression literal(QStringLiteral("\"(HID_[A-Za-z_]+)\""));
        QStringList opened;
        QDirIterator it(sourceFolder() + QStringLiteral("/src"), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString text = readAll(it.next());
            for (auto m = literal.globalMatch(text); m.hasNext();)
                opened << m.next().captured(1);
        }
        opened.removeDuplicates();
        QVERIFY(opened.size() >= 34);
        for (const QString &topic : opened) {
            const QString page = HelpViewer::pageFile(helpFolder(), topic);
            QVERIFY2(!page.isEmpty(), qPrintable(topic));
            const QString text = readAll(page);
            QVERIFY2(text.contains(QLatin1String("<h3>Buttons</h3>")), qPrintable(topic));
            QVERIFY2(text.contains(QLatin1String("href=\"contents.html\"")), qPrintable(topic));
        }
    }

    // Every link leads somewhere; captions read as the menus show them, without the mnemonic
    // marker.
    void everyLinkResolvesAndNoMnemonicMarkers()
    {
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        static const QRegularExpression marker(QStringLiteral("&\\w"));
        const QStringList pages = QDir(helpFolder()).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("contents.html")));
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        QSet<QString> reached;
        for (const QString &page : pages) {
            const QString text = readAll(helpFolder() + page);
            QTextDocument document;
            document.setHtml(text);
            const QString plain = document.toPlainText();
            const qsizetype at = plain.indexOf(marker);
            QVERIFY2(at < 0, qPrintable(page + ": " + plain.mid(at - 20, 40)));
            for (auto m = href.globalMatch(text); m.hasNext();) {
                const QString link = m.next().captured(1);
                const QString file = link.section(u'#', 0, 0);
                const QString anchor = link.section(u'#', 1);
                QVERIFY2(!file.contains(u':'), qPrintable(page + ": " + link));
                const QString target = file.isEmpty() ? page : file;
                QVERIFY2(pages.contains(target), qPrintable(page + ": " + link));
                if (!anchor.isEmpty())
                    QVERIFY2(readAll(helpFolder() + target)
                                 .contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                             qPrintable(page + ": " + link));
                reached << target;
            }
        }
        // The contents and the index lead to every page.
        for (const QString &page : pages)
            QVERIFY2(reached.contains(page), qPrintable(page));
    }

    void helpFileNamesTheFolderBesideIt()
    {
        for (const char *name : {"qmEditor.hlp", "qmEditor.HLP"}) {
            HelpViewer::setHelpFile(QStringLiteral("/opt/qm/") + QLatin1String(name));
            QCOMPARE(HelpViewer::pageFolder(), QStringLiteral("/opt/qm/help/"));
        }
        HelpViewer::setHelpFile(QString());
    }

    void helpWindowContentsIndexBackAndCase()
    {
        TempProgramFolder home(true);
        if (!QFileInfo::exists(home.filePath(QStringLiteral("help/contents.html"))))
            QSKIP("QMEDITOR_DATA holds no help pages");
        HelpViewer::setHelpFile(home.filePath(QStringLiteral("qmEditor.HLP")));
        HelpViewer::instance()->showTopic(QStringLiteral("hid_rndimagedlg"));
        QWidget *window = helpWindow();
        QVERIFY(window && window->isVisible());
        auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Random image wizard")));

        auto trigger = [window](const char *name) {
            window->findChild<QAction *>(QLatin1String(name))->trigger();
        };
        trigger("HelpIndex");
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Contents\nIndex")));
        trigger("HelpContents");
        QVERIFY(browser->toPlainText().contains(QStringLiteral("The main window")));
        QAction *back = window->findChild<QAction *>(QStringLiteral("HelpBack"));
        QVERIFY(back->isEnabled());
        trigger("HelpBack");
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Contents\nIndex")));
        trigger("HelpBack");
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Random image wizard")));

        // A link on a page leads to its page.
        HelpViewer::instance()->showContents();
        browser->setSource(QUrl(QStringLiteral("HID_TABLEDLG.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Table wizard")));

        HelpViewer::instance()->showTopic(QStringLiteral("HID_NOSUCHPAGE"));
        const QString text = browser->toPlainText();
        QVERIFY(text.contains(QStringLiteral("No help page for topic HID_NOSUCHPAGE")));
        QVERIFY(text.contains(QStringLiteral("The main window")));
        window->close();
        HelpViewer::setHelpFile(QString());
    }

    // Help asked for while a modal dialog is open: its links can be followed while the dialog
    // is open, and the page stays open after it.
    void helpBesideItsModalDialog()
    {
        TempProgramFolder home(true);
        HelpViewer::setHelpFile(home.filePath(QStringLiteral("qmEditor.HLP")));
        QDialog dialog;
        QString followed;
        QTimer::singleShot(0, [&] {
            HelpViewer::instance()->showTopic(QStringLiteral("HID_CLASSWIZDLG"));
            QWidget *window = helpWindow();
            if (QTest::qWaitForWindowExposed(window)) {
                auto *browser = window->findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
                clickLink(browser, QStringLiteral("contents.html"));
                followed = browser->source().fileName();
            }
            dialog.accept();
        });
        dialog.exec();
        QCOMPARE(followed, QStringLiteral("contents.html"));
        QWidget *window = helpWindow();
        QVERIFY(window && window->isVisible() && !window->parentWidget());
        window->close();
        HelpViewer::setHelpFile(QString());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
