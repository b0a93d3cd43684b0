// The export's progress on a terminal: one line on standard error with a bar, the percentage,
// the frames graded so far, frames per second and the estimated time left.
#pragma once

#include "core/Progress.h"
#include "core/ProgressTracker.h"
#include "video/JobProgressView.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>

class CTerminalProgress : public IJobProgressView, public IProgressSink
{
public:
    /// `frames` tells how many frames have been graded so far.
    explicit CTerminalProgress(std::function<int()> frames);
    ~CTerminalProgress() override;

    void Open(const QString& title, int expectedCategories) override;
    void AddCategory(int id) override;
    void SetText(const QString& text) override;
    void Suspend(bool) override {}
    void Close() override;
    void OnProgress(int category, float fraction) override;

    /// The line for an overall fraction, frames done, the video pass's own fraction and the
    /// seconds elapsed.
    static QString Line(float overall, int frames, float videoFraction, double seconds);

private:
    void Draw(bool force);

    std::function<int()> m_frames;
    std::unique_ptr<CProgressTracker> m_pTracker;
    QElapsedTimer m_clock;
    qint64 m_iLastDrawMs = -1000;
    float m_fVideo = 0.0f;
    bool m_bOpen = false;
    bool m_bTerminal = false;
};
