#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QString>

// The sizes of menu texts in one font. Widths are remembered: a menu measures the same
// captions each time it is laid out again.
class MenuTextMetrics
{
public:
    explicit MenuTextMetrics(const QFont &font) : m_metrics(font) {}

    int width(const QString &text) const;
    // The height of a line of text (of "W").
    int height() const { return m_metrics.height(); }
    int averageCharWidth() const { return m_metrics.averageCharWidth(); }

private:
    QFontMetrics m_metrics;
    mutable QHash<QString, int> m_widths;
};
