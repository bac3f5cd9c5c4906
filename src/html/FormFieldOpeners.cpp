#include "FormFieldOpeners.h"

#include "html/BildeFrm.h"
#include "html/FormFieldButton.h"
#include "html/FormFieldCheckBox.h"
#include "html/FormFieldFile.h"
#include "html/FormFieldHidden.h"
#include "html/FormFieldImageButton.h"
#include "html/FormFieldPassword.h"
#include "html/FormFieldRadioButton.h"
#include "html/FormFieldTextArea.h"
#include "html/FormFieldTextField.h"
#include "html/HtmlCommands.h"

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
