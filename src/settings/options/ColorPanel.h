#pragma once

#include "platform/TColor.h"

#include <QLabel>

// A panel painted in a colour that reports clicks: the Options dialog's colour boxes.
class ColorPanel : public QLabel
{
    Q_OBJECT
public:
    explicit ColorPanel(const QString &caption, QWidget *parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor m_color = TColor::clWhite;
};
