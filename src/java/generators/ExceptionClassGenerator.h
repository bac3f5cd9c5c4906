#pragma once

#include "java/generators/CodeTarget.h"

#include <QDialog>

class EditorAdapter;
class QComboBox;
class QLineEdit;
class QPushButton;

// TUnntak (unit Unntak):
// "Exception": an exception class of a name and a base class, previewed as it is typed.
// OK inserts it at the active document's caret and closes.
class TUnntak : public QDialog
{
    Q_OBJECT
public:
    explicit TUnntak(CodeTarget target, QWidget *parent = nullptr);

    QLineEdit *Edit1;        // "Exception name:"
    QComboBox *ComboBox1;    // "Extends:"
    EditorAdapter *SynMemo1; // "Preview:"
    QPushButton *Button1;    // "OK"
    QPushButton *Button2;    // "Cancel"
    QPushButton *Button3;    // "Help"

    // The generated text for the current inputs.
    QString generatedText() const;

    // Rebuilds the preview: empty while "Extends:" is empty.
    void Edit1Change();
    void Button1Click(); // OK
    void Button3Click(); // Help

private:
    CodeTarget m_target;
};
