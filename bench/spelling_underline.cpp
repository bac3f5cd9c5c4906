// Time of one as-you-type underline pass over a screenful of an editor, with the shipped
// English dictionary; and of a key typed at the end of one long line of unknown words (as
// minified script or data looks), with the underline on and off.
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString dictionaryFolder()
{
    const QString data = qEnvironmentVariable("QMEDITOR_DATA");
    if (!data.isEmpty())
        return data + QStringLiteral("/dictionaries/");
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/dictionaries/");
}

double passTime(TDrawAutoSpellCheckPlugin *plugin, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        plugin->refresh();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One line of about `bytes` bytes: made-up words of three to nine letters between blanks
// and punctuation.
QString longLine(int bytes)
{
    QRandomGenerator rng(11);
    const QString separators = QStringLiteral(" ,;.(){}=:");
    QString line;
    line.reserve(bytes + 16);
    while (line.size() < bytes) {
        const int length = 3 + int(rng.bounded(7));
        for (int i = 0; i < length; ++i)
            line += QChar(u'a' + int(rng.bounded(26)));
        line += separators.at(int(rng.bounded(int(separators.size()))));
    }
    return line;
}

// A key typed at the end of the one-line document, with the underline pass and the repaint
// that follow it: the median of seven, in milliseconds.
double keyAtEnd(EditorAdapter *editor, TSpellCheck *checker, const QString &line, bool underline)
{
    checker->setOption(TSpellCheck::sscoAutoSpellCheck, underline);
    editor->setText(line);
    editor->setCaret(1, int(line.size()) + 1);
    editor->ensureCaretVisible();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(editor->widget(), &press);
        QCoreApplication::sendEvent(editor->widget(), &release);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QWidget window;
    window.resize(1600, 1000);
    TSpellCheck *checker = SpellCheckSetup::createMainSpellChecker(&window);
    checker->setDictionaryPath(dictionaryFolder());
    checker->setUserDirectory(dictionaryFolder());
    QString error;
    if (!checker->loadDictionary(QStringLiteral("English"), QString(), &error)) {
        std::printf("load failed: %s\n", qPrintable(error));
        return 1;
    }

    // Lines of about a hundred characters, one word in ten misspelled.
    QRandomGenerator rng(7);
    const WordList &words = checker->wordList();
    QStringList lines;
    for (int l = 0; l < 400; ++l) {
        QString line;
        while (line.size() < 100) {
            QString w = words.word(int(rng.bounded(words.size()))).toString();
            if (rng.bounded(10) == 0)
                w.insert(int(rng.bounded(int(w.size()))), u'q');
            line += w + (rng.bounded(10) == 0 ? QStringLiteral(", ") : QStringLiteral(" "));
        }
        lines.append(line);
    }

    auto *editor = new EditorAdapter(&window);
    editor->widget()->setGeometry(0, 0, 1600, 1000);
    window.show();
    app.processEvents();
    editor->setText(lines.join(u'\n'));
    checker->setEditor(editor);
    app.processEvents();
    TDrawAutoSpellCheckPlugin *plugin = checker->currentPlugin();

    plugin->refresh();
    std::printf("screenful: %d lines of about 100 characters, %lld unknown words underlined\n",
                editor->linesOnScreen(), static_cast<long long>(plugin->underlined().size()));
    std::printf("underline pass, plain text: median %.3f ms (target < 2 ms)\n",
                passTime(plugin, 50));

    Highlighter java(Highlighter::Java);
    QStringList commented;
    for (const QString &l : lines)
        commented.append(QStringLiteral("    // ") + l);
    editor->setHighlighter(&java);
    editor->setText(commented.join(u'\n'));
    app.processEvents();
    std::printf("underline pass, Java comments (attribute test per word): median %.3f ms "
                "(target < 2 ms)\n",
                passTime(plugin, 50));
    editor->setHighlighter(nullptr);

    for (const int kb : {256, 1024}) {
        const QString line = longLine(kb * 1024);
        const double off = keyAtEnd(editor, checker, line, false);
        const double on = keyAtEnd(editor, checker, line, true);
        const double pass = passTime(plugin, 20);
        std::printf("key at the end of a %d KB line: underline off %.1f ms, on %.1f ms "
                    "(target: on < off + 50 ms); the pass alone %.3f ms, %lld words underlined\n",
                    kb, off, on, pass, static_cast<long long>(plugin->underlined().size()));
    }
    return 0;
}
