#include "java/generators/ExpressionBuilder.h"

#include "analysis/javasource/JavaDocumentScanner.h"
#include "editor/EditorAdapter.h"
#include "java/generators/ExpressionBuilderButtons.h"
#include "java/generators/JavaCodeText.h"
#include "java/generators/JavaMemo.h"
#include "platform/DialogButtonRow.h"
#include "platform/NamedWidget.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const char *const NoneFound = "None found!";

QListWidget *makeList(const char *name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

TExpBuilder::TExpBuilder(CodeTarget target, QWidget *parent)
    : QDialog(parent), m_target(std::move(target))
{
    setObjectName(QStringLiteral("ExpBuilder"));
    setWindowTitle(QStringLiteral("Expression Builder"));

    ListView1 = makeList("ListView1", this);
    ListView2 = makeList("ListView2", this);
    ListView2->setIconSize(QSize(16, 16));
    SynMemo1 = JavaMemo::make(this);
    SynMemo1->setSmartTabs(true);
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")}},
                                           EnterPresses::Nothing);
    Button3 = plainButton("Button3", QStringLiteral("Undo"), this);
    Button4 = plainButton("Button4", QStringLiteral("Redo"), this);

    auto *layout = new QVBoxLayout(this);
    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Classes:"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Class members:"), this), 0, 1);
    lists->addWidget(ListView1, 1, 0);
    lists->addWidget(ListView2, 1, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);
    layout->addLayout(lists, 2);

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    int i = 0;
    for (const ExpressionBuilderButtons::Button *b = ExpressionBuilderButtons::buttons; b->name;
         ++b, ++i) {
        QPushButton *button = plainButton(b->name, QString::fromUtf8(b->caption), this);
        if (b->hint)
            button->setToolTip(QString::fromUtf8(b->hint));
        button->setMinimumWidth(20);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, b] { insertButtonClick(*b); });
        grid->addWidget(button, i / 8, i % 8);
    }
    layout->addLayout(grid);
    layout->addWidget(SynMemo1->widget(), 2);

    buttons->insertWidget(0, Button3);
    buttons->insertWidget(1, Button4);
    layout->addLayout(buttons);
    resize(560, 520);

    connect(ListView1, &QListWidget::itemClicked, this, &TExpBuilder::ListView1Click);
    connect(ListView2, &QListWidget::itemClicked, this, &TExpBuilder::ListView2Click);
    connect(Button1, &QPushButton::clicked, this, &TExpBuilder::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { SynMemo1->undo(); });
    connect(Button4, &QPushButton::clicked, this, [this] { SynMemo1->redo(); });
}

void TExpBuilder::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FillClassList();
    m_filledOnShow = true;
}

bool TExpBuilder::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (!m_filledOnShow)
            FillClassList();
        m_filledOnShow = false;
    }
    return QDialog::event(event);
}

void TExpBuilder::FillClassList()
{
    const QListWidgetItem *selected = ListView1->currentItem();
    const QString selectedName = selected && selected->isSelected() ? selected->text() : QString();
    ListView1->clear();
    ListView1->addItems(JavaDocumentScanner::FinnKlasseNavnene(m_target.activeEditor()));
    if (selectedName.isEmpty())
        return;
    const QList<QListWidgetItem *> again = ListView1->findItems(selectedName, Qt::MatchExactly);
    if (!again.isEmpty())
        ListView1->setCurrentItem(again.first());
}

void TExpBuilder::ListView1Click()
{
    const QList<QListWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    const QStringList declarations = JavaDocumentScanner::FinnAlleDatamedlemmer(
        m_target.activeEditor(), selected.first()->text(), true);
    ListView2->clear();
    const QIcon image = style()->standardIcon(QStyle::SP_ArrowRight);
    for (const QString &d : declarations) {
        if (d.isEmpty() || d.contains(QLatin1String("static void main")))
            continue;
        new QListWidgetItem(image, d, ListView2);
    }
    if (ListView2->count() == 0)
        ListView2->addItem(QLatin1String(NoneFound));
}

void TExpBuilder::ListView2Click()
{
    const QList<QListWidgetItem *> selected = ListView2->selectedItems();
    if (selected.isEmpty())
        return;
    const QString member = selected.first()->text();
    if (member != QLatin1String(NoneFound))
        SynMemo1->insertAtCaret(JavaCodeText::memberPiece(member));
    SynMemo1->widget()->setFocus();
}

void TExpBuilder::insertButtonClick(const ExpressionBuilderButtons::Button &button)
{
    SynMemo1->insertAtCaret(QString::fromUtf8(button.text));
    if (button.caretLeft > 0)
        SynMemo1->setCaret(SynMemo1->caretLine(),
                           qMax(1, SynMemo1->caretColumn() - button.caretLeft));
    SynMemo1->widget()->setFocus();
}

void TExpBuilder::Button1Click()
{
    const QString text = JavaCodeText::expressionText(SynMemo1->lines(), m_target.indent());
    if (!text.isEmpty())
        m_target.insertText(text);
    accept();
}
