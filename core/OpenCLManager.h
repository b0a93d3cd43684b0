// Optional OpenCL device access: the runtime library is loaded when present; without it, or
// without a platform and device, every kernel runs on the processor.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class OpenCLManager
{
public:
    OpenCLManager();
    ~OpenCLManager();

    /// Loads the ICD library and resolves the entry points; logs the outcome.
    bool LoadLibrary();
    /// Library loaded and at least one platform with a device.
    bool IsAvailable();
    /// Sets the mode's maximum allocation from its device (2: processor device, 3: graphics
    /// device). 0 on success, −1 on an OpenCL failure or a 1.0 device; 0 with the limit left at
    /// 0.0 when the device or its compiler is missing.
    int setMaxMemAllocSize(int mode);
    /// Creates the context and command queue for the mode's device; 0 on success.
    int init(int mode);
    void Release();

    /// Reads "kernel.ini" for `kernels` (the engine's speed-tested kernels); false when the
    /// preferences must be measured again (file missing, or the start counter reached 20).
    bool LoadKernelPreferences(const QString& path, const QStringList& kernels);
    /// Compares the speeds of `kernels` and writes the preferences. Without device kernels the
    /// processor is the faster path of every kernel.
    void MeasureAndSaveKernelPreferences(const QString& path, const QStringList& kernels);
    /// True when the kernel must run on the processor.
    bool ForceCPU(const QString& kernelName) const;
    void CalcPixelPerKernelPack();
    int MaxPixelPerKernelPack() const { return m_iMaxPixelPerKernelPack; }

private:
    struct SPrivate;
    std::unique_ptr<SPrivate> d;
    QStringList m_forceCPU;
    int m_iMaxPixelPerKernelPack = 0;
};

extern OpenCLManager g_OpenCLManager;
