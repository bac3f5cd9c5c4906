// Time of one as-you-type underline pass over a screenful of an editor, with the shipped
// English dictionary.
#include "editor/EditorAdapter.h"
#include "editor/highlighting/Highlighter.h"
#include "spelling/DrawAutoSpellCheckPlugin.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckSetup.h"

#include <QApplication>
#include <QElapsedTimer>
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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
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
    return 0;
}
