#include "editor/WaveOverlay.h"

#include <QEvent>
#include <QPainter>

WaveOverlay::WaveOverlay(QWidget *viewport, std::function<Layout()> layout)
    : QWidget(viewport->parentWidget()), m_viewport(viewport), m_layout(std::move(layout))
{
    setObjectName(QStringLiteral("WaveOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(viewport->geometry());
    viewport->installEventFilter(this);
    raise();
    show();
}

void WaveOverlay::setLook(const QColor &pen, const Offsets &offsets)
{
    m_pen = pen;
    m_offsets = offsets;
    update();
}

bool WaveOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        setGeometry(m_viewport->geometry());
    return QWidget::eventFilter(watched, event);
}

void WaveOverlay::paintEvent(QPaintEvent *)
{
    const Layout layout = m_layout();
    if (layout.waves.isEmpty())
        return;
    QPainter painter(this);
    for (const Wave &w : layout.waves) {
        for (int x = qMax(w.x0, layout.gutter + 1); x <= w.x1; ++x) {
            const int offset = m_offsets[size_t((x - w.x0) % 4)];
            painter.fillRect(x, w.y0 + offset, 1, 1, offset == -1 ? layout.background : m_pen);
        }
    }
}
