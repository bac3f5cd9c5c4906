#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// TStatusLinjeFrm (unit StatusLinjeFrmUnit):
// "Statusline massage": the link wizard's modal dialog for the message a link shows in the
// browser's status line. OK leaves the onMouseOut and onMouseOver attributes in StatusText.
class TStatusLinjeFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TStatusLinjeFrm(QWidget *parent = nullptr);

    QLineEdit *Edit1;
    QPushButton *Button1, *Button2;

    // The attributes built by OK; empty until then.
    QString StatusText;

public slots:
    void Button1Click(); // OK
};
