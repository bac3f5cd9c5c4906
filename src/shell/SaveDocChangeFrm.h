#pragma once

#include <QDialog>
#include <QList>

class QTreeWidget;
class QPushButton;

// "Save document changes": lists the modified documents with check boxes. exec() returns
// 6 (Yes), 7 (No) or 2 (Cancel, also when the window is closed otherwise).
class TSaveDocChangeFrm : public QDialog
{
    Q_OBJECT
public:
    enum Result { Yes = 6, No = 7, Cancel = 2 };

    explicit TSaveDocChangeFrm(QWidget *parent = nullptr);

    // Adds one checked row; rows keep the order in which they were added.
    void addDocument(const QString &caption);
    int rowCount() const;
    QString caption(int row) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    QList<int> checkedRows() const;

    void SelectAllClick();
    void DeselectAllClick();

    QTreeWidget *ListView1 = nullptr;
    QPushButton *YesButton = nullptr;
    QPushButton *NoButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *SelectAllButton = nullptr;
    QPushButton *DeselectAllButton = nullptr;

private:
    void setAllChecked(bool checked);
};
