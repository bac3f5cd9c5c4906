#pragma once

#include "completion/CompletionComponent.h"

class EditorAdapter;
class QWidget;
class TfmCustomSynHTMLAutoComplete;

// TCustomSynAutoComplete1 (unit SynEditAutoComplete2):
// The HTML attribute completion of a document window ("HTMLCompletion"): after a tag name it
// pops up the attributes the tag takes, one line below the caret, and inserts the one chosen.
class TCustomSynAutoComplete1 : public CompletionComponent
{
    Q_OBJECT
public:
    // window: the document window, owner of the component and of its popup.
    explicit TCustomSynAutoComplete1(QWidget *window);
    ~TCustomSynAutoComplete1() override;

    // The popup.
    TfmCustomSynHTMLAutoComplete *Form = nullptr;

    // Shows the list of the tag at the editor's caret one line below the caret.
    void Execute(EditorAdapter *editor);
    // Shows the list of the tag at the caret with the popup's top left at x, y; nothing when
    // no list serves the tag.
    void ShowAttributeList(EditorAdapter *editor, int x, int y);
    // Inserts a chosen entry at the editor's caret: a valueless attribute or an entry with
    // its value as it is, any other name followed by ="" with the caret between the quotes.
    void ExecuteCompletion(const QString &item, EditorAdapter *editor);
};
