#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Change File Extention": the old extension in brackets and a box with the new one (filled
// with the old). OK ends the dialog with 1, Cancel with 2.
class TChangeFileExtFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TChangeFileExtFrm(QWidget *parent = nullptr);

    QGroupBox *GroupBox1; // "Change extention for", the caller appends " " + name + ":"
    QLabel *Label2;       // "[" + old extension + "]"
    QLineEdit *Edit1;     // the new extension
    QPushButton *Button2; // OK
    QPushButton *Button1; // Cancel
};
