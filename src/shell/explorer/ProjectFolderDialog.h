#pragma once

#include "host/ProjectSettings.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// TProsjektKatFrm (unit ProsjektKatFrm):
// "Project catalog:": chooses the HTML project folder and the name of its image folder.
// OK hands both to apply (the main window's project settings), unless the image folder name
// could lead outside the project (imageFolderLeadsOutside): that is refused with a message
// and the dialog stays open. Cancel changes nothing.
// Frees itself when closed.
class TProsjektKatFrm : public QDialog
{
    Q_OBJECT
public:
    TProsjektKatFrm(const ProjectSettings &current, ProjectSetter apply, QWidget *parent = nullptr);

    QLineEdit *Edit1;     // "Project catalog root:"
    QLineEdit *Edit2;     // "Put images in subcatalog:"
    QPushButton *Button1; // "Find.."
    QPushButton *Button2; // OK
    QPushButton *Button3; // Cancel
    QPushButton *Button4; // Help

public slots:
    void Button1Click(); // Find..: the folder chooser, modal
    void Button2Click(); // OK
    void Button4Click(); // Help

private:
    ProjectSetter m_apply;
};
