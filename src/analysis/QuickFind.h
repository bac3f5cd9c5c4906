#pragma once

#include <QObject>

class FeatureHost;
class QComboBox;
class QToolButton;

// The quick-find boxes in the group "Quick find:" of the "Java" tab: the top-level classes of
// the active Java document ("ClassNameCompoBox1", refilled each time it gets the focus), the
// members of the chosen class ("ClassDatamemberComboBox2", disabled until a class has been
// chosen) and the close button "SpeedButton101". Choosing a member puts the caret on the line
// that declares it and gives the document the focus. Only the user's choices count, never a
// change made by the program. Opening a file clears both selections.
class QuickFind : public QObject
{
    Q_OBJECT
public:
    explicit QuickFind(FeatureHost &host, QObject *parent = nullptr);

    QComboBox *classList() const { return ClassNameCompoBox1; }
    QComboBox *memberList() const { return ClassDatamemberComboBox2; }
    QToolButton *closeButton() const { return SpeedButton101; }

    // The class list gets the focus: with a Java document active, it lists that document's
    // classes; otherwise it keeps its items.
    void ClassNameCompoBox1Enter();
    // A class was chosen: the member list shows its members and gets the focus.
    void ClassNameCompoBox1Click();
    // A member was chosen: the caret goes to its line, the focus to the document.
    void ClassDatamemberComboBox2Click();
    // Asks, then hides the group for good ("JavaQuickFind" off).
    void SpeedButton101Click();
    // Both lists lose their selection.
    void clearSelection();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FeatureHost &m_host;
    QComboBox *ClassNameCompoBox1;
    QComboBox *ClassDatamemberComboBox2;
    QToolButton *SpeedButton101;
};
