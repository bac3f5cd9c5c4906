#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// TUserToolFrm (unit UserToolFrm):
// "Usertool edit": a list of user-defined tools with their name, action, path and parameters.
// Add and Remove change only the list on the form; nothing is stored or run.
class TUserToolFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TUserToolFrm(QWidget *parent = nullptr);

    QListWidget *ListBox1; // the entries
    QLineEdit *Edit1;      // name
    QComboBox *ComboBox1;  // action or application type
    QLineEdit *Edit2;      // path
    QLineEdit *Edit3;      // parameters
    QPushButton *Button4;  // opens the macro pop-up
    QMenu *PopupMenu1;     // the parameter macros
    QPushButton *Button1;  // Add
    QPushButton *Button2;  // Remove
    QPushButton *Button3;  // Close

public slots:
    void Button1Click();
    void Button2Click();

protected:
    TUserToolFrm(const QString &caption, const QString &typeLabel, const QStringList &types,
                 QWidget *parent);
};
