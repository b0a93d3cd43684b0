#include "app/dock/SplineEditor.h"

#include "engine/Spline.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
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
    // Category 1 shades the luminance axis from black to white, category 2 shows the hues along
    // it with a line at the neutral middle; the tone curve gets a diagonal.
    if (m_iCategory == 1)
    {
        QLinearGradient g(r.bottomLeft(), r.bottomRight());
        g.setColorAt(0, QColor(0, 0, 0, 60));
        g.setColorAt(1, QColor(255, 255, 255, 60));
        p.fillRect(r, g);
    }
    else if (m_iCategory == 2)
    {
        QLinearGradient g(r.bottomLeft(), r.bottomRight());
        for (int i = 0; i <= 6; ++i)
            g.setColorAt(i / 6.0, QColor::fromHsvF(float(i % 6) / 6.0f, 0.8f, 1.0f, 0.35f));
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
    else if (m_iCategory == 2)
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.setPen(QPen(palette().dark().color(), 1));
    p.drawRect(r);

    auto curvePath = [&](const float* values) {
        float a[MP_CURVE_KNOTS], b[MP_CURVE_KNOTS], c[MP_CURVE_KNOTS], d[MP_CURVE_KNOTS], xp[MP_CURVE_KNOTS];
        MP_SplineCoefficients(values, a, b, c, d, xp);
        QPainterPath path;
        const int steps = std::max(16, int(r.width()));
        for (int i = 0; i <= steps; ++i)
        {
            const float x = float(i) / steps;
            const QPointF w = ToWidget({x, MP_SplineEval(a, b, c, d, xp, x)});
            i == 0 ? path.moveTo(w) : path.lineTo(w);
        }
        return path;
    };
    auto tintColour = [this](int tint) {
        static const QColor kTints[] = {QColor(200, 40, 40), QColor(40, 160, 60), QColor(50, 90, 220)};
        return tint >= 1 && tint <= 3 ? kTints[tint - 1] : palette().highlight().color();
    };
    for (const auto& [values, tint] : m_background)
    {
        QColor faint = tintColour(tint);
        faint.setAlpha(90);
        p.setPen(QPen(faint, 1));
        if (values.size() >= 12)
            p.drawPath(curvePath(values.constData()));
    }
    p.setPen(QPen(tintColour(m_iTint), 2));
    p.drawPath(curvePath(m_afCurve));

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
    CChainEditor::MoveCurvePoint(m_afCurve, m_iDragged, float(c.x()), float(c.y()), m_iCategory == 2);
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
    m_pEditor->SetTint(c ? c->iTint : 0);
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

// ---------------------------------------------------------------------------------------------

CChannelCurvesControl::CChannelCurvesControl(CChainEditor& editor, int op, int set, int count, QWidget* parent)
    : CParameterControl(editor, op, set, parent), m_iCount(count)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    auto* buttons = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < count; ++i)
    {
        const SCatalogueControl* c = m_editor.Control(op, set + i);
        auto* button = new QToolButton(this);
        button->setText(QCoreApplication::translate("HDRPostProcessingDockWidget",
                                                    (c ? c->sName : QStringLiteral("Kurve")).toUtf8().constData()));
        button->setCheckable(true);
        button->setAutoRaise(true);
        group->addButton(button, i);
        buttons->addWidget(button);
        m_buttons.append(button);
    }
    buttons->addStretch(1);
    // Its reset puts every curve of the editor back.
    QToolButton* reset = MakeResetButton();
    disconnect(reset, nullptr, this, nullptr);
    connect(reset, &QToolButton::clicked, this, [this] {
        for (int i = 0; i < m_iCount; ++i)
            m_editor.ResetSet(m_iOp, m_iSet + i);
        Refresh();
        emit changed();
    });
    buttons->addWidget(reset);
    grid->addLayout(buttons, 0, 0);
    m_pEditor = new CSplineEditor(this);
    if (const SCatalogueControl* c = Control())
        m_pEditor->SetCategory(c->iCategory);
    grid->addWidget(m_pEditor, 1, 0);
    connect(group, &QButtonGroup::idClicked, this, &CChannelCurvesControl::Choose);
    connect(m_pEditor, &CSplineEditor::curveEdited, this, [this] {
        m_editor.SetValues(m_iOp, EditedSet(), m_pEditor->Curve(), 12);
        Choose(m_iChannel); // the edited curve also moves behind the others
        emit changed();
    });
    m_buttons.first()->setChecked(true);
    Choose(0);
}

void CChannelCurvesControl::Choose(int channel)
{
    m_iChannel = channel;
    QList<QPair<QVector<float>, int>> behind;
    for (int i = 0; i < m_iCount; ++i)
    {
        const SCatalogueControl* c = m_editor.Control(m_iOp, m_iSet + i);
        const float* v = m_editor.Values(m_iOp, m_iSet + i);
        if (i != channel && v)
            behind.append({QVector<float>(v, v + 12), c ? c->iTint : 0});
    }
    m_pEditor->SetBackgroundCurves(behind);
    const SCatalogueControl* c = m_editor.Control(m_iOp, EditedSet());
    m_pEditor->SetTint(c ? c->iTint : 0);
    if (const float* v = m_editor.Values(m_iOp, EditedSet()))
        m_pEditor->SetCurve(v);
}

void CChannelCurvesControl::Refresh()
{
    Choose(m_iChannel);
}
