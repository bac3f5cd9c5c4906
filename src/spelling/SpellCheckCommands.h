#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class EditorAdapter;
class QWidget;
class TSpellCheck;
class TSpellCheckFrm;

// The spell-check commands of the main window ("Spell check.." in the Search menu and
// "Spellcheck document.." in the document pop-up) and its two handlers of the checker's
// events: the dialog for each unknown word, and the closing message.
class SpellCheckCommands : public QObject
{
    Q_OBJECT
public:
    using ActiveEditor = std::function<EditorAdapter *()>;
    // Shows the dialog modally and returns its result; tests answer it without a window.
    using ExecDialog = std::function<int(TSpellCheckFrm &)>;

    // Wires checker's check-word handler and its done signal to this object.
    SpellCheckCommands(TSpellCheck *checker, ActiveEditor activeEditor, QWidget *window);

    // Checks the active document, then puts its caret back where it was.
    void Spellcheck1Click();
    // The handler of an unknown word: the dialog, its result mapped to the checker's action.
    void SpellChecker1CheckWord(const QString &word, const QStringList &suggestions,
                                QString &correctWord, int &action, bool undoEnabled);
    void SpellChecker1Done();

    // The dialog used: the program's SpellCheckFrm when there is one, else one of our own.
    TSpellCheckFrm *dialog();
    void setExecDialog(ExecDialog exec) { m_exec = std::move(exec); }
    // Why start-up loaded no dictionary (the language was not found); said instead of
    // "No dictionary is loaded." when the command finds none.
    void setStartupError(const QString &error) { m_startupError = error; }

private:
    QPointer<TSpellCheck> m_checker;
    ActiveEditor m_activeEditor;
    QPointer<QWidget> m_window;
    QPointer<TSpellCheckFrm> m_ownDialog;
    ExecDialog m_exec;
    QString m_startupError;
};
