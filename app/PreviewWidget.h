// The central preview: the graded frame of CPreviewModel, fitted to the widget or at 100 %, with
// a before/after toggle and a split view (original left of the divider, graded right). It is the
// IPreviewSurface the docks pick positions and colours on.
#pragma once

#include "app/PreviewSurface.h"

#include <QPointF>
#include <QTransform>
#include <QWidget>

class CPreviewModel;

class CPreviewWidget : public QWidget, public IPreviewSurface
{
    Q_OBJECT

public:
    enum EView
    {
        eGraded,
        eOriginal, // before
        eSplit,
    };

    explicit CPreviewWidget(CPreviewModel& model, QWidget* parent = nullptr);

    void SetView(EView view);
    EView View() const;
    /// Split position as a fraction of the width (0..1).
    void SetSplit(double fraction);
    /// 100 % (one image pixel per screen pixel, scrollable by dragging) or fit to the widget.
    void SetActualSize(bool on);

    void SetOverlay(IPreviewOverlay* overlay) override;
    IPreviewOverlay* Overlay() const override;
    void UpdateOverlay() override;
    QSize ImageSize() const override;
    QRgba64 ColourAt(QPointF imagePos, bool graded = true) const override;

    /// Working-image pixels → widget pixels for the current zoom and scroll position.
    QTransform ImageToWidget() const;
    double Split() const { return m_dSplit; }
    bool IsActualSize() const { return m_bActualSize; }

signals:
    /// The view or the split position changed: what the preview shows is another picture.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum EDrag
    {
        eNoDrag,
        eOverlayDrag,
        eSplitDrag,
        ePanDrag,
    };

    /// Keeps the 100 % scroll position inside the picture.
    void ClampScroll();
    /// Widget x of the split divider.
    double DividerX() const;

    CPreviewModel& m_model;
    IPreviewOverlay* m_pOverlay = nullptr;
    EView m_eView = eGraded;
    double m_dSplit = 0.5;
    bool m_bActualSize = false;
    QPointF m_scroll;    // at 100 %: the image position shown at the widget's top-left corner
    EDrag m_eDrag = eNoDrag;
    QPointF m_lastMouse; // widget position of the previous pan step
};
