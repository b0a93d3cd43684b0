// The preview: the current frame scaled to the preview size and graded by the session on every
// change. Requests that arrive while a grade runs, or before the event loop turns, collapse into
// one run of the newest state, so a slider drag never queues stale work.
#pragma once

#include "core/ImageBuffer.h"

#include <QImage>
#include <QObject>
#include <QSize>

#include <cstdint>

class CGradingSession;

class CPreviewModel : public QObject
{
    Q_OBJECT

public:
    explicit CPreviewModel(CGradingSession& session, QObject* parent = nullptr);

    /// Long side of the preview in pixels (the frame is never enlarged).
    void SetPreviewLongSide(int pixels);
    /// A new current frame (packed 16-bit RGB at full resolution); grades it at preview size.
    /// `scaled` may bring the frame already reduced to `scaledSize`: when that is the preview's
    /// size it is graded as it is, without resampling the frame.
    bool SetFrame(const uint16_t* pixels, int width, int height, const uint16_t* scaled = nullptr,
                  QSize scaledSize = QSize());
    bool HasFrame() const;
    QSize FrameSize() const;
    QSize PreviewSize() const;
    /// Working size ÷ frame size of the shown result: below 1.0 it is only a preview.
    double Scale() const;

    /// Asks for a refresh on the next turn of the event loop; repeated requests collapse.
    void RequestUpdate();
    /// Grades at preview size now: the work between a change and a refreshed preview.
    bool UpdateNow();
    /// Grades at full resolution (for saving); Result() and Graded() then hold the full frame.
    bool RecalculateFullResolution();

    /// The graded and the ungraded picture for display (ARGB32, the working size).
    const QImage& Graded() const { return m_graded; }
    const QImage& Original() const { return m_original; }
    /// The graded 16-bit result (what is saved).
    const Helper::CRGB48Buffer& Result() const;
    /// The ungraded picture at the result's size (packed 16-bit RGB); null without a frame.
    const uint16_t* OriginalPixels();
    /// "Show mask": while `entry` ≥ 0 the preview shows the selection mask as it stands after
    /// that chain entry as a grey picture; −1 shows the grade again. Full-resolution grades (for
    /// saving) always grade. Asks for a refresh when the choice changes.
    void SetShownMask(int entry);
    int ShownMask() const { return m_iShownMask; }

    /// Grades run so far (tests see the coalescing through it).
    int RunCount() const { return m_iRuns; }

signals:
    /// A new graded picture is there.
    void updated();

private:
    /// Grades at preview or frame size, again while requests came in during the last grade.
    bool Run(bool fullResolution);
    bool GradeOnce(QSize workingSize, int showMaskOf);

    CGradingSession& m_session;
    QImage m_graded, m_original;
    QSize m_frameSize;
    QSize m_originalSize; // size m_original was converted at; empty when it must be converted again
    double m_dScale = 1.0;
    int m_iLongSide = 1280;
    int m_iRuns = 0;
    int m_iShownMask = -1;
    bool m_bQueued = false, m_bRunning = false, m_bAgain = false;
};

/// The frame size fitted into `longSide` pixels on its long side, keeping the aspect ratio;
/// frames that already fit are kept as they are.
QSize PreviewSizeFor(QSize frame, int longSide);
