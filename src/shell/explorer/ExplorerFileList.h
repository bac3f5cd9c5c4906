#pragma once

#include <QIcon>
#include <QListWidget>

// The explorer's file list: the files of one folder that match the mask. Filled at once.
class ExplorerFileList : public QListWidget
{
    Q_OBJECT
public:
    explicit ExplorerFileList(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }
    void setDirectory(const QString &path);
    QString mask() const { return m_mask; }
    void setMask(const QString &mask);
    void refresh();

    // Full path of the selected file; empty when none is selected.
    QString fileName() const;

private:
    QString m_directory;
    QString m_mask = QStringLiteral("*.*");
    QIcon m_fileIcon;
};
