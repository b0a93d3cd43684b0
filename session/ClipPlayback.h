// Playing the graded clip in the preview at the clip's own rate. The next frame is asked for as
// soon as one is shown, so it is decoded while the shown one is graded; it is the frame the clock
// will have reached, so frames the grade cannot keep up with are skipped rather than shown late.
// A frame that arrives early waits for its time. The interface stays live while it plays (the
// window's Escape and Space end it), so the engine's playback flag, which makes the application
// swallow all events, stays off; the engine's log lines are off instead.
#pragma once

#include "video/FrameFetcher.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class CClipPlayback : public QObject
{
    Q_OBJECT

public:
    explicit CClipPlayback(QObject* parent = nullptr);
    ~CClipPlayback() override;

    /// Plays on from frame `from` (shown now) to frame `last` at `rate` frames per second.
    void Start(int from, int last, double rate);
    void Stop();
    bool IsPlaying() const { return m_bPlaying; }

    /// Milliseconds after the start at which frame `frame` is due.
    qint64 DueMs(int frame) const;
    /// The frame to ask for after showing `shown` `elapsedMs` after the start: the next one, or
    /// the one after the frame the clock has reached when the grade fell behind.
    int NextFrame(int shown, qint64 elapsedMs) const;

    /// A decoded frame for the playback: shown at once when due, else at its time.
    void Offer(const CFrameFetcher::FramePtr& frame);

    /// Frames shown and skipped since the start.
    int ShownFrames() const { return m_iShown; }
    int SkippedFrames() const { return m_iSkipped; }

signals:
    /// Ask the decoder for frame `index`.
    void frameWanted(int index);
    /// Show this frame now.
    void frameDue(CFrameFetcher::FramePtr frame);
    void stopped();

private:
    void Show(const CFrameFetcher::FramePtr& frame);

    bool m_bPlaying = false;
    int m_iFrom = 0, m_iLast = 0, m_iLastShown = 0;
    double m_dRate = 25.0;
    int m_iShown = 0, m_iSkipped = 0;
    QElapsedTimer m_clock;
    QTimer m_hold; // an early frame waits here for its time
    bool m_bSavedLogging = false;
    CFrameFetcher::FramePtr m_held;
};
