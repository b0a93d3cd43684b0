#include "app/dock/ColourWheelControl.h"

#include "engine/ColourWheel.h"

#include <QConicalGradient>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>
#include <QSlider>

#include <cmath>

namespace
{
constexpr int kSteps = 1000;
}

CColourWheel::CColourWheel(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void CColourWheel::SetPoint(QPointF point)
{
    m_point = point;
    update();
}

QRectF CColourWheel::Disc() const
{
    const double side = std::min(width(), height()) - 8.0;
    return QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side);
}

QPointF CColourWheel::ToWidget(QPointF disc) const
{
    const QRectF d = Disc();
    return {d.center().x() + disc.x() * d.width() / 2.0, d.center().y() - disc.y() * d.height() / 2.0};
}

QPointF CColourWheel::ToDisc(QPointF widget) const
{
    const QRectF d = Disc();
    if (d.width() <= 0)
        return {};
    return {(widget.x() - d.center().x()) * 2.0 / d.width(), (d.center().y() - widget.y()) * 2.0 / d.height()};
}

void CColourWheel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF d = Disc();
    // Hues around the rim (red at 0°, counter-clockwise as on screen), fading to white inwards.
    QConicalGradient hues(d.center(), 0.0);
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsvF(float(i % 6) / 6.0f, 1.0f, 1.0f));
    p.setPen(Qt::NoPen);
    p.setBrush(hues);
    p.drawEllipse(d);
    QRadialGradient white(d.center(), d.width() / 2.0);
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(white);
    p.drawEllipse(d);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette().dark().color(), 1));
    p.drawEllipse(d);
    const QPointF at = ToWidget(m_point);
    for (const QPen& pen : {QPen(Qt::black, 3), QPen(Qt::white, 1)})
    {
        p.setPen(pen);
        p.drawEllipse(at, 5, 5);
    }
}

void CColourWheel::mousePressEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
}

void CColourWheel::mouseMoveEvent(QMouseEvent* event)
{
    QPointF disc = ToDisc(event->position());
    const double r = std::hypot(disc.x(), disc.y());
    if (r > 1.0)
        disc /= r;
    SetPoint(disc);
    emit pointEdited(disc);
}

// ---------------------------------------------------------------------------------------------

CColourWheelControl::CColourWheelControl(CChainEditor& editor, int op, int set, QWidget* parent)
    : CParameterControl(editor, op, set, parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->addWidget(new QLabel(Caption("Farbe"), this), 0, 0);
    grid->addWidget(MakeResetButton(), 0, 2, Qt::AlignRight);
    m_pWheel = new CColourWheel(this);
    m_pWheel->setToolTip(QCoreApplication::translate("HDRPostProcessingDockWidget", "Farbton und Stärke: Punkt auf der Scheibe ziehen"));
    m_pLuminance = new QSlider(Qt::Vertical, this);
    m_pLuminance->setRange(0, kSteps);
    m_pLuminance->setToolTip(QCoreApplication::translate("HDRPostProcessingDockWidget", "Helligkeit"));
    grid->addWidget(m_pWheel, 1, 0, 1, 2);
    grid->addWidget(m_pLuminance, 1, 2);
    grid->setColumnStretch(0, 1);
    connect(m_pWheel, &CColourWheel::pointEdited, this, [this](QPointF point) {
        float values[5];
        std::copy(m_editor.Values(m_iOp, m_iSet), m_editor.Values(m_iOp, m_iSet) + 5, values);
        ColourWheel::SetPoint(values, point);
        m_editor.SetValues(m_iOp, m_iSet, values, 5);
        emit changed();
    });
    connect(m_pLuminance, &QSlider::valueChanged, this, [this](int value) {
        m_editor.SetValue(m_iOp, m_iSet, 0, float(value) / kSteps);
        emit changed();
    });
    Refresh();
}

void CColourWheelControl::Refresh()
{
    const float* v = m_editor.Values(m_iOp, m_iSet);
    if (!v)
        return;
    m_pWheel->SetPoint(ColourWheel::Point(v));
    const QSignalBlocker block(m_pLuminance);
    m_pLuminance->setValue(int(std::lround(v[0] * kSteps)));
}
