// A colour set shown as a colour wheel (catalogue colour with wheel="1"): a disc whose point is
// the set's tint, dragged with the mouse, and a luminance slider beside it.
#pragma once

#include "app/dock/ParameterControl.h"

class QSlider;

/// The disc: hues around the rim, white at the centre, the current point as a ring.
class CColourWheel : public QWidget
{
    Q_OBJECT

public:
    explicit CColourWheel(QWidget* parent = nullptr);
    /// The point on the unit disc (red to the right, counter-clockwise).
    void SetPoint(QPointF point);
    QPointF Point() const { return m_point; }
    /// Widget position of a disc point, and back (not limited to the disc).
    QPointF ToWidget(QPointF disc) const;
    QPointF ToDisc(QPointF widget) const;

    QSize sizeHint() const override { return {120, 120}; }
    QSize minimumSizeHint() const override { return {80, 80}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

signals:
    /// The point was dragged (or clicked) to a new place.
    void pointEdited(QPointF point);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRectF Disc() const;

    QPointF m_point;
};

class CColourWheelControl : public CParameterControl
{
    Q_OBJECT

public:
    CColourWheelControl(CChainEditor& editor, int op, int set, QWidget* parent = nullptr);
    void Refresh() override;
    CColourWheel* Wheel() const { return m_pWheel; }
    QSlider* Luminance() const { return m_pLuminance; }

private:
    CColourWheel* m_pWheel;
    QSlider* m_pLuminance;
};
