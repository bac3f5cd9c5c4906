// Speed and memory of the spell checker with the shipped English dictionary:
// load time, memory held, lookups per second on a 1 MB text, suggestion time per word.
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckSetup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

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

long residentKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * 4 : 0;
}

TSpellCheck *newChecker(QObject *parent)
{
    TSpellCheck *c = SpellCheckSetup::createMainSpellChecker(parent);
    c->setDictionaryPath(dictionaryFolder());
    c->setUserDirectory(dictionaryFolder());
    return c;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A misspelling: one letter replaced, dropped or doubled.
QString misspell(const QString &w, QRandomGenerator &rng)
{
    QString s = w;
    const int at = int(rng.bounded(int(s.size())));
    switch (rng.bounded(3)) {
    case 0: s[at] = QChar(u'a' + rng.bounded(26)); break;
    case 1:
        if (s.size() > 2)
            s.remove(at, 1);
        break;
    default: s.insert(at, s.at(at));
    }
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::printf("dictionary folder: %s\n", qPrintable(dictionaryFolder()));

    // Load time, configured as the main window configures its checker (Soundex keys, made at
    // the first suggestion by sound).
    std::vector<double> loads;
    long rssBefore = 0, rssAfter = 0;
    std::size_t held = 0;
    int words = 0;
    for (int i = 0; i < 9; ++i) {
        QObject owner;
        rssBefore = residentKb();
        TSpellCheck *c = newChecker(&owner);
        QElapsedTimer t;
        t.start();
        QString error;
        if (!c->loadDictionary(QStringLiteral("English"), QString(), &error)) {
            std::printf("load failed: %s\n", qPrintable(error));
            return 1;
        }
        loads.push_back(t.nsecsElapsed() / 1e6);
        rssAfter = residentKb();
        held = c->wordList().memoryBytes();
        words = c->wordList().size();
    }
    std::printf("words: %d\n", words);
    std::printf("load time: median %.2f ms, min %.2f ms (target < 60 ms)\n", median(loads),
                *std::min_element(loads.begin(), loads.end()));
    std::printf("memory held by the word list: %.2f MB (process grew %.2f MB on the last load)\n",
                held / 1048576.0, (rssAfter - rssBefore) / 1024.0);

    QObject owner;
    TSpellCheck *c = newChecker(&owner);
    c->loadDictionary(QStringLiteral("English"));

    // A 1 MB text of dictionary words, one in ten misspelled, some capitalised.
    QRandomGenerator rng(12345);
    const WordList &list = c->wordList();
    QString text;
    std::vector<QString> unknown;
    while (text.size() < 1024 * 1024) {
        QString w = list.word(int(rng.bounded(list.size()))).toString();
        if (rng.bounded(10) == 0) {
            w = misspell(w, rng);
            if (!c->isWordCorrect(w) && unknown.size() < 200)
                unknown.push_back(w);
        }
        if (rng.bounded(8) == 0)
            w[0] = w.at(0).toUpper();
        text += w;
        text += rng.bounded(12) == 0 ? QStringLiteral(".\n") : QStringLiteral(" ");
    }

    // Words as the underline and the document check cut them: runs of word characters.
    std::vector<QStringView> tokens;
    const QStringView all(text);
    for (qsizetype i = 0; i < all.size();) {
        while (i < all.size() && !c->isWordChar(all[i]))
            ++i;
        qsizetype j = i;
        while (j < all.size() && c->isWordChar(all[j]))
            ++j;
        if (j > i)
            tokens.push_back(all.mid(i, j - i));
        i = j;
    }

    std::vector<double> rates;
    int wrong = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        wrong = 0;
        for (const QStringView &w : tokens)
            wrong += c->isWordCorrect(w) ? 0 : 1;
        rates.push_back(tokens.size() / (t.nsecsElapsed() / 1e9));
    }
    std::printf("lookups on a %.2f MB text: %zu words, %d unknown, median %.2f million/s "
                "(target >= 2 million/s)\n",
                text.toUtf8().size() / 1048576.0, tokens.size(), wrong, median(rates) / 1e6);

    // Cutting the words and testing them, as one pass over the text.
    {
        QElapsedTimer t;
        t.start();
        int n = 0;
        for (qsizetype i = 0; i < all.size();) {
            while (i < all.size() && !c->isWordChar(all[i]))
                ++i;
            qsizetype j = i;
            while (j < all.size() && c->isWordChar(all[j]))
                ++j;
            if (j > i && !c->isWordCorrect(all.mid(i, j - i)))
                ++n;
            i = j;
        }
        std::printf("cutting and testing the whole text: %.2f ms (%d unknown)\n",
                    t.nsecsElapsed() / 1e6, n);
    }

    // Suggestions for unknown words, under both ways of the checker.
    for (const auto algo :
         {TSpellCheck::haSoundEx, TSpellCheck::haMetaphone, TSpellCheck::haDiff}) {
        QElapsedTimer keys;
        keys.start();
        c->setAlgorithm(algo);
        c->wordList().soundKey(0); // the keys are made when one is first read
        const double keyMs = keys.nsecsElapsed() / 1e6;
        std::vector<double> times;
        std::size_t offered = 0;
        for (const QString &w : unknown) {
            QStringList s;
            QElapsedTimer t;
            t.start();
            c->collectSuggestions(w, &s);
            times.push_back(t.nsecsElapsed() / 1e6);
            offered += size_t(s.size());
        }
        const char *name = algo == TSpellCheck::haSoundEx ? "Soundex"
            : algo == TSpellCheck::haMetaphone            ? "metaphone"
                                                          : "edit distance";
        std::printf("suggestions by %s over %zu unknown words: median %.3f ms, max %.3f ms, "
                    "%.1f offered on average (target < 5 ms); keys made in %.1f ms\n",
                    name, unknown.size(), median(times),
                    *std::max_element(times.begin(), times.end()), double(offered) / unknown.size(),
                    keyMs);
    }
    return 0;
}
