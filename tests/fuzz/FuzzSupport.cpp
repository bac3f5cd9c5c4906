#include "FuzzSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

namespace {

QTemporaryDir &folder()
{
    // FUZZ_TMPDIR when set (scripts/fuzz points it at a folder it removes afterwards: a
    // fuzzer's exit skips our clean-up), else /dev/shm when it is there, for many small
    // writes a second.
    const QString base = qEnvironmentVariableIsSet("FUZZ_TMPDIR")
        ? qEnvironmentVariable("FUZZ_TMPDIR")
        : QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm")
                                    : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/qmfuzz-XXXXXX"));
    return dir;
}

} // namespace

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

QString file(const QByteArray &content, const QString &name)
{
    const QString path = folder().filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        fail("cannot write the input file", path);
    return path;
}

void remove(const QString &path)
{
    QFile::remove(path);
}

void needApplication()
{
    // Made once and never destroyed: the process ends with it, and a QApplication torn
    // down among the static objects at exit would crash.
    static QApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
}

QList<QByteArray> parts(const QByteArray &input, int count)
{
    QList<QByteArray> out;
    qsizetype start = 0;
    while (int(out.size()) < count - 1) {
        qsizetype at = start;
        while (at < input.size() && input.at(at) != '\0' && input.at(at) != '\xFF')
            ++at;
        if (at >= input.size())
            break;
        out.append(input.mid(start, at - start));
        start = at + 1;
    }
    out.append(input.mid(start));
    while (int(out.size()) < count)
        out.append(QByteArray());
    return out;
}

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz invariant broken: %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace Fuzz
