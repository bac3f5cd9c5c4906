#pragma once

#include "settings/options/OptionsHooks.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Define new custom language:", the "New language" tab of the colours page: a name, a file
// extension, the comment styles and a keyword list; "Add language" writes the language file,
// appends the name to the table of contents and puts the language into the main window's
// submenus and file filter. The fields keep their content until a language is added.
class NewLanguagePanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit NewLanguagePanel(QWidget *parent = nullptr);

    void setHooks(const OptionsHooks &hooks) { m_hooks = hooks; }

    QLineEdit *Edit1;       // language name
    QLineEdit *Edit3;       // file extension
    QCheckBox *CheckBox2;   // Pascal
    QCheckBox *CheckBox3;   // C
    QCheckBox *CheckBox4;   // Asm
    QCheckBox *CheckBox5;   // Bas
    QCheckBox *CheckBox6;   // Ansi
    QLineEdit *Edit2;       // keyword
    QPushButton *Button12;  // "Add "
    QTreeWidget *ListView1; // "Language keywords"
    QPushButton *Button10;  // "Delete"
    QPushButton *Button13;  // "Add language"

public slots:
    void Button12Click(); // add keyword
    void Button10Click(); // delete keyword
    void Button13Click(); // add language

signals:
    // The language's files are written: its tab goes in.
    void languageAdded(const QString &name);

private:
    OptionsHooks m_hooks;
};
