// Curve editor of an eSPLINE set: the six points of the curve over a grid, dragged with the
// mouse (the first and last stay at the ends), the curve drawn through them as the engine
// evaluates it. Category 0 is a tone curve (input → output), category 1 a masking curve
// (luminance → strength).
#pragma once

#include "app/dock/ParameterControl.h"

class CSplineEditor : public QWidget
{
    Q_OBJECT

public:
    explicit CSplineEditor(QWidget* parent = nullptr);

    void SetCurve(const float* values);
    const float* Curve() const { return m_afCurve; }
    void SetCategory(int category) { m_iCategory = category; update(); }
    /// Widget position of a curve point (x, y in 0…1), and back.
    QPointF ToWidget(QPointF curve) const;
    QPointF ToCurve(QPointF widget) const;

    QSize sizeHint() const override { return {220, 150}; }
    QSize minimumSizeHint() const override { return {120, 90}; }

signals:
    /// A point was dragged; emitted on every move.
    void curveEdited();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF Plot() const;
    int PointAt(QPointF widget) const;

    float m_afCurve[12] = {};
    int m_iCategory = 1;
    int m_iDragged = -1;
};

class CSplineControl : public CParameterControl
{
    Q_OBJECT

public:
    CSplineControl(CChainEditor& editor, int op, int set, QWidget* parent = nullptr);
    void Refresh() override;
    CSplineEditor* Editor() const { return m_pEditor; }

private:
    CSplineEditor* m_pEditor;
};
