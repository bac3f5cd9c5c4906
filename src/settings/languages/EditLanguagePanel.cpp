#include "settings/languages/EditLanguagePanel.h"

#include "platform/DelphiStrings.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/files/CompletionFiles.h"
#include "settings/languages/ChangeFileExtFrm.h"
#include "settings/languages/ChangeLangNameFrm.h"
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

const QString NoLanguage = QStringLiteral("[Select from list below]");
constexpr int KeywordsWide = 277;
constexpr int KeywordsNarrow = 260;
constexpr int LanguagesWide = 349;

QTreeWidget *oneColumnList(QWidget *parent, const char *name, const QString &header, int width)
{
    auto *list = named(new QTreeWidget(parent), name);
    list->setColumnCount(1);
    list->setHeaderLabels({header});
    list->setRootIsDecorated(false);
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(0, width);
    return list;
}

QString rowName(QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> rows = list->selectedItems();
    return rows.isEmpty() ? QString() : rows.first()->text(0);
}

} // namespace

EditLanguagePanel::EditLanguagePanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Edit custom language:"), parent),
      m_exec([](QDialog &dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("GroupBox21"));
    Label23 = named(new QLabel(NoLanguage, this), "Label23");
    ListView3 = oneColumnList(this, "ListView3", QStringLiteral("Custom languages spesified"),
                              LanguagesWide);
    ListView3->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Button14 = named(new QPushButton(QStringLiteral("Delete language"), this), "Button14");
    Button15 = named(new QPushButton(QStringLiteral("Change name"), this), "Button15");
    Button16 = named(new QPushButton(QStringLiteral("Change file ext"), this), "Button16");

    auto *comments = new QGroupBox(QStringLiteral("Comment types:"), this);
    CheckBox8 = named(new QCheckBox(QStringLiteral("Pascal"), comments), "CheckBox8");
    CheckBox9 = named(new QCheckBox(QStringLiteral("C"), comments), "CheckBox9");
    CheckBox10 = named(new QCheckBox(QStringLiteral("Asm"), comments), "CheckBox10");
    CheckBox11 = named(new QCheckBox(QStringLiteral("Bas"), comments), "CheckBox11");
    CheckBox12 = named(new QCheckBox(QStringLiteral("Ansi"), comments), "CheckBox12");
    auto *commentRow = new QHBoxLayout(comments);
    for (QCheckBox *box : commentBoxes()) {
        commentRow->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, box] { UpdateCommentTypes(box); });
    }

    auto *keywords = new QGroupBox(QStringLiteral("Keywords:"), this);
    KeywordTextfield = named(new QLineEdit(keywords), "KeywordTextfield");
    Button17 = named(new QPushButton(QStringLiteral("Add "), keywords), "Button17");
    ListView4 =
        oneColumnList(keywords, "ListView4", QStringLiteral("Language keywords"), KeywordsWide);
    Button18 = named(new QPushButton(QStringLiteral("Delete"), keywords), "Button18");
    auto *keywordGrid = new QGridLayout(keywords);
    keywordGrid->addWidget(new QLabel(QStringLiteral("Keyword:"), keywords), 0, 0);
    keywordGrid->addWidget(KeywordTextfield, 0, 1);
    keywordGrid->addWidget(Button17, 0, 2);
    keywordGrid->addWidget(ListView4, 1, 0, 1, 2);
    keywordGrid->addWidget(Button18, 1, 2, Qt::AlignTop);
    for (QPushButton *b : {Button14, Button15, Button16, Button17, Button18})
        b->setAutoDefault(false);

    auto *current = new QHBoxLayout;
    current->addWidget(new QLabel(QStringLiteral("Current language:"), this));
    current->addWidget(Label23, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Button14);
    buttons->addWidget(Button15);
    buttons->addWidget(Button16);
    buttons->addStretch();
    auto *grid = new QGridLayout(this);
    grid->addLayout(current, 0, 0, 1, 2);
    grid->addWidget(ListView3, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(comments, 2, 0, 1, 2);
    grid->addWidget(keywords, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);

    connect(ListView3, &QTreeWidget::itemSelectionChanged, this,
            &EditLanguagePanel::ListView3Click);
    connect(Button14, &QPushButton::clicked, this, &EditLanguagePanel::Button14Click);
    connect(Button15, &QPushButton::clicked, this, &EditLanguagePanel::Button15Click);
    connect(Button16, &QPushButton::clicked, this, &EditLanguagePanel::Button16Click);
    connect(Button17, &QPushButton::clicked, this, &EditLanguagePanel::Button17Click);
    connect(Button18, &QPushButton::clicked, this, &EditLanguagePanel::Button18Click);
}

