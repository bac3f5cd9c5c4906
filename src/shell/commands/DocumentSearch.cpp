#include "shell/commands/DocumentSearch.h"

#include "editor/EditorAdapter.h"
#include "platform/Prompter.h"
#include "shell/commands/SearchDialog.h"

#include <QApplication>

DocumentSearch::DocumentSearch(EditorAdapter *editor, QWidget *window,
                               std::function<void(bool)> findNextEnabled, QObject *parent)
    : QObject(parent),
      m_editor(editor),
      m_window(window),
      m_findNextEnabled(std::move(findNextEnabled))
{}

SearchDialog *DocumentSearch::findDialog()
{
    if (!m_find) {
        m_find = new SearchDialog(SearchDialog::Find, m_window);
        connect(m_find, &SearchDialog::find, this, &DocumentSearch::FinnNeste);
    }
    return m_find;
}

SearchDialog *DocumentSearch::replaceDialog()
{
    if (!m_replace) {
        m_replace = new SearchDialog(SearchDialog::Replace, m_window);
        connect(m_replace, &SearchDialog::find, this, [this] { FinnErstatt(); });
        connect(m_replace, &SearchDialog::replace, this, &DocumentSearch::Erstatt);
    }
    return m_replace;
}

void DocumentSearch::showDialog(SearchDialog *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void DocumentSearch::Soek()
{
    showDialog(findDialog());
}

void DocumentSearch::showReplaceDialog()
{
    showDialog(replaceDialog());
}

bool DocumentSearch::search(SearchDialog *dialog, bool quietWhenNotFound)
{
    const QString text = dialog->findText();
    if (text.isEmpty()) {
        QApplication::beep();
        Prompter::instance()->messageDlg(
            m_window,
            QStringLiteral(
                "No search string has previously been defined. Can't search for empty text."),
            Prompter::Information, Prompter::OkButton);
        m_findNextEnabled(false);
        return false;
    }
    if (!m_editor->findText(text, dialog->matchCase(), dialog->wholeWord(), dialog->down(), true)) {
        QApplication::beep();
        if (!quietWhenNotFound)
            Prompter::instance()->messageDlg(
                m_window, QStringLiteral("Searchtext '") + text + QStringLiteral("' not found"),
                Prompter::Information, Prompter::OkButton);
        m_findNextEnabled(false);
        return false;
    }
    m_findNextEnabled(true);
    return true;
}

void DocumentSearch::Finn()
{
    search(findDialog(), false);
}

void DocumentSearch::FinnNeste()
{
    Finn();
}

bool DocumentSearch::FinnErstatt()
{
    SearchDialog *dialog = replaceDialog();
    return search(dialog, dialog->replaceAll());
}

void DocumentSearch::Erstatt()
{
    SearchDialog *dialog = replaceDialog();
    const QString replacement = dialog->replaceText();
    if (!dialog->replaceAll()) {
        if (m_editor->hasSelection())
            m_editor->insertAtCaret(replacement);
        return;
    }
    // From the selection's start, so a match already selected (by "Find Next" or "Replace
    // again") is replaced too; each later search starts after the replacement before it, so a
    // replacement that holds the find text is never searched again. The loop ends with a
    // search that finds nothing: it beeps and disables "Find Next", without a message.
    if (dialog->findText().isEmpty()) {
        FinnErstatt();
        return;
    }
    m_editor->replaceAll(dialog->findText(), replacement, dialog->matchCase(), dialog->wholeWord());
    QApplication::beep();
    m_findNextEnabled(false);
}

void DocumentSearch::replaceAgain()
{
    if (FinnErstatt())
        Erstatt();
}
