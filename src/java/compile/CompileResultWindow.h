#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// TCompiler1 (unit Compiler):
// The compile-result window: the compiled file's name, the number of errors, and the
// buttons OK (hides the window), "Show all errors" (the compiler output in a window of its
// own) and "Run". All three buttons start disabled; the compile command enables them.
class TCompiler1 : public QDialog
{
    Q_OBJECT
public:
    explicit TCompiler1(QWidget *owner);

    QLabel *ProjName = nullptr;     // the bare file name
    QLabel *Label5 = nullptr;       // the number of errors
    QPushButton *BitBtn1 = nullptr; // OK
    QPushButton *BitBtn2 = nullptr; // "Show all errors"
    QPushButton *BitBtn3 = nullptr; // "Run"

    // The trimmed compiler output "Show all errors" shows.
    QString CompilerOutput;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

signals:
    // "Run" was pressed: run the program of the active document window.
    void runRequested();
};