QList<QCheckBox *> EditLanguagePanel::commentBoxes() const
{
    return {CheckBox8, CheckBox9, CheckBox10, CheckBox11, CheckBox12};
}

bool EditLanguagePanel::hasLanguage() const
{
    return !Delphi::contains(Label23->text(), NoLanguage);
}

void EditLanguagePanel::reportFailure(const QString &text)
{
    Prompter::instance()->messageDlg(this, text, Prompter::Warning, Prompter::OkButton);
}

void EditLanguagePanel::fillLanguages()
{
    const QSignalBlocker blocker(ListView3);
    ListView3->clear();
    for (const QString &name : CustomLanguageIndex().names())
        ListView3->addTopLevelItem(new QTreeWidgetItem({name}));
    ListView3->setColumnWidth(0, ListView3->topLevelItemCount() > 2 ? 331 : LanguagesWide);
}

void EditLanguagePanel::ListView3Click()
{
    const QString name = rowName(ListView3);
    if (name.isEmpty())
        return;
    Label23->setText(name);
    const CustomLanguage language = CustomLanguageFile(name).read(false);
    const bool flags[] = {language.pascalComments, language.cComments, language.asmComments,
                          language.basComments, language.ansiComments};
    const QList<QCheckBox *> boxes = commentBoxes();
    for (int i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setChecked(flags[i]);
    ListView4->clear();
    for (const QString &word : language.keywords)
        ListView4->addTopLevelItem(new QTreeWidgetItem({word}));
    ListView4->setColumnWidth(0, language.keywords.size() > 2 ? KeywordsNarrow : KeywordsWide);
}

void EditLanguagePanel::UpdateCommentTypes(QCheckBox *box)
{
    // The keys by box: the captions may carry a mnemonic "&".
    const int at = commentBoxes().indexOf(box);
    if (at < 0 || !hasLanguage())
        return;
    CustomLanguageFile file(Label23->text());
    QString reason;
    if (!file.writeCommentType(CustomLanguageFile::commentKeys().at(at), box->isChecked(), &reason))
        reportFailure(QStringLiteral("Could not save ") + file.fileName() + QLatin1Char('\n')
                      + reason);
}

void EditLanguagePanel::writeKeywords()
{
    if (!hasLanguage())
        return;
    QStringList words;
    for (int i = 0; i < ListView4->topLevelItemCount(); ++i)
        words.append(ListView4->topLevelItem(i)->text(0));
    CustomLanguageFile file(Label23->text());
    QString reason;
    if (!file.writeKeywords(words, &reason))
        reportFailure(QStringLiteral("Could not save ") + file.fileName() + QLatin1Char('\n')
                      + reason);
}

void EditLanguagePanel::Button17Click()
{
    if (ListView4->topLevelItemCount() >= 2)
        ListView4->setColumnWidth(0, KeywordsNarrow);
    ListView4->addTopLevelItem(new QTreeWidgetItem({KeywordTextfield->text()}));
    KeywordTextfield->clear();
    writeKeywords();
}

void EditLanguagePanel::Button18Click()
{
    QTreeWidgetItem *row = ListView4->currentItem();
    if (!row || !row->isSelected())
        return;
    delete row;
    if (ListView4->topLevelItemCount() == 2)
        ListView4->setColumnWidth(0, KeywordsWide);
    writeKeywords();
}

void EditLanguagePanel::Button14Click()
{
    // Only the language the panel shows, while its row is selected.
    const QString name = rowName(ListView3);
    if (name.isEmpty() || !hasLanguage() || name != Label23->text())
        return;
    if (Prompter::instance()->messageBox(this, QStringLiteral("Question"),
                                         QStringLiteral("Are you sure you want to delete this "
                                                        "language?"),
                                         Prompter::Question,
                                         Prompter::YesButton | Prompter::NoButton)
        != Prompter::Yes)
        return;
    // The table first: while it cannot be written, the language stays whole.
    QString reason;
    if (!CustomLanguageIndex().remove(name, &reason)) {
        reportFailure(QStringLiteral("Could not save ") + CustomLanguageIndex::fileName()
                      + QLatin1Char('\n') + reason);
        return;
    }
    // Only the language's own files: a name that leads out of their folders removes nothing,
    // and a built-in type's colour file stays.
    if (CustomLanguageIndex::isOwnName(name))
        QFile::remove(CustomLanguageFile::fileName(name));
    if (CustomLanguageIndex::ownsColourFile(name))
        QFile::remove(CompletionFiles::languageColourFile(name));
    if (m_hooks.removeLanguageItems)
        m_hooks.removeLanguageItems(name);
    {
        // No row stays selected (nor current): the row that takes the deleted one's place is
        // not the language shown, and a click on it must choose it.
        const QSignalBlocker blocker(ListView3);
        delete ListView3->selectedItems().first();
        ListView3->clearSelection();
        ListView3->setCurrentItem(nullptr);
    }
    emit languageDeleted(name);
    Label23->setText(NoLanguage);
    ListView4->clear();
    for (QCheckBox *box : commentBoxes())
        box->setChecked(false);
    ListView4->setColumnWidth(0, KeywordsWide);
    ListView3->setColumnWidth(0, ListView3->topLevelItemCount() > 2 ? 333 : LanguagesWide);
    if (m_hooks.updateFilesFilter)
        m_hooks.updateFilesFilter();
}

void EditLanguagePanel::Button15Click()
{
    TChangeLangNameFrm dialog(this);
    const QString oldName = Label23->text();
    dialog.Label3->setText(QLatin1Char('[') + oldName + QLatin1Char(']'));
    if (Delphi::contains(oldName, QStringLiteral("["))) {
        Prompter::information(this,
                              QStringLiteral("You have to select the language that you "
                                             "want to change the name for, in the list "
                                             "of custom languages!"));
        return;
    }
    if (m_exec(dialog) != 1)
        return;
    const QString newName = Delphi::trim(dialog.Edit2->text());
    if (newName == oldName)
        return;
    QStringList others = CustomLanguageIndex().entries();
    others.removeAll(oldName);
    const QString refusal = CustomLanguageIndex::nameRefusal(newName, others);
    if (!refusal.isEmpty()) {
        Prompter::information(this, refusal);
        return;
    }

    // The language file and its colour file move together, or neither does.
    const QString oldFile = CustomLanguageFile::fileName(oldName);
    const QString newFile = CustomLanguageFile::fileName(newName);
    const QString oldColours = CompletionFiles::languageColourFile(oldName);
    const QString newColours = CompletionFiles::languageColourFile(newName);
    const bool hasColours =
        CustomLanguageIndex::ownsColourFile(oldName) && QFile::exists(oldColours);
    auto refuse = [this](const QString &from, const QString &to, const QString &why) {
        reportFailure(QStringLiteral("Could not rename ") + from + QStringLiteral(" to ") + to
                      + QLatin1Char('\n') + why);
    };
    if (!CustomLanguageIndex::isOwnName(oldName)) {
        refuse(oldFile, newFile,
               QStringLiteral("The language file is not in the language folder."));
        return;
    }
    if (QFile::exists(newFile) || (hasColours && QFile::exists(newColours))) {
        refuse(QFile::exists(newFile) ? oldFile : oldColours,
               QFile::exists(newFile) ? newFile : newColours,
               QStringLiteral("A file of that name exists already."));
        return;
    }
    QFile language(oldFile);
    if (!language.rename(newFile)) {
        refuse(oldFile, newFile, language.errorString());
        return;
    }
    QFile colours(oldColours);
    if (hasColours && !colours.rename(newColours)) {
        QFile::rename(newFile, oldFile);
        refuse(oldColours, newColours, colours.errorString());
        return;
    }
    QString reason;
    if (!CustomLanguageIndex().rename(oldName, newName, &reason)) {
        QFile::rename(newFile, oldFile);
        if (hasColours)
            QFile::rename(newColours, oldColours);
        reportFailure(QStringLiteral("Could not save ") + CustomLanguageIndex::fileName()
                      + QLatin1Char('\n') + reason);
        return;
    }
    CustomLanguageFile moved(newName);
    if (!moved.writeLangName(newName, &reason))
        reportFailure(QStringLiteral("Could not save ") + moved.fileName() + QLatin1Char('\n')
                      + reason);

    emit languageRenamed(oldName, newName);
    fillLanguages();
    Label23->setText(newName);
}

void EditLanguagePanel::Button16Click()
{
    if (Delphi::contains(Label23->text(), QStringLiteral("["))) {
        Prompter::information(this,
                              QStringLiteral("You have to select the language that you "
                                             "want to change the file extension for, in "
                                             "the list of custom languages!"));
        return;
    }
    CustomLanguageFile file(Label23->text());
    TChangeFileExtFrm dialog(this);
    dialog.GroupBox1->setTitle(dialog.GroupBox1->title() + QLatin1Char(' ') + Label23->text()
                               + QLatin1Char(':'));
    const QString ext = file.fileExt();
    dialog.Label2->setText(QLatin1Char('[') + ext + QLatin1Char(']'));
    dialog.Edit1->setText(ext);
    if (m_exec(dialog) != 1)
        return;
    QString reason;
    if (!file.writeFileExt(dialog.Edit1->text(), &reason))
        reportFailure(QStringLiteral("Could not save ") + file.fileName() + QLatin1Char('\n')
                      + reason);
}
