#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// The Options dialog's "Comp. proposal" page: the classes of "completion/toc.cmp" and the
// members of each class's file "completion/" + class + ".cmp". Every change is written at once.
class OptionsClassPage : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsClassPage(QWidget *parent = nullptr);

    // Fills list with the lines of fileName (nothing when it is missing).
    static void ReadFromFile(const QString &fileName, QTreeWidget *list);
    // Creation: the class list.
    void loadClasses();
    // Rewrites the selected class's member file from the member list.
    bool AddDatamembersToFile();

    QString selectedClass() const;
    static QString deleteClassQuestion(const QString &className);

    QTreeWidget *ClassesList;     // "Classes"
    QPushButton *Button3;         // "Delete.." (class)
    QTreeWidget *DatamembersList; // "Datamembers"
    QPushButton *Button4;         // "Delete.." (member)
    QLineEdit *Edit4;
    QPushButton *Button5; // "<": add as a class
    QPushButton *Button6; // ">": add as a member of the selected class

public slots:
    void ClassesListClick();
    void DatamembersListClick();
    void Button5Click();
    void Button6Click();
    void Button3Click();
    void Button4Click();

private:
    QStringList classes() const;
    QStringList members() const;
    bool writeClassList(const QStringList &names);
    void setClassColumn(bool narrow);
    void setMemberColumn();
    void reportWriteFailure(const QString &fileName, const QString &reason);
};
