// A 4 MB file of a user-defined language: opened in the main window and shown highlighted
// (the visible part) against a bare QScintilla window showing the same file; the jump to its
// end, which styles all of it; and the activation of its window while the language file is
// unchanged, which re-reads the file and restyles nothing.
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int FourMegabytes = 4 * 1024 * 1024;

QByteArray makeSource()
{
    QByteArray text;
    int n = 0;
    while (text.size() < FourMegabytes) {
        const QByteArray i = QByteArray::number(n++);
        text += "/* routine " + i + "\n   spread over two lines */\n";
        text += "procedure Step" + i + "(count: integer; name: string);\n";
        text += "begin\n  if count > " + i + " then // a line comment\n";
        text += "    WriteLn(\"step " + i + " of many\", count * 2.5);\n";
        text += "  else\n    Halt(0x1F);\nend;\n\n";
    }
    return text;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

double timeMs(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

bool write(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void waitExposed(QWidget *w)
{
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

long endStyled(QsciScintilla *sci)
{
    return sci->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("QMEDITOR_HOME", QFile::encodeName(home.path()));
    QDir(home.path()).mkpath(QStringLiteral("customlang"));
    const QString file = home.filePath(QStringLiteral("big.foo"));
    const QByteArray source = makeSource();
    if (!write(home.filePath(QStringLiteral("qmEditor.ini")), "[Tips]\r\ndoShow=0\r\n")
        || !write(home.filePath(QStringLiteral("customlang/toc.ini")),
                  "[CustomLanguages]\r\nCount=1\r\n1=Foo\r\n")
        || !write(home.filePath(QStringLiteral("customlang/Foo.ini")),
                  "[FileInfo]\r\nFileExt=*.foo\r\n[CommentTypes]\r\nCComments=1\r\n"
                  "[Keywords]\r\nKeyWordsCount=8\r\n0=procedure\r\n1=begin\r\n2=end\r\n"
                  "3=if\r\n4=then\r\n5=else\r\n6=integer\r\n7=string\r\n")
        || !write(file, source))
        return 2;
    const QRect screen = QApplication::primaryScreen()->availableGeometry();

    // A bare QScintilla window: the file read and shown, nothing styled.
    QList<double> bare;
    for (int run = 0; run < 5; ++run) {
        QsciScintilla sci;
        sci.setGeometry(screen);
        sci.show();
        waitExposed(&sci);
        bare << timeMs([&] {
            QFile f(file);
            f.open(QIODevice::ReadOnly);
            sci.setText(QString::fromUtf8(f.readAll()));
            sci.viewport()->repaint();
        });
    }

    TMainForm window({}, makeFeatures());
    window.setGeometry(screen);
    window.show();
    waitExposed(&window);
    QList<double> open, jump, activate;
    TEditForm *other = window.LoadFile(file); // a first run, not counted
    other->close();
    QCoreApplication::processEvents();
    for (int run = 0; run < 5; ++run) {
        TEditForm *w = nullptr;
        open << timeMs([&] {
            w = window.LoadFile(file);
            w->subWindow()->showMaximized();
            QCoreApplication::processEvents();
            w->editor()->widget()->repaint();
        });
        auto *sci = qobject_cast<QsciScintilla *>(w->editor()->widget());
        const long styledAfterOpen = endStyled(sci);
        jump << timeMs([&] {
            w->editor()->setCaret(w->editor()->lineCount(), 1);
            sci->viewport()->repaint();
        });
        if (run == 0)
            std::printf("styled after opening: %ld of %ld bytes; after the jump: %ld\n",
                        styledAfterOpen, long(sci->length()), endStyled(sci));
        const long styled = endStyled(sci);
        activate << timeMs([&] { w->FormActivate(); });
        if (endStyled(sci) != styled)
            std::printf("activation restyled the document\n");
        w->IsModified = false;
        w->close();
        QCoreApplication::processEvents();
    }

    const double ratio = median(open) / median(bare);
    std::printf("4 MB user-language file (%d lines): bare QScintilla shown %.1f ms; main window "
                "LoadFile shown and highlighted %.1f ms (%.2fx; target < 2x)\n",
                int(source.count('\n')), median(bare), median(open), ratio);
    std::printf("jump to the end, styling it all: %.1f ms (target < 250 ms)\n", median(jump));
    std::printf("activation with the language file unchanged: %.3f ms (target < 2 ms)\n",
                median(activate));
    const bool ok = ratio < 2 && median(jump) < 250 && median(activate) < 2;
    std::printf("(median of 5) %s\n", ok ? "within limits" : "OVER LIMIT");
    return ok ? 0 : 1;
}
