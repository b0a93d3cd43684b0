#include "cli/Interrupt.h"

namespace
{
volatile std::sig_atomic_t g_interrupted = 0;

void OnSignal(int)
{
    g_interrupted = 1;
}
}  // namespace

CInterruptGuard::CInterruptGuard(std::function<void()> onInterrupt)
{
    g_interrupted = 0;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, &m_previousInt);
    sigaction(SIGTERM, &action, &m_previousTerm);
    QObject::connect(&m_watch, &QTimer::timeout, [onInterrupt = std::move(onInterrupt)] {
        if (g_interrupted)
            onInterrupt();
    });
    m_watch.start(50);
}

CInterruptGuard::~CInterruptGuard()
{
    m_watch.stop();
    sigaction(SIGINT, &m_previousInt, nullptr);
    sigaction(SIGTERM, &m_previousTerm, nullptr);
}

bool CInterruptGuard::Interrupted() const
{
    return g_interrupted != 0;
}
