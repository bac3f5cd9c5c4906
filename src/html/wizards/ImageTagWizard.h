#pragma once

#include "html/text/CopyToProjectFolder.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class SpinEdit;

// TBildeFrm (unit BildeFrm):
// "Image": builds one img tag and inserts it at the caret of the active document.
// Not modal; created per use, shows itself, hides itself after OK or Cancel.
class TBildeFrm : public QDialog
{
    Q_OBJECT
public:
    // insertText stands for the main window's insertion into the active document;
    // project is read at every Find and OK.
    TBildeFrm(ProjectGetter project, std::function<void(const QString &)> insertText,
              QWidget *parent = nullptr);

    QString buildTag() const;

    QLineEdit *Edit1, *Height1, *Width1, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8, *Edit9;
    SpinEdit *SpinEdit1; // its text may be cleared: no border attribute then
    QComboBox *ComboBox1;
    QCheckBox *CheckBox1;
    QPushButton *Button1, *Button4, *Button3, *Button2, *Button5;

public slots:
    void Button1Click(); // Find.. the picture
    void Button4Click(); // Find.. the low-resolution picture
    void Button3Click(); // OK
    void Button5Click(); // Help

private:
    ProjectGetter m_project;
    std::function<void(const QString &)> m_insertText;
    QString m_uncopiedPicture; // full path picked while no project folder was chosen
};
