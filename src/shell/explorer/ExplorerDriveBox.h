#pragma once

#include <QComboBox>

// The explorer's box of roots in place of drives: "/", the home folder and the mounted
// volumes. Choosing one moves the linked folder list there.
class ExplorerDriveBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ExplorerDriveBox(QWidget *parent = nullptr);

    // Fills the box anew from the system.
    void refreshRoots();
    QStringList roots() const;
    QString drive() const;

    // Shows the root that holds path (the longest one that does).
    void followDirectory(const QString &path);

signals:
    // The user chose a root.
    void driveChosen(const QString &root);
};
