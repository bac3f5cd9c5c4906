#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The find and the replace dialog of a document window: non-modal, hidden (not freed) by
// "Cancel", so their texts and options last as long as the window. The find dialog has a
// direction; the replace dialog searches down and has the replace text, "Replace" and
// "Replace All". The buttons that search stay disabled while "Find what:" is empty.
class SearchDialog : public QDialog
{
    Q_OBJECT
public:
    enum Kind { Find, Replace };
    SearchDialog(Kind kind, QWidget *parent);

    Kind kind() const { return m_kind; }
    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const; // empty for the find dialog
    void setReplaceText(const QString &text);
    bool matchCase() const;
    void setMatchCase(bool on);
    bool wholeWord() const;
    void setWholeWord(bool on);
    // Down unless the find dialog's "Up" is chosen.
    bool down() const;
    void setDown(bool down);
    // The last button pressed was "Replace All".
    bool replaceAll() const { return m_replaceAll; }

    // The buttons.
    void FindNextClick();
    void ReplaceClick();
    void ReplaceAllClick();

signals:
    // "Find Next".
    void find();
    // "Replace" or "Replace All" (replaceAll() tells which).
    void replace();

private:
    void updateButtons();

    Kind m_kind;
    bool m_replaceAll = false;
    QLineEdit *m_findText = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_replaceAllButton = nullptr;
};
