#pragma once

#include "settings/options/OptionsHooks.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Edit custom language:", the "Edit language" tab of the colours page: the languages of the
// table of contents; the chosen one (named by Label23) can be deleted, renamed, given another
// file extension, and have its comment styles and keywords changed. Every change is written
// to the language's files at once. After a delete no language is chosen and no row selected.
class EditLanguagePanel : public QGroupBox
{
    Q_OBJECT
public:
    using ExecDialog = std::function<int(QDialog &)>;

    explicit EditLanguagePanel(QWidget *parent = nullptr);

    void setHooks(const OptionsHooks &hooks) { m_hooks = hooks; }
    // Shows the rename and extension dialogs (1 is OK).
    void setExecDialog(ExecDialog exec) { m_exec = std::move(exec); }

    // Whether a language is chosen (Label23 names one).
    bool hasLanguage() const;
    // ListView3 filled from the table of contents (its column narrower past two names).
    void fillLanguages();

    QLabel *Label23;        // the chosen language, or "[Select from list below]"
    QTreeWidget *ListView3; // "Custom languages spesified"
    QPushButton *Button14;  // "Delete language"
    QPushButton *Button15;  // "Change name"
    QPushButton *Button16;  // "Change file ext"
    QCheckBox *CheckBox8;   // Pascal
    QCheckBox *CheckBox9;   // C
    QCheckBox *CheckBox10;  // Asm
    QCheckBox *CheckBox11;  // Bas
    QCheckBox *CheckBox12;  // Ansi
    QLineEdit *KeywordTextfield;
    QPushButton *Button17;  // "Add "
    QTreeWidget *ListView4; // "Language keywords"
    QPushButton *Button18;  // "Delete"

public slots:
    void ListView3Click();
    void Button14Click(); // delete language
    void Button15Click(); // change name
    void Button16Click(); // change file extension
    void UpdateCommentTypes(QCheckBox *box);
    void Button17Click(); // add keyword
    void Button18Click(); // delete keyword

signals:
    void languageDeleted(const QString &name);
    void languageRenamed(const QString &oldName, const QString &newName);

private:
    QList<QCheckBox *> commentBoxes() const;
    void writeKeywords();
    void reportFailure(const QString &text);

    OptionsHooks m_hooks;
    ExecDialog m_exec;
};
