// What docks and tool windows ask of the central preview: picking a position or a colour, and
// drawing and dragging their own marks (positions, geometry shapes) over the picture.
// Coordinates are pixels of the working image (the session's working size), whatever the zoom.
#pragma once

#include <QPointF>
#include <QRgba64>
#include <QSize>

class QPainter;
class QTransform;

class IPreviewOverlay
{
public:
    virtual ~IPreviewOverlay() = default;
    /// `imageToWidget` maps working-image pixels to the preview widget.
    virtual void Paint(QPainter& painter, const QTransform& imageToWidget) = 0;
    /// True when the overlay used the press; the preview then sends the drag and the release too.
    virtual bool Press(QPointF imagePos) = 0;
    virtual void Move(QPointF imagePos) = 0;
    virtual void Release(QPointF imagePos) = 0;
};

class IPreviewSurface
{
public:
    virtual ~IPreviewSurface() = default;
    /// The overlay that sees the mouse first and paints over the picture; nullptr for none.
    /// The preview does not own it; an overlay removes itself before it is destroyed.
    virtual void SetOverlay(IPreviewOverlay* overlay) = 0;
    virtual IPreviewOverlay* Overlay() const = 0;
    /// Repaints the overlay after its marks changed.
    virtual void UpdateOverlay() = 0;
    virtual QSize ImageSize() const = 0;
    /// The colour shown at a working-image position: the graded result, or the original while
    /// the before view is on (`graded` false asks for the original whatever the view).
    virtual QRgba64 ColourAt(QPointF imagePos, bool graded = true) const = 0;
};
