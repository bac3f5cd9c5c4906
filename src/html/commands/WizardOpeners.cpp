#include "html/commands/WizardOpeners.h"

#include "html/commands/HtmlCommands.h"
#include "html/formfields/FormFieldButton.h"
#include "html/formfields/FormFieldCheckBox.h"
#include "html/formfields/FormFieldFile.h"
#include "html/formfields/FormFieldHidden.h"
#include "html/formfields/FormFieldImageButton.h"
#include "html/formfields/FormFieldPassword.h"
#include "html/formfields/FormFieldRadioButton.h"
#include "html/formfields/FormFieldTextArea.h"
#include "html/formfields/FormFieldTextField.h"
#include "html/formfields/FormFieldWizard.h"
#include "html/scripts/BrowserInfoWizard.h"
#include "html/scripts/LinkMenuWizard.h"
#include "html/scripts/RandomImageWizard.h"
#include "html/scripts/RolloverWizard.h"
#include "html/wizards/CommentWizard.h"
#include "html/wizards/FontWizard.h"
#include "html/wizards/FramesFrmUnit.h"
#include "html/wizards/ImageTagWizard.h"
#include "html/wizards/ObjectWizard.h"
#include "html/wizards/OrderedListWizard.h"
#include "html/wizards/RuleWizard.h"
#include "html/wizards/SelectionListWizard.h"
#include "html/wizards/TableWizard.h"
#include "html/wizards/UnorderedListWizard.h"

namespace WizardOpeners {

namespace {

template <class Wizard>
Wizard *freedOnClose(Wizard *wizard)
{
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    return wizard;
}

// A form-field wizard: it inserts its one line through the host.
template <class Wizard>
std::function<void()> formField(const WizardHost &host)
{
    return [host] { freedOnClose(new Wizard(host.insertText, host.owner))->showCentred(); };
}

// A wizard that reads the host as it needs it.
template <class Wizard>
std::function<void()> wizard(const WizardHost &host)
{
    return [host] { FormFieldWizard::showCentred(freedOnClose(new Wizard(host, host.owner))); };
}

} // namespace

QList<QPair<QString, std::function<void()>>> openers(const WizardHost &host, FeatureHost &documents)
{
    const std::function<void()> frames = [&documents, owner = host.owner] {
        FormFieldWizard::showCentred(freedOnClose(new TFramesValgFrm(documents, owner)));
    };
    return {
        {QStringLiteral("SpeedButton22Click"), formField<TCheckBoxGenFrm>(host)},
        {QStringLiteral("SpeedButton23Click"), formField<TRadioButtonFrm>(host)},
        {QStringLiteral("SpeedButton24Click"), formField<TTextfieldFrm>(host)},
        {QStringLiteral("SpeedButton25Click"), formField<TFileFieldFrm>(host)},
        {QStringLiteral("SpeedButton27Click"), formField<TPasswordFieldFrm>(host)},
        {QStringLiteral("SpeedButton102Click"), formField<THidnFieldFrm>(host)},
        {QStringLiteral("SpeedButton21Click"), formField<TKnappeForm>(host)},
        {QStringLiteral("SpeedButton26Click"), formField<TTextArea>(host)},
        {QStringLiteral("SpeedButton29Click"),
         [host] {
             freedOnClose(new TImageButtonFrm(host.project, host.insertText, host.owner))
                 ->showCentred();
         }},
        {QStringLiteral("SpeedButton30Click"),
         [host] {
             freedOnClose(new TBildeFrm(host.project, host.insertText, host.owner))->show();
         }},
        {QStringLiteral("SpeedButton34Click"), wizard<TKommentForm>(host)},
        {QStringLiteral("SpeedButton35Click"), wizard<TTableForm>(host)},
        {QStringLiteral("SpeedButton53Click"), wizard<TOLtagFrm>(host)},
        {QStringLiteral("SpeedButton52Click"), wizard<TULtagFrm>(host)},
        {QStringLiteral("SpeedButton28Click"), wizard<TPopupMenuForm>(host)},
        {QStringLiteral("SpeedButton43Click"), frames},
        {QStringLiteral("Frameset1Click"), frames},
        {QStringLiteral("SpeedButton48Click"), wizard<TFontForm>(host)},
        {QStringLiteral("SpeedButton51Click"), wizard<TMediaForm>(host)},
        {QStringLiteral("SpeedButton54Click"), wizard<THorisontalLinjalFrm>(host)},
        {QStringLiteral("SpeedButton61Click"), wizard<TTilfeldigebilderFrm1>(host)},
        {QStringLiteral("SpeedButton65Click"), wizard<TLinkScriptFrm>(host)},
        {QStringLiteral("SpeedButton55Click"), wizard<TRolloverForm>(host)},
        {QStringLiteral("SpeedButton57Click"), wizard<TNettleserInfFrm>(host)},
    };
}

void provideTo(HtmlCommands &commands, const WizardHost &host, FeatureHost &documents)
{
    const auto list = openers(host, documents);
    for (const auto &[handler, open] : list)
        commands.provide(handler, open);
}

} // namespace WizardOpeners
