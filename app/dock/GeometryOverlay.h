// Draws the shapes of a geometry set over the preview and lets the mouse drag a shape's centre
// and the corner handle that sets its half width and half height.
#pragma once

#include "app/PreviewSurface.h"
#include "engine/ChainEditor.h"
#include "engine/GeometryShapes.h"

#include <functional>

class CGeometryOverlay : public IPreviewOverlay
{
public:
    /// Handles within this many image pixels of the pointer are picked up.
    static constexpr double kGrabRadius = 12.0;

    CGeometryOverlay(CChainEditor& editor, int op, int set, std::function<QSize()> imageSize);

    /// Called after a drag changed shape `i`, and when a press selected it.
    std::function<void(int)> onChanged;
    std::function<void(int)> onSelected;
    int Selected() const { return m_iSelected; }
    void SetSelected(int shape) { m_iSelected = shape; }

    void Paint(QPainter& painter, const QTransform& imageToWidget) override;
    bool Press(QPointF imagePos) override;
    void Move(QPointF imagePos) override;
    void Release(QPointF imagePos) override;

private:
    CChainEditor& m_editor;
    const int m_iOp, m_iSet;
    std::function<QSize()> m_imageSize;
    GeometrySet::SHit m_drag;
    QPointF m_grabOffset; // pointer minus centre at the press, in image pixels
    int m_iSelected = -1;
};
