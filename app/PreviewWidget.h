// The central preview: the graded frame of CPreviewModel, fitted to the widget or at 100 %, with
// a before/after toggle and a split view (original left of the divider, graded right). It is the
// IPreviewSurface the docks pick positions and colours on.
#pragma once

#include "app/PreviewSurface.h"

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
};
