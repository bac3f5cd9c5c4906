#include "completion/AttributeListPopup.h"

#include "completion/HtmlAttributeTables.h"
#include "editor/EditorAdapter.h"
#include "platform/TColor.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Rows drawn plainly, 2 pixels in; the selected one filled in the light 3D colour; the others
// underlined unless the mouse is over them.
class AttributeRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect,
                          selected ? TColor::cl3DLight.toQColor() : option.palette.base().color());
        QFont font = option.font;
        font.setUnderline(!selected && !(option.state & QStyle::State_MouseOver));
        painter->setFont(font);
        painter->setPen(selected && (option.state & QStyle::State_MouseOver)
                            ? TColor::clHighlight.toQColor()
                            : option.palette.text().color());
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
    }
};

} // namespace

TfmCustomSynHTMLAutoComplete::TfmCustomSynHTMLAutoComplete(QWidget *parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("fmCustomSynHTMLAutoComplete"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(1);
    List->setHeaderLabels({QStringLiteral("Items")});
    List->setHeaderHidden(true);
    List->setColumnWidth(0, 215);
    List->setRootIsDecorated(false);
    List->setFrameShape(QFrame::NoFrame);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setUniformRowHeights(true);
    List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List->setMouseTracking(true);
    List->viewport()->setCursor(Qt::PointingHandCursor);
    List->setItemDelegate(new AttributeRowDelegate(List));
    List->installEventFilter(this);
    connect(List, &QTreeWidget::itemDoubleClicked, this, [this] { choose(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(List);
    setFocusProxy(List);
    resize(232 + 2, 74 + 2);

    ValuelessList = HtmlAttributeTables::valuelessAttributes();
}

void TfmCustomSynHTMLAutoComplete::fillWith(int row)
{
    AttributeList.clear();
    AttributeList = HtmlAttributeTables::entries(row);
    Builder = HtmlAttributeTables::builderName(row);
    putIntoList(AttributeList);
}

void TfmCustomSynHTMLAutoComplete::putIntoList(const QStringList &entries)
{
    List->clear();
    QStringList sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString &entry : sorted)
        new QTreeWidgetItem(List, QStringList {entry});
    List->setColumnWidth(0, sorted.size() <= 5 ? 231 : 215);
}

QStringList TfmCustomSynHTMLAutoComplete::items() const
{
    QStringList texts;
    for (int i = 0; i < List->topLevelItemCount(); ++i)
        texts.append(List->topLevelItem(i)->text(0));
    return texts;
}

int TfmCustomSynHTMLAutoComplete::columnWidth() const
{
    return List->columnWidth(0);
}

void TfmCustomSynHTMLAutoComplete::showAt(int x, int y)
{
    if (QTreeWidgetItem *first = List->topLevelItem(0)) {
        List->setCurrentItem(first);
        first->setSelected(true);
    }
    if (Editor) {
        m_line = Editor->caretLine();
        m_column = Editor->caretColumn();
    }
    move(x, y);
    show();
    List->setFocus();
}

bool TfmCustomSynHTMLAutoComplete::typedText(QString *typed) const
{
    if (!Editor || Editor->caretLine() != m_line || Editor->caretColumn() < m_column)
        return false;
    *typed = Editor->line(m_line).mid(m_column - 1, Editor->caretColumn() - m_column);
    return true;
}

void TfmCustomSynHTMLAutoComplete::closeList()
{
    hide();
    if (Editor && Editor->widget())
        Editor->widget()->setFocus();
}

void TfmCustomSynHTMLAutoComplete::choose()
{
    QTreeWidgetItem *item = List->currentItem();
    const QString text = item && item->isSelected() ? item->text(0) : QString();
    if (text.isEmpty())
        return;
    QString typed;
    const bool inTyped = typedText(&typed);
    EditorAdapter *editor = Editor;
    closeList();
    if (editor)
        editor->beginCompoundEdit();
    if (editor && inTyped && !typed.isEmpty())
        editor->deleteBeforeCaret(int(typed.size()));
    emit chosen(text);
    if (editor)
        editor->endCompoundEdit();
}

void TfmCustomSynHTMLAutoComplete::typeThrough(QKeyEvent *event)
{
    if (!Editor || !Editor->widget()) {
        closeList();
        return;
    }
    // The editor's own key handling runs: a space after a tag name may open the list anew.
    QCoreApplication::sendEvent(Editor->widget(), event);
    if (!isVisible())
        return;
    QString typed;
    QStringList kept;
    if (typedText(&typed))
        for (const QString &entry : std::as_const(AttributeList))
            if (entry.startsWith(typed, Qt::CaseInsensitive))
                kept.append(entry);
    if (kept.isEmpty()) {
        closeList();
        return;
    }
    putIntoList(kept);
    QTreeWidgetItem *first = List->topLevelItem(0);
    List->setCurrentItem(first);
    first->setSelected(true);
}

bool TfmCustomSynHTMLAutoComplete::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        try {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: choose(); return true;
            case Qt::Key_Escape: closeList(); return true;
            case Qt::Key_Backspace: typeThrough(key); return true;
            default: break;
            }
            if (!text.isEmpty() && text.at(0) >= QLatin1Char(' ') && text.at(0) != QChar(0x7f)) {
                typeThrough(key);
                return true;
            }
        } catch (...) {
            closeList();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
