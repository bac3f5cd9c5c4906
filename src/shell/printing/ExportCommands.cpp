#include "shell/printing/ExportCommands.h"

#include "editor/EditorAdapter.h"
#include "editor/output/Exporters.h"
#include "host/ActionRegistry.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "platform/DelphiStrings.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"

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

// The document's own file is refused; an existing file is replaced only when the user says so.
bool mayWriteTo(QWidget *window, const QString &target, const QString &own)
{
    if (sameFile(target, own)) {
        // The export would put a copy of the page in place of the page itself.
        Prompter::instance()->messageDlg(
            window,
            QStringLiteral("Cannot export to ") + target
                + QStringLiteral(": it is the document's own file. Choose another name."),
            Prompter::Error, Prompter::OkButton);
        return false;
    }
    return !QFileInfo(target).isFile()
        || Prompter::instance()->messageDlg(
               window, target + QStringLiteral(" already exists.\nDo you want to replace it?"),
               Prompter::Warning, Prompter::YesButton | Prompter::NoButton)
        == Prompter::Yes;
}

} // namespace

ExportCommands::ExportCommands(FeatureHost &host, QObject *parent) : QObject(parent), m_host(host)
{
    setObjectName(QStringLiteral("ExportCommands"));
    if (QAction *rtf = host.actions().action(QStringLiteral("RTFfiltekst1")))
        connect(rtf, &QAction::triggered, this, &ExportCommands::RTFfiltekst1Click);
    if (QAction *html = host.actions().action(QStringLiteral("HTML3")))
        connect(html, &QAction::triggered, this, &ExportCommands::HTML3Click);
}

void ExportCommands::RTFfiltekst1Click()
{
    if (HostDocument *document = m_host.activeDocument())
        ExporterTilRTF(*document);
}

void ExportCommands::HTML3Click()
{
    if (HostDocument *document = m_host.activeDocument())
        ExporterTilHTML(*document);
}

void ExportCommands::ExporterTilRTF(HostDocument &document)
{
    exportWith(document, ExporterRTF());
}

void ExportCommands::ExporterTilHTML(HostDocument &document)
{
    exportWith(document, ExporterHTML());
}

QString ExportCommands::proposedName(const QString &caption, const QString &extension)
{
    return Delphi::changeFileExt(caption, extension);
}

void ExportCommands::exportWith(HostDocument &document, const Exporter &exporter)
{
    FileDialogs::Request req;
    req.filter = {filterEntry(exporter.defaultFilter())};
    req.filterIndex = 1;
    req.fileName = proposedName(document.caption(), exporter.extension());
    req.defaultExt = exporter.extension();
    req.confirmOverwrite = false; // mayWriteTo asks, after refusing the document's own file
    const QString own = document.fileName();
    if (!own.isEmpty())
        req.initialDir = QFileInfo(own).absolutePath();
    else
        req.initialDir = m_host.workingFolder();

    QWidget *window = document.widget();
    const FileDialogs::Answer answer = FileDialogs::instance()->getSaveFileName(window, req);
    const QString target = answer.files.value(0);
    if (answer.accepted && !target.isEmpty() && mayWriteTo(window, target, own)) {
        const QString title = QLatin1Char('"') + document.caption() + QLatin1Char('"')
            + QStringLiteral(" exported as ") + exporter.formatName();
        EditorAdapter &editor = *document.editor();
        const StyledText text = StyledText::of(editor, editor.hasSelection());
        TextFile::Format format;
        format.encoding = TextFile::Encoding::Utf8;
        format.lineEnding = TextFile::LineEnding::LF;
        QString reason;
        if (!TextFile::save(target, exporter.exportText(text, title), format, &reason))
            Prompter::instance()->messageDlg(
                window, QStringLiteral("Could not save ") + target + QLatin1Char('\n') + reason,
                Prompter::Error, Prompter::OkButton);
    }
    document.editor()->widget()->setFocus();
}
