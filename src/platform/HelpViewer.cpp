#include "platform/HelpViewer.h"

#include "platform/AppPaths.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString theHelpFile;

// Our help window: a tool bar (Contents, Index, Back) over one browser of the help pages.
// Shown while a modal dialog is open, it is a window of that dialog, so the dialog does not
// block it; when the dialog closes, it stays as it is, a window of its own again.
class HelpWindow : public QWidget
{
public:
    HelpWindow()
    {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("Help"));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto *bar = new QToolBar(this);
        bar->setObjectName(QStringLiteral("HelpToolBar"));
        layout->addWidget(bar);
        m_browser = new QTextBrowser(this);
        m_browser->setObjectName(QStringLiteral("HelpBrowser"));
        m_browser->setOpenExternalLinks(false);
        layout->addWidget(m_browser);

        QAction *contents = bar->addAction(QStringLiteral("Contents"));
        contents->setObjectName(QStringLiteral("HelpContents"));
        connect(contents, &QAction::triggered, this,
                [this] { showPage(QStringLiteral("contents")); });
        QAction *index = bar->addAction(QStringLiteral("Index"));
        index->setObjectName(QStringLiteral("HelpIndex"));
        connect(index, &QAction::triggered, this, [this] { showPage(QStringLiteral("index")); });
        QAction *back = bar->addAction(QStringLiteral("Back"));
        back->setObjectName(QStringLiteral("HelpBack"));
        back->setEnabled(false);
        connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
        connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        resize(680, 560);
    }

    // The topic's page, or the start page with a line naming a topic that has none.
    void showPage(const QString &topic)
    {
        const QString folder = HelpViewer::pageFolder();
        m_browser->setSearchPaths({folder});
        const QString fileName = HelpViewer::pageFile(folder, topic);
        if (!fileName.isEmpty()) {
            m_browser->setSource(QUrl::fromLocalFile(fileName));
        } else {
            const QString line = QStringLiteral("<p><b>No help page for topic %1</b></p>")
                                     .arg(topic.toHtmlEscaped());
            QString page;
            const QString start = HelpViewer::pageFile(folder, QStringLiteral("contents"));
            QFile file(start);
            if (!start.isEmpty() && file.open(QIODevice::ReadOnly))
                page = QString::fromUtf8(file.readAll());
            const int body = page.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
            const int bodyEnd = body < 0 ? -1 : page.indexOf(u'>', body);
            if (bodyEnd < 0)
                page = QStringLiteral("<html><body><h3>Help</h3>") + line
                    + QStringLiteral("</body></html>");
            else
                page.insert(bodyEnd + 1, line);
            m_browser->setHtml(page);
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != parentWidget())
            setOwner(modal);
        show();
        raise();
        activateWindow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A dialog hidden by its program (not minimized) has closed.
        if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous()) {
            QWidget *modal = QApplication::activeModalWidget();
            setOwner(modal && modal != watched && modal->isVisible() ? modal : nullptr);
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    // Makes the window a window of owner (nullptr: of its own), where it was, shown if it was.
    void setOwner(QWidget *owner)
    {
        const bool shown = isVisible();
        const QRect place = geometry();
        if (QWidget *previous = parentWidget())
            previous->removeEventFilter(this);
        setParent(owner, windowFlags() | Qt::Window);
        if (owner)
            owner->installEventFilter(this);
        if (shown) {
            setGeometry(place);
            show();
        }
    }

    QTextBrowser *m_browser;
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
            // Owned by no one (a dialog it is shown beside lets it go when it closes); it
            // goes with the application.
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

void HelpViewer::setHelpFile(const QString &fileName)
{
    theHelpFile = fileName;
}

QString HelpViewer::helpFile()
{
    return theHelpFile;
}

QString HelpViewer::pageFolder()
{
    if (theHelpFile.isEmpty())
        return AppPaths::dataPath(QStringLiteral("help/"));
    QString file = theHelpFile;
    file.replace(u'\\', u'/');
    return QFileInfo(file).absolutePath() + QStringLiteral("/help/");
}

QString HelpViewer::pageFile(const QString &folder, const QString &topic)
{
    if (topic.isEmpty())
        return QString();
    const QString wanted = topic + QStringLiteral(".html");
    const QString exact = folder + wanted;
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString &entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder + entry;
    return QString();
}
