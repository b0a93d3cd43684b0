#include "core/SystemInfo.h"

#include <QFile>
#include <QStorageInfo>

#include <algorithm>

namespace
{
// A value of /proc/meminfo in megabytes, or −1 when missing.
double MemInfoMB(const QByteArray& key)
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(key + ':'))
        {
            const QList<QByteArray> parts = line.mid(key.size() + 1).simplified().split(' ');
            return parts.value(0).toDouble() / 1024.0; // kB → MB
        }
    return -1.0;
}
}  // namespace

namespace Helper
{
double PhysicalMemoryTotalMB()
{
    return std::max(0.0, MemInfoMB("MemTotal"));
}

double PhysicalMemoryAvailableMB()
{
    return std::max(1024.0, MemInfoMB("MemAvailable"));
}

void DriveSpaceGB(const QString& path, double& totalGB, double& freeGB)
{
    QStorageInfo info(path);
    if (!info.isValid() || !info.isReady())
    {
        totalGB = freeGB = -1.0;
        return;
    }
    constexpr double kGB = 1024.0 * 1024.0 * 1024.0;
    totalGB = double(info.bytesTotal()) / kGB;
    freeGB = double(info.bytesAvailable()) / kGB;
}
}  // namespace Helper
