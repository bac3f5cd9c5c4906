#include "settings/options/ColorPanel.h"

#include <QMouseEvent>

ColorPanel::ColorPanel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setMinimumSize(32, 22);
    setCursor(Qt::PointingHandCursor);
    setColor(TColor::clWhite);
}

void ColorPanel::setColor(TColor color)
{
    m_color = color;
    QPalette p = palette();
    const QColor paint = color.toQColor();
    p.setColor(QPalette::Window, paint);
    p.setColor(QPalette::WindowText, paint.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(p);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
