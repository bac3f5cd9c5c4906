// Our applet viewer on a real display (Xvfb): a run of an applet document opens a window of
// the page's size titled with the class, the applet paints in it, and closing the window
// stops and destroys the applet, ends the viewer and removes the page.

#include "FakePrompter.h"
#include "FakeShell.h"
#include "RunTestKit.h"
#include "java/run/AppletPageRun.h"
#include "java/run/RunJava.h"

#include <QImage>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/prctl.h>

namespace {

// Paints a red block on white; logs its life cycle; closes its window as a user would when
// the file "close.now" appears beside it.
const char *const PaintApplet = R"(import java.applet.Applet;
import java.awt.*;
import java.awt.event.WindowEvent;
import java.io.*;
public class Hello extends Applet {
    private void log(String what) {
        try (FileWriter w = new FileWriter(new File(getCodeBase().getPath(), "life.log"), true)) {
            w.write(what + " ");
        } catch (IOException e) { }
    }
    public void init() { setBackground(Color.white); log("init"); }
    public void start() {
        log("start");
        final File close = new File(getCodeBase().getPath(), "close.now");
        Thread watcher = new Thread(() -> {
            while (!close.exists()) {
                try { Thread.sleep(50); } catch (InterruptedException e) { return; }
            }
            Window w = (Window) getParent();
            w.dispatchEvent(new WindowEvent(w, WindowEvent.WINDOW_CLOSING));
        });
        watcher.setDaemon(true);
        watcher.start();
    }
    public void stop() { log("stop"); }
    public void destroy() { log("destroy"); }
    public void paint(Graphics g) {
        g.setColor(Color.red);
        g.fillRect(20, 20, 200, 100);
    }
}
)";

// An X server of our own, gone with this object, and with this process should it die first.
// It picks a free display itself (-displayfd) and names it once it accepts connections. It
// never resets: by default an X server resets when its last client leaves, and drops a client
// connecting meanwhile (the viewer's JVM while a poll of xwininfo ends).
class Xvfb
{
public:
    // False, with the server's complaint in error, when it did not start.
    bool start(QString *error)
    {
        m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1024x768x24")});
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(ProcessWait))
            number += m_server.readAllStandardOutput();
        m_display = u':' + QString::fromLatin1(number.trimmed());
        if (number.contains('\n') && m_display.size() > 1)
            return true;
        *error = QStringLiteral("Xvfb did not start: ") + m_server.errorString() + u'\n'
            + QString::fromLocal8Bit(m_server.readAllStandardError());
        return false;
    }
    ~Xvfb()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(ProcessWait))
            m_server.kill();
    }
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(ProcessWait);
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
        ? QString::fromLocal8Bit(p.readAllStandardOutput())
        : QString();
}

int field(const QString &info, const QString &name)
{
    const QRegularExpression re(QRegularExpression::escape(name) + QStringLiteral(":\\s*(-?\\d+)"));
    const QRegularExpressionMatch m = re.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// An XWD dump of a 24/32-bit true-colour screen as an image.
QImage readXwd(const QByteArray &data)
{
    if (data.size() < 100)
        return {};
    auto header = [&](int i) { return qFromBigEndian<quint32>(data.constData() + 4 * i); };
    const quint32 headerSize = header(0), width = header(4), height = header(5);
    const quint32 byteOrder = header(7), bitsPerPixel = header(11), bytesPerLine = header(12);
    const quint32 masks[3] = {header(14), header(15), header(16)};
    const quint32 colors = header(19);
    const qint64 offset = qint64(headerSize) + qint64(colors) * 12;
    if (bitsPerPixel != 32 || offset + qint64(bytesPerLine) * height > data.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y) {
        const char *row = data.constData() + offset + qint64(y) * bytesPerLine;
        for (quint32 x = 0; x < width; ++x) {
            const quint32 p = byteOrder == 0 ? qFromLittleEndian<quint32>(row + 4 * x)
                                             : qFromBigEndian<quint32>(row + 4 * x);
            int rgb[3];
            for (int c = 0; c < 3; ++c)
                rgb[c] = int((p & masks[c]) >> qCountTrailingZeroBits(masks[c]));
            image.setPixel(int(x), int(y), qRgb(rgb[0], rgb[1], rgb[2]));
        }
    }
    return image;
}

// The screen kept for a look after a failure, in a file of its own.
QString keepScreen(const QImage &shot)
{
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("qmeditor-appletviewer-XXXXXX.png")));
    file.setAutoRemove(false);
    if (shot.isNull() || !file.open() || !shot.save(&file, "PNG"))
        return QStringLiteral("no screen shot");
    return QStringLiteral("the screen: ") + file.fileName();
}

