#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class EditorAdapter;
class HostDocument;
class ParamsHint;
class QKeyEvent;
class TCustomSynAutoComplete;
class TCustomSynAutoComplete1;
class TSynAutoComplete;

// EditFormKeys (unit EditFormKeys):
// The editing aids of one document window and the key handlers that start them, ahead of the
// editor's own key handling: a space after a tag name opens the attribute list, a space after
// a template keyword in Java expands it, a "." in Java opens the member list, a ">" in HTML or
// XML inserts the end tag, "(" and Ctrl+Shift+Space show the parameter hint. The handlers keep
// the status panels (position, modified, insert mode) up to date. Made with its window and
// freed with it.
class EditFormKeys : public QObject
{
    Q_OBJECT
public:
    // The View menu's checks "Completion Proposal" and "Autocompletion", read at each key.
    struct Switches {
        std::function<bool()> completionProposal;
        std::function<bool()> autoCompletion;
    };

    // templates: the main window's code-template expander.
    EditFormKeys(HostDocument *document, TSynAutoComplete *templates, Switches switches);
    ~EditFormKeys() override;

    TCustomSynAutoComplete1 *HTMLCompletion = nullptr;
    TCustomSynAutoComplete *JavaCompletion = nullptr;
    ParamsHint *scpParams = nullptr;

    // Attaches the attribute completion to the editor again (nothing changes when it is).
    void LeggTilEditor();

    // The key handlers; true when the key was taken (the editor does not see it).
    bool SynEdit1KeyDown(QKeyEvent *event);
    bool SynEdit1KeyPress(QKeyEvent *event);
    // The parameter hint's handler: the current parameter's index, -1 to close the hint.
    int scpParamsExecute();

    bool isCaretXYInComment() const;
    bool isCaretXYInCommentHTMLv() const;
    bool isCaretXYInCommentXMLv() const;
    void FindAndInsertEndTagHTML(const QString &line);
    void FindAndInsertEndTagXML(const QString &line);

private:
    enum class Type { Html, Java, Xml, Other };
    Type type() const;
    bool onKeyPress(QKeyEvent *event);
    void insertEndTag(const QString &tag);
    void focusEditor();
    void memberCompleted(const QString &methodName, const QString &paramsItem, bool showHint);

    QPointer<ParamsHint> m_hint; // scpParams, which may go first as the window closes
    HostDocument *m_document;
    EditorAdapter *m_editor;
    TSynAutoComplete *m_templates;
    Switches m_switches;
    // The upper-cased name of the method the member completion inserted last; the parameter
    // hint follows the call of that name.
    QString m_completedMethodName;
};
