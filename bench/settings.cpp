// The settings file: the Options dialog's OK writes some 170 keys. As one batch they reach
// the file in one replace; each write on its own rewrites the file. Medians of 15 runs.
#include "settings/store/AppSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Keys = 170;

// Writes like the dialog's: the table's keys, then numbered ones up to Keys.
void writeAll(AppSettings &settings, int round)
{
    int n = 0;
    for (Settings::Key key : Settings::allKeys()) {
        settings.setText(key, QString::number(round));
        ++n;
    }
    for (; n < Keys; ++n)
        settings.writeInteger(QStringLiteral("Extra"), QString::number(n), round);
}

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    AppSettings settings(dir.filePath(QStringLiteral("qmEditor.ini")));
    writeAll(settings, 0); // the file as after a first OK

    std::vector<qint64> batched, single;
    for (int round = 1; round <= 15; ++round) {
        QElapsedTimer t;
        t.start();
        {
            AppSettings::Batch batch(settings);
            writeAll(settings, round);
        }
        batched.push_back(t.nsecsElapsed());
        t.restart();
        writeAll(settings, round + 100);
        single.push_back(t.nsecsElapsed());
    }
    std::printf("%d settings writes as one batch: %.2f ms (target < 20 ms)\n", Keys,
                medianMs(batched));
    std::printf("%d settings writes one by one:   %.2f ms\n", Keys, medianMs(single));
    return 0;
}
