#pragma once

#include "settings/files/CompilerOptionsText.h"

#include <QWidget>

#include <functional>

class MouseUpCheckBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The Options dialog's "Compiler" page: the class path, the Java folder and the javac boxes.
// The debug boxes keep at most one of three groups ticked (all, none, a selection), by mouse
// only: a box toggled with the keyboard clears nothing.
class OptionsCompilerPage : public QWidget
{
    Q_OBJECT
public:
    // chooseFolder: the folder dialog from a start folder; empty when cancelled.
    using ChooseFolder = std::function<QString(QWidget *parent, const QString &start)>;

    explicit OptionsCompilerPage(ChooseFolder chooseFolder, QWidget *parent = nullptr);

    // The boxes as the compiler options text sees them.
    CompilerOptionsText::Boxes boxes() const;

    // The class path as the page shows it: the Windows default "C:\;." is "." here.
    static QString shownClassPath(const QString &stored);

    // "Directory:"
    QLineEdit *ClassPathDir;
    QLineEdit *JavaBinDir;
    QPushButton *Button11; // "Find.."
    // "General java compiler options:"
    MouseUpCheckBox *AllDebugInfoCbx;
    QCheckBox *VerboseOutputCbx;
    MouseUpCheckBox *NoDebugInfoCbx;
    QCheckBox *DisableVarnCbx;
    // "Selected debugging information:"
    MouseUpCheckBox *SelDebugSourceFileCbx;
    MouseUpCheckBox *SelDebugLineNumCbx;
    MouseUpCheckBox *SelDebugLocalVarCbx;

public slots:
    void Button11Click();
    void AllDebugInfoCbxMouseUp();
    void NoDebugInfoCbxMouseUp();
    void SelDebugMouseUp();

private:
    ChooseFolder m_chooseFolder;
};
