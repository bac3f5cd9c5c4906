#pragma once

#include "platform/Prompter.h"

#include <QList>

#include <functional>

// Records every message and input dialog and answers from queues.
class FakePrompter : public Prompter
{
public:
    enum Kind { MessageBoxCall, MessageDlgCall, InputQueryCall };
    struct Call {
        Kind kind;
        QString caption; // for a message dialog the title it would get
        QString text;    // the message, or the prompt of an input dialog
        Icon icon = NoIcon;
        Buttons buttons = OkButton;
        QString value; // initial text of an input dialog
    };
    struct InputAnswer {
        bool accepted;
        QString value;
    };

    FakePrompter();
    ~FakePrompter() override;

    int messageBox(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                   Buttons buttons) override;
    int messageDlg(QWidget *parent, const QString &text, Icon icon, Buttons buttons) override;
    bool inputQuery(QWidget *parent, const QString &caption, const QString &prompt,
                    QString &value) override;

    QList<Call> calls;
    QList<int> answers;              // taken in turn by message boxes
    int defaultAnswer = 0;           // 0: the first of OK, Yes, No, Cancel offered
    QList<InputAnswer> inputAnswers; // taken in turn by input dialogs; cancel when empty
    // Runs while a message box is "open" (after it is recorded): what the user's event loop
    // could run meanwhile, such as a timer.
    std::function<void()> whileShown;

    // Texts of all calls, for quick checks.
    QStringList texts() const;

private:
    int answer(Buttons buttons);
    Prompter *m_previous;
};
