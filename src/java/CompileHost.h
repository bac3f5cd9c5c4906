#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/FileDialogs.h"

class EditorAdapter;
class IniFile;
class QWidget;

// A document window as the compile commands see it. Pointers to it are used at once and
// never kept: the window may close while a compile runs.
class CompileDocument
{
public:
    virtual ~CompileDocument() = default;
    virtual QString fileName() const = 0;   // DocumentFileName: full path, empty when untitled
    virtual QString caption() const = 0;    // the bare file name shown as the window caption
    virtual bool save() = 0;                // SaveFileNow: true when the file was written
    virtual EditorAdapter *editor() const = 0;
    virtual int errorLine() const = 0;      // ErrorLine: 1-based, -1 = none
    virtual void setErrorLine(int line) = 0;
    // Shows the window, brings it to the front and gives its editor the focus.
    virtual void bringToFront() = 0;
};

// The main window as the compile commands see it.
class CompileHost
{
public:
    virtual ~CompileHost() = default;
    virtual QWidget *window() const = 0;          // owner of result windows, parent of dialogs
    virtual IniFile *settings() const = 0;
    // The active document window; nullptr when none is open.
    virtual CompileDocument *activeDocument() = 0;
    // The open document window of the file fileName; nullptr when none is.
    virtual CompileDocument *documentOf(const QString &fileName) = 0;
    // The "Compiler messages" (TabSheet6) and "Compiler output" (TabSheet8) pages.
    virtual QWidget *messagesPage() const = 0;
    virtual QWidget *outputPage() const = 0;
    // Makes a bottom-pane page's tab visible and, when current is set, the active tab.
    virtual void showBottomTab(QWidget *page, bool current) = 0;
    // The main window's shared compile state.
    virtual bool errorLineHighlighted() const = 0;
    virtual void setErrorLineHighlighted(bool on) = 0;
    virtual void setCompilerOutputLines(const QStringList &lines) = 0;
    virtual void setCompileErrorCount(int count) = 0;
    // The file filter of the main window's save dialog.
    virtual QList<FileFilterEntry> saveDialogFilter() = 0;
};
