#pragma once

#include <QPageLayout>
#include <QPicture>

// A picture with a printer's metrics: the printable area of its page layout at its resolution.
// Text laid out or drawn on it takes the same room as on that printer, and the picture plays
// back at any scale (the print preview shows pages through it).
class PrintPage : public QPicture
{
public:
    PrintPage(const QPageLayout &layout, int resolution);

    const QPageLayout &pageLayout() const { return m_layout; }
    int resolution() const { return m_resolution; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPageLayout m_layout;
    int m_resolution;
};
