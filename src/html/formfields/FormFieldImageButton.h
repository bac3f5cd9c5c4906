#pragma once

#include "html/formfields/FormFieldWizard.h"
#include "html/text/CopyToProjectFolder.h"

class QLineEdit;
class QPushButton;

// "Form image button": <input type="image" name="..." src="...">. The ".." button picks the
// picture and copies it into the project's image folder; the page then names the copy.
class TImageButtonFrm : public FormFieldWizard
{
    Q_OBJECT
public:
    TImageButtonFrm(ProjectGetter project, InsertText insertText, QWidget *parent = nullptr);

    QLineEdit *Edit1;     // name
    QLineEdit *Edit2;     // source, "#" at start
    QPushButton *Button4; // ".."

public slots:
    void Button4Click();

private:
    QString sourceValue() const;

    ProjectGetter m_project;
    QString m_copiedName; // the bare name the last pick copied into the project
};
