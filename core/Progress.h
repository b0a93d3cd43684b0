// Engine-side progress: the highest fraction reported so far, forwarded to a pluggable sink.
#pragma once

/// Receives forwarded progress reports (the GUI's progress thread, the CLI's terminal bar).
class IProgressSink
{
public:
    virtual ~IProgressSink() = default;
    virtual void OnProgress(int category, float fraction) = 0;
};

/// Installs the sink (null for none); the caller keeps ownership.
void MP_SetProgressSink(IProgressSink* sink);
IProgressSink* MP_GetProgressSink();

/// Raises the engine progress value to the fraction clamped to 0..1, then forwards
/// (category, fraction) to the sink when the category is ≥ 0.
void MP_Progress(int category, float fraction);
float MP_UI_GetProgress();
void MP_UI_ResetProgress();
