// Ctrl-C (and a polite kill) for the clip commands: instead of ending the program at once, which
// would leave its temporary files behind, the work in progress is told from the event loop, so
// it can stop its programs and remove what it made.
#pragma once

#include <QTimer>

#include <csignal>
#include <functional>

class CInterruptGuard
{
public:
    /// From the first SIGINT or SIGTERM on, `onInterrupt` runs every 50 ms in the event loop
    /// (an abort that a starting job clears is given again).
    explicit CInterruptGuard(std::function<void()> onInterrupt);
    ~CInterruptGuard();
    CInterruptGuard(const CInterruptGuard&) = delete;
    CInterruptGuard& operator=(const CInterruptGuard&) = delete;

    bool Interrupted() const;

private:
    QTimer m_watch;
    struct sigaction m_previousInt = {}, m_previousTerm = {};
};
