#include "editor/output/PrintPage.h"

PrintPage::PrintPage(const QPageLayout &layout, int resolution)
    : m_layout(layout), m_resolution(resolution)
{}

int PrintPage::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_layout.paintRectPixels(m_resolution).width();
    case PdmHeight: return m_layout.paintRectPixels(m_resolution).height();
    case PdmWidthMM: return qRound(m_layout.paintRect(QPageLayout::Millimeter).width());
    case PdmHeightMM: return qRound(m_layout.paintRect(QPageLayout::Millimeter).height());
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return m_resolution;
    default: return QPicture::metric(metric);
    }
}