QString viewerDir()
{
    const QString data = qEnvironmentVariable("QMEDITOR_DATA");
    return data.isEmpty() ? RunJava::defaultAppletViewerDir()
                          : data + QStringLiteral("/appletviewer");
}

} // namespace

class TestAppletViewer : public QObject
{
    Q_OBJECT
private slots:
    void appletRunsInOurViewer();
};

void TestAppletViewer::appletRunsInOurViewer()
{
    const QString jdk = RunTestKit::jdkBinDir();
    if (jdk.isEmpty())
        QSKIP("no JDK");
    if (QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xwd")).isEmpty())
        QSKIP("xwininfo and xwd are needed");
    QVERIFY2(
        QFile::exists(viewerDir() + QStringLiteral("/quillmarsh/appletviewer/AppletViewer.class")),
        "the applet viewer is not built");
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        QSKIP("Xvfb is needed");
    Xvfb xvfb;
    QString xvfbError;
    QVERIFY2(xvfb.start(&xvfbError), qPrintable(xvfbError));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString error = RunTestKit::compileJava(dir.path(), QStringLiteral("Hello"), PaintApplet);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const QByteArray previousDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", xvfb.display().toLocal8Bit()); // inherited by the viewer
    FakeShell shell;
    FakePrompter prompter;
    QWidget owner;
    RunJava runJava(&owner, shell, prompter);
    runJava.setAppletViewerDir(viewerDir());
    const RunJava::Result result = runJava.run(dir.filePath(QStringLiteral("Hello.java")),
                                               QStringLiteral("public class Hello {}"),
                                               {jdk, {}, false}, RunJava::Origin::RunCommand);
    qputenv("DISPLAY", previousDisplay);
    QVERIFY(prompter.calls.isEmpty());
    QVERIFY(result.applet);
    QPointer<AppletPageRun> run = result.applet;
    QSignalSpy finished(run.data(), &AppletPageRun::finished);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("tmp.htm"))));

    // The window: titled with the class, the page's size (the viewer still running).
    QString info;
    const QStringList query {QStringLiteral("-display"), xvfb.display(), QStringLiteral("-name"),
                             QStringLiteral("Applet Viewer: Hello.class")};
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty()
                                 || (info = runTool(QStringLiteral("xwininfo"), query))
                                        .contains(QStringLiteral("IsViewable")),
                             ProcessWait);
    QVERIFY2(finished.isEmpty(), "the viewer ended without showing its window");
    QCOMPARE(field(info, QStringLiteral("Width")), 500);
    QCOMPARE(field(info, QStringLiteral("Height")), 500);
    const int left = field(info, QStringLiteral("Absolute upper-left X"));
    const int top = field(info, QStringLiteral("Absolute upper-left Y"));

    // What the applet paints: a red block on white.
    const QString dump = dir.filePath(QStringLiteral("screen.xwd"));
    QImage shot;
    const QPoint inBlock(left + 120, top + 70), outside(left + 300, top + 300);
    auto redBlockShown = [&] {
        return QProcess::execute(QStringLiteral("xwd"),
                                 {QStringLiteral("-display"), xvfb.display(),
                                  QStringLiteral("-root"), QStringLiteral("-silent"),
                                  QStringLiteral("-out"), dump})
            == 0
            && !(shot = readXwd(RunTestKit::readFile(dump))).isNull()
            && shot.pixelColor(inBlock) == QColor(Qt::red);
    };
    const QDeadlineTimer painting(ProcessWait);
    bool painted = false;
    while (!(painted = redBlockShown()) && !painting.hasExpired())
        QTest::qWait(50);
    if (!painted)
        QFAIL(qPrintable(QStringLiteral("no red block where the applet paints it; ")
                         + keepScreen(shot)));
    if (shot.pixelColor(outside) != QColor(Qt::white))
        QFAIL(qPrintable(shot.pixelColor(outside).name()
                         + QStringLiteral(" beside the block, not white; ") + keepScreen(shot)));

    // Closing the window ends the applet's life and the run; the page goes.
    QVERIFY(RunTestKit::writeFile(dir.filePath(QStringLiteral("close.now")), ""));
    QVERIFY(finished.count() == 1 || finished.wait(ProcessWait));
    QCOMPARE(RunTestKit::readFile(dir.filePath(QStringLiteral("life.log"))),
             QByteArray("init start stop destroy "));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("tmp.htm"))));
}

QTEST_MAIN(TestAppletViewer)
#include "tst_appletviewer.moc"
