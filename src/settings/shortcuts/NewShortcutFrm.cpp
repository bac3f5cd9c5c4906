#include "settings/shortcuts/NewShortcutFrm.h"

#include "platform/DelphiStrings.h"
#include "platform/DialogButtonRow.h"
#include "platform/NamedWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TNewShortcutFrm::TNewShortcutFrm(const QString &current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NewShortcutFrm"));
    setWindowTitle(QStringLiteral("Change shortcut"));
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint)
                   | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);

    const QString trimmed = Delphi::trim(current);
    auto *group = named(new QGroupBox(QStringLiteral("Shortcut:"), this), "GroupBox1");
    Label2 =
        named(new QLabel(trimmed.isEmpty() ? QStringLiteral("NONE SPESIFIED") : current, group),
              "Label2");
    Edit1 = named(new QLineEdit(trimmed, group), "Edit1");
    auto *grid = new QGridLayout(group);
    grid->addWidget(named(new QLabel(QStringLiteral("Old shortcut name:"), group), "Label1"), 0, 0);
    grid->addWidget(Label2, 0, 1);
    auto *newLabel = named(new QLabel(QStringLiteral("New shortcut:"), group), "Label3");
    newLabel->setBuddy(Edit1);
    grid->addWidget(newLabel, 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->setColumnStretch(1, 1);

    QHBoxLayout *buttons = dialogButtonRow(this,
                                           {{&Button1, "Button1", QStringLiteral("OK")},
                                            {&Button2, "Button2", QStringLiteral("Cancel")}},
                                           EnterPresses::First);
    connect(Button1, &QPushButton::clicked, this, &TNewShortcutFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TNewShortcutFrm::Button2Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setFixedSize(qMax(300, sizeHint().width()), sizeHint().height());
    Edit1->setFocus();
    Edit1->selectAll();
}

void TNewShortcutFrm::Button1Click()
{
    accept();
}

void TNewShortcutFrm::Button2Click()
{
    reject();
}

void TNewShortcutFrm::showEvent(QShowEvent *event)
{
    // Centred on the screen, not on the Options dialog.
    if (const QScreen *s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(event);
}
