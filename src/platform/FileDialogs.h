#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// A file-type filter entry: description and masks, e.g. {"HTML (*.htm;*.html)", {"*.htm"}}.
struct FileFilterEntry {
    QString description;
    QStringList masks;
};

// Common dialogs. Production code calls FileDialogs::instance(); tests install a fake.
class FileDialogs
{
public:
    struct Request {
        QString caption;
        QString initialDir;
        QString fileName; // proposed name (save) or cleared (open)
        QList<FileFilterEntry> filter;
        int filterIndex = 1; // 1-based
        QString defaultExt;  // without or with the dot
        bool multiSelect = false;
        bool confirmOverwrite = true; // save: the dialog asks before an existing file is chosen
    };
    struct Answer {
        bool accepted = false;
        QStringList files;
        int filterIndex = 1;
    };

    virtual ~FileDialogs() = default;
    virtual Answer getOpenFileName(QWidget *parent, const Request &req) = 0;
    virtual Answer getSaveFileName(QWidget *parent, const Request &req) = 0;
    // Empty when cancelled.
    virtual QString getExistingDirectory(QWidget *parent, const QString &caption,
                                         const QString &dir) = 0;
    virtual bool getColor(QWidget *parent, QColor &color) = 0;
    virtual bool getFont(QWidget *parent, QFont &font) = 0;
    // Printer set-up on printer(); false when cancelled.
    virtual bool printSetup(QWidget *parent) = 0;
    // The print dialog on printer() (printer, pages, copies) for a document of pageCount pages,
    // offering to print the selection when there is one; it starts at all pages. On OK the
    // printer holds the choice (its print range and page ranges); false when cancelled.
    virtual bool printDialog(QWidget *parent, int pageCount, bool hasSelection) = 0;
    // The page set-up dialog on printer() (paper, orientation, margins); false when cancelled.
    virtual bool pageSetup(QWidget *parent) = 0;

    // The program's printer, which print set-up configures and printing uses. Its margins start
    // at 20 mm left and right and 15 mm top and bottom.
    static QPrinter *printer();

    // Converts a filter to Qt's form: "Desc (*.a *.b)" entries joined by ";;",
    // masks separated by blanks and "*.*" written as "*".
    static QString toQtFilter(const QList<FileFilterEntry> &filter);
    // The Windows-style text "Desc|*.a;*.b|Desc2|*.c".
    static QString toDelphiFilter(const QList<FileFilterEntry> &filter);

    static FileDialogs *instance();
    static void setInstance(FileDialogs *d);
};
