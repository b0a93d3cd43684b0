// Curve editor of an eSPLINE set: the six points of the curve over a grid, dragged with the
// mouse (the first and last stay at the ends), the curve drawn through them as the engine
// evaluates it. Category 0 is a tone curve (input → output), category 1 a masking curve
// (luminance → strength), category 2 a curve over the hue circle (its ends are one hue and move
// together). The curves of the other channels of a per-channel editor are drawn faintly behind.
#pragma once

#include "app/dock/ParameterControl.h"

#include <QList>
#include <QPair>
#include <QVector>

class CSplineEditor : public QWidget
{
    Q_OBJECT

public:
    explicit CSplineEditor(QWidget* parent = nullptr);

    void SetCurve(const float* values);
    const float* Curve() const { return m_afCurve; }
    void SetCategory(int category) { m_iCategory = category; update(); }
    /// The curve's colour: 0 the highlight, 1 red, 2 green, 3 blue.
    void SetTint(int tint) { m_iTint = tint; update(); }
    /// Curves drawn faintly behind the edited one, each with its tint.
    void SetBackgroundCurves(const QList<QPair<QVector<float>, int>>& curves) { m_background = curves; update(); }
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
    int m_iTint = 0;
    int m_iDragged = -1;
    QList<QPair<QVector<float>, int>> m_background;
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

class QAbstractButton;

/// One curve editor over a spline set and the sets joined to it (master, red, green, blue): a
/// button per curve chooses the one edited, the others show behind it.
class CChannelCurvesControl : public CParameterControl
{
    Q_OBJECT

public:
    /// `count` sets from `set` on.
    CChannelCurvesControl(CChainEditor& editor, int op, int set, int count, QWidget* parent = nullptr);
    void Refresh() override;
    CSplineEditor* Editor() const { return m_pEditor; }
    QAbstractButton* ChannelButton(int i) const { return m_buttons.value(i); }
    /// The set the editor edits now.
    int EditedSet() const { return m_iSet + m_iChannel; }

private:
    void Choose(int channel);

    CSplineEditor* m_pEditor;
    QList<QAbstractButton*> m_buttons;
    int m_iCount;
    int m_iChannel = 0;
};
