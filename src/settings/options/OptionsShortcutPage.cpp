#include "settings/options/OptionsShortcutPage.h"

#include "platform/DelphiStrings.h"
#include "platform/NamedWidget.h"
#include "platform/Prompter.h"
#include "settings/shortcuts/NewShortcutFrm.h"
#include "settings/shortcuts/ShortcutTable.h"
#include "settings/shortcuts/ShortcutText.h"
#include "settings/store/AppSettings.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

OptionsShortcutPage::OptionsShortcutPage(ExecDialog exec, QWidget *parent)
    : QWidget(parent), m_exec(std::move(exec))
{
    if (!m_exec)
        m_exec = [](QDialog &dialog) { return dialog.exec(); };

    LbShortcutList = named(new QTreeWidget(this), "LbShortcutList");
    LbShortcutList->setColumnCount(2);
    LbShortcutList->setHeaderLabels({QStringLiteral("Menu item"), QStringLiteral("Shortcut")});
    LbShortcutList->setRootIsDecorated(false);
    LbShortcutList->setUniformRowHeights(true);
    LbShortcutList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LbShortcutList->setSelectionBehavior(QAbstractItemView::SelectRows);
    LbShortcutList->setSelectionMode(QAbstractItemView::SingleSelection);
    LbShortcutList->header()->setStretchLastSection(false);
    LbShortcutList->setColumnWidth(0, 240);
    LbShortcutList->setColumnWidth(1, 92);
    connect(LbShortcutList, &QTreeWidget::itemDoubleClicked, this,
            &OptionsShortcutPage::LbShortcutListDblClick);

    Button7 = named(new QPushButton(QStringLiteral("Change.."), this), "Button7");
    Button7->setAutoDefault(false);
    connect(Button7, &QPushButton::clicked, this, &OptionsShortcutPage::Button7Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button7);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LbShortcutList, 1);
    layout->addLayout(buttons);
}

void OptionsShortcutPage::LoadShortcuts(const AppSettings &settings)
{
    LbShortcutList->clear();
    for (const ShortcutRow &row : ShortcutTable) {
        auto *item = new QTreeWidgetItem(LbShortcutList);
        item->setText(0, QLatin1String(row.listText));
        item->setText(1,
                      settings.readString(QLatin1String(Settings::Shortcuts),
                                          QString::number(row.index),
                                          QLatin1String(row.defaultText)));
    }
}

void OptionsShortcutPage::LoadShortcutList(const AppSettings &settings)
{
    if (settings.boolValue(Settings::Key::ShortcutDefaultList, Settings::Reader::Options))
        return;
    for (int i = 0; i < LbShortcutList->topLevelItemCount(); ++i)
        LbShortcutList->topLevelItem(i)->setText(
            1,
            settings.readString(QLatin1String(Settings::ShortCutList), QString::number(i),
                                QString()));
}

void OptionsShortcutPage::UpdateShortcutList(AppSettings &settings) const
{
    settings.setBool(Settings::Key::ShortcutDefaultList, false);
    const QStringList texts = shortcutTexts();
    for (int i = 0; i < texts.size(); ++i)
        settings.writeString(QLatin1String(Settings::ShortCutList), QString::number(i),
                             Delphi::trim(texts.at(i)));
}

QStringList OptionsShortcutPage::shortcutTexts() const
{
    QStringList texts;
    for (int i = 0; i < LbShortcutList->topLevelItemCount(); ++i)
        texts.append(LbShortcutList->topLevelItem(i)->text(1));
    return texts;
}

void OptionsShortcutPage::Button7Click()
{
    QTreeWidgetItem *row = LbShortcutList->currentItem();
    if (!row || !row->isSelected())
        return;
    TNewShortcutFrm dialog(row->text(1), window());
    if (m_exec(dialog) != QDialog::Accepted)
        return;
    const QString text = Delphi::trim(dialog.Edit1->text());
    emit shortcutConfirmed();
    // A key that some row holds already, the selected row included, is refused.
    if (ShortcutText::isTaken(shortcutTexts(), text)) {
        Prompter::information(window(),
                              QStringLiteral("Can't insert this shortcut, it already "
                                             "exists somewhere else in the program "
                                             "(keeping old)!"));
        return;
    }
    row->setText(1, text);
}

void OptionsShortcutPage::LbShortcutListDblClick()
{
    Button7Click();
}
