#include "settings/options/MouseUpCheckBox.h"

#include <QMouseEvent>

void MouseUpCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    QCheckBox::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit mouseUp();
}
