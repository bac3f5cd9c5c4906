#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

// The Options dialog's "Application" page: printing, windows, Java and auto-save boxes.
class OptionsApplicationPage : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsApplicationPage(QWidget *parent = nullptr);

    // "Printing:"
    QCheckBox *ShowPrintLnNrCbx;
    QCheckBox *NameOfPrntDocCbx;
    QCheckBox *ShowColorHighltPrintCbx;
    QCheckBox *cbShowPageNumbers;
    QCheckBox *cbPrintShadedFooter;
    QCheckBox *cbPrintDate;
    QCheckBox *cbPrintShadedHeader;
    QCheckBox *cbPrintTime;
    // "Windows:"
    QCheckBox *WarnBeforeCloseCbx;
    QCheckBox *InsTmplCodeOnNewDoc;
    QCheckBox *ViewSpecialCharCbx;
    // "Java specific:"
    QCheckBox *ShowJavaQuickFind;
    QCheckBox *RJavaAppsDosWindow;
    // "Other:"
    QCheckBox *AutoSaveCbx;
    QLabel *EveryLbl; // "Every:"
    QLineEdit *AutoSaveIntervalEdt;
    QLabel *MinLbl; // "min"

public slots:
    void AutoSaveCbxClick();
};
