#pragma once

#include "java/generators/CodeTarget.h"

#include <QDialog>
#include <QStringList>

class EditorAdapter;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;

// TExeptionFrm (unit ExeptionFrm):
// "Try catch code generator": the code of the try block (the document's selection when
// opened) and the exceptions to catch. OK inserts the block at the active document's caret,
// in place of its selection, and closes.
class TExeptionFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TExeptionFrm(CodeTarget target, QWidget *parent = nullptr);

    QGroupBox *GroupBox1; // "Try code:"
    EditorAdapter *SynMemo1;
    QGroupBox *GroupBox2;   // "Catch:"
    QComboBox *ComboBox1;   // "Exception:"
    QListWidget *ListView1; // the exceptions chosen
    QPushButton *Button3;   // "Add.."
    QPushButton *Button4;   // "Delete.."
    QPushButton *Button1;   // "OK"
    QPushButton *Button2;   // "Cancel"
    QPushButton *Button5;   // "Help"

    QStringList exceptions() const;

    void Button3Click(); // add the combo's text and clear it
    void Button4Click(); // delete the selected exception
    void Button1Click(); // OK
    void Button5Click(); // Help

private:
    CodeTarget m_target;
};
