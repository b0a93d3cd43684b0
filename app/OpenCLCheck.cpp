// Separate probe run at start-up: exit code 0 when an OpenCL platform with a device can be used.
// A broken driver can crash only this process, never the application.
#include "core/OpenCLManager.h"

#include <fstream>
#include <iostream>

int main()
{
    // Only the exit code is the answer; the manager's trace lines stay out of the caller's log.
    std::ofstream discard("/dev/null");
    std::cout.rdbuf(discard.rdbuf());
    OpenCLManager manager;
    return manager.IsAvailable() ? 0 : 1;
}
