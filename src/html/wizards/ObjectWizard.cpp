#include "html/wizards/ObjectWizard.h"

#include "editor/EditorAdapter.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TMediaForm::TMediaForm(const WizardHost &host, QWidget *parent)
    : WizardDialog("MediaForm", QStringLiteral("Object wizard:"), QStringLiteral("HID_OBJECTWIZ"),
                   host, parent)
{
    auto *form = new QFormLayout;
    auto field = [this, form](const char *name, const QString &label) {
        auto *edit = named(new QLineEdit(this), name);
        form->addRow(label, edit);
        return edit;
    };
    Edit1 = field("Edit1", QStringLiteral("Width:"));
    Edit2 = field("Edit2", QStringLiteral("Height:"));
    Edit3 = field("Edit3", QStringLiteral("MIMEtype:"));
    Edit5 = field("Edit5", QStringLiteral("Class ID:"));
    Edit6 = field("Edit6", QStringLiteral("Data:"));
    Edit7 = field("Edit7", QStringLiteral("Codebase:"));
    Edit8 = field("Edit8", QStringLiteral("ID:"));
    setMinimumWidth(340);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtons({"Button2", "Button3", "Button1"}));
}

WizardTexts::ObjectFields TMediaForm::fields() const
{
    WizardTexts::ObjectFields f;
    f.width = Edit1->text();
    f.height = Edit2->text();
    f.mimeType = Edit3->text();
    f.classId = Edit5->text();
    f.data = Edit6->text();
    f.codebase = Edit7->text();
    f.id = Edit8->text();
    return f;
}

void TMediaForm::Button2Click()
{
    if (EditorAdapter *editor = activeEditor()) {
        const QString indent = editor->caretLineIndent();
        insert(WizardTexts::object(fields(), indent));
        // The caret ends after "</object>"; the empty line is the one above.
        editor->setCaret(editor->caretLine() - 1, WizardTexts::objectCaretColumn(indent));
    }
    close();
}
