#include "platform/FileDialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// The masks of an entry, one pattern each ("*.a;*.b" written in one mask is split).
QStringList patternsOf(const FileFilterEntry &entry)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    QStringList patterns;
    for (const QString &mask : entry.masks)
        patterns += mask.split(separators, Qt::SkipEmptyParts);
    return patterns;
}

// The description without a mask list of its own at the end ("HTML (*.htm;*.html)" -> "HTML"),
// since Qt shows the masks it is given after it.
QString bareDescription(const QString &description)
{
    static const QRegularExpression maskList(QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
    const QString bare = QString(description).remove(maskList);
    return bare.isEmpty() ? description.trimmed() : bare;
}

class WidgetFileDialogs : public FileDialogs
{
public:
    Answer getOpenFileName(QWidget *parent, const Request &req) override
    {
        return run(parent, req, false);
    }

    Answer getSaveFileName(QWidget *parent, const Request &req) override
    {
        return run(parent, req, true);
    }

    QString getExistingDirectory(QWidget *parent, const QString &caption,
                                 const QString &dir) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    }

    bool getColor(QWidget *parent, QColor &color) override
    {
        const QColor chosen = QColorDialog::getColor(color, parent);
        if (!chosen.isValid())
            return false;
        color = chosen;
        return true;
    }

    bool getFont(QWidget *parent, QFont &font) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, parent);
        if (ok)
            font = chosen;
        return ok;
    }

    bool printSetup(QWidget *parent) override
    {
        QPrintDialog dialog(printer(), parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool printDialog(QWidget *parent, int pageCount, bool hasSelection) override
    {
        QPrinter *target = printer();
        const int last = qMax(1, pageCount);
        target->setPrintRange(QPrinter::AllPages);
        target->setFromTo(1, last);
        QPrintDialog dialog(target, parent);
        dialog.setMinMax(1, last);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                          | QAbstractPrintDialog::PrintCollateCopies
                          | QAbstractPrintDialog::PrintShowPageSize);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
        return dialog.exec() == QDialog::Accepted;
    }

    bool pageSetup(QWidget *parent) override
    {
        QPageSetupDialog dialog(printer(), parent);
        return dialog.exec() == QDialog::Accepted;
    }

private:
    static Answer run(QWidget *parent, const Request &req, bool save)
    {
        QFileDialog dialog(parent, req.caption, req.initialDir);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (!save)
            dialog.setFileMode(req.multiSelect ? QFileDialog::ExistingFiles
                                               : QFileDialog::ExistingFile);
        const QStringList filters =
            toQtFilter(req.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            const int index = qBound(1, req.filterIndex, int(filters.size())) - 1;
            dialog.selectNameFilter(filters.at(index));
        }
        QString ext = req.defaultExt;
        if (ext.startsWith(u'.'))
            ext.remove(0, 1);
        if (!ext.isEmpty())
            dialog.setDefaultSuffix(ext);
        if (!req.fileName.isEmpty())
            dialog.selectFile(req.fileName);
        if (!req.confirmOverwrite)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);

        Answer answer;
        answer.filterIndex = req.filterIndex;
        if (dialog.exec() != QDialog::Accepted)
            return answer;
        answer.accepted = true;
        answer.files = dialog.selectedFiles();
        const int chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0)
            answer.filterIndex = chosen + 1;
        return answer;
    }
};

FileDialogs *installed = nullptr;
QPrinter *programPrinter = nullptr;

void deletePrinter()
{
    delete programPrinter;
    programPrinter = nullptr;
}

} // namespace

QString FileDialogs::toQtFilter(const QList<FileFilterEntry> &filter)
{
    QStringList entries;
    for (const FileFilterEntry &entry : filter) {
        QStringList patterns;
        for (const QString &p : patternsOf(entry)) {
            const QString pattern = p == QLatin1String("*.*") ? QStringLiteral("*") : p;
            if (!patterns.contains(pattern))
                patterns.append(pattern);
            // "*.htm" also matches ".html" files, as the HTML filter promises.
            if (pattern.compare(QLatin1String("*.htm"), Qt::CaseInsensitive) == 0
                && !patterns.contains(QStringLiteral("*.html"), Qt::CaseInsensitive))
                patterns.append(QStringLiteral("*.html"));
        }
        entries.append(bareDescription(entry.description) + QStringLiteral(" (")
                       + patterns.join(u' ') + u')');
    }
    return entries.join(QStringLiteral(";;"));
}

QString FileDialogs::toDelphiFilter(const QList<FileFilterEntry> &filter)
{
    QStringList parts;
    for (const FileFilterEntry &entry : filter) {
        parts.append(entry.description);
        parts.append(patternsOf(entry).join(u';'));
    }
    return parts.join(u'|');
}

QPrinter *FileDialogs::printer()
{
    if (!programPrinter) {
        programPrinter = new QPrinter(QPrinter::HighResolution);
        // Outside any printer's unprintable border, and the room a reader expects.
        programPrinter->setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        qAddPostRoutine(deletePrinter);
    }
    return programPrinter;
}

FileDialogs *FileDialogs::instance()
{
    static WidgetFileDialogs widgetDialogs;
    return installed ? installed : &widgetDialogs;
}

void FileDialogs::setInstance(FileDialogs *d)
{
    installed = d;
}
