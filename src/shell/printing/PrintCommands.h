#pragma once

#include "shell/printing/PrintPreviewFrm.h"

#include <QDateTime>
#include <QObject>
#include <QPageRanges>
#include <QPointer>

class EditorAdapter;
class FeatureHost;
class HostDocument;
class PrintEngine;
class QPrinter;
class QWidget;

// File, "P&rint..", "&Print Setup.." and "Print Preview" (and their tool buttons), and
// "P&rint.." and "Print preview" in every document pop-up: the active document through the
// print engine, with the header and footer the settings ask for.
class PrintCommands : public QObject
{
    Q_OBJECT
public:
    PrintCommands(FeatureHost &host, QObject *parent = nullptr);

    void Print1Click();
    void PrinterSetup1Click();
    void ForhndVisning1Click();
    // Prepares the print engine for the active document; false when none is open.
    bool SkrivUt();

    // The preview window, made once (the program block's hidden forms).
    void createPreviewForm();
    TPrintPreviewFrm *PrintPreviewFrm() const { return m_preview; }

    PrintEngine *SynEditPrint1 = nullptr;

    // The header's date and time: the locale's short date, a blank and its time with
    // seconds (no zone); either part left out as asked ("" + " " + time without the date).
    static QString stamp(const QDateTime &at, bool date, bool time);

private:
    // Gives a new document's pop-up the print items.
    void addPopupItems(HostDocument *document);
    // Where a progress or message box goes: the preview while it shows, else the main window.
    QWidget *dialogParent() const;
    // Prints the prepared job's pages (all when empty) on the program's printer; says so
    // when no printer is reached.
    void printJob(const QPageRanges &pages = {});

    FeatureHost &m_host;
    QPointer<TPrintPreviewFrm> m_preview;
    QPointer<EditorAdapter> m_prepared; // the editor SkrivUt prepared the job for
};
