#include "styling/MenuTextMetrics.h"

int MenuTextMetrics::width(const QString &text) const
{
    auto it = m_widths.constFind(text);
    if (it != m_widths.constEnd())
        return *it;
    const int w = m_metrics.horizontalAdvance(text);
    m_widths.insert(text, w);
    return w;
}
