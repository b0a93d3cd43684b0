// Machine facts for the options and the undo store: physical memory and drive space.
#pragma once

#include <QString>

namespace Helper
{
/// Total physical memory in megabytes (0 when unknown).
double PhysicalMemoryTotalMB();
/// Available physical memory in megabytes, never reported below 1024.
double PhysicalMemoryAvailableMB();
/// Total and free space of the drive holding `path`, in gigabytes; −1.0 for both on failure.
void DriveSpaceGB(const QString& path, double& totalGB, double& freeGB);
}  // namespace Helper
