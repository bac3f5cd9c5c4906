#include "html/scripts/LinkMenuWizard.h"

#include "html/text/PageInsertion.h"
#include "html/text/ScriptTexts.h"
#include "html/widgets/EntryList.h"
#include "platform/Rng.h"

#include <QVBoxLayout>

namespace {

// The head function goes after the head tag; the caret then stands this many lines below
// the line it was on.
constexpr int HeadCaretOffset = 15;

} // namespace

TLinkScriptFrm::TLinkScriptFrm(const WizardHost &host, QWidget *parent)
    : WizardDialog("LinkScriptFrm", QStringLiteral("Linkscript"),
                   QStringLiteral("HID_LINKSCRIPTDLG"), host, parent)
{
    EntryList::Setup setup;
    setup.listName = "ListView1";
    setup.columns = {QStringLiteral("Value"), QStringLiteral("Link")};
    setup.width = {1, 5, 182, 199};
    setup.fields = {{"Edit3", QStringLiteral("Value:")}, {"Edit2", QStringLiteral("Link:")}};
    setup.add = {"Button3", QStringLiteral("Add..")};
    setup.import = {"Button1", QStringLiteral("Import..")};
    setup.remove = {"Button2", QStringLiteral("Delete")};
    setup.importFilter = {{QStringLiteral("Text files (*.txt)"), {QStringLiteral("*.txt")}},
                          {QStringLiteral("Richtext files (*.rtf)"), {QStringLiteral("*.rtf")}}};
    setup.importTitle = QStringLiteral("Select file you want to be imported to the list");
    ListView1 = new EntryList(setup, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListView1);
    layout->addLayout(makeButtons({"Button4", "Button5", "Button6"}));
}

void TLinkScriptFrm::Button4Click()
{
    EditorAdapter *editor = activeEditor();
    if (!editor) {
        close();
        return;
    }
    const QString page = PageInsertion::GetActiveEditorText(editor);
    const QString indent = caretIndent();

    // A page that already has the function keeps its number, so that the function serves
    // this menu as well.
    Rng::instance()->randomize();
    QString number = ScriptTexts::linkMenuNumber(page);
    if (number.isEmpty()) {
        ListNumber = Rng::instance()->random(2000);
        number = QString::number(ListNumber);
    } else {
        ListNumber = number.toInt();
    }

    insert(ScriptTexts::linkMenu(ListView1->entries(), number, indent));
    if (!page.contains(ScriptTexts::linkMenuHeader()))
        PageInsertion::SoekOgLeggInn(editor, QStringLiteral("<head>"),
                                     ScriptTexts::linkMenuFunction(number), HeadCaretOffset);
    close();
}
