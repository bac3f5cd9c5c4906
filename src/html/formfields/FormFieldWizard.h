#pragma once

#include "html/text/FormFieldTag.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

// The family of form-field wizards: a few fields, OK inserts one line built from them into
// the document active at that moment, Cancel closes, Help opens the wizard's topic.
// A member describes itself with an attribute table (attribute name and the field it
// comes from, in the order they are written) and, where it needs them, the text it adds
// before ">" and after it.
class FormFieldWizard : public QDialog
{
    Q_OBJECT
public:
    using InsertText = std::function<void(const QString &)>;

    // The line OK inserts.
    QString buildText() const;

    // Shows the wizard in the middle of the screen.
    void showCentred();
    // Shows any window of the HTML wizards in the middle of the screen.
    static void showCentred(QWidget *window);

    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

public slots:
    void okClick();
    void helpClick();

protected:
    struct Look {
        QString caption;
        QString group;           // caption of the group box; empty: no group box
        QString tagStart;        // e.g. `<input type="checkbox"`
        QString helpTopic;       // empty: the Help button does nothing
        bool bitButtons = false; // OK/Cancel are BitBtn1/BitBtn2 and Help is Button1
        FormFieldTag::Blank blank = FormFieldTag::Blank::Skip;
    };

    FormFieldWizard(const Look &look, InsertText insertText, QWidget *parent);

    // A labelled edit field; with a non-empty attribute it joins the attribute table.
    // A widget given as beside stands to the right of the edit.
    QLineEdit *addField(const char *objectName, const QString &label, const QString &attribute = {},
                        const QString &initial = {}, QWidget *beside = nullptr);
    // A row of the attribute table whose value is computed.
    void addAttribute(const QString &attribute, std::function<QString()> value);
    QCheckBox *addCheckBox(const char *objectName, const QString &caption);
    QComboBox *addComboBox(const char *objectName, const QString &label, const QStringList &items,
                           const QString &placeholder);

    // Written after the attribute table, before ">".
    virtual QString extraAttributes() const { return {}; }
    // Written after ">".
    virtual QString textAfterTag() const { return {}; }

    void showEvent(QShowEvent *event) override;

private:
    struct Attribute {
        QString name;
        std::function<QString()> value;
    };

    Look m_look;
    InsertText m_insertText;
    QList<Attribute> m_attributes;
    QFormLayout *m_form = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
};
