#pragma once

#include <QList>
#include <QString>
#include <Qt>

class QHBoxLayout;
class QPushButton;
class QWidget;

// One button of a dialog's button row: the pointer that keeps it, its component name
// (objectName) and its caption.
struct DialogButton {
    QPushButton **button;
    const char *name;
    QString caption;
};

// Which of a row's buttons Return and Enter press.
enum class EnterPresses {
    FocusedElseFirst, // the focused button; elsewhere the first, the dialog's default button
    First,            // the first button (the default), wherever the focus is
    Focused,          // the focused button; elsewhere the dialog's own pick (no default is set:
                      // when shown, it takes the first auto-default button after the focus)
    Nothing,          // none: no default button, and a focused button does not take the key
};

// A dialog's row of closing buttons ("OK", "Cancel", "Help", "Close", ...), made now in the
// order given, which is their tab order. The row puts them at its right; Qt::AlignHCenter puts
// them in its middle and Qt::AlignLeft at its left, widgets added after them going to the right.
// A dialog's own widgets go before them with insertWidget(0, ...). The dialog connects the
// buttons and adds the row to its layout.
QHBoxLayout *dialogButtonRow(QWidget *dialog, const QList<DialogButton> &buttons,
                             EnterPresses enter = EnterPresses::FocusedElseFirst,
                             Qt::Alignment alignment = Qt::AlignRight);
