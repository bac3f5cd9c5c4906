#pragma once

#include <QFrame>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>

class EditorAdapter;
class QTreeWidget;

// TfmCompletionProposal (unit CompletionProposalForm):
// The member list's popup: a frameless popup holding a one-column list under a header
// («Class: String»), its entries in the order given, the Java words of each entry in bold and
// the selected row filled in the light 3D colour. The keys go to the component that owns it.
class TfmCompletionProposal : public QFrame
{
    Q_OBJECT
public:
    explicit TfmCompletionProposal(QWidget *parent = nullptr);

    QTreeWidget *List = nullptr;
    // The editor that asked for the list.
    QPointer<EditorAdapter> Editor;
    // The members shown (declarations, without their " : ..." tail).
    QStringList MemberList;

    void setCaption(const QString &caption);
    QString caption() const;
    // Puts entries into List in their order.
    void setEntries(const QStringList &entries);
    QStringList items() const;
    void setColumnWidth(int width);
    int columnWidth() const;
    // Makes the top entry the selected one (when there is one).
    void selectTop();
    // The selected entry's text; empty when none is selected.
    QString selectedEntry() const;

    // Selects the first entry and shows the popup with its top left corner at x, y.
    void showAt(int x, int y);

    // How a row's text is drawn: cut after every blank, "(" and ")", each piece that is not
    // blank drawn trimmed, in bold when it is a Java word.
    static QList<QPair<QString, bool>> drawnPieces(const QString &entry);
    static bool isJavaWord(const QString &piece);
};
