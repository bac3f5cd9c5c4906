#include "platform/NamedWidget.h"

#include <QPushButton>

QPushButton *plainButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}
