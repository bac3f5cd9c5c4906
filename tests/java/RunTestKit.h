#pragma once

// Helpers for the run tests: the JDK's folder, compiling small Java sources, scripts.

#include "ProcessWait.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace RunTestKit {

// The folder of the JDK's tools (java, javac), or empty when there is no JDK.
inline QString jdkBinDir()
{
    const QString jdk17 = QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin");
    if (QFileInfo(jdk17 + QStringLiteral("/javac")).isExecutable())
        return jdk17;
    const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"));
    return javac.isEmpty() ? QString()
                           : QFileInfo(QFileInfo(javac).canonicalFilePath()).absolutePath();
}

inline bool writeFile(const QString &fileName, const QByteArray &bytes,
                      QFile::Permissions extra = {})
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return false;
    f.close();
    return !extra || f.setPermissions(f.permissions() | extra);
}

inline QByteArray readFile(const QString &fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes <folder>/<className>.java and compiles it there; returns javac's complaints, empty on success.
inline QString compileJava(const QString &folder, const QString &className,
                           const QByteArray &source)
{
    const QString file = QDir(folder).filePath(className + QStringLiteral(".java"));
    if (!writeFile(file, source))
        return QStringLiteral("cannot write ") + file;
    QProcess javac;
    javac.setWorkingDirectory(folder);
    javac.setProcessChannelMode(QProcess::MergedChannels);
    javac.start(jdkBinDir() + QStringLiteral("/javac"),
                {QStringLiteral("-Xlint:-removal"), QStringLiteral("-nowarn"), file});
    if (!javac.waitForFinished(ProcessWait) || javac.exitCode() != 0)
        return QStringLiteral("javac failed: ") + QString::fromLocal8Bit(javac.readAll());
    return QString();
}

// A shell script made executable.
inline bool writeScript(const QString &fileName, const QByteArray &body)
{
    return writeFile(fileName, "#!/bin/sh\n" + body,
                     QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

} // namespace RunTestKit
