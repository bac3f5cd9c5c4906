#include "html/widgets/EntryList.h"

#include "html/text/ImportLines.h"
#include "platform/DelphiStrings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

EntryList::EntryList(const Setup &setup, QWidget *parent) : QWidget(parent), m_setup(setup)
{
    m_list = new QTreeWidget(this);
    if (setup.listName)
        m_list->setObjectName(QLatin1String(setup.listName));
    m_list->setColumnCount(qMax<int>(1, setup.columns.size()));
    m_list->setHeaderLabels(setup.columns);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the ruled column, the others at their default width, frame and scroll bar.
    m_list->setMinimumWidth(setup.width.wideWidth + 24
                            + (m_list->columnCount() - 1) * m_list->header()->defaultSectionSize());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    if (!setup.fields.isEmpty()) {
        auto *grid = new QGridLayout;
        int row = 0;
        for (const Field &f : setup.fields) {
            auto *edit = new QLineEdit(this);
            edit->setObjectName(QLatin1String(f.name));
            grid->addWidget(new QLabel(f.label, this), row, 0);
            grid->addWidget(edit, row, 1, 1, f.beside ? 1 : 2);
            if (f.beside)
                grid->addWidget(f.beside, row, 2);
            m_fields.append(edit);
            ++row;
        }
        layout->addLayout(grid);
    }

    m_add = makeButton(setup.add);
    m_import = makeButton(setup.import);
    m_remove = makeButton(setup.remove);
    if (m_add || m_import || m_remove) {
        auto *buttons = new QHBoxLayout;
        for (QPushButton *b : {m_add, m_import, m_remove}) {
            if (b)
                buttons->addWidget(b);
        }
        buttons->addStretch();
        layout->addLayout(buttons);
    }
    if (m_add)
        connect(m_add, &QPushButton::clicked, this, &EntryList::addFromFields);
    if (m_import)
        connect(m_import, &QPushButton::clicked, this, &EntryList::importFile);
    if (m_remove)
        connect(m_remove, &QPushButton::clicked, this, &EntryList::removeSelected);
    updateColumnWidth();
}

QPushButton *EntryList::makeButton(const Part &part)
{
    if (!part.name)
        return nullptr;
    auto *button = new QPushButton(part.caption, this);
    button->setObjectName(QLatin1String(part.name));
    button->setAutoDefault(false);
    return button;
}

QList<QStringList> EntryList::entries() const
{
    QList<QStringList> result;
    result.reserve(m_list->topLevelItemCount());
    const int columns = m_list->columnCount();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        QStringList texts;
        for (int c = 0; c < columns; ++c)
            texts.append(item->text(c));
        result.append(texts);
    }
    return result;
}

QStringList EntryList::texts(int column) const
{
    QStringList result;
    result.reserve(m_list->topLevelItemCount());
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        result.append(m_list->topLevelItem(i)->text(column));
    return result;
}

int EntryList::count() const
{
    return m_list->topLevelItemCount();
}

void EntryList::addEntry(const QStringList &texts)
{
    m_list->addTopLevelItem(new QTreeWidgetItem(texts));
    updateColumnWidth();
}

void EntryList::addFromFields()
{
    QStringList texts;
    for (QLineEdit *edit : std::as_const(m_fields)) {
        texts.append(edit->text());
        edit->clear();
    }
    addEntry(texts);
}

void EntryList::removeSelected()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    QStringList entry;
    for (int c = 0; c < m_list->columnCount(); ++c)
        entry.append(item->text(c));
    emit removing(entry);
    delete item;
    updateColumnWidth();
}

void EntryList::importFile()
{
    FileDialogs::Request request;
    request.caption = m_setup.importTitle;
    request.filter = m_setup.importFilter;
    const FileDialogs::Answer answer = FileDialogs::instance()->getOpenFileName(window(), request);
    if (!answer.accepted || answer.files.isEmpty())
        return;
    const QString fileName = answer.files.first();
    QStringList lines;
    QString reason;
    if (!ImportLines::read(fileName, lines, &reason)) {
        Delphi::showErrorBox(window(), ImportLines::cannotOpenText(fileName, reason));
        return;
    }
    addLines(lines);
}

void EntryList::addLines(const QStringList &lines)
{
    const int columns = m_list->columnCount();
    QList<QTreeWidgetItem *> items;
    items.reserve(lines.size() / columns + 1);
    for (qsizetype i = 0; i < lines.size(); i += columns)
        items.append(new QTreeWidgetItem(lines.mid(i, columns)));
    m_list->addTopLevelItems(items);
    updateColumnWidth();
}

void EntryList::updateColumnWidth()
{
    const ColumnWidth &w = m_setup.width;
    m_list->setColumnWidth(w.column, count() > w.moreThan ? w.narrowWidth : w.wideWidth);
}
