#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Message boxes and small input dialogs. Production code calls Prompter::instance();
// tests install a scripted fake that records every call and answers it.
class Prompter
{
public:
    // Results; callers compare the numbers (Yes is 6, No is 7).
    enum Result { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
    enum Icon { NoIcon, Information, Warning, Error, Question };
    enum Button { OkButton = 0x1, CancelButton = 0x2, YesButton = 0x4, NoButton = 0x8 };
    using Buttons = int;

    struct Message {
        QString caption; // window title; empty for a message dialog (the icon names it)
        QString text;
        Icon icon = NoIcon;
        Buttons buttons = OkButton;
    };

    virtual ~Prompter() = default;

    // A message box with the given caption (MessageBox style).
    virtual int messageBox(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                           Buttons buttons) = 0;
    // A message dialog titled by its kind (MessageDlg style: "Warning", "Error", "Information", "Confirm").
    virtual int messageDlg(QWidget *parent, const QString &text, Icon icon, Buttons buttons) = 0;
    // A one-line input dialog; returns false on cancel. value holds the initial text and the answer.
    virtual bool inputQuery(QWidget *parent, const QString &caption, const QString &prompt,
                            QString &value) = 0;

    // Convenience wrappers used throughout the program.
    static int information(QWidget *parent, const QString &text); // "Information", OK
    static int question(QWidget *parent, const QString &text);    // "Question", Yes/No
    static int warning(QWidget *parent, const QString &text);     // "WARNING!", OK

    // The title messageDlg() gives a dialog of this kind.
    static QString dlgCaption(Icon icon);

    static Prompter *instance();
    // Installs p (not owned); nullptr restores the widget-based prompter.
    static void setInstance(Prompter *p);
};
