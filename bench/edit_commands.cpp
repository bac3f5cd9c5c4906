// Find Next, Replace All, Indent and Unindent on a 4 MB Java file of 100,000 lines, in the main
// window as the user has it (shown, highlighted, the spelling underline on), each command with
// the repaint that follows it. Medians of five runs.
#include "ProgramFolder.h"
#include "app/Features.h"
#include "editor/EditorAdapter.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "shell/commands/DocumentSearch.h"
#include "shell/commands/SearchDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <Qsci/qscilexerjava.h>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Lines = 100000;

// 100,000 lines of about 42 bytes; "value" once on each, "lastLineMark" on the last only.
QString makeJavaFile(const QString &folder)
{
    const QString name = folder + QStringLiteral("/Big.java");
    QByteArray text;
    text.reserve(4400000);
    for (int i = 1; i < Lines; ++i) {
        QByteArray line = "    int value = count + " + QByteArray::number(i) + "; // note";
        text += line.leftJustified(41, ' ') + '\n';
    }
    text += "    int lastLineMark = value; // the end\n";
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        return QString();
    return name;
}

double medianMs(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// The command and the events it leaves (repaint, underline refresh), in milliseconds; the
// command alone into commandOnly.
double timed(const std::function<void()> &command, QList<double> *commandOnly = nullptr)
{
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    command();
    if (commandOnly)
        *commandOnly << t.nsecsElapsed() / 1e6;
    QCoreApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

// A bare QsciScintilla with the Java lexer, the same text and size: selecting the last line's
// word and the repaint that follows, for comparison.
double bareJump(const QByteArray &text, const QRect &geometry)
{
    QsciScintilla editor;
    editor.setUtf8(true);
    editor.setLexer(new QsciLexerJava(&editor));
    editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, uintptr_t(0), text.constData());
    editor.setGeometry(geometry);
    editor.show();
    QCoreApplication::processEvents();
    const long at = text.indexOf("lastLineMark");
    return timed([&] { editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, at, at + 12); });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    if (!useQuietProgramFolder(home))
        return 1;
    // The English dictionary, so the spelling underline runs as it does for the user.
    const QString data =
        qEnvironmentVariable("QMEDITOR_DATA", QCoreApplication::applicationDirPath() + "/../bin");
    QDir().mkpath(home.filePath(QStringLiteral("dictionaries")));
    QFile::copy(data + QStringLiteral("/dictionaries/english.1-0-0.dic"),
                home.filePath(QStringLiteral("dictionaries/english.1-0-0.dic")));
    const QString big = makeJavaFile(home.path());
    if (big.isEmpty())
        return 1;

    TMainForm window({QCoreApplication::applicationFilePath(), big}, makeFeatures());
    window.setGeometry(window.screen()->availableGeometry());
    window.show();
    while (!window.GetActiveEditor())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    TEditForm *doc = window.GetActiveEditor();
    EditorAdapter *editor = doc->editor();
    const QString original = editor->text();
    if (editor->lineCount() != Lines)
        return 2;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("document: %d lines, %lld bytes\n", editor->lineCount(),
                static_cast<long long>(original.toUtf8().size()));

    QList<double> find, findCommand, findStyled, findStyledCommand, replace, undo, indent, unindent;
    int changes = 0;
    int replacedLines = 0;
    for (int run = 0; run < 5; ++run) {
        // Freshly loaded: the highlighter has styled only the first screen.
        editor->setCaret(1, 1);
        doc->search()->findDialog()->setFindText(QStringLiteral("lastLineMark"));
        // Find next from the document's pop-up (the menu item waits for a first search).
        QAction *findNext = doc->popupAction(QStringLiteral("FindNext1"));
        find << timed([&] { findNext->trigger(); }, &findCommand);
        if (editor->caretLine() != Lines)
            return 3;
        // Again, with the text styled.
        editor->setCaret(1, 1);
        findStyled << timed([&] { findNext->trigger(); }, &findStyledCommand);

        editor->setCaret(1, 1);
        SearchDialog *d = doc->search()->replaceDialog();
        d->setFindText(QStringLiteral("value"));
        d->setReplaceText(QStringLiteral("amount"));
        changes = 0;
        const QMetaObject::Connection counting =
            QObject::connect(editor, &EditorAdapter::textChanged, [&changes] { ++changes; });
        replace << timed([&] { d->ReplaceAllClick(); });
        QObject::disconnect(counting);
        replacedLines = int(editor->text().count(QStringLiteral("amount")));

        undo << timed([&] { window.action("Undo1")->trigger(); });
        if (editor->text() != original)
            return 5;
        undo << timed([&] { window.action("Redo1")->trigger(); });

        editor->selectAll();
        indent << timed([&] { window.action("Indent1")->trigger(); });
        editor->selectAll();
        unindent << timed([&] { window.action("Unindent1")->trigger(); });
        if (editor->line(Lines) != QStringLiteral("   int lastLineMark = amount; // the end"))
            return 4;
        editor->setText(original);
    }
    std::printf("Find Next, line 1 to the last line:      %7.1f ms (target < 30 ms); "
                "with the repaint %.1f ms\n",
                medianMs(findCommand), medianMs(find));
    std::printf("  the same once the text is styled:      %7.1f ms; with the repaint %.1f ms\n",
                medianMs(findStyledCommand), medianMs(findStyled));
    QList<double> bare;
    for (int run = 0; run < 5; ++run)
        bare << bareJump(original.toUtf8(), editor->widget()->geometry());
    std::printf("  a bare QsciScintilla, selecting there:          with the repaint %.1f ms\n",
                medianMs(bare));
    std::printf("Replace All, %d replacements:        %7.1f ms (target < 1500 ms), "
                "change handlers run %d time(s)\n",
                replacedLines, medianMs(replace), changes);
    std::printf("Undo and redo of that Replace All:       %7.1f ms\n", medianMs(undo));
    std::printf("Indent of every line:                    %7.1f ms (target < 300 ms)\n",
                medianMs(indent));
    std::printf("Unindent of every line:                  %7.1f ms (target < 300 ms)\n",
                medianMs(unindent));
    return 0;
}
