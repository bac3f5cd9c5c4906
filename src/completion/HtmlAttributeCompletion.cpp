#include "completion/HtmlAttributeCompletion.h"

#include "completion/AttributeListPopup.h"
#include "completion/HtmlAttributeTables.h"
#include "completion/HtmlTagAtCaret.h"
#include "editor/EditorAdapter.h"

TCustomSynAutoComplete1::TCustomSynAutoComplete1(QWidget *window)
    : CompletionComponent(window), Form(new TfmCustomSynHTMLAutoComplete(window))
{
    setObjectName(QStringLiteral("HTMLCompletion"));
    connect(Form, &TfmCustomSynHTMLAutoComplete::chosen, this,
            [this](const QString &item) { ExecuteCompletion(item, Form->Editor); });
}

TCustomSynAutoComplete1::~TCustomSynAutoComplete1()
{
    delete Form;
}

void TCustomSynAutoComplete1::Execute(EditorAdapter *editor)
{
    if (!editor)
        return;
    const QPoint p = editor->caretScreenPoint();
    ShowAttributeList(editor, p.x(), p.y() + editor->lineHeight());
}

void TCustomSynAutoComplete1::ShowAttributeList(EditorAdapter *editor, int x, int y)
{
    if (!editor)
        return;
    const QString tagText = QLatin1Char('<')
        + FindKeyWordInNow(editor->lines(), editor->caretLine(), editor->caretColumn()).trimmed();
    const int row = HtmlAttributeTables::chooseRow(tagText);
    if (row < 0)
        return;
    Form->fillWith(row);
    Form->Editor = editor;
    Form->showAt(x, y);
}

void TCustomSynAutoComplete1::ExecuteCompletion(const QString &item, EditorAdapter *editor)
{
    if (item.isEmpty() || !editor)
        return;
    bool valueless = false;
    for (const QString &name : Form->ValuelessList)
        valueless = valueless || item.contains(name);
    if (valueless || item.contains(QLatin1Char('='))) {
        editor->insertAtCaret(item);
        return;
    }
    editor->insertAtCaret(item + QStringLiteral("=\"\""));
    editor->setCaret(editor->caretLine(), editor->caretColumn() - 1);
}
