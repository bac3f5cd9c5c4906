#include "shell/printing/ExportCommands.h"

#include "editor/EditorAdapter.h"
#include "editor/output/Exporters.h"
#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"

#include <QAction>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// "HTML Documents (*.htm;*.html)" as a filter entry.
FileFilterEntry filterEntry(const QString &filter)
{
    static const QRegularExpression masks(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch m = masks.match(filter);
    return {filter, m.hasMatch() ? m.captured(1).split(u';', Qt::SkipEmptyParts) : QStringList()};
}

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty())
        return ca == cb;
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

} // namespace

ExportCommands::ExportCommands(TMainForm &main, QObject *parent) : QObject(parent), m_main(main)
{
    setObjectName(QStringLiteral("ExportCommands"));
    if (QAction *rtf = main.action(QStringLiteral("RTFfiltekst1")))
        connect(rtf, &QAction::triggered, this, &ExportCommands::RTFfiltekst1Click);
    if (QAction *html = main.action(QStringLiteral("HTML3")))
        connect(html, &QAction::triggered, this, &ExportCommands::HTML3Click);
}

void ExportCommands::RTFfiltekst1Click()
{
    if (TEditForm *document = m_main.GetActiveEditor())
        ExporterTilRTF(*document);
}

void ExportCommands::HTML3Click()
{
    if (TEditForm *document = m_main.GetActiveEditor())
        ExporterTilHTML(*document);
}

void ExportCommands::ExporterTilRTF(TEditForm &document)
{
    exportWith(document, ExporterRTF());
}

void ExportCommands::ExporterTilHTML(TEditForm &document)
{
    exportWith(document, ExporterHTML());
}

QString ExportCommands::proposedName(const QString &caption, const QString &extension)
{
    return Delphi::changeFileExt(caption, extension);
}

void ExportCommands::exportWith(TEditForm &document, const Exporter &exporter)
{
    FileDialogs::Request req;
    req.filter = {filterEntry(exporter.defaultFilter())};
    req.filterIndex = 1;
    req.fileName = proposedName(document.caption(), exporter.extension());
    req.defaultExt = exporter.extension();
    req.confirmOverwrite = true;
    if (!document.DocumentFileName.isEmpty())
        req.initialDir = QFileInfo(document.DocumentFileName).absolutePath();
    else
        req.initialDir = m_main.WorkingFolder;

    const FileDialogs::Answer answer = FileDialogs::instance()->getSaveFileName(&document, req);
    const QString target = answer.files.value(0);
    if (answer.accepted && !target.isEmpty()) {
        if (sameFile(target, document.DocumentFileName)) {
            // The export would put a copy of the page in place of the page itself.
            Prompter::instance()->messageDlg(
                &document,
                QStringLiteral("Cannot export to ") + target
                    + QStringLiteral(": it is the document's own file. Choose another name."),
                Prompter::Error, Prompter::OkButton);
        } else {
            const QString title = QLatin1Char('"') + document.caption() + QLatin1Char('"')
                + QStringLiteral(" exported as ") + exporter.formatName();
            EditorAdapter &editor = *document.SynEdit1;
            const StyledText text = StyledText::of(editor, editor.hasSelection());
            TextFile::Format format;
            format.encoding = TextFile::Encoding::Utf8;
            format.lineEnding = TextFile::LineEnding::LF;
            QString reason;
            if (!TextFile::save(target, exporter.exportText(text, title), format, &reason))
                Prompter::instance()->messageDlg(&document,
                                                 QStringLiteral("Could not save ") + target
                                                     + QLatin1Char('\n') + reason,
                                                 Prompter::Error, Prompter::OkButton);
        }
    }
    document.SynEdit1->widget()->setFocus();
}
