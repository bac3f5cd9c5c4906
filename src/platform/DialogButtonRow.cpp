#include "platform/DialogButtonRow.h"

#include "platform/NamedWidget.h"

#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout *dialogButtonRow(QWidget *dialog, const QList<DialogButton> &buttons,
                             EnterPresses enter, Qt::Alignment alignment)
{
    auto *row = new QHBoxLayout;
    if (!(alignment & Qt::AlignLeft))
        row->addStretch();
    for (const DialogButton &def : buttons) {
        auto *b = enter == EnterPresses::Nothing || enter == EnterPresses::First
            ? plainButton(def.name, def.caption, dialog)
            : named(new QPushButton(def.caption, dialog), def.name);
        *def.button = b;
        row->addWidget(b);
    }
    if (!buttons.isEmpty()
        && (enter == EnterPresses::FocusedElseFirst || enter == EnterPresses::First))
        (*buttons.first().button)->setDefault(true);
    if (alignment & (Qt::AlignHCenter | Qt::AlignLeft))
        row->addStretch();
    return row;
}
