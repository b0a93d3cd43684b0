// What the fuzz targets of file loaders share: an application object, a quiet single-threaded
// engine, a private folder the inputs are written to (under a new name on every run, because the
// settings class caches parsed files by name, size and time), and the oracle check.
#pragma once

#include "core/EngineState.h"
#include "core/WorkerSplit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace FuzzSupport
{
/// Aborts (a finding for libFuzzer, a failed replay test) with the oracle's text.
inline void Require(bool condition, const char* target, const char* oracle)
{
    if (!condition)
    {
        std::fprintf(stderr, "%s fuzz oracle failed: %s\n", target, oracle);
        std::abort();
    }
}

class CInputFolder
{
public:
    explicit CInputFolder(const char* target)
    {
        // Catalogue and settings classes look for files beside the program.
        if (!QCoreApplication::instance())
        {
            static int argc = 1;
            static char name[] = "fuzz";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
        std::cout.setstate(std::ios::failbit); // the loaders' trace lines
        MP_UI_SetLogging(false);
        MP_UI_SetThreadCount(1);
        MP_MT_SetPoolThreads(1);
        m_folder = QStringLiteral("%1/vantrope-%2-fuzz-%3")
                       .arg(QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath())
                       .arg(target)
                       .arg(getpid());
        QDir().mkpath(m_folder);
    }
    ~CInputFolder() { QDir(m_folder).removeRecursively(); }
    /// The private folder itself (for targets that lay out more than one file).
    const QString& Path() const { return m_folder; }

    /// Writes the input to a new file with the extension; empty when it cannot be written.
    QString Write(const uint8_t* data, size_t size, const char* extension)
    {
        const QString path = QStringLiteral("%1/i%2.%3").arg(m_folder).arg(++m_runs).arg(extension);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(reinterpret_cast<const char*>(data), qint64(size));
        return path;
    }

private:
    QString m_folder;
    uint64_t m_runs = 0;
};
}  // namespace FuzzSupport
