#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

#include <array>
#include <functional>

// Wavy underlines painted over an editor's text area. A transparent widget laid over the
// editor's viewport (it follows the viewport's geometry and lets every mouse event through);
// the wave positions are asked for at each paint, so they follow scrolling and typing.
//
// A wave runs over the pixel columns x0..x1 inclusive; at column X it sets one pixel at
// y0 + offsets[(X - x0) mod 4], in the pen colour, or in the background colour where the
// offset is -1. Columns at or left of the gutter edge are left alone.
class WaveOverlay : public QWidget
{
    Q_OBJECT
public:
    struct Wave {
        int x0;
        int x1;
        int y0;
    };
    struct Layout {
        int gutter = 0; // columns 0..gutter belong to the gutter
        QColor background = Qt::white;
        QList<Wave> waves; // in viewport coordinates
    };
    using Offsets = std::array<int, 4>;

    WaveOverlay(QWidget *viewport, std::function<Layout()> layout);

    void setLook(const QColor &pen, const Offsets &offsets);
    QColor pen() const { return m_pen; }
    Offsets offsets() const { return m_offsets; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_viewport;
    std::function<Layout()> m_layout;
    QColor m_pen = Qt::red;
    Offsets m_offsets = {0, 1, 2, 1};
};
