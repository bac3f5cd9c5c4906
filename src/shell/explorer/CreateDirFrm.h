#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Making a subfolder, apart from the dialog that asks for its name.
struct CreateDirResult {
    enum Kind { Created, Exists, InvalidName, Failed };
    Kind kind;
    QString path;
};

// The name is trimmed first; a name that is empty or holds "/" or ".." makes nothing.
CreateDirResult createSubfolder(const QString &parentFolder, const QString &name);

// "Create directory": asks for the name of a new subfolder of the explorer's selected folder.
// Frees itself when closed.
class TCreateDirFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TCreateDirFrm(const QString &parentFolder, QWidget *parent = nullptr);

    QLabel *Label3;       // the parent folder in double quotes
    QLineEdit *Edit1;     // the new folder's name
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel

public slots:
    void Button1Click();

signals:
    void folderCreated(const QString &path);

private:
    QString m_parentFolder;
};
