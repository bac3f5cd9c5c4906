#include "settings/options/OptionsClassPage.h"

#include "platform/DelphiStrings.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/files/CompletionFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget *listOf(QWidget *parent, const char *name, const char *column)
{
    auto *list = named(new QTreeWidget(parent), name);
    list->setColumnCount(1);
    list->setHeaderLabels({QLatin1String(column)});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false); // the column has the width given it
    return list;
}

void information(QWidget *parent, const QString &text)
{
    Prompter::instance()->messageBox(parent, QStringLiteral("Information"), text,
                                     Prompter::Information, Prompter::OkButton);
}

QStringList itemsOf(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(0));
    return texts;
}

} // namespace

OptionsClassPage::OptionsClassPage(QWidget *parent) : QWidget(parent)
{
    auto *group =
        named(new QGroupBox(QStringLiteral("Completion proposal options (java only):"), this),
              "GroupBox17");
    ClassesList = listOf(group, "ClassesList", "Classes");
    ClassesList->setMaximumWidth(170);
    DatamembersList = listOf(group, "DatamembersList", "Datamembers");
    Button3 = plainButton("Button3", QLatin1String("Delete.."), group);
    Button4 = plainButton("Button4", QLatin1String("Delete.."), group);

    auto *add = named(new QGroupBox(QStringLiteral("Add:"), group), "GroupBox18");
    Edit4 = named(new QLineEdit(add), "Edit4");
    Button5 = plainButton("Button5", QLatin1String("<"), add);
    Button6 = plainButton("Button6", QLatin1String(">"), add);
    Button5->setMaximumWidth(32);
    Button6->setMaximumWidth(32);
    auto *addRow = new QHBoxLayout(add);
    addRow->addWidget(Button5);
    addRow->addWidget(Edit4, 1);
    addRow->addWidget(Button6);

    auto *grid = new QGridLayout(group);
    grid->addWidget(ClassesList, 0, 0);
    grid->addWidget(DatamembersList, 0, 1);
    grid->addWidget(Button3, 1, 0, Qt::AlignLeft);
    grid->addWidget(Button4, 1, 1, Qt::AlignLeft);
    grid->addWidget(add, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    setClassColumn(false);
    DatamembersList->setColumnWidth(0, 231);

    // Every change of the selection, by mouse or keyboard.
    connect(ClassesList, &QTreeWidget::currentItemChanged, this,
            &OptionsClassPage::ClassesListClick);
    connect(DatamembersList, &QTreeWidget::currentItemChanged, this,
            &OptionsClassPage::DatamembersListClick);
    connect(Button5, &QPushButton::clicked, this, &OptionsClassPage::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &OptionsClassPage::Button6Click);
    connect(Button3, &QPushButton::clicked, this, &OptionsClassPage::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &OptionsClassPage::Button4Click);
}

void OptionsClassPage::ReadFromFile(const QString &fileName, QTreeWidget *list)
{
    for (const QString &line : CompletionFiles::readLines(fileName))
        new QTreeWidgetItem(list, {line});
}

void OptionsClassPage::loadClasses()
{
    ReadFromFile(CompletionFiles::classListFile(), ClassesList);
    setClassColumn(ClassesList->topLevelItemCount() >= 14);
}

QStringList OptionsClassPage::classes() const
{
    return itemsOf(ClassesList);
}

QStringList OptionsClassPage::members() const
{
    return itemsOf(DatamembersList);
}

QString OptionsClassPage::selectedClass() const
{
    const QTreeWidgetItem *item = ClassesList->currentItem();
    return item ? item->text(0) : QString();
}

QString OptionsClassPage::deleteClassQuestion(const QString &className)
{
    return QStringLiteral("This operation is inreversible! Deleting this class will cause the "
                          "data for this class to be lost forever. Are you sure that you want to "
                          "delete class ")
        + QLatin1Char('"') + className + QLatin1Char('"') + QLatin1Char('?');
}

void OptionsClassPage::setClassColumn(bool narrow)
{
    ClassesList->setColumnWidth(0, narrow ? 115 : 133);
}

void OptionsClassPage::setMemberColumn()
{
    DatamembersList->setColumnWidth(0, DatamembersList->topLevelItemCount() < 14 ? 231 : 214);
}

void OptionsClassPage::reportWriteFailure(const QString &fileName, const QString &reason)
{
    Prompter::instance()->messageDlg(
        this, QStringLiteral("Could not save ") + fileName + QLatin1Char('\n') + reason,
        Prompter::Warning, Prompter::OkButton);
}

bool OptionsClassPage::writeClassList(const QStringList &names)
{
    QString reason;
    if (CompletionFiles::writeLines(CompletionFiles::classListFile(), names, &reason))
        return true;
    reportWriteFailure(CompletionFiles::classListFile(), reason);
    return false;
}

void OptionsClassPage::ClassesListClick()
{
    DatamembersList->clear();
    const QString name = selectedClass();
    if (ClassesList->currentItem() && CompletionFiles::isOwnClassFile(name))
        ReadFromFile(CompletionFiles::memberFile(name), DatamembersList);
    DatamembersList->setColumnWidth(0, DatamembersList->topLevelItemCount() <= 13 ? 231 : 215);
}

void OptionsClassPage::DatamembersListClick()
{
    const QTreeWidgetItem *item = DatamembersList->currentItem();
    DatamembersList->setToolTip(item ? item->text(0) : QString());
}

void OptionsClassPage::Button5Click()
{
    const QString name = Edit4->text();
    const QString refusal = CompletionFiles::classNameRefusal(name, classes());
    if (!refusal.isEmpty()) {
        information(this, refusal);
        if (Delphi::trim(name).isEmpty())
            Edit4->clear();
        return;
    }
    // An existing member file (of a class once deleted from the list by hand) is kept whole.
    const QString file = CompletionFiles::memberFile(name);
    QString reason;
    if (!QFileInfo::exists(file) && !CompletionFiles::writeLines(file, {}, &reason)) {
        reportWriteFailure(file, reason);
        return;
    }
    if (!writeClassList(classes() << name))
        return;
    new QTreeWidgetItem(ClassesList, {name});
    Edit4->clear();
    setClassColumn(ClassesList->topLevelItemCount() > 13);
}

void OptionsClassPage::Button6Click()
{
    const QString text = Edit4->text();
    if (Delphi::trim(text).isEmpty()) {
        information(this, QStringLiteral("Can't add empty text!"));
        Edit4->clear();
        return;
    }
    if (!ClassesList->currentItem()) {
        information(this,
                    QStringLiteral("Please select the class that you want the datamember "
                                   "to be added to!"));
        Edit4->clear();
        return;
    }
    new QTreeWidgetItem(DatamembersList, {text});
    if (!AddDatamembersToFile()) {
        delete DatamembersList->topLevelItem(DatamembersList->topLevelItemCount() - 1);
        return;
    }
    Edit4->clear();
    setMemberColumn();
}

bool OptionsClassPage::AddDatamembersToFile()
{
    const QString name = selectedClass();
    if (!CompletionFiles::isOwnClassFile(name)) {
        information(this,
                    QStringLiteral("Can't change the class \"") + name
                        + QStringLiteral("\". Its name can't be a member file's name!"));
        return false;
    }
    const QString file = CompletionFiles::memberFile(name);
    QString reason;
    if (CompletionFiles::writeLines(file, members(), &reason))
        return true;
    reportWriteFailure(file, reason);
    return false;
}

void OptionsClassPage::Button3Click()
{
    QTreeWidgetItem *item = ClassesList->currentItem();
    if (!item) {
        information(this, QStringLiteral("Please select the class that you want to delete!"));
        return;
    }
    const QString name = item->text(0);
    const int answer = Prompter::instance()->messageBox(
        this, QStringLiteral("Warning"), deleteClassQuestion(name), Prompter::Warning,
        Prompter::YesButton | Prompter::NoButton);
    if (answer == Prompter::Yes) {
        QStringList remaining = classes();
        remaining.removeAt(ClassesList->indexOfTopLevelItem(item));
        if (writeClassList(remaining)) {
            // Only the class's own file in "completion": a name from a hand-edited list that
            // leads elsewhere, or names the program's own lists, loses its entry alone.
            if (CompletionFiles::isOwnClassFile(name))
                QFile::remove(CompletionFiles::memberFile(name));
            // No class is selected afterwards.
            const bool blocked = ClassesList->blockSignals(true);
            delete item;
            ClassesList->setCurrentItem(nullptr);
            ClassesList->clearSelection();
            ClassesList->blockSignals(blocked);
            DatamembersList->clear();
        }
    }
    setClassColumn(ClassesList->topLevelItemCount() > 13);
}

void OptionsClassPage::Button4Click()
{
    if (!ClassesList->currentItem()) {
        information(this, QStringLiteral("Please select the datamember you want to remove!"));
        return;
    }
    QTreeWidgetItem *member = DatamembersList->currentItem();
    const QStringList before = members();
    if (member)
        delete member;
    Edit4->clear();
    if (!AddDatamembersToFile()) {
        DatamembersList->clear();
        for (const QString &text : before)
            new QTreeWidgetItem(DatamembersList, {text});
    }
    setMemberColumn();
}
