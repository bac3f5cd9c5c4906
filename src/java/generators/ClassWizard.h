#pragma once

#include "java/generators/CodeTarget.h"
#include "java/generators/JavaCodeText.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// TJavaKlasseWizFrm (unit JavaKlasseWizFrm):
// "Java class wizard": a class name and a list of members (name, type, setter wanted). OK
// inserts the class at the active document's caret and closes.
class TJavaKlasseWizFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TJavaKlasseWizFrm(CodeTarget target, QWidget *parent = nullptr);

    QLineEdit *Edit1;           // "Classname:"
    QGroupBox *GroupBox1;       // "Class members:"
    QComboBox *ComboBox1;       // "Datatype:"
    QLineEdit *Edit3;           // "Class member name"
    QPushButton *Button1;       // "Add.."
    QPushButton *Button5;       // "Delete.."
    QTreeWidget *Datamedlemmer; // "Classmember name", "Type"; ticked: setter wanted
    QPushButton *Button2;       // "OK"
    QPushButton *Button3;       // "Cancel"
    QPushButton *Button4;       // "Help"

    // The rows in order.
    QList<JavaCodeText::ClassMember> members() const;

    void Button1Click(); // add the member of the two inputs and empty them
    void Button5Click(); // delete the selected member
    void Button2Click(); // OK
    void Button4Click(); // Help

private:
    CodeTarget m_target;
};
