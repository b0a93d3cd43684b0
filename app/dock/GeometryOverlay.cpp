#include "app/dock/GeometryOverlay.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace
{
// The outline |dx|^e + |dy|^e = 1 of a shape, with the exponent the geometry weighting uses.
QPolygonF Outline(const SGeometryShape& s, QSize size)
{
    constexpr float eps = 0.001f;
    float e = s.fShape * (1.0f - eps) + eps;
    e = e < 0.5f ? 2.0f * e + 1.0f : ((e - 0.5f) * 8.0f) * ((e - 0.5f) * 8.0f) + 2.0f;
    QPolygonF poly;
    const double cx = s.fCentreX * size.width(), cy = s.fCentreY * size.height();
    const double rx = s.fHalfWidth * size.width(), ry = s.fHalfHeight * size.height();
    for (int i = 0; i < 96; ++i)
    {
        const double t = 2.0 * M_PI * i / 96.0;
        const double c = std::cos(t), si = std::sin(t);
        const double x = std::copysign(std::pow(std::fabs(c), 2.0 / e), c);
        const double y = std::copysign(std::pow(std::fabs(si), 2.0 / e), si);
        poly << QPointF(cx + rx * x, cy + ry * y);
    }
    return poly;
}
}  // namespace

CGeometryOverlay::CGeometryOverlay(CChainEditor& editor, int op, int set, std::function<QSize()> imageSize)
    : m_editor(editor), m_iOp(op), m_iSet(set), m_imageSize(std::move(imageSize))
{
}

void CGeometryOverlay::Paint(QPainter& painter, const QTransform& toWidget)
{
    const float* geo = m_editor.Values(m_iOp, m_iSet);
    const QSize size = m_imageSize();
    if (!geo || size.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < GeometrySet::kMaxShapes; ++i)
    {
        const SGeometryShape s = GeometrySet::Read(geo, i);
        if (s.iKind == SGeometryShape::eUNUSED)
            continue;
        const QColor colour = s.iKind == SGeometryShape::eADDITIVE ? QColor(80, 220, 80) : QColor(230, 70, 70);
        const QPolygonF outline = toWidget.map(Outline(s, size));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawPolygon(outline);
        painter.setPen(QPen(colour, i == m_iSelected ? 2 : 1, i == m_iSelected ? Qt::SolidLine : Qt::DashLine));
        painter.drawPolygon(outline);
        const QPointF centre = toWidget.map(QPointF(s.fCentreX * size.width(), s.fCentreY * size.height()));
        const QPointF corner = toWidget.map(QPointF((s.fCentreX + s.fHalfWidth) * size.width(),
                                                    (s.fCentreY + s.fHalfHeight) * size.height()));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(colour);
        painter.drawEllipse(centre, 5, 5);
        painter.drawRect(QRectF(corner - QPointF(4, 4), QSizeF(8, 8)));
    }
    painter.restore();
}

bool CGeometryOverlay::Press(QPointF p)
{
    const float* geo = m_editor.Values(m_iOp, m_iSet);
    const QSize size = m_imageSize();
    if (!geo || size.isEmpty())
        return false;
    m_drag = GeometrySet::HitTest(geo, p.x(), p.y(), size.width(), size.height(), kGrabRadius);
    if (m_drag.iShape < 0)
        return false;
    const SGeometryShape s = GeometrySet::Read(geo, m_drag.iShape);
    m_grabOffset = p - QPointF(s.fCentreX * size.width(), s.fCentreY * size.height());
    m_iSelected = m_drag.iShape;
    if (onSelected)
        onSelected(m_iSelected);
    return true;
}

void CGeometryOverlay::Move(QPointF p)
{
    const float* geo = m_editor.Values(m_iOp, m_iSet);
    const QSize size = m_imageSize();
    if (!geo || size.isEmpty() || m_drag.iShape < 0)
        return;
    SGeometryShape s = GeometrySet::Read(geo, m_drag.iShape);
    if (m_drag.eHandle == GeometrySet::eCENTRE)
    {
        const QPointF c = p - m_grabOffset;
        s.fCentreX = float(c.x() / size.width());
        s.fCentreY = float(c.y() / size.height());
    }
    else
    {
        // Half sizes never reach zero: the weighting divides by them.
        s.fHalfWidth = std::max(0.01f, float(std::fabs(p.x() / size.width() - s.fCentreX)));
        s.fHalfHeight = std::max(0.01f, float(std::fabs(p.y() / size.height() - s.fCentreY)));
    }
    m_editor.SetShape(m_iOp, m_iSet, m_drag.iShape, s);
    if (onChanged)
        onChanged(m_drag.iShape);
}

void CGeometryOverlay::Release(QPointF p)
{
    Move(p);
    m_drag = {};
}
