// A small tmpfs mounted over a folder for the lifetime of the object: a drive that is full (or
// read-only) after a few kilobytes. Needs root; tests skip with a clear message otherwise.
#pragma once

#include <QString>

class CSmallDisk
{
public:
    /// `options` as for mount -o, e.g. "size=64k" or "ro,size=64k".
    CSmallDisk(const QString& folder, const QString& options);
    ~CSmallDisk();
    bool IsMounted() const { return m_bMounted; }

    static constexpr const char* kSkipReason = "needs root to mount a small tmpfs (full or read-only drive)";

private:
    QString m_folder;
    bool m_bMounted = false;
};
