#include "app/HDRApplication.h"

#include "core/EngineState.h"

#include <QFileOpenEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QSocketNotifier>
#include <QSysInfo>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
int g_quitSocket[2] = {-1, -1};

void OnQuitSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_quitSocket[0], &byte, 1);
}
}  // namespace

HDRApplication::HDRApplication(int& argc, char** argv, const QString& instanceKey)
    : QApplication(argc, argv), m_channel(instanceKey)
{
    installEventFilter(this);
    m_sOperatingSystem = tr("Betriebssystem") + ": " + QSysInfo::prettyProductName();
    InstallQuitSignals();
}

// SIGTERM, SIGINT and SIGHUP (logout, Ctrl-C, a closed terminal) end the event loop normally,
// so the shared segment and the lock file are released as on a regular exit; a window that
// listens is asked first, to keep its state for the next start.
void HDRApplication::InstallQuitSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_quitSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_quitSocket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
        notifier->setEnabled(false);
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_quitSocket[1], &byte, 1);
        if (isSignalConnected(QMetaMethod::fromSignal(&HDRApplication::terminationRequested)))
            emit terminationRequested();
        else
            QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
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

void HDRApplication::connectNotify(const QMetaMethod& signal)
{
    if (!m_bForwarding && signal == QMetaMethod::fromSignal(&HDRApplication::messageAvailable))
    {
        m_bForwarding = true;
        connect(&m_channel, &CSingleInstanceChannel::messageAvailable, this, &HDRApplication::messageAvailable);
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
