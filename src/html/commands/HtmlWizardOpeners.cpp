#include "html/commands/HtmlWizardOpeners.h"

#include "html/commands/HtmlCommands.h"
#include "html/formfields/FormFieldWizard.h"
#include "html/wizards/CommentWizard.h"
#include "html/wizards/FontWizard.h"
#include "html/wizards/FramesFrmUnit.h"
#include "html/wizards/ObjectWizard.h"
#include "html/wizards/OrderedListWizard.h"
#include "html/wizards/RuleWizard.h"
#include "html/wizards/SelectionListWizard.h"
#include "html/wizards/TableWizard.h"
#include "html/wizards/UnorderedListWizard.h"

namespace HtmlWizardOpeners {

namespace {

void showOnce(QWidget *wizard)
{
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    FormFieldWizard::showCentred(wizard);
}

template <class Wizard>
std::function<void()> opener(const WizardHost &host)
{
    return [host] { showOnce(new Wizard(host, host.owner)); };
}

} // namespace

void provideTo(HtmlCommands &commands, const WizardHost &host, FeatureHost &documents)
{
    const std::function<void()> frames = [&documents, owner = host.owner] {
        showOnce(new TFramesValgFrm(documents, owner));
    };
    const QList<QPair<const char *, std::function<void()>>> openers {
        {"SpeedButton34Click", opener<TKommentForm>(host)},
        {"SpeedButton35Click", opener<TTableForm>(host)},
        {"SpeedButton53Click", opener<TOLtagFrm>(host)},
        {"SpeedButton52Click", opener<TULtagFrm>(host)},
        {"SpeedButton28Click", opener<TPopupMenuForm>(host)},
        {"SpeedButton43Click", frames},
        {"Frameset1Click", frames},
        {"SpeedButton48Click", opener<TFontForm>(host)},
        {"SpeedButton51Click", opener<TMediaForm>(host)},
        {"SpeedButton54Click", opener<THorisontalLinjalFrm>(host)},
    };
    for (const auto &[handler, open] : openers)
        commands.provide(QLatin1String(handler), open);
}

} // namespace HtmlWizardOpeners
