#include "app/HDRApplication.h"

#include "core/EngineState.h"

#include <QFileOpenEvent>
#include <QKeyEvent>
#include <QSysInfo>

HDRApplication::HDRApplication(int& argc, char** argv, const QString& instanceKey)
    : QApplication(argc, argv), m_channel(instanceKey)
{
    installEventFilter(this);
    connect(&m_channel, &CSingleInstanceChannel::messageAvailable, this, &HDRApplication::messageAvailable);
    m_sOperatingSystem = tr("Betriebssystem") + ": " + QSysInfo::prettyProductName();
}

HDRApplication::~HDRApplication() = default;

QString HDRApplication::InstanceKey()
{
    return QStringLiteral("VANTROPE_%1_%2_B27CF34A").arg(1).arg(2);
}

bool HDRApplication::SwallowDuringCalculation(const QEvent* event)
{
    switch (event->type())
    {
    case QEvent::Paint:
    case QEvent::Resize:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::Close:
    case QEvent::Leave:
    case QEvent::Move:
    case QEvent::HoverLeave:
        return false;
    case QEvent::KeyPress:
        if (static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape)
        {
            MP_UI_SetStopRequest(true);
            return true;
        }
        return false;
    default:
        return true;
    }
}

bool HDRApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FileOpen)
    {
        m_sFilePath = static_cast<QFileOpenEvent*>(event)->file();
        return true;
    }
    if (MP_UI_GetPlaybackMode() != 0 || MP_UI_GetBrowserMode() != 0)
        return SwallowDuringCalculation(event);
    return QApplication::eventFilter(watched, event);
}
