#pragma once

#include "completion/CompletionComponent.h"

#include <QString>
#include <QStringList>

class EditorAdapter;
class QKeyEvent;
class QWidget;
class TfmCompletionProposal;

// TCustomSynAutoComplete (unit SynEditAutoComplete1):
// The Java member completion of a document window ("JavaCompletion"): after a "." it pops up
// the members that may follow the word before the dot (a class's static members from its
// member file in completion/, or the members of a variable's class from its member file or
// from the class's declaration in the document), one line below the caret.
//
// While the list is open the keys go to it: a typed character goes into the editor at the
// caret and narrows the list to the members whose names begin with the text between the dot
// and the caret; Backspace deletes before the caret and closes the list when it takes the dot;
// Escape closes the list keeping what was typed; Enter, Space or a double-click give the line
// back its text from when the list opened and insert the chosen member after the dot.
class TCustomSynAutoComplete : public CompletionComponent
{
    Q_OBJECT
public:
    // window: the document window, owner of the component and of its popup.
    explicit TCustomSynAutoComplete(QWidget *window);
    ~TCustomSynAutoComplete() override;

    TfmCompletionProposal *Form = nullptr;

    // What all document windows share: one list is open at a time.
    struct Shared {
        bool staticOnly = false; // the list shows a class's static members
        QStringList filterList;  // the members of the list shown
        QString savedLine;       // the caret line when the list opened
        int savedLength = 0;
        int line = 0; // where the dot stands (1-based)
        int dotColumn = 0;
    };
    static Shared &shared();

    // Shows the list one line below the caret; near the desktop's right edge it opens 425
    // pixels left of that edge.
    void Execute(EditorAdapter *editor);
    void ShowMemberList(EditorAdapter *editor, int x, int y);
    // Inserts a chosen entry at the caret (see MemberCompletionText::insertionFor) and
    // reports it with completed().
    void ExecuteCompletion(const QString &entry, EditorAdapter *editor);

    bool isListShown() const;

signals:
    // A member was inserted: its name upper-cased (empty for a field), the parameter hint's
    // item, and whether the hint is to show at once.
    void completed(const QString &methodName, const QString &paramsItem, bool showHint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool listKey(QKeyEvent *event);
    void accept(bool focusEditor);
    void refilter();
};
