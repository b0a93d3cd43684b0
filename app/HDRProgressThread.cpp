#include "app/HDRProgressThread.h"

#include "core/EngineState.h"
#include "core/Timing.h"

#include <QCoreApplication>

HDRProgressThread::HDRProgressThread(int expectedCategories, QObject* parent)
    : QObject(parent), m_tracker(expectedCategories)
{
    qRegisterMetaType<SMessage>("SMessage");
}

void HDRProgressThread::Report(int category, const QString& text, int value, float fraction)
{
    if (!m_tracker.Report(category, fraction))
        return;
    emit sendMessage(SMessage{category, text, value, fraction}, m_tracker.Overall());
    if (m_tracker.ShouldRepaint(MP_TimerElapsedMs(), MP_UI_GetProgressBarUpdateDelayTime()))
        emit repaintWindow();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
