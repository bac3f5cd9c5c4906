#pragma once

#include "java/RunJava.h"

#include <QObject>
#include <QPointer>

class TMainForm;
class TProgRunFrm;

// The main window's run command (TMainForm.RunJava): runs the active document window's
// class with the settings of the settings file. One per main window, which owns it.
class RunJavaCommand : public QObject
{
    Q_OBJECT
public:
    explicit RunJavaCommand(TMainForm &mainForm);

    // Creates the main window's run command and binds it to the compile commands' run
    // request (Compile and run without errors, and the compile-result window's "Run").
    static RunJavaCommand *install(TMainForm *mainForm);

    // Runs the document window whose file is fileName, or the active one when fileName is
    // empty; does nothing when there is no such window.
    ::RunJava::Result RunJava(::RunJava::Origin origin, const QString &fileName = QString());

    // The most recently opened console window (gone when the main window is).
    QPointer<TProgRunFrm> ProgRunWindow;

private:
    TMainForm &m_mainForm;
};
