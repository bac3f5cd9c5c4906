#pragma once

#include "platform/FileDialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// The entry list of the list and script wizards: a list view of entries (one text per
// column), a field per column with an "Add" button that makes an entry of the fields' texts
// (also when empty) and clears them, a "Delete" button for the selected entry, and an
// "Import" button that reads entries from a text or rich-text file (ImportLines): each line
// fills the next column, so a one-column list takes a line per entry and a two-column list
// pairs of lines. A column is narrower while the list holds more than a given number of
// entries, to leave room for the scroll bar; the rule is the wizard's own.
//
// Every part is optional: a wizard with its own field and buttons uses the list alone and
// calls addEntry() and removeSelected(). Child widgets carry the wizard's component names.
class EntryList : public QWidget
{
    Q_OBJECT
public:
    // A component: its objectName and caption; without a name it is left out.
    struct Part {
        const char *name = nullptr;
        QString caption;
    };
    // An entry field: objectName, label, and an optional widget beside it (the wizard's).
    struct Field {
        const char *name = nullptr;
        QString label;
        QWidget *beside = nullptr;
    };
    // Width of column: narrowWidth while count() > moreThan, else wideWidth.
    struct ColumnWidth {
        int column = 0;
        int moreThan = 5;
        int narrowWidth = 272;
        int wideWidth = 288;
    };
    struct Setup {
        const char *listName = nullptr; // the list view
        QStringList columns;            // column captions
        ColumnWidth width;
        QList<Field> fields; // one per column, in column order; none: no fields
        Part add, remove, import;
        // The import dialog's file types and title.
        QList<FileFilterEntry> importFilter;
        QString importTitle;
    };

    explicit EntryList(const Setup &setup, QWidget *parent = nullptr);

    // Entries in list order, each with one text per column.
    QList<QStringList> entries() const;
    // The texts of one column in list order.
    QStringList texts(int column = 0) const;
    int count() const;

    QTreeWidget *list() const { return m_list; }
    QLineEdit *field(int column) const { return m_fields.value(column); }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *importButton() const { return m_import; }

public slots:
    // Appends an entry (missing texts are empty).
    void addEntry(const QStringList &texts);
    // Add: an entry of the fields' texts; the fields are cleared.
    void addFromFields();
    // Delete: the selected entry, when there is one.
    void removeSelected();
    // Import: asks for a file and appends its lines as entries; a file that cannot be read
    // is reported in the standard error box and nothing is added.
    void importFile();
    // Appends entries from lines, each line filling the next column.
    void addLines(const QStringList &lines);

signals:
    // Before the selected entry goes (e.g. to delete its file).
    void removing(const QStringList &entry);

private:
    void updateColumnWidth();
    QPushButton *makeButton(const Part &part);

    Setup m_setup;
    QTreeWidget *m_list = nullptr;
    QList<QLineEdit *> m_fields;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_import = nullptr;
};
