#include "java/debug/VariableTracker.h"

#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"
#include "platform/NamedWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The dialog's images: 0 a class, 1 a data member.
QIcon listImage(int index)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 0) {
        p.setPen(QColor(120, 80, 0));
        p.setBrush(QColor(240, 190, 60));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setPen(QColor(90, 50, 0));
        QFont font;
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(2, 2, 12, 12), Qt::AlignCenter, QStringLiteral("C"));
    } else {
        p.setPen(QColor(0, 70, 140));
        p.setBrush(QColor(70, 140, 220));
        const QPointF diamond[] = {{8, 3}, {13, 8}, {8, 13}, {3, 8}};
        p.drawPolygon(diamond, 4);
    }
    return QIcon(pixmap);
}

QTreeWidget *listView(QWidget *parent, const char *name)
{
    auto *view = new QTreeWidget(parent);
    view->setObjectName(QLatin1String(name));
    view->setColumnCount(1);
    view->setRootIsDecorated(false);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->header()->setStretchLastSection(false);
    return view;
}

} // namespace

TVarTrackerFrm::TVarTrackerFrm(MemberLister members, QWidget *parent)
    : QDialog(parent), m_members(std::move(members))
{
    setObjectName(QStringLiteral("VarTrackerFrm"));
    setWindowTitle(QStringLiteral("Variable value tracker"));

    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(group);

    ListView1 = listView(group, "ListView1");
    ListView1->setHeaderHidden(true);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setMaximumHeight(48);
    ListView2 = listView(group, "ListView2");
    ListView2->setHeaderHidden(true);
    ListView2->setColumnWidth(0, 198);
    ListView3 = listView(group, "ListView3");
    ListView3->setHeaderLabels({QStringLiteral("Variable names:")});
    ListView3->setColumnWidth(0, 357);
    Button2 = plainButton("Button2", QStringLiteral("Add.."), group);
    Button3 = plainButton("Button3", QStringLiteral("Delete.."), group);

    grid->addWidget(new QLabel(QStringLiteral("Mainclass:"), group), 0, 0);
    grid->addWidget(ListView1, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Datamembers:"), group), 2, 0);
    grid->addWidget(ListView2, 3, 0);
    grid->addWidget(Button2, 4, 0, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("Variables being tracked:"), group), 0, 1);
    grid->addWidget(ListView3, 1, 1, 3, 1);
    grid->addWidget(Button3, 4, 1, Qt::AlignRight);
    grid->setColumnMinimumWidth(0, 220);
    grid->setColumnMinimumWidth(1, 380);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button4, "Button4", QStringLiteral("Cancel")},
                                            {&Button5, "Button5", QStringLiteral("Help")}},
                                           EnterPresses::Nothing);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(ListView1, &QTreeWidget::itemClicked, this, &TVarTrackerFrm::ListView1Click);
    connect(Button2, &QPushButton::clicked, this, &TVarTrackerFrm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TVarTrackerFrm::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TVarTrackerFrm::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TVarTrackerFrm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TVarTrackerFrm::Button5Click);
}

void TVarTrackerFrm::FormShow()
{
    for (const QString &watch : std::as_const(WatchList))
        new QTreeWidgetItem(ListView3, {watch});
    fitTrackedColumn();
    ListView1->clear();
    auto *row = new QTreeWidgetItem(ListView1, {MainClass});
    row->setIcon(0, listImage(0));
}

void TVarTrackerFrm::ListView1Click()
{
    QTreeWidgetItem *selected = ListView1->currentItem();
    if (!selected || !selected->isSelected())
        return;
    const QStringList members = m_members ? m_members(selected->text(0)) : QStringList();
    ListView2->clear();
    for (const QString &member : members) {
        auto *row = new QTreeWidgetItem(ListView2, {member});
        row->setIcon(0, listImage(1));
    }
    if (ListView2->topLevelItemCount() == 0)
        new QTreeWidgetItem(ListView2, {QStringLiteral("None found!")});
    ListView2->setColumnWidth(0, ListView2->topLevelItemCount() < 6 ? 198 : 181);
}

QString TVarTrackerFrm::memberName(const QString &row)
{
    const QString last = row.mid(row.lastIndexOf(u' ') + 1);
    QString name;
    for (const QChar c : last)
        if (c > u' ')
            name += c;
    return name;
}

void TVarTrackerFrm::Button2Click()
{
    QTreeWidgetItem *member = ListView2->currentItem();
    QTreeWidgetItem *owner = ListView1->currentItem();
    if (!member || !member->isSelected() || !owner || !owner->isSelected())
        return;
    if (Delphi::trim(member->text(0)).contains(QLatin1String("None found!")))
        return;
    new QTreeWidgetItem(ListView3, {owner->text(0) + u'.' + memberName(member->text(0))});
    fitTrackedColumn();
}

void TVarTrackerFrm::Button3Click()
{
    QTreeWidgetItem *row = ListView3->currentItem();
    if (ListView3->topLevelItemCount() == 0 || !row || !row->isSelected())
        return;
    delete row;
    fitTrackedColumn();
}

void TVarTrackerFrm::fitTrackedColumn()
{
    ListView3->setColumnWidth(0, ListView3->topLevelItemCount() < 5 ? 357 : 340);
}

void TVarTrackerFrm::Button1Click()
{
    WatchList.clear();
    for (int i = ListView3->topLevelItemCount() - 1; i >= 0; --i)
        WatchList.append(ListView3->topLevelItem(i)->text(0));
    accept();
}

void TVarTrackerFrm::Button4Click()
{
    reject();
}

void TVarTrackerFrm::Button5Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_VARTRACKERDLG"));
}
