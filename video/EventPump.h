// How the video code lets time pass while a child process runs: the caller's events keep
// flowing (so the runner's output and end signals arrive) and the wait can end early.
#pragma once

class QEventLoop;

class IEventPump
{
public:
    virtual ~IEventPump() = default;
    /// Lets up to `milliseconds` pass while pending events are delivered.
    virtual void Pause(int milliseconds) = 0;
    /// Ends the current pause early (called from an event delivered during it).
    virtual void Wake() = 0;
};

/// Runs a local event loop for the pause; used by the application, the CLI and the tests.
class CEventLoopPump : public IEventPump
{
public:
    void Pause(int milliseconds) override;
    void Wake() override;

private:
    QEventLoop* m_pLoop = nullptr; // the innermost running pause, if any
};

/// The pump runners use unless they are given another.
IEventPump& DefaultEventPump();
