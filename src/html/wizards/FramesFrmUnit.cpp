#include "html/wizards/FramesFrmUnit.h"

#include "host/FeatureHost.h"
#include "host/HostDocument.h"
#include "html/text/FramesetText.h"
#include "platform/DialogButtonRow.h"
#include "platform/HelpViewer.h"
#include "platform/Prompter.h"
#include "platform/Rng.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Random draws before the free numbers are searched in order.
constexpr int RandomTries = 100;

} // namespace

TFramesValgFrm::TFramesValgFrm(FeatureHost &host, QWidget *parent) : QDialog(parent), m_host(host)
{
    setObjectName(QStringLiteral("FramesValgFrm"));
    setWindowTitle(QStringLiteral("Frames"));

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setMovement(QListView::Static);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setIconSize(QSize(96, 72));
    ListView1->setGridSize(QSize(112, 100));
    ListView1->setMinimumSize(3 * 112 + 24, 3 * 100 + 8);
    for (int i = 1; i <= FramesetText::LayoutCount; ++i)
        new QListWidgetItem(QIcon(QStringLiteral(":/html/icons/frames%1.svg").arg(i)),
                            QString::number(i), ListView1);

    CheckBox1 = new QCheckBox(QStringLiteral("Frameborders"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("Create all HTML pages"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")},
                                            {&Button3, "Button3", QStringLiteral("Help")}});
    buttons->insertWidget(0, CheckBox1);
    buttons->insertWidget(1, CheckBox2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select frameset type:"), this));
    layout->addWidget(ListView1);
    layout->addLayout(buttons);

    // The boxes give the focus back to the list, so its selection stays in sight.
    for (QCheckBox *box : {CheckBox1, CheckBox2})
        connect(box, &QCheckBox::clicked, ListView1, [this] { ListView1->setFocus(); });
    connect(Button1, &QPushButton::clicked, this, &TFramesValgFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
    connect(Button3, &QPushButton::clicked, this, &TFramesValgFrm::Button3Click);
}

bool TFramesValgFrm::nameTaken(const QStringList &pageNames) const
{
    const QList<HostDocument *> documents = m_host.documents();
    for (HostDocument *document : documents) {
        const QString caption = document->caption();
        for (const QString &name : pageNames) {
            if (caption.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

int TFramesValgFrm::drawNumber(int layout, bool createPages) const
{
    int number = Rng::instance()->random(1000);
    if (!createPages)
        return number;
    for (int tries = 1; nameTaken(FramesetText::pageNames(layout, true, number)); ++tries) {
        // Beyond the random tries every number is looked at in turn; there are more numbers
        // than open documents, so one is free.
        number = tries < RandomTries ? Rng::instance()->random(1000) : tries - RandomTries;
    }
    return number;
}

void TFramesValgFrm::Button1Click()
{
    const QList<QListWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        Prompter::information(this,
                              QStringLiteral("Please select one of the frameset types in the list "
                                             "first."));
        return;
    }
    const int layout = ListView1->row(selected.first());
    const bool borders = CheckBox1->isChecked();
    const bool createPages = CheckBox2->isChecked();
    const int number =
        FramesetText::drawsNumber(layout, createPages) ? drawNumber(layout, createPages) : 0;

    const QString text = FramesetText::build(layout, borders, createPages, number);
    const QStringList pages = FramesetText::pageNames(layout, createPages, number);
    for (const QString &page : pages)
        m_host.makeDocument(page, FramesetText::pageTemplate());
    m_host.makeHtmlDocument(text, 1);
    close();
}

void TFramesValgFrm::Button3Click()
{
    HelpViewer::instance()->showTopic(QStringLiteral("HID_FRAMESDLG"));
}
