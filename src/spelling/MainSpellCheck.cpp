#include "MainSpellCheck.h"

#include <QAction>
#include <QMenu>

#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "shell/EditFrmUnit.h"
#include "shell/Main.h"
#include "spelling/SpellCheck.h"
#include "spelling/SpellCheckCommands.h"
#include "spelling/SpellCheckSetup.h"
#include "spelling/SpellCheckUnit.h"

namespace MainSpellCheck {

namespace {

const char CheckerName[] = "SpellChecker1";
const char CommandsName[] = "SpellCheckCommands";

// "Spellcheck document.." of a document window's pop-up runs the main window's command.
void bindPopup(TEditForm *window, SpellCheckCommands *commands)
{
    QAction *item = window->popupAction(QStringLiteral("Spellcheck1"));
    if (!item) {
        item = window->PopupMenu1->addAction(QStringLiteral("Spellcheck document.."));
        item->setObjectName(QStringLiteral("Spellcheck1"));
    }
    QObject::connect(item, &QAction::triggered, commands, &SpellCheckCommands::Spellcheck1Click);
}

void install(TMainForm *main)
{
    TSpellCheck *checker = SpellCheckSetup::createMainSpellChecker(main);
    auto *commands = new SpellCheckCommands(
        checker,
        [main] {
            TEditForm *window = main->GetActiveEditor();
            return window ? window->SynEdit1 : nullptr;
        },
        main);
    commands->setObjectName(QLatin1String(CommandsName));

    QAction *item = main->action(QStringLiteral("Spellcheck1"));
    if (!item)
        item = main->addMenuItem(QStringLiteral("Search1"), QStringLiteral("Spellcheck1"),
                                 QStringLiteral("Spell check.."), 0);
    if (item)
        QObject::connect(item, &QAction::triggered, commands, &SpellCheckCommands::Spellcheck1Click);

    for (TEditForm *window : main->documentWindows())
        bindPopup(window, commands);
    QObject::connect(main, &TMainForm::documentCreated, commands,
                     [commands](TEditForm *window) { bindPopup(window, commands); });

    // The active document's editor is the one checked and underlined.
    if (TEditForm *window = main->GetActiveEditor())
        checker->setEditor(window->SynEdit1);
    QObject::connect(main, &TMainForm::documentActivated, checker,
                     [checker](TEditForm *window) { checker->setEditor(window->SynEdit1); });
    QObject::connect(main, &TMainForm::documentClosed, checker, [checker](TEditForm *window) {
        if (checker->editor() == window->SynEdit1)
            checker->setEditor(nullptr);
    });
}

} // namespace

TSpellCheck *spellChecker(TMainForm *main)
{
    auto *checker = main->findChild<TSpellCheck *>(QLatin1String(CheckerName), Qt::FindDirectChildrenOnly);
    if (!checker) {
        install(main);
        checker = main->findChild<TSpellCheck *>(QLatin1String(CheckerName), Qt::FindDirectChildrenOnly);
    }
    return checker;
}

SpellCheckCommands *commands(TMainForm *main)
{
    return spellChecker(main)->findChild<SpellCheckCommands *>(QLatin1String(CommandsName));
}

void setUp(TMainForm *main)
{
    TSpellCheck *checker = spellChecker(main);
    if (!main->iniFile())
        return;
    const QString error =
        SpellCheckSetup::applyStartupSettings(*checker, *main->iniFile(), AppPaths::programFolder());
    if (auto *cmds = commands(main))
        cmds->setStartupError(error);
}

void createDialog(TMainForm *main)
{
    spellChecker(main);
    if (SpellCheckFrm)
        return;
    SpellCheckFrm = new TSpellCheckFrm(main);
    QObject::connect(SpellCheckFrm, &QObject::destroyed, [] { SpellCheckFrm = nullptr; });
}

} // namespace MainSpellCheck
