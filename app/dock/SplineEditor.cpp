#include "app/dock/SplineEditor.h"

#include "engine/Spline.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include <algorithm>
#include <cstring>

namespace
{
constexpr double kMargin = 6.0;
constexpr double kGrab = 8.0; // pixels around a point that pick it up
}  // namespace

CSplineEditor::CSplineEditor(QWidget* parent) : QWidget(parent)
{
    COperatorCatalogue::DefaultCurve(1, m_afCurve);
    setMouseTracking(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CSplineEditor::SetCurve(const float* values)
{
    std::memcpy(m_afCurve, values, sizeof(m_afCurve));
    update();
}

QRectF CSplineEditor::Plot() const
{
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPointF CSplineEditor::ToWidget(QPointF c) const
{
    const QRectF r = Plot();
    return {r.left() + c.x() * r.width(), r.bottom() - c.y() * r.height()};
}

QPointF CSplineEditor::ToCurve(QPointF w) const
{
    const QRectF r = Plot();
    if (r.width() <= 0 || r.height() <= 0)
        return {};
    return {(w.x() - r.left()) / r.width(), (r.bottom() - w.y()) / r.height()};
}

int CSplineEditor::PointAt(QPointF widget) const
{
    int best = -1;
    double bestDistance = kGrab * kGrab;
    for (int i = 0; i < 6; ++i)
    {
        const QPointF d = ToWidget({m_afCurve[2 * i], m_afCurve[2 * i + 1]}) - widget;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance <= bestDistance)
        {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void CSplineEditor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = Plot();
    p.fillRect(rect(), palette().base());
    // Category 1 shades the luminance axis from black to white; the tone curve gets a diagonal.
    if (m_iCategory == 1)
    {
        QLinearGradient g(r.bottomLeft(), r.bottomRight());
        g.setColorAt(0, QColor(0, 0, 0, 60));
        g.setColorAt(1, QColor(255, 255, 255, 60));
        p.fillRect(r, g);
    }
    p.setPen(QPen(palette().mid().color(), 1, Qt::DotLine));
    for (int i = 1; i < 5; ++i)
    {
        const double x = r.left() + r.width() * i / 5.0, y = r.top() + r.height() * i / 5.0;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    if (m_iCategory == 0)
        p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(palette().dark().color(), 1));
    p.drawRect(r);

    float a[MP_CURVE_KNOTS], b[MP_CURVE_KNOTS], c[MP_CURVE_KNOTS], d[MP_CURVE_KNOTS], xp[MP_CURVE_KNOTS];
    MP_SplineCoefficients(m_afCurve, a, b, c, d, xp);
    QPainterPath path;
    const int steps = std::max(16, int(r.width()));
    for (int i = 0; i <= steps; ++i)
    {
        const float x = float(i) / steps;
        const QPointF w = ToWidget({x, MP_SplineEval(a, b, c, d, xp, x)});
        i == 0 ? path.moveTo(w) : path.lineTo(w);
    }
    p.setPen(QPen(palette().highlight().color(), 2));
    p.drawPath(path);

    p.setPen(QPen(palette().text().color(), 1));
    for (int i = 0; i < 6; ++i)
    {
        p.setBrush(i == m_iDragged ? palette().highlight() : palette().base());
        p.drawEllipse(ToWidget({m_afCurve[2 * i], m_afCurve[2 * i + 1]}), 4, 4);
    }
}

void CSplineEditor::mousePressEvent(QMouseEvent* event)
{
    m_iDragged = PointAt(event->position());
    update();
}

void CSplineEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (m_iDragged < 0)
        return;
    const QPointF c = ToCurve(event->position());
    CChainEditor::MoveCurvePoint(m_afCurve, m_iDragged, float(c.x()), float(c.y()));
    update();
    emit curveEdited();
}

void CSplineEditor::mouseReleaseEvent(QMouseEvent*)
{
    m_iDragged = -1;
    update();
}

// ---------------------------------------------------------------------------------------------

CSplineControl::CSplineControl(CChainEditor& editor, int op, int set, QWidget* parent)
    : CParameterControl(editor, op, set, parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    const SCatalogueControl* c = Control();
    const int category = c ? c->iCategory : 1;
    grid->addWidget(new QLabel(Caption(category == 0 ? "Gradationskurve" : "Maskierung"), this), 0, 0);
    grid->addWidget(MakeResetButton(), 0, 1, Qt::AlignRight);
    m_pEditor = new CSplineEditor(this);
    m_pEditor->SetCategory(category);
    grid->addWidget(m_pEditor, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    connect(m_pEditor, &CSplineEditor::curveEdited, this, [this] {
        m_editor.SetValues(m_iOp, m_iSet, m_pEditor->Curve(), 12);
        emit changed();
    });
    Refresh();
}

void CSplineControl::Refresh()
{
    if (const float* v = m_editor.Values(m_iOp, m_iSet))
        m_pEditor->SetCurve(v);
}
