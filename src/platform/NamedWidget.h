#pragma once

#include <QLatin1String>
#include <QString>

class QPushButton;
class QWidget;

// Gives a widget its component name as objectName (tests and the shortcut table find it so).
template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A named push button that Enter in its dialog does not press: the dialogs say which of their
// buttons is the default, if any.
QPushButton *plainButton(const char *name, const QString &caption, QWidget *parent);
