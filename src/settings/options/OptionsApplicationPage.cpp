#include "settings/options/OptionsApplicationPage.h"

#include "platform/NamedWidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QCheckBox *box(QWidget *parent, const char *name, const char *caption)
{
    return named(new QCheckBox(QLatin1String(caption), parent), name);
}

} // namespace

OptionsApplicationPage::OptionsApplicationPage(QWidget *parent) : QWidget(parent)
{
    auto *printing = named(new QGroupBox(QStringLiteral("Printing:"), this), "GroupBox8");
    ShowPrintLnNrCbx = box(printing, "ShowPrintLnNrCbx", "Show line numbers");
    NameOfPrntDocCbx = box(printing, "NameOfPrntDocCbx", "Show name of document");
    ShowColorHighltPrintCbx = box(printing, "ShowColorHighltPrintCbx", "Show color hightlighting");
    cbShowPageNumbers = box(printing, "cbShowPageNumbers", "Show page numbers");
    cbPrintShadedFooter = box(printing, "cbPrintShadedFooter", "Show footer");
    cbPrintDate = box(printing, "cbPrintDate", "Show date");
    cbPrintShadedHeader = box(printing, "cbPrintShadedHeader", "Show header");
    cbPrintTime = box(printing, "cbPrintTime", "Show time");
    auto *printGrid = new QGridLayout(printing);
    const QList<QCheckBox *> printBoxes {
        ShowPrintLnNrCbx,    NameOfPrntDocCbx, ShowColorHighltPrintCbx, cbShowPageNumbers,
        cbPrintShadedFooter, cbPrintDate,      cbPrintShadedHeader,     cbPrintTime};
    for (int i = 0; i < printBoxes.size(); ++i)
        printGrid->addWidget(printBoxes.at(i), i % 4, i / 4);

    auto *windows = named(new QGroupBox(QStringLiteral("Windows:"), this), "GroupBox9");
    WarnBeforeCloseCbx =
        box(windows, "WarnBeforeCloseCbx", "Show warning before closing unsaved editor windows ");
    InsTmplCodeOnNewDoc =
        box(windows, "InsTmplCodeOnNewDoc", "Insert template code on new document creation");
    ViewSpecialCharCbx =
        box(windows, "ViewSpecialCharCbx", "View special characters in editor windows");
    auto *windowColumn = new QVBoxLayout(windows);
    for (QCheckBox *b : {WarnBeforeCloseCbx, InsTmplCodeOnNewDoc, ViewSpecialCharCbx})
        windowColumn->addWidget(b);

    auto *java = named(new QGroupBox(QStringLiteral("Java specific:"), this), "GroupBox10");
    ShowJavaQuickFind = box(java, "ShowJavaQuickFind", "Show java quickfind tool");
    RJavaAppsDosWindow =
        box(java, "RJavaAppsDosWindow", "Run java applications in ordinary dos window");
    auto *javaColumn = new QVBoxLayout(java);
    javaColumn->addWidget(ShowJavaQuickFind);
    javaColumn->addWidget(RJavaAppsDosWindow);

    auto *other = named(new QGroupBox(QStringLiteral("Other:"), this), "GroupBox11");
    AutoSaveCbx = box(other, "AutoSaveCbx", "Autosave");
    EveryLbl = named(new QLabel(QStringLiteral("Every:"), other), "EveryLbl");
    AutoSaveIntervalEdt = named(new QLineEdit(other), "AutoSaveIntervalEdt");
    AutoSaveIntervalEdt->setMaximumWidth(50);
    MinLbl = named(new QLabel(QStringLiteral("min"), other), "MinLbl");
    auto *otherRow = new QHBoxLayout(other);
    otherRow->addWidget(AutoSaveCbx);
    otherRow->addWidget(EveryLbl);
    otherRow->addWidget(AutoSaveIntervalEdt);
    otherRow->addWidget(MinLbl);
    otherRow->addStretch();
    // Disabled until "Autosave" is ticked.
    for (QWidget *w : {static_cast<QWidget *>(EveryLbl),
                       static_cast<QWidget *>(AutoSaveIntervalEdt), static_cast<QWidget *>(MinLbl)})
        w->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(printing);
    layout->addWidget(windows);
    layout->addWidget(java);
    layout->addWidget(other);
    layout->addStretch();

    connect(AutoSaveCbx, &QCheckBox::toggled, this, &OptionsApplicationPage::AutoSaveCbxClick);
}

void OptionsApplicationPage::AutoSaveCbxClick()
{
    const bool on = AutoSaveCbx->isChecked();
    EveryLbl->setEnabled(on);
    AutoSaveIntervalEdt->setEnabled(on);
    MinLbl->setEnabled(on);
}
