#include "video/EventPump.h"

#include <QEventLoop>
#include <QTimer>

void CEventLoopPump::Pause(int milliseconds)
{
    QEventLoop loop;
    QEventLoop* const outer = m_pLoop;
    m_pLoop = &loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    m_pLoop = outer;
}

void CEventLoopPump::Wake()
{
    if (m_pLoop)
        m_pLoop->quit();
}

IEventPump& DefaultEventPump()
{
    static CEventLoopPump pump;
    return pump;
}
