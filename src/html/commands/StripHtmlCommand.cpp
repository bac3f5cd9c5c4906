#include "html/commands/StripHtmlCommand.h"

#include "editor/EditorAdapter.h"
#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "html/commands/HtmlCommands.h"
#include "html/text/StripHtml.h"
#include "platform/DelphiStrings.h"
#include "platform/Prompter.h"

#include <QFileInfo>

StripHtmlCommand::StripHtmlCommand(FeatureHost &host, QObject *parent)
    : QObject(parent), m_host(host)
{}

void StripHtmlCommand::provideTo(HtmlCommands &commands)
{
    commands.provide(QStringLiteral("Button5Click"), [this] { Button5Click(); });
}

void StripHtmlCommand::Button5Click()
{
    HostDocument *document = m_host.activeDocument();
    if (!document || !document->editor())
        return;
    const QString oldFile = document->fileName();
    const QString newFile = oldFile.isEmpty() ? QString() : StripHtml::textName(oldFile);
    const QString newCaption = oldFile.isEmpty() ? StripHtml::textName(document->caption())
                                                 : Delphi::extractFileName(newFile);

    // Two documents of one name could no longer be told apart.
    for (HostDocument *other : m_host.documents()) {
        if (other != document && other->caption().compare(newCaption, Qt::CaseInsensitive) == 0) {
            Prompter::information(m_host.window(),
                                  QStringLiteral("A document named ") + newCaption
                                      + QStringLiteral(" is already open. Close it before "
                                                       "stripping this document."));
            return;
        }
    }

    if (Prompter::instance()->messageBox(
            m_host.window(), QStringLiteral("Information"),
            QStringLiteral("Are you sure that you want to strip the html code from this document? "
                           "Doing this will cause the html code to be removed from the current "
                           "active editor document. Do you want to presede with this operation "
                           "now?"),
            Prompter::Information, Prompter::YesButton | Prompter::NoButton)
        != Prompter::Yes)
        return;

    EditorAdapter *editor = document->editor();
    editor->replaceLines(StripHtml::strip(editor->lines()));

    if (!oldFile.isEmpty()) {
        // Another file of that name would be overwritten by the next save without a word.
        const bool taken = newFile != oldFile && QFileInfo::exists(newFile);
        document->setFileName(taken ? QString() : newFile);
    }
    document->rename(newCaption);
    document->removeHighlighter();
}
