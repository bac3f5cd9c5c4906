#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Change Language Name": the old name in brackets and a box for the new one. OK ends the
// dialog with 1, Cancel with 2.
class TChangeLangNameFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TChangeLangNameFrm(QWidget *parent = nullptr);

    QLabel *Label3;       // "[" + old name + "]"
    QLineEdit *Edit2;     // the new name
    QPushButton *Button2; // OK
    QPushButton *Button1; // Cancel
};
