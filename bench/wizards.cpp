// The list wizards' import and the table wizard's largest table: ImportLines on a 5 MB
// rich-text file and a 10 MB text file, and the text of a 1000 x 1000 table. Medians of 5 runs.
#include "html/text/ImportLines.h"
#include "html/text/WizardTexts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(const std::function<void()> &run)
{
    std::vector<qint64> ns;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        ns.push_back(t.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

// A word processor's kind of file: tables up front, then styled paragraphs with escapes.
QByteArray richText(qsizetype size)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                     "{\\f1\\froman Times New Roman;}}{\\colortbl;\\red255\\green0\\blue0;}"
                     "{\\*\\generator Bench;}{\\info{\\title Entries}}\\viewkind4\\uc1\n";
    for (int n = 0; rtf.size() < size; ++n)
        rtf += "\\pard\\f0\\fs20 Entry " + QByteArray::number(n)
            + " {\\b caf\\'e9} \\u8364? {\\i\\cf1 na\\'efve} text\\par\n";
    return rtf + "}";
}

QByteArray plainText(qsizetype size)
{
    QByteArray text;
    text.reserve(size + 100);
    for (int n = 0; text.size() < size; ++n)
        text += "Entry number " + QByteArray::number(n) + " of the list\r\n"
            + (n % 10 == 0 ? "\r\n" : "");
    return text;
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString rtf = write(dir, "entries.rtf", richText(5 * 1024 * 1024));
    const QString txt = write(dir, "entries.txt", plainText(10 * 1024 * 1024));

    qsizetype rtfLines = 0;
    qsizetype txtLines = 0;
    qsizetype tableSize = 0;
    const double rtfMs = medianMs([&] {
        QStringList lines;
        ImportLines::read(rtf, lines);
        rtfLines = lines.size();
    });
    const double txtMs = medianMs([&] {
        QStringList lines;
        ImportLines::read(txt, lines);
        txtLines = lines.size();
    });
    WizardTexts::TableFields largest;
    largest.rows = QStringLiteral("1000");
    largest.columns = QStringLiteral("1000");
    const double tableMs = medianMs([&] {
        QString text;
        WizardTexts::table(largest, QStringLiteral("    "), text, nullptr);
        tableSize = text.size();
    });

    std::printf("import of a 5 MB rich-text file (%lld lines):  %.1f ms (target < 1000 ms)\n",
                static_cast<long long>(rtfLines), rtfMs);
    std::printf("import of a 10 MB text file (%lld lines):      %.1f ms (target < 1000 ms)\n",
                static_cast<long long>(txtLines), txtMs);
    std::printf("text of a 1000 x 1000 table (%lld characters): %.1f ms (target < 1000 ms)\n",
                static_cast<long long>(tableSize), tableMs);
    return 0;
}
