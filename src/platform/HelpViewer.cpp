#include "HelpViewer.h"

#include "AppPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

// Our help window: one browser over the pages in data/help/, shown beside the program.
class HelpWindow : public QTextBrowser
{
public:
    HelpWindow()
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("Help"));
        setOpenExternalLinks(true);
        resize(640, 520);
    }

    void showPage(const QString &page)
    {
        const QString folder = AppPaths::dataPath(QStringLiteral("help/"));
        setSearchPaths({folder});
        const QString fileName = folder + page + QStringLiteral(".html");
        if (QFileInfo(fileName).isFile()) {
            setSource(QUrl::fromLocalFile(fileName));
        } else {
            clearHistory();
            setHtml(QStringLiteral(
                        "<html><body><h3>Help</h3><p>No help page for topic %1</p></body></html>")
                        .arg(page.toHtmlEscaped()));
        }
        show();
        raise();
        activateWindow();
    }
};

class BrowserHelpViewer : public HelpViewer
{
public:
    void showTopic(const QString &topic) override { window()->showPage(topic); }
    void showContents() override { window()->showPage(QStringLiteral("contents")); }
    void showIndex() override { window()->showPage(QStringLiteral("index")); }

private:
    HelpWindow *window()
    {
        if (!m_window) {
            m_window = new HelpWindow;
            // A top-level window of its own; it goes with the application.
            HelpWindow *w = m_window;
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, w,
                             [w] { delete w; });
        }
        return m_window;
    }

    QPointer<HelpWindow> m_window;
};

HelpViewer *installed = nullptr;

} // namespace

HelpViewer *HelpViewer::instance()
{
    static BrowserHelpViewer browserViewer;
    return installed ? installed : &browserViewer;
}

void HelpViewer::setInstance(HelpViewer *h)
{
    installed = h;
}
