#pragma once

#include <QString>
#include <QStringList>

// A Java tool to start: the program, its arguments and the folder it runs in.
struct ToolCommand {
    QString program;
    QStringList arguments;
    QString folder;

    // The command line as text for the log and for messages.
    QString displayText() const;
};

// The command lines of the Java tools, built from the "CompilerOptions" settings.
namespace JavaCommandLine {

// The tool in the Java folder: "<javaBinDir>/<tool>" (one separator, "\" taken as "/").
QString toolPath(const QString &javaBinDir, const QString &tool);

// The class path setting as the tools take it here: the old default "C:\;." is ".", and
// a ";" separates entries like ":".
QString classPath(const QString &setting);

// The compiler options as separate arguments. A bare "-g:" (no kind of debugging
// information chosen) is dropped: it is no valid option.
QStringList compilerOptions(const QString &debugGenOptions);

// javac for the document: <javaBinDir>/javac [options -classpath <class path>] <bare name>,
// run in the document's folder. The class path goes with the options only when the
// options setting is not empty.
ToolCommand javac(const QString &javaBinDir, const QString &debugGenOptions,
                  const QString &classPathDir, const QString &documentFileName);

// jdb for the document's main class: <javaBinDir>/jdb -classpath <class path> <main class>,
// run in the document's folder (jdb looks for the class from there). An empty class path or
// main class is left out.
ToolCommand jdb(const QString &javaBinDir, const QString &classPathDir,
                const QString &documentFileName, const QString &mainClass);

} // namespace JavaCommandLine
