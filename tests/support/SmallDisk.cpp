#include "tests/support/SmallDisk.h"

#include <QProcess>

#include <unistd.h>

CSmallDisk::CSmallDisk(const QString& folder, const QString& options) : m_folder(folder)
{
    m_bMounted = geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", folder}) == 0;
}

CSmallDisk::~CSmallDisk()
{
    if (m_bMounted)
        QProcess::execute("umount", {m_folder});
}
