// Carries engine progress to the progress window: weighted categories, the video-mode filter,
// throttled repaints, and the event loop kept alive (without user input) during calculations.
#pragma once

#include "core/Progress.h"
#include "core/ProgressTracker.h"

#include <QObject>
#include <QString>

struct SMessage
{
    int iCategory = -1;
    QString sText;
    int iValue = 0;
    float fFraction = 0.0f;
};
Q_DECLARE_METATYPE(SMessage)

using f32 = float;

class HDRProgressThread : public QObject, public IProgressSink
{
    Q_OBJECT

public:
    explicit HDRProgressThread(int expectedCategories, QObject* parent = nullptr);

    void RegisterCategory(int id) { m_tracker.Register(id); }
    void SetDisplayEnabled(bool enabled) { m_tracker.SetDisplayEnabled(enabled); }
    /// Takes one report; ignored reports change nothing and emit nothing.
    void Report(int category, const QString& text, int value, float fraction);
    float Overall() const { return m_tracker.Overall(); }

    void OnProgress(int category, float fraction) override { Report(category, QString(), 0, fraction); }

signals:
    void sendMessage(SMessage message, f32 overall);
    void repaintWindow();

private:
    CProgressTracker m_tracker;
};
