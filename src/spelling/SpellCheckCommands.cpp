#include "spelling/SpellCheckCommands.h"

#include "editor/EditorAdapter.h"
#include "platform/Prompter.h"
#include "spelling/SimpleComboBox.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckUnit.h"

#include <QGuiApplication>

SpellCheckCommands::SpellCheckCommands(TSpellCheck *checker, ActiveEditor activeEditor,
                                       QWidget *window)
    : QObject(checker),
      m_checker(checker),
      m_activeEditor(std::move(activeEditor)),
      m_window(window),
      m_exec([](TSpellCheckFrm &dlg) { return dlg.exec(); })
{
    checker->setCheckWordHandler(
        [this](const QString &word, const QStringList &suggestions, QString &correct, int &action,
               bool undo) { SpellChecker1CheckWord(word, suggestions, correct, action, undo); });
    connect(checker, &TSpellCheck::done, this, &SpellCheckCommands::SpellChecker1Done);
}

TSpellCheckFrm *SpellCheckCommands::dialog()
{
    if (SpellCheckFrm)
        return SpellCheckFrm;
    if (!m_ownDialog)
        m_ownDialog = new TSpellCheckFrm(m_window);
    return m_ownDialog;
}

void SpellCheckCommands::Spellcheck1Click()
{
    EditorAdapter *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!editor || !m_checker)
        return;
    const int column = editor->caretColumn();
    const int line = editor->caretLine();
    m_checker->setEditor(editor);
    QString error;
    if (!m_checker->spellCheckDocument(&error) && !error.isEmpty()) {
        if (!m_checker->openDictionary() && !m_startupError.isEmpty())
            error = m_startupError;
        Prompter::instance()->messageBox(m_window, QGuiApplication::applicationDisplayName(), error,
                                         Prompter::Error, Prompter::OkButton);
    }
    editor->setCaret(line, column);
}

void SpellCheckCommands::SpellChecker1CheckWord(const QString &word, const QStringList &suggestions,
                                                QString &correctWord, int &action,
                                                bool /*undoEnabled*/)
{
    TSpellCheckFrm *dlg = dialog();
    dlg->prepare(word, suggestions);
    switch (m_exec(*dlg)) {
    case TSpellCheckFrm::mrOk:
        correctWord = dlg->SuggestionsCombo->text();
        action = TSpellCheck::caChange;
        break;
    case TSpellCheckFrm::mrAbort: action = TSpellCheck::caAbort; break;
    case TSpellCheckFrm::mrAll: action = TSpellCheck::caAdd; break;
    case TSpellCheckFrm::mrNoToAll: action = TSpellCheck::caIgnoreAll; break;
    default: // "&Ignore", or the dialog closed by its close box
        action = TSpellCheck::caIgnore;
        break;
    }
}

void SpellCheckCommands::SpellChecker1Done()
{
    Prompter::instance()->messageBox(m_window, QStringLiteral("Information"),
                                     QStringLiteral("Spell check done!"), Prompter::Information,
                                     Prompter::OkButton);
}
