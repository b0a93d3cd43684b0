#include "app/HistogramWidget.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace
{
const QColor kBackground(0x20, 0x20, 0x20);

/// The curve of one channel as a closed area over the bottom edge of `area`.
QPainterPath Area(const std::array<uint32_t, 256>& bins, const QRectF& area, double peak)
{
    QPainterPath path(area.bottomLeft());
    for (int i = 0; i < 256; ++i)
    {
        const double x = area.left() + (i + 0.5) * area.width() / 256.0;
        path.lineTo(x, area.bottom() - area.height() * std::min(1.0, bins[size_t(i)] / peak));
    }
    path.lineTo(area.bottomRight());
    path.closeSubpath();
    return path;
}
}  // namespace

CHistogramWidget::CHistogramWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CHistogramWidget::SetHistogram(const SHistogram& histogram)
{
    m_histogram = histogram;
    update();
}

const SHistogram& CHistogramWidget::Histogram() const
{
    return m_histogram;
}

QSize CHistogramWidget::minimumSizeHint() const
{
    return QSize(160, 80);
}

QSize CHistogramWidget::sizeHint() const
{
    return QSize(280, 150);
}

void CHistogramWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    uint32_t peak = 0;
    for (const auto* bins : {&m_histogram.red, &m_histogram.green, &m_histogram.blue, &m_histogram.luminance})
        peak = std::max(peak, *std::max_element(bins->begin(), bins->end()));
    if (peak == 0)
        return;
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const std::pair<const std::array<uint32_t, 256>*, QColor> channels[] = {
        {&m_histogram.red, QColor(230, 40, 40, 110)},
        {&m_histogram.green, QColor(40, 210, 40, 110)},
        {&m_histogram.blue, QColor(50, 90, 240, 110)},
    };
    for (const auto& [bins, colour] : channels)
        painter.fillPath(Area(*bins, area, peak), colour);
    QPainterPath luminance;
    for (int i = 0; i < 256; ++i)
    {
        const QPointF point(area.left() + (i + 0.5) * area.width() / 256.0,
                            area.bottom() - area.height() * double(m_histogram.luminance[size_t(i)]) / peak);
        if (i == 0)
            luminance.moveTo(point);
        else
            luminance.lineTo(point);
    }
    painter.strokePath(luminance, QPen(QColor(235, 235, 235), 1.2));
}
