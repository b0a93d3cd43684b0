// The requests to end the program that come as signals (SIGTERM at logout or shutdown, SIGHUP
// when the terminal goes, SIGINT from Ctrl-C), delivered on the GUI thread: a signal handler
// may only write a byte, the event loop does the rest.
#pragma once

#include <functional>

namespace TerminationWatch
{
/// Calls `onRequest` on the GUI thread once per such signal. Installed once per process.
void Install(std::function<void()> onRequest);
}  // namespace TerminationWatch
