#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Keywords": asks for the name of a new code template. OK accepts, Cancel rejects.
class TKeywordFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TKeywordFrm(QWidget *parent = nullptr);

    QLineEdit *Keywordtext;
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel
};
