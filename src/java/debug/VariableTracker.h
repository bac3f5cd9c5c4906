#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QPushButton;
class QTreeWidget;

// TVarTrackerFrm (unit VarTrackerFrm):
// "Variable value tracker": the main class, the data members of the class chosen, and the
// variables tracked ("Class.member"). "Add.." tracks the chosen member of the chosen class,
// "Delete.." drops the chosen variable; OK leaves the tracked variables in WatchList, last row
// first.
class TVarTrackerFrm : public QDialog
{
    Q_OBJECT
public:
    // The data-member declarations of a class of the document.
    using MemberLister = std::function<QStringList(const QString &className)>;

    TVarTrackerFrm(MemberLister members, QWidget *parent = nullptr);

    QString MainClass;     // set by the opener before FormShow
    QStringList WatchList; // the document's watches; after OK the rows of ListView3, reversed

    QTreeWidget *ListView1 = nullptr; // the main class
    QTreeWidget *ListView2 = nullptr; // its data members
    QTreeWidget *ListView3 = nullptr; // "Variable names:"
    QPushButton *Button1 = nullptr;   // "OK"
    QPushButton *Button2 = nullptr;   // "Add.."
    QPushButton *Button3 = nullptr;   // "Delete.."
    QPushButton *Button4 = nullptr;   // "Cancel"
    QPushButton *Button5 = nullptr;   // "Help"

    // Fills the lists: the tracked variables and the main class.
    void FormShow();
    void ListView1Click();
    void Button2Click(); // Add..
    void Button3Click(); // Delete..
    void Button1Click(); // OK
    void Button4Click(); // Cancel
    void Button5Click(); // Help

    // The member name in a member row: the text after its last blank, without blanks and
    // control characters.
    static QString memberName(const QString &row);

private:
    void fitTrackedColumn();

    MemberLister m_members;
};
