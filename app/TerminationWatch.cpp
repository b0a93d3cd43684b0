#include "app/TerminationWatch.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
int g_aPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_aPipe[0], &byte, 1);
}
}  // namespace

namespace TerminationWatch
{
void Install(std::function<void()> onRequest)
{
    if (g_aPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_aPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_aPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [onRequest = std::move(onRequest)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_aPipe[1], &byte, 1);
        onRequest();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
}  // namespace TerminationWatch
