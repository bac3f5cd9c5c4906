#pragma once

#include "host/ProjectSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// TBrowserFrm (unit BrowserFrmUnit):
// "Browser window": the link wizard's modal dialog for a link that opens a page in a new
// browser window. OK leaves the onClick attribute in WindowOpenText.
class TBrowserFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TBrowserFrm(ProjectGetter project, QWidget *parent = nullptr);

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4; // document, height, width, window title
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6;
    QPushButton *Button1, *Button2, *Button3, *Button4; // OK, Cancel, Find.., Help

    // The attribute built by OK; empty until then.
    QString WindowOpenText;

public slots:
    void Button1Click(); // OK
    void Button3Click(); // Find..

private:
    ProjectGetter m_project;
};
