#include "html/commands/FormFieldOpeners.h"

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
#include "html/wizards/ImageTagWizard.h"

namespace FormFieldOpeners {

namespace {

// A wizard made for one use is freed when it closes.
template <class Wizard>
Wizard *freedOnClose(Wizard *wizard)
{
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    return wizard;
}

template <class Wizard>
std::function<void()> opener(const WizardHost &host)
{
    return [host] { freedOnClose(new Wizard(host.insertText, host.owner))->showCentred(); };
}

} // namespace

QList<QPair<QString, std::function<void()>>> openers(const WizardHost &host)
{
    return {
        {QStringLiteral("SpeedButton22Click"), opener<TCheckBoxGenFrm>(host)},
        {QStringLiteral("SpeedButton23Click"), opener<TRadioButtonFrm>(host)},
        {QStringLiteral("SpeedButton24Click"), opener<TTextfieldFrm>(host)},
        {QStringLiteral("SpeedButton25Click"), opener<TFileFieldFrm>(host)},
        {QStringLiteral("SpeedButton27Click"), opener<TPasswordFieldFrm>(host)},
        {QStringLiteral("SpeedButton102Click"), opener<THidnFieldFrm>(host)},
        {QStringLiteral("SpeedButton21Click"), opener<TKnappeForm>(host)},
        {QStringLiteral("SpeedButton26Click"), opener<TTextArea>(host)},
        {QStringLiteral("SpeedButton29Click"),
         [host] {
             freedOnClose(new TImageButtonFrm(host.project, host.insertText, host.owner))
                 ->showCentred();
         }},
        {QStringLiteral("SpeedButton30Click"),
         [host] {
             freedOnClose(new TBildeFrm(host.project, host.insertText, host.owner))->show();
         }},
    };
}

void provideTo(HtmlCommands &commands, const WizardHost &host)
{
    const auto list = openers(host);
    for (const auto &entry : list)
        commands.provide(entry.first, entry.second);
}

} // namespace FormFieldOpeners
