#include "java/run/RunJava.h"

#include "analysis/javasource/JavaScanner.h"
#include "java/process/JavaCommandLine.h"
#include "java/run/AppletPage.h"
#include "java/run/AppletPageRun.h"
#include "java/run/ConsoleWindow.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

const char *const ViewerClass = "quillmarsh.appletviewer.AppletViewer";

// The path of tool in the Java folder, or empty when the folder has no such program.
QString javaTool(const QString &javaBinDir, const QString &tool)
{
    if (javaBinDir.trimmed().isEmpty())
        return QString();
    const QFileInfo info(JavaCommandLine::toolPath(javaBinDir, tool));
    return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

QString documentFolder(const QString &documentFileName)
{
    return QFileInfo(documentFileName).absolutePath();
}

// The class name: the document's bare file name without its extension.
QString className(const QString &documentFileName)
{
    return Delphi::changeFileExt(Delphi::extractFileName(documentFileName), QString());
}

} // namespace

RunJava::RunJava(QWidget *owner, Shell &shell, Prompter &prompter)
    : m_owner(owner),
      m_shell(shell),
      m_prompter(prompter),
      m_appletViewerDir(defaultAppletViewerDir())
{}

QString RunJava::defaultAppletViewerDir()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("appletviewer"));
}

bool RunJava::FinnesMainFunc(const QString &documentText)
{
    return JavaScanner::containsMainCall(documentText, u" ");
}

QStringList RunJava::appletViewerCommand(const QString &javaBinDir) const
{
    const QString jdkViewer = javaTool(javaBinDir, QStringLiteral("appletviewer"));
    if (!jdkViewer.isEmpty())
        return {jdkViewer};
    const QString java = javaTool(javaBinDir, QStringLiteral("java"));
    if (java.isEmpty())
        return {};
    return {java, QStringLiteral("-classpath"), m_appletViewerDir,
            QString::fromLatin1(ViewerClass)};
}

RunJava::Result RunJava::run(const QString &documentFileName, const QString &documentText,
                             const RunJavaSettings &settings, Origin origin) const
{
    if (FinnesMainFunc(documentText))
        return runProgram(documentFileName, settings, origin);
    return runApplet(documentFileName, settings);
}

RunJava::Result RunJava::runProgram(const QString &documentFileName,
                                    const RunJavaSettings &settings, Origin origin) const
{
    Result result;
    const QString java = javaTool(settings.javaBinDir, QStringLiteral("java"));
    if (java.isEmpty()) {
        noJavaMessage(settings.javaBinDir);
        return result;
    }
    const QString folder = documentFolder(documentFileName);
    const QString cls = className(documentFileName);

    if (origin == Origin::CompileAndRun && settings.javaAppsInDosWindow) {
        const QStringList command {java, QStringLiteral("-classpath"),
                                   JavaCommandLine::classPath(settings.classPath), cls};
        result.terminal = m_shell.terminal(folder, command);
        if (!result.terminal)
            m_prompter.messageDlg(
                m_owner, QStringLiteral("Could not open a terminal window to run %1.").arg(cls),
                Prompter::Error, Prompter::OkButton);
        return result;
    }

    result.console =
        new TProgRunFrm(m_owner, Delphi::extractFileName(documentFileName), java, {cls}, folder);
    // One console per run, freed (with its program) when the user closes it.
    result.console->setAttribute(Qt::WA_DeleteOnClose);
    result.console->show();
    return result;
}

RunJava::Result RunJava::runApplet(const QString &documentFileName,
                                   const RunJavaSettings &settings) const
{
    Result result;
    const QStringList viewer = appletViewerCommand(settings.javaBinDir);
    if (viewer.isEmpty()) {
        noJavaMessage(settings.javaBinDir);
        return result;
    }
    const QString folder = documentFolder(documentFileName);
    auto *run = new AppletPageRun(m_owner);
    QString error;
    if (!run->start(folder, AppletPage::classFileName(documentFileName), viewer.first(),
                    viewer.mid(1), &error)) {
        delete run;
        m_prompter.messageDlg(m_owner,
                              QStringLiteral("Could not write the applet page in %1: %2")
                                  .arg(QDir::toNativeSeparators(folder), error),
                              Prompter::Error, Prompter::OkButton);
        return result;
    }
    result.applet = run;
    return result;
}

void RunJava::noJavaMessage(const QString &javaBinDir) const
{
    const QString text = javaBinDir.trimmed().isEmpty()
        ? QStringLiteral("No javabin catalog defined, don't know where to look for java. "
                         "Please specify the javabin catalog (can be found under "
                         "Edit->Options->Compiler)!")
        : QStringLiteral("There is no java program in the javabin catalog %1. Please check "
                         "the javabin catalog (can be found under Edit->Options->Compiler)!")
              .arg(QDir::toNativeSeparators(javaBinDir));
    m_prompter.messageBox(m_owner, QStringLiteral("Information"), text, Prompter::Information,
                          Prompter::OkButton);
}
