#include "java/process/JavaCommandLine.h"

#include "java/process/ProcessRunner.h"

#include <QFileInfo>
#include <QProcess>

QString ToolCommand::displayText() const
{
    return ProcessRunner::commandLineText(program, arguments);
}

namespace JavaCommandLine {

QString toolPath(const QString &javaBinDir, const QString &tool)
{
    QString dir = javaBinDir.trimmed();
    dir.replace(u'\\', u'/');
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    if (dir == QStringLiteral("/"))
        return dir + tool;
    return dir + u'/' + tool;
}

QString classPath(const QString &setting)
{
    const QString t = setting.trimmed();
    if (t.compare(QStringLiteral("C:\\;."), Qt::CaseInsensitive) == 0)
        return QStringLiteral(".");
    QString path = t;
    path.replace(u';', u':');
    return path;
}

QStringList compilerOptions(const QString &debugGenOptions)
{
    QStringList options = QProcess::splitCommand(debugGenOptions);
    options.removeAll(QStringLiteral("-g:"));
    return options;
}

ToolCommand javac(const QString &javaBinDir, const QString &debugGenOptions,
                  const QString &classPathDir, const QString &documentFileName)
{
    const QFileInfo file(documentFileName);
    ToolCommand cmd;
    cmd.program = toolPath(javaBinDir, QStringLiteral("javac"));
    cmd.folder = file.absolutePath();
    if (!debugGenOptions.trimmed().isEmpty()) {
        cmd.arguments = compilerOptions(debugGenOptions);
        cmd.arguments << QStringLiteral("-classpath") << classPath(classPathDir);
    }
    cmd.arguments << file.fileName();
    return cmd;
}

ToolCommand jdb(const QString &javaBinDir, const QString &classPathDir,
                const QString &documentFileName, const QString &mainClass)
{
    ToolCommand cmd;
    cmd.program = toolPath(javaBinDir, QStringLiteral("jdb"));
    if (!documentFileName.isEmpty())
        cmd.folder = QFileInfo(documentFileName).absolutePath();
    // An empty class path would leave the program's VM without one: jdb's own default, ".",
    // serves instead.
    const QString path = classPath(classPathDir);
    if (!path.isEmpty())
        cmd.arguments << QStringLiteral("-classpath") << path;
    if (!mainClass.isEmpty())
        cmd.arguments << mainClass;
    return cmd;
}

} // namespace JavaCommandLine
