#include "completion/MemberListPopup.h"

#include "platform/TColor.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Each piece 2 pixels right of the one before, Java words in bold; the selected row filled in
// the light 3D colour.
class MemberRowDelegate : public QStyledItemDelegate
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
        painter->setPen(option.palette.text().color());
        QFont plain = option.font;
        plain.setBold(false);
        QFont bold = plain;
        bold.setBold(true);
        int x = option.rect.left() + 2;
        for (const auto &[piece, javaWord] :
             TfmCompletionProposal::drawnPieces(index.data().toString())) {
            const QFont &font = javaWord ? bold : plain;
            painter->setFont(font);
            const QRect r(x, option.rect.top(), option.rect.right() - x, option.rect.height());
            painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, piece);
            x += QFontMetrics(font).horizontalAdvance(piece) + 2;
            if (x > option.rect.right())
                break;
        }
        painter->restore();
    }
};

} // namespace

TfmCompletionProposal::TfmCompletionProposal(QWidget *parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("fmCompletionProposal"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(1);
    List->setHeaderLabels({QStringLiteral(" ")});
    List->header()->setSectionsClickable(false);
    List->header()->setStretchLastSection(false);
    List->setRootIsDecorated(false);
    List->setFrameShape(QFrame::NoFrame);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setUniformRowHeights(true);
    List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List->setItemDelegate(new MemberRowDelegate(List));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(List);
    setFocusProxy(List);
    resize(420 + 2, 77 + 2);
}

void TfmCompletionProposal::setCaption(const QString &caption)
{
    List->setHeaderLabels({caption});
}

QString TfmCompletionProposal::caption() const
{
    return List->headerItem()->text(0);
}

void TfmCompletionProposal::setEntries(const QStringList &entries)
{
    List->clear();
    for (const QString &entry : entries) {
        auto *item = new QTreeWidgetItem(List, QStringList {entry});
        item->setToolTip(0, entry);
    }
}

QStringList TfmCompletionProposal::items() const
{
    QStringList texts;
    for (int i = 0; i < List->topLevelItemCount(); ++i)
        texts.append(List->topLevelItem(i)->text(0));
    return texts;
}

void TfmCompletionProposal::setColumnWidth(int width)
{
    List->setColumnWidth(0, width);
}

int TfmCompletionProposal::columnWidth() const
{
    return List->columnWidth(0);
}

void TfmCompletionProposal::selectTop()
{
    List->clearSelection();
    if (QTreeWidgetItem *top = List->topLevelItem(0)) {
        List->setCurrentItem(top);
        top->setSelected(true);
        List->scrollToItem(top);
    }
}

QString TfmCompletionProposal::selectedEntry() const
{
    QTreeWidgetItem *item = List->currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

void TfmCompletionProposal::showAt(int x, int y)
{
    selectTop();
    move(x, y);
    show();
    List->setFocus();
}

QList<QPair<QString, bool>> TfmCompletionProposal::drawnPieces(const QString &entry)
{
    QList<QPair<QString, bool>> pieces;
    QString piece;
    auto flush = [&] {
        if (!piece.trimmed().isEmpty())
            pieces.append({piece.trimmed(), isJavaWord(piece)});
        piece.clear();
    };
    for (const QChar c : entry) {
        piece += c;
        if (c == QLatin1Char(' ') || c == QLatin1Char('(') || c == QLatin1Char(')'))
            flush();
    }
    flush();
    return pieces;
}

bool TfmCompletionProposal::isJavaWord(const QString &piece)
{
    for (const char *word : {"public", "private", "static", "void", "protected", "final", "return"})
        if (piece.contains(QLatin1String(word)))
            return true;
    const QString t = piece.trimmed();
    for (const char *type : {"int", "boolean", "char", "float", "long", "byte", "short", "double"})
        if (t == QLatin1String(type))
            return true;
    return piece.contains(QLatin1String("[]"))
        && !(!t.isEmpty() && t.at(0) >= QLatin1Char('A') && t.at(0) <= QLatin1Char('Z'));
}
