#pragma once

#include "html/widgets/WizardHost.h"

#include <QDialog>

class QHBoxLayout;
class QPushButton;

// The common frame of the comment, table, list, font, object and horizontal-rule wizards: a
// non-modal dialog owned by the main window with OK, Cancel and Help buttons under the
// wizard's own component names. OK is the wizard's; Cancel closes; Help opens the wizard's
// topic. The wizard inserts into the document active when OK is pressed, and nothing when
// none is open.
class WizardDialog : public QDialog
{
    Q_OBJECT
public:
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

protected:
    struct Buttons {
        const char *ok;
        const char *cancel; // nullptr: no Cancel button
        const char *help;   // nullptr: no Help button
        QString okCaption = QStringLiteral("OK");
    };

    WizardDialog(const char *objectName, const QString &caption, const QString &helpTopic,
                 const WizardHost &host, QWidget *parent);

    // Makes the buttons; the row has them at its right. OK is the default button and
    // runs ok().
    QHBoxLayout *makeButtons(const Buttons &buttons);
    virtual void ok() = 0;

    // The active document's editor at this moment; nullptr when none is open.
    EditorAdapter *activeEditor() const;
    // The indentation of the active document's caret line (empty without a document).
    QString caretIndent() const;
    // Inserts at the active document's caret, replacing the selection.
    void insert(const QString &text) const;

    const WizardHost &host() const { return m_host; }

    // Names a widget made for the wizard.
    template <class W>
    static W *named(W *widget, const char *name)
    {
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

private:
    WizardHost m_host;
    QString m_helpTopic;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
};
