#pragma once

// Shared by the fuzz targets under tests/fuzz/<target>/fuzz.cpp. Each target defines
// LLVMFuzzerTestOneInput; `make fuzz` links it with libFuzzer (and the address and
// undefined-behaviour sanitizers), the plain build with ReplayMain.cpp, which feeds it every
// file of the target's corpus and runs as a test.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

// The input as bytes (deep copy: the fuzzer's buffer is not ours to keep).
QByteArray bytes(const uint8_t *data, size_t size);

// The input written to a file of the process's own temporary folder (name is the file's
// name there); the path is returned. The same name is reused from input to input.
QString file(const QByteArray &content, const QString &name = QStringLiteral("input"));

// Removes a file written by file().
void remove(const QString &path);

// A Qt application for targets that need one (fonts, lexers); made once, offscreen.
void needApplication();

// Splits the input at the first byte 0xFF-or-NUL separator into up to count parts.
QList<QByteArray> parts(const QByteArray &input, int count);

// Aborts with a message: a broken invariant is a finding like a crash.
[[noreturn]] void fail(const char *what, const QString &detail = QString());

inline void check(bool ok, const char *what, const QString &detail = QString())
{
    if (!ok)
        fail(what, detail);
}

} // namespace Fuzz
