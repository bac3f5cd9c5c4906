#include "FakePrompter.h"

FakePrompter::FakePrompter() : m_previous(Prompter::instance())
{
    Prompter::setInstance(this);
}

FakePrompter::~FakePrompter()
{
    Prompter::setInstance(m_previous);
}

int FakePrompter::messageBox(QWidget *, const QString &caption, const QString &text, Icon icon,
                             Buttons buttons)
{
    calls.append({MessageBoxCall, caption, text, icon, buttons, {}});
    if (whileShown)
        whileShown();
    return answer(buttons);
}

int FakePrompter::messageDlg(QWidget *, const QString &text, Icon icon, Buttons buttons)
{
    calls.append({MessageDlgCall, dlgCaption(icon), text, icon, buttons, {}});
    if (whileShown)
        whileShown();
    return answer(buttons);
}

bool FakePrompter::inputQuery(QWidget *, const QString &caption, const QString &prompt,
                              QString &value)
{
    calls.append({InputQueryCall, caption, prompt, NoIcon, OkButton | CancelButton, value});
    if (inputAnswers.isEmpty())
        return false;
    const InputAnswer a = inputAnswers.takeFirst();
    if (a.accepted)
        value = a.value;
    return a.accepted;
}

QStringList FakePrompter::texts() const
{
    QStringList result;
    for (const Call &c : calls)
        result.append(c.text);
    return result;
}

int FakePrompter::answer(Buttons buttons)
{
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (defaultAnswer)
        return defaultAnswer;
    if (buttons & OkButton)
        return Ok;
    if (buttons & YesButton)
        return Yes;
    if (buttons & NoButton)
        return No;
    return Cancel;
}
