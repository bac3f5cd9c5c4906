#pragma once

#include <QString>
#include <QStringList>

class AppletPageRun;
class Prompter;
class QWidget;
class Shell;
class TProgRunFrm;

// The settings a run reads.
struct RunJavaSettings {
    QString javaBinDir; // "CompilerOptions" "JavaBinDir": folder of java (and appletviewer)
    QString classPath;  // "CompilerOptions" "ClassPathDir"
    bool javaAppsInDosWindow = false; // "ApplicationOptions" "JavaAppsInDosWindow"
};

// Runs the compiled class of a Java document. A document whose text holds " main(" is a
// program: it runs under java in a new console window (TProgRunFrm), or, when the run comes
// from Compile and run and "JavaAppsInDosWindow" is on, in a terminal window opened in the
// document's folder. Any other document is an applet: an applet page is written beside the
// class and the applet viewer runs on it — <JavaBinDir>/appletviewer when the JDK has one,
// else our own viewer shipped beside the executable — and the page is removed afterwards.
class RunJava
{
public:
    enum class Origin { RunCommand, CompileAndRun };

    // What a run started; all null/false when it stopped with a message.
    struct Result {
        TProgRunFrm *console = nullptr;  // owned by the owner window
        AppletPageRun *applet = nullptr; // owned by the owner window, deletes itself when over
        bool terminal = false;
    };

    // owner parents the console windows and applet runs and the messages.
    RunJava(QWidget *owner, Shell &shell, Prompter &prompter);

    // The folder holding the compiled classes of our applet viewer.
    void setAppletViewerDir(const QString &dir) { m_appletViewerDir = dir; }
    QString appletViewerDir() const { return m_appletViewerDir; }
    // "appletviewer" beside the executable.
    static QString defaultAppletViewerDir();

    // FinnesMainFunc: the document is a program when its text holds " main(" (blanks may
    // stand before the bracket).
    static bool FinnesMainFunc(const QString &documentText);

    Result run(const QString &documentFileName, const QString &documentText,
               const RunJavaSettings &settings, Origin origin) const;

    // The applet viewer's program and its arguments before the page's name.
    QStringList appletViewerCommand(const QString &javaBinDir) const;

private:
    Result runProgram(const QString &documentFileName, const RunJavaSettings &settings,
                      Origin origin) const;
    Result runApplet(const QString &documentFileName, const RunJavaSettings &settings) const;
    void noJavaMessage(const QString &javaBinDir) const;

    QWidget *m_owner;
    Shell &m_shell;
    Prompter &m_prompter;
    QString m_appletViewerDir;
};
