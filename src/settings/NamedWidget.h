#pragma once

#include <QLatin1String>

// Gives a widget its component name as objectName (tests and the shortcut table find it so).
template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
