#include "video/JobEnvironment.h"

#include "core/AppLog.h"
#include "core/EngineState.h"

#include <QFile>

#include <fstream>
#include <iostream>
#include <memory>

#ifdef VANTROPE_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#endif

using Helper::AppLog;

namespace
{
struct SLogRedirect
{
    std::ofstream file;
    std::streambuf* previous = nullptr;
};
std::unique_ptr<SLogRedirect> g_redirect;

int g_sleepDepth = 0;
#ifdef VANTROPE_HAVE_DBUS
QDBusUnixFileDescriptor g_inhibitor; // the lock lasts as long as this descriptor is open

// logind hands out an inhibitor as a file descriptor; closing it ends the inhibition. A missing
// bus or service answers at once; the call itself is bounded so a stuck bus cannot stall a job.
bool TakeInhibitor()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.login1")).value())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Vantrope") << QStringLiteral("Video export")
         << QStringLiteral("block");
    const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    g_inhibitor = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().first());
    return g_inhibitor.isValid();
}
#endif
}  // namespace

namespace Helper
{
bool StartLogging(const QString& path)
{
    StopLogging();
    auto redirect = std::make_unique<SLogRedirect>();
    redirect->file.open(QFile::encodeName(path).toStdString(), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!redirect->file.is_open())
    {
        AppLog("Helper::StartLogging() -> Cannot open " + path);
        return false;
    }
    AppLog("Helper::StartLogging() -> " + path);
    std::cout.flush();
    redirect->previous = std::cout.rdbuf(redirect->file.rdbuf());
    g_redirect = std::move(redirect);
    AppLog("Helper::StartLogging() -> " + path);
    return true;
}

void StopLogging()
{
    if (!g_redirect)
        return;
    AppLog("Helper::StopLogging()");
    std::cout.flush();
    std::cout.rdbuf(g_redirect->previous);
    g_redirect.reset();
    AppLog("Helper::StopLogging()");
}

bool IsLogging()
{
    return g_redirect != nullptr;
}

void DiableOSSleep()
{
    if (g_sleepDepth++ > 0)
        return;
#ifdef VANTROPE_HAVE_DBUS
    if (qEnvironmentVariableIsEmpty("VANTROPE_NO_SLEEP_INHIBITOR") && TakeInhibitor())
    {
        AppLog("Helper::DiableOSSleep() -> Sleep disabled.");
        return;
    }
#endif
    AppLog("Helper::DiableOSSleep() -> Sleep disabled. (no inhibitor available on this system)");
}

void RestoreOSSleepState()
{
    if (g_sleepDepth == 0 || --g_sleepDepth > 0)
        return;
#ifdef VANTROPE_HAVE_DBUS
    g_inhibitor = QDBusUnixFileDescriptor();
#endif
    AppLog("Helper::RestoreOSSleepState() -> Sleep state restored.");
}

bool IsSleepInhibited()
{
#ifdef VANTROPE_HAVE_DBUS
    return g_inhibitor.isValid();
#else
    return false;
#endif
}
}  // namespace Helper

CExportEngineMode::CExportEngineMode()
    : m_bVideoMode(MP_UI_GetVideoMode()), m_bLogging(MP_UI_GetLogging()),
      m_iDelayMs(MP_UI_GetProgressBarUpdateDelayTime())
{
    MP_UI_SetVideoMode(true);
    MP_UI_SetLogging(false);
    MP_UI_SetProgressBarUpdateDelayTime(1000);
}

CExportEngineMode::~CExportEngineMode()
{
    MP_UI_SetProgressBarUpdateDelayTime(m_iDelayMs);
    MP_UI_SetLogging(m_bLogging);
    MP_UI_SetVideoMode(m_bVideoMode);
}
