#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Change shortcut": shows a row's shortcut text and asks for a new one. OK accepts, Cancel
// rejects; the caller reads Edit1.
class TNewShortcutFrm : public QDialog
{
    Q_OBJECT
public:
    // current: the row's shortcut cell as it stands.
    explicit TNewShortcutFrm(const QString &current, QWidget *parent = nullptr);

    QLabel *Label2;       // the current shortcut, "NONE SPESIFIED" when it is blank
    QLineEdit *Edit1;     // the new shortcut
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel

public slots:
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
};
