#pragma once

#include "java/generators/CodeTarget.h"

#include <QDialog>

class EditorAdapter;
class QListWidget;
class QPushButton;

namespace ExpressionBuilderButtons {
struct Button;
}

// TExpBuilder (unit ExpBuilder):
// "Expression Builder": a small Java editor with buttons that type keywords and operators,
// the classes of the active document and, for the class clicked, its members. OK inserts
// the editor's lines at the document's caret, each line after the first indented like the
// caret line, and closes.
class TExpBuilder : public QDialog
{
    Q_OBJECT
public:
    explicit TExpBuilder(CodeTarget target, QWidget *parent = nullptr);

    QListWidget *ListView1; // "Classes:"
    QListWidget *ListView2; // "Class members:"
    EditorAdapter *SynMemo1;
    QPushButton *Button1; // "OK"
    QPushButton *Button2; // "Cancel"
    QPushButton *Button3; // "Undo"
    QPushButton *Button4; // "Redo"

    // Refills the class list from the active document, keeping the class selected.
    void FillClassList();
    // The selected class's members into the member list.
    void ListView1Click();
    // Types the selected member's name into the editor.
    void ListView2Click();
    // Types a button's text and moves the caret back into it.
    void insertButtonClick(const ExpressionBuilderButtons::Button &button);
    void Button1Click(); // OK

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    CodeTarget m_target;
    bool m_filledOnShow = false; // the activation that follows showing finds the list filled
};
