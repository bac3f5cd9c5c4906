#include "settings/options/OptionsCompilerPage.h"

#include "platform/NamedWidget.h"
#include "settings/options/MouseUpCheckBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OptionsCompilerPage::OptionsCompilerPage(ChooseFolder chooseFolder, QWidget *parent)
    : QWidget(parent), m_chooseFolder(std::move(chooseFolder))
{
    auto *folders = named(new QGroupBox(QStringLiteral("Directory:"), this), "GroupBox5");
    ClassPathDir = named(new QLineEdit(folders), "ClassPathDir");
    JavaBinDir = named(new QLineEdit(folders), "JavaBinDir");
    Button11 = named(new QPushButton(QStringLiteral("Find.."), folders), "Button11");
    Button11->setAutoDefault(false);
    auto *folderGrid = new QGridLayout(folders);
    folderGrid->addWidget(new QLabel(QStringLiteral("Classpath directories:"), folders), 0, 0);
    folderGrid->addWidget(ClassPathDir, 1, 0, 1, 2);
    folderGrid->addWidget(new QLabel(QStringLiteral("Java binary catalog:"), folders), 2, 0);
    folderGrid->addWidget(JavaBinDir, 3, 0);
    folderGrid->addWidget(Button11, 3, 1);

    auto *general =
        named(new QGroupBox(QStringLiteral("General java compiler options:"), this), "GroupBox6");
    AllDebugInfoCbx =
        named(new MouseUpCheckBox(QStringLiteral("Generate all debugging information"), general),
              "AllDebugInfoCbx");
    VerboseOutputCbx =
        named(new QCheckBox(QStringLiteral("Verbose output"), general), "VerboseOutputCbx");
    NoDebugInfoCbx =
        named(new MouseUpCheckBox(QStringLiteral("Do not generate any debug information"), general),
              "NoDebugInfoCbx");
    DisableVarnCbx =
        named(new QCheckBox(QStringLiteral("Disable warnings"), general), "DisableVarnCbx");
    auto *generalColumn = new QVBoxLayout(general);
    for (QCheckBox *box : {static_cast<QCheckBox *>(AllDebugInfoCbx), VerboseOutputCbx,
                           static_cast<QCheckBox *>(NoDebugInfoCbx), DisableVarnCbx})
        generalColumn->addWidget(box);

    auto *selected =
        named(new QGroupBox(QStringLiteral("Selected debugging information:"), this), "GroupBox7");
    SelDebugSourceFileCbx =
        named(new MouseUpCheckBox(QStringLiteral("Source file debugging information"), selected),
              "SelDebugSourceFileCbx");
    SelDebugLineNumCbx =
        named(new MouseUpCheckBox(QStringLiteral("Line number debugging information"), selected),
              "SelDebugLineNumCbx");
    SelDebugLocalVarCbx = named(
        new MouseUpCheckBox(QStringLiteral("Local variable debugging information "), selected),
        "SelDebugLocalVarCbx");
    auto *selectedColumn = new QVBoxLayout(selected);
    for (MouseUpCheckBox *box : {SelDebugSourceFileCbx, SelDebugLineNumCbx, SelDebugLocalVarCbx})
        selectedColumn->addWidget(box);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(folders);
    layout->addWidget(general);
    layout->addWidget(selected);
    layout->addStretch();

    connect(Button11, &QPushButton::clicked, this, &OptionsCompilerPage::Button11Click);
    connect(AllDebugInfoCbx, &MouseUpCheckBox::mouseUp, this,
            &OptionsCompilerPage::AllDebugInfoCbxMouseUp);
    connect(NoDebugInfoCbx, &MouseUpCheckBox::mouseUp, this,
            &OptionsCompilerPage::NoDebugInfoCbxMouseUp);
    for (MouseUpCheckBox *box : {SelDebugSourceFileCbx, SelDebugLineNumCbx, SelDebugLocalVarCbx})
        connect(box, &MouseUpCheckBox::mouseUp, this, &OptionsCompilerPage::SelDebugMouseUp);
}

CompilerOptionsText::Boxes OptionsCompilerPage::boxes() const
{
    CompilerOptionsText::Boxes b;
    b.allDebugInfo = AllDebugInfoCbx->isChecked();
    b.noDebugInfo = NoDebugInfoCbx->isChecked();
    b.verbose = VerboseOutputCbx->isChecked();
    b.disableWarnings = DisableVarnCbx->isChecked();
    b.lineNumbers = SelDebugLineNumCbx->isChecked();
    b.sourceFile = SelDebugSourceFileCbx->isChecked();
    b.localVariables = SelDebugLocalVarCbx->isChecked();
    return b;
}

QString OptionsCompilerPage::shownClassPath(const QString &stored)
{
    return stored.compare(QLatin1String("C:\\;."), Qt::CaseInsensitive) == 0 ? QStringLiteral(".")
                                                                             : stored;
}

void OptionsCompilerPage::Button11Click()
{
    if (!m_chooseFolder)
        return;
    const QString folder = m_chooseFolder(this, JavaBinDir->text());
    if (!folder.isEmpty())
        JavaBinDir->setText(folder);
}

void OptionsCompilerPage::AllDebugInfoCbxMouseUp()
{
    for (QCheckBox *box :
         {static_cast<QCheckBox *>(NoDebugInfoCbx), static_cast<QCheckBox *>(SelDebugSourceFileCbx),
          static_cast<QCheckBox *>(SelDebugLineNumCbx),
          static_cast<QCheckBox *>(SelDebugLocalVarCbx)})
        box->setChecked(false);
}

void OptionsCompilerPage::NoDebugInfoCbxMouseUp()
{
    for (QCheckBox *box : {static_cast<QCheckBox *>(AllDebugInfoCbx),
                           static_cast<QCheckBox *>(SelDebugSourceFileCbx),
                           static_cast<QCheckBox *>(SelDebugLineNumCbx),
                           static_cast<QCheckBox *>(SelDebugLocalVarCbx)})
        box->setChecked(false);
}

void OptionsCompilerPage::SelDebugMouseUp()
{
    AllDebugInfoCbx->setChecked(false);
    NoDebugInfoCbx->setChecked(false);
}
