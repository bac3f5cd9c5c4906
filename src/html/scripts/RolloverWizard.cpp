#include "html/scripts/RolloverWizard.h"

#include "html/text/CopyToProjectFolder.h"
#include "html/text/PageInsertion.h"
#include "html/text/ScriptTexts.h"
#include "platform/FileDialogs.h"
#include "platform/Rng.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The head functions go after the head tag; the caret then stands this many lines below
// the line it was on.
constexpr int HeadCaretOffset = 15;

} // namespace

TRolloverForm::TRolloverForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("RolloverForm", QStringLiteral("Rollover image wizard"),
                   QStringLiteral("HID_ROLLOVER_DLG"), host, parent)
{
    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit1->setMinimumWidth(240);
    Button1 = named(new QPushButton(QStringLiteral("Find.."), this), "Button1");
    Edit2 = named(new QLineEdit(QStringLiteral("Image"), this), "Edit2");
    Edit3 = named(new QLineEdit(this), "Edit3");
    Button3 = named(new QPushButton(QStringLiteral("Find.."), this), "Button3");
    Edit4 = named(new QLineEdit(QStringLiteral("#"), this), "Edit4");
    Button4 = named(new QPushButton(QStringLiteral("File.."), this), "Button4");
    Edit5 = named(new QLineEdit(this), "Edit5");
    for (QPushButton *b : {Button1, Button3, Button4})
        b->setAutoDefault(false);
    // A name of its own for each picture made.
    Edit2->setText(Edit2->text() + QStringLiteral("ID")
                   + QString::number(Rng::instance()->random(10000)));

    auto *grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString &label, QLineEdit *edit, QPushButton *button = nullptr) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(edit, row, 1, 1, button ? 1 : 2);
        if (button)
            grid->addWidget(button, row, 2);
        ++row;
    };
    addRow(QStringLiteral("Original image:"), Edit1, Button1);
    addRow(QStringLiteral("Image name:"), Edit2);
    addRow(QStringLiteral("Rollover image:"), Edit3, Button3);
    addRow(QStringLiteral("Link:"), Edit4, Button4);
    addRow(QStringLiteral("Status message:"), Edit5);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(makeButtons({"BitBtn1", "BitBtn2", "Button2"}));

    connect(Button1, &QPushButton::clicked, this, &TRolloverForm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TRolloverForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TRolloverForm::Button4Click);
}

void TRolloverForm::pickPicture(QLineEdit *target)
{
    const QString file = CopyToProjectFolder::pickPicture(this);
    if (!file.isEmpty())
        target->setText(CopyToProjectFolder::run(this, host().project(), file));
}

void TRolloverForm::Button1Click()
{
    pickPicture(Edit1);
}

void TRolloverForm::Button3Click()
{
    pickPicture(Edit3);
}

void TRolloverForm::Button4Click()
{
    FileDialogs::Request request;
    request.filter = {{QStringLiteral("HTML files (*.htm;*.html)"),
                       {QStringLiteral("*.htm"), QStringLiteral("*.html")}}};
    const FileDialogs::Answer answer = FileDialogs::instance()->getOpenFileName(this, request);
    if (!answer.accepted || answer.files.isEmpty())
        return;
    CopyToProjectFolder::Options options;
    options.target = CopyToProjectFolder::Target::ProjectFolder;
    Edit4->setText(CopyToProjectFolder::run(this, host().project(), answer.files.first(), options));
}

void TRolloverForm::BitBtn1Click()
{
    EditorAdapter *editor = activeEditor();
    if (!editor) {
        close();
        return;
    }
    const ProjectSettings project = host().project();
    const QString page = PageInsertion::GetActiveEditorText(editor);
    ScriptTexts::RolloverFields f;
    f.link = Edit4->text();
    f.message = Edit5->text();
    f.name = Edit2->text();
    f.rollover = ScriptTexts::pagePath(project, Edit3->text());
    f.original = ScriptTexts::pagePath(project, Edit1->text());
    insert(ScriptTexts::rollover(f, caretIndent()));
    if (!page.contains(ScriptTexts::rolloverHeader()))
        PageInsertion::SoekOgLeggInn(editor, QStringLiteral("<head>"),
                                     ScriptTexts::rolloverFunctions(), HeadCaretOffset);
    close();
}
