// The dock's access to the central preview: one picking or dragging tool at a time owns the
// preview's overlay; starting another one unchecks the button of the one it replaces.
#pragma once

#include "app/PreviewSurface.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;

class CPreviewTools : public QObject
{
    Q_OBJECT

public:
    explicit CPreviewTools(IPreviewSurface* preview, QObject* parent = nullptr);
    ~CPreviewTools() override;

    /// The preview; null without one, or once a preview that is a QObject has been destroyed.
    IPreviewSurface* Preview() const;
    /// Working-image size of the preview, empty without a preview.
    QSize ImageSize() const;
    /// Makes `overlay` the preview's overlay; `button` (may be null) is unchecked when another
    /// tool takes over or the tool ends.
    void Activate(IPreviewOverlay* overlay, QAbstractButton* button);
    /// Removes `overlay` from the preview when it is the current one.
    void Deactivate(IPreviewOverlay* overlay);
    bool IsActive(const IPreviewOverlay* overlay) const;
    void Update();

    /// The colour (0…1 per channel) at a working-image position as operator `op` receives it;
    /// false when it cannot be had.
    using InputSampler = std::function<bool(int op, QPointF imagePos, float* rgb)>;
    void SetInputSampler(InputSampler sampler) { m_inputSampler = std::move(sampler); }
    bool SampleInput(int op, QPointF imagePos, float* rgb) const
    {
        return m_inputSampler && m_inputSampler(op, imagePos, rgb);
    }

private:
    IPreviewSurface* m_pPreview;
    // Set when the preview is a QObject (the central preview widget), so a preview destroyed
    // before the dock is never called.
    QPointer<QObject> m_pPreviewObject;
    bool m_bPreviewIsObject = false;
    IPreviewOverlay* m_pCurrent = nullptr;
    QPointer<QAbstractButton> m_pButton;
    InputSampler m_inputSampler;
};

/// An overlay whose mouse and paint handling are given as functions (position and colour
/// pickers, line drags).
class CCallbackOverlay : public IPreviewOverlay
{
public:
    std::function<void(QPointF)> onPress, onMove, onRelease;
    std::function<void(QPainter&, const QTransform&)> onPaint;

    void Paint(QPainter& painter, const QTransform& imageToWidget) override;
    bool Press(QPointF imagePos) override;
    void Move(QPointF imagePos) override;
    void Release(QPointF imagePos) override;
};
