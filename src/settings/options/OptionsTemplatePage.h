#pragma once

#include "settings/files/CodeTemplateText.h"

#include <QWidget>

#include <functional>

class EditorAdapter;
class Highlighter;
class QDialog;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The Options dialog's "Auto completion" page: the code templates of "completion/auto.cmp".
// The template text stays in the dialog until OK saves it; the keyword list shows one item per
// record and the code editor the code of the keyword selected, which goes back into the text
// when another keyword is selected, before "New.." and on OK.
class OptionsTemplatePage : public QWidget
{
    Q_OBJECT
public:
    // Shows a modal dialog and returns its result.
    using ExecDialog = std::function<int(QDialog &)>;

    explicit OptionsTemplatePage(QWidget *parent = nullptr);

    void setExecDialog(ExecDialog exec) { m_exec = std::move(exec); }

    // Creation: the template file (when it exists) and the keyword list.
    void loadTemplates();
    // The hidden template text ("RichEdit1").
    const CodeTemplateText &RichEdit1() const { return m_text; }
    // OK: the edited code goes back into the text, which is written to the template file
    // (made when missing). False, with the reason, when the file could not be written.
    bool saveTemplates(QString *error);

    void GetKeywordList();
    // Shows the code of keyword's record in the code editor.
    void FindElementCode(const QString &keyword);
    // Stores the code editor's lines into the template being edited.
    void UpdateKewordCode();

    // The keyword whose code the editor holds; empty when none.
    QString editedKeyword() const { return m_edited; }
    int TemplateStartLine = -1;
    int TemplateEndLine = -1;

    QTreeWidget *ListView2; // "Keywords"
    EditorAdapter *SynEdit1;
    QPushButton *NewKeyword;
    QPushButton *DeleteKeyword;

public slots:
    void ListView2Click();
    void NewKeywordClick();
    void DeleteKeywordClick();

private:
    QString selectedKeyword() const;
    void selectQuietly(QTreeWidgetItem *item);
    void setEdited(const QString &keyword);

    CodeTemplateText m_text;
    Highlighter *m_highlighter;
    QString m_edited;
    bool m_quiet = false;
    ExecDialog m_exec;
};
