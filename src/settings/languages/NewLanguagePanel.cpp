#include "settings/languages/NewLanguagePanel.h"

#include "platform/DelphiStrings.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/languages/CustomLanguageFile.h"
#include "settings/languages/CustomLanguageIndex.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int WideColumn = 285;
constexpr int NarrowColumn = 268;

QTreeWidget *keywordList(QWidget *parent, const char *name, int width)
{
    auto *list = named(new QTreeWidget(parent), name);
    list->setColumnCount(1);
    list->setHeaderLabels({QStringLiteral("Language keywords")});
    list->setRootIsDecorated(false);
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(0, width);
    return list;
}

} // namespace

NewLanguagePanel::NewLanguagePanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Define new custom language:"), parent)
{
    setObjectName(QStringLiteral("GroupBox16"));
    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit1->setToolTip(QStringLiteral("Enter the name of the language here"));
    Edit3 = named(new QLineEdit(this), "Edit3");
    Edit3->setToolTip(
        QStringLiteral("Enter the file extension here (e.g. html for *.html documents)"));

    auto *comments = new QGroupBox(QStringLiteral("Comment types recognized:"), this);
    CheckBox2 = named(new QCheckBox(QStringLiteral("Pascal"), comments), "CheckBox2");
    CheckBox2->setToolTip(QStringLiteral("Pascal comments ({ and //)"));
    CheckBox3 = named(new QCheckBox(QStringLiteral("C"), comments), "CheckBox3");
    CheckBox3->setToolTip(QStringLiteral("C comments (// and /*)"));
    CheckBox4 = named(new QCheckBox(QStringLiteral("Asm"), comments), "CheckBox4");
    CheckBox4->setToolTip(QStringLiteral("Assembler comments (;)"));
    CheckBox5 = named(new QCheckBox(QStringLiteral("Bas"), comments), "CheckBox5");
    CheckBox5->setToolTip(QStringLiteral("Basic comments ( ; )"));
    CheckBox6 = named(new QCheckBox(QStringLiteral("Ansi"), comments), "CheckBox6");
    CheckBox6->setToolTip(QStringLiteral("Ansi comments (//)"));
    auto *commentRow = new QHBoxLayout(comments);
    for (QCheckBox *box : {CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6})
        commentRow->addWidget(box);

    auto *keywords = new QGroupBox(QStringLiteral("Keywords:"), this);
    Edit2 = named(new QLineEdit(keywords), "Edit2");
    Button12 = named(new QPushButton(QStringLiteral("Add "), keywords), "Button12");
    ListView1 = keywordList(keywords, "ListView1", WideColumn);
    Button10 = named(new QPushButton(QStringLiteral("Delete"), keywords), "Button10");
    auto *keywordGrid = new QGridLayout(keywords);
    keywordGrid->addWidget(new QLabel(QStringLiteral("Keyword:"), keywords), 0, 0);
    keywordGrid->addWidget(Edit2, 0, 1);
    keywordGrid->addWidget(Button12, 0, 2);
    keywordGrid->addWidget(ListView1, 1, 0, 1, 2);
    keywordGrid->addWidget(Button10, 1, 2, Qt::AlignTop);

    Button13 = named(new QPushButton(QStringLiteral("Add language"), this), "Button13");
    for (QPushButton *b : {Button12, Button10, Button13})
        b->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Language name:"), this), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("File extenstion:"), this), 1, 0);
    grid->addWidget(Edit3, 1, 1);
    grid->addWidget(comments, 2, 0, 1, 2);
    grid->addWidget(keywords, 3, 0, 1, 2);
    grid->addWidget(Button13, 4, 1, Qt::AlignRight);
    grid->setRowStretch(3, 1);

    connect(Button12, &QPushButton::clicked, this, &NewLanguagePanel::Button12Click);
    connect(Button10, &QPushButton::clicked, this, &NewLanguagePanel::Button10Click);
    connect(Button13, &QPushButton::clicked, this, &NewLanguagePanel::Button13Click);
}

void NewLanguagePanel::Button12Click()
{
    if (ListView1->topLevelItemCount() >= 4)
        ListView1->setColumnWidth(0, NarrowColumn);
    ListView1->addTopLevelItem(new QTreeWidgetItem({Edit2->text()}));
    Edit2->clear();
}

void NewLanguagePanel::Button10Click()
{
    QTreeWidgetItem *row = ListView1->currentItem();
    if (!row || !row->isSelected())
        return;
    delete row;
    if (ListView1->topLevelItemCount() == 4)
        ListView1->setColumnWidth(0, WideColumn);
}

void NewLanguagePanel::Button13Click()
{
    CustomLanguageIndex index;
    const QString name = Delphi::trim(Edit1->text());
    const QString refusal = CustomLanguageIndex::nameRefusal(name, index.entries());
    if (!refusal.isEmpty()) {
        Prompter::information(this, refusal);
        return;
    }

    // The language file first, then the table: a table entry never names a file not written.
    CustomLanguage language;
    language.pascalComments = CheckBox2->isChecked();
    language.cComments = CheckBox3->isChecked();
    language.asmComments = CheckBox4->isChecked();
    language.basComments = CheckBox5->isChecked();
    language.ansiComments = CheckBox6->isChecked();
    language.fileExt = Edit3->text();
    language.langName = name;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        language.keywords.append(ListView1->topLevelItem(i)->text(0));
    CustomLanguageFile file(name);
    const bool existed = file.exists();
    QString reason;
    QString failed;
    if (!file.writeNew(language, &reason)) {
        failed = file.fileName();
    } else if (!index.append(name, &reason)) {
        failed = CustomLanguageIndex::fileName();
        if (!existed)
            QFile::remove(file.fileName());
    }
    if (!failed.isEmpty()) {
        Prompter::instance()->messageDlg(
            this, QStringLiteral("Could not save ") + failed + QLatin1Char('\n') + reason,
            Prompter::Warning, Prompter::OkButton);
        return;
    }

    if (m_hooks.addLanguageItems)
        m_hooks.addLanguageItems(name);
    emit languageAdded(name);
    Edit1->clear();
    Edit3->clear();
    for (QCheckBox *box : {CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6})
        box->setChecked(false);
    ListView1->clear();
    ListView1->setColumnWidth(0, WideColumn);
    if (m_hooks.updateFilesFilter)
        m_hooks.updateFilesFilter();
}
