// Separate probe run at start-up: exit code 0 when an OpenCL platform with a device can be used.
// A broken driver can crash only this process, never the application.
#include "core/OpenCLManager.h"

int main()
{
    OpenCLManager manager;
    return manager.IsAvailable() ? 0 : 1;
}
