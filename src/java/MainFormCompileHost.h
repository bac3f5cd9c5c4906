#pragma once

#include <QObject>

#include "java/CompileHost.h"

class CompileCommands;
class TEditForm;
class TMainForm;

// The main window and its document windows as the compile commands' host, and the place
// where the compile commands are created and bound to the main window:
// - Tools (Java) menu: "Compile current file" (Compile1) and "Compile and Run current
//   files" (CompileandRun1);
// - the Java side tab: tool buttons with the hints "Compile.." and "Compile and run..";
// - every document window's pop-up, Compiling: "Compile" (Compile1) and "Compile and Run"
//   (CompileandRun1).
class MainFormCompileHost : public QObject, public CompileHost
{
    Q_OBJECT
public:
    // Creates the host and its compile commands as children of main and binds them.
    static MainFormCompileHost *install(TMainForm *main);
    // The compile commands of the main window; nullptr before install().
    static CompileCommands *commandsOf(const TMainForm *main);

    CompileCommands *commands() const { return m_commands; }

    QWidget *window() const override;
    IniFile *settings() const override;
    CompileDocument *activeDocument() override;
    CompileDocument *documentOf(const QString &fileName) override;
    QWidget *messagesPage() const override;
    QWidget *outputPage() const override;
    void showBottomTab(QWidget *page, bool current) override;
    bool errorLineHighlighted() const override;
    void setErrorLineHighlighted(bool on) override;
    void setCompilerOutputLines(const QStringList &lines) override;
    void setCompileErrorCount(int count) override;
    QList<FileFilterEntry> saveDialogFilter() override;

private:
    explicit MainFormCompileHost(TMainForm *main);
    void bindMainWindow();
    void bindDocument(TEditForm *window);

    // The active document window seen as a compile document.
    class Document : public CompileDocument
    {
    public:
        TEditForm *window = nullptr;
        QString fileName() const override;
        QString caption() const override;
        bool save() override;
        EditorAdapter *editor() const override;
        int errorLine() const override;
        void setErrorLine(int line) override;
        void bringToFront() override;
    };

    TMainForm *m_main;
    CompileCommands *m_commands = nullptr;
    Document m_document;
};
