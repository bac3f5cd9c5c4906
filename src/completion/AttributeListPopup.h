#pragma once

#include <QFrame>
#include <QPointer>
#include <QStringList>

class EditorAdapter;
class QKeyEvent;
class QTreeWidget;

// TfmCustomSynHTMLAutoComplete (unit HTMLAutoCompleteForm):
// The attribute list's popup: a frameless popup holding a headerless one-column list, its
// entries sorted without regard to case (equal ones in the order they were added), the
// selected row filled in the light 3D colour. Enter or a double-click on an entry chooses it;
// Escape, a choice or a click elsewhere hides the popup.
//
// Typing goes on while the list is open: a typed character or Backspace reaches the editor as
// if the editor had the keyboard, and the list keeps the entries that begin with the text
// typed since it opened (without regard to case). It closes, the editor taking the keyboard
// back, when none does or when the caret leaves that text; a choice takes the typed text's
// place.
class TfmCustomSynHTMLAutoComplete : public QFrame
{
    Q_OBJECT
public:
    explicit TfmCustomSynHTMLAutoComplete(QWidget *parent = nullptr);

    QTreeWidget *List = nullptr;
    // The editor that asked for the list.
    QPointer<EditorAdapter> Editor;
    // The entries a list builder put in, in its order, and the attributes that take no value.
    QStringList AttributeList;
    QStringList ValuelessList;
    // The builder of the list shown last.
    QString Builder;

    // Runs the builder of a list (HtmlAttributeTables): empties the attribute list, adds the
    // list's entries and puts them into List.
    void fillWith(int row);
    // The entries as List shows them, top to bottom.
    QStringList items() const;
    int columnWidth() const;

    // Selects the first entry and shows the popup with its top left corner at x, y.
    void showAt(int x, int y);

signals:
    // An entry was chosen with Enter or a double-click.
    void chosen(const QString &item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void putIntoList(const QStringList &entries);
    void choose();
    // Hands a typed key to the editor, then narrows or closes the list.
    void typeThrough(QKeyEvent *event);
    // The text typed since the list opened; false when the caret has left it.
    bool typedText(QString *typed) const;
    void closeList();

    // Where the caret stood when the list opened.
    int m_line = 0;
    int m_column = 0;
};
