#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class SimpleComboBox;

// The spell-check dialog, shown modally for each unknown word of the document check. Its
// buttons end it with the results the check-word handler maps to the checker's actions.
class TSpellCheckFrm : public QDialog
{
    Q_OBJECT
public:
    // Modal results of the buttons (the walk compares the numbers).
    enum Result { mrOk = 1, mrAbort = 3, mrNo = 7, mrAll = 8, mrNoToAll = 9 };

    explicit TSpellCheckFrm(QWidget *parent = nullptr);

    // Shows word and offers suggestions; the replacement starts as the first suggestion, or
    // the word itself when there is none, so it never holds the last word's replacement.
    void prepare(const QString &word, const QStringList &suggestions);

    QLabel *lbUnknown;
    QLineEdit *editUnknown;
    QLabel *lbSuggestions;
    SimpleComboBox *SuggestionsCombo;
    QPushButton *btnChange;
    QPushButton *btnIgnore;
    QPushButton *btnIgnoreAll;
    QPushButton *btnAdd;
    QPushButton *btnAbort;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *addButton(const char *name, const QString &caption, int result, int top);
};

// The one spell-check dialog of the program, made by the program block.
extern TSpellCheckFrm *SpellCheckFrm;
