#include "core/OpenCLManager.h"

#include "core/AppLog.h"
#include "core/EngineState.h"
#include "core/Timing.h"

#include <QFile>
#include <QLibrary>
#include <QSettings>

#define CL_TARGET_OPENCL_VERSION 120
#include <CL/cl.h>

OpenCLManager g_OpenCLManager;

namespace
{
using PFN_GetPlatformIDs = cl_int (*)(cl_uint, cl_platform_id*, cl_uint*);
using PFN_GetPlatformInfo = cl_int (*)(cl_platform_id, cl_platform_info, size_t, void*, size_t*);
using PFN_GetDeviceIDs = cl_int (*)(cl_platform_id, cl_device_type, cl_uint, cl_device_id*, cl_uint*);
using PFN_GetDeviceInfo = cl_int (*)(cl_device_id, cl_device_info, size_t, void*, size_t*);
using PFN_CreateContext = cl_context (*)(const cl_context_properties*, cl_uint, const cl_device_id*,
                                         void (*)(const char*, const void*, size_t, void*), void*, cl_int*);
using PFN_ReleaseContext = cl_int (*)(cl_context);
using PFN_CreateCommandQueue = cl_command_queue (*)(cl_context, cl_device_id, cl_command_queue_properties, cl_int*);
using PFN_ReleaseCommandQueue = cl_int (*)(cl_command_queue);

// Every entry point the engine resolves; a missing one means OpenCL is not used.
const char* const kEntryPoints[] = {
    "clGetPlatformIDs", "clGetPlatformInfo", "clGetDeviceIDs", "clGetDeviceInfo", "clCreateContext",
    "clReleaseContext", "clCreateProgramWithSource", "clBuildProgram", "clGetProgramBuildInfo",
    "clReleaseProgram", "clCreateCommandQueue", "clReleaseCommandQueue", "clEnqueueWriteBuffer",
    "clEnqueueReadBuffer", "clCreateBuffer", "clReleaseMemObject", "clCreateKernel", "clSetKernelArg",
    "clEnqueueNDRangeKernel", "clReleaseKernel", "clFlush", "clFinish"};

int CheckErr(cl_int error, const char* call)
{
    if (error == CL_SUCCESS)
        return 0;
    Helper::AppLog(QStringLiteral("ERROR checkErr: %1 (%2)").arg(QLatin1String(call)).arg(error));
    return -1;
}
}  // namespace

struct OpenCLManager::SPrivate
{
    QLibrary library;
    bool bLoaded = false;
    PFN_GetPlatformIDs getPlatformIDs = nullptr;
    PFN_GetPlatformInfo getPlatformInfo = nullptr;
    PFN_GetDeviceIDs getDeviceIDs = nullptr;
    PFN_GetDeviceInfo getDeviceInfo = nullptr;
    PFN_CreateContext createContext = nullptr;
    PFN_ReleaseContext releaseContext = nullptr;
    PFN_CreateCommandQueue createCommandQueue = nullptr;
    PFN_ReleaseCommandQueue releaseCommandQueue = nullptr;
    cl_context context = nullptr;
    cl_command_queue queue = nullptr;

    // First device of the first platform of the mode's kind; null when there is none.
    cl_device_id Device(int mode)
    {
        cl_platform_id platform = nullptr;
        cl_uint count = 0;
        if (!bLoaded || getPlatformIDs(1, &platform, &count) != CL_SUCCESS || count == 0)
            return nullptr;
        const cl_device_type type = mode == MP_CALCMODE_OPENCL_CPU ? CL_DEVICE_TYPE_CPU : CL_DEVICE_TYPE_GPU;
        cl_device_id device = nullptr;
        if (getDeviceIDs(platform, type, 1, &device, &count) != CL_SUCCESS || count == 0)
            return nullptr;
        return device;
    }
};

OpenCLManager::OpenCLManager() : d(std::make_unique<SPrivate>())
{
}

OpenCLManager::~OpenCLManager() = default;

bool OpenCLManager::LoadLibrary()
{
    if (d->bLoaded)
        return true;
    d->library.setFileNameAndVersion(QStringLiteral("OpenCL"), 1);
    bool ok = d->library.load();
    for (const char* name : kEntryPoints)
        ok = ok && d->library.resolve(name) != nullptr;
    if (!ok)
    {
        Helper::AppLog("OpenCL.dll could not be loaded");
        return false;
    }
    d->getPlatformIDs = reinterpret_cast<PFN_GetPlatformIDs>(d->library.resolve("clGetPlatformIDs"));
    d->getPlatformInfo = reinterpret_cast<PFN_GetPlatformInfo>(d->library.resolve("clGetPlatformInfo"));
    d->getDeviceIDs = reinterpret_cast<PFN_GetDeviceIDs>(d->library.resolve("clGetDeviceIDs"));
    d->getDeviceInfo = reinterpret_cast<PFN_GetDeviceInfo>(d->library.resolve("clGetDeviceInfo"));
    d->createContext = reinterpret_cast<PFN_CreateContext>(d->library.resolve("clCreateContext"));
    d->releaseContext = reinterpret_cast<PFN_ReleaseContext>(d->library.resolve("clReleaseContext"));
    d->createCommandQueue = reinterpret_cast<PFN_CreateCommandQueue>(d->library.resolve("clCreateCommandQueue"));
    d->releaseCommandQueue = reinterpret_cast<PFN_ReleaseCommandQueue>(d->library.resolve("clReleaseCommandQueue"));
    d->bLoaded = true;
    Helper::AppLog("OpenCL.dll loaded");
    return true;
}

bool OpenCLManager::IsAvailable()
{
    if (!LoadLibrary())
        return false;
    cl_platform_id platform = nullptr;
    cl_uint platforms = 0;
    if (d->getPlatformIDs(1, &platform, &platforms) != CL_SUCCESS || platforms == 0)
        return false;
    cl_uint devices = 0;
    return d->getDeviceIDs(platform, CL_DEVICE_TYPE_ALL, 0, nullptr, &devices) == CL_SUCCESS && devices > 0;
}

int OpenCLManager::setMaxMemAllocSize(int mode)
{
    MP_UI_SetMaxMemAllocSize(mode, 0.0);
    cl_device_id device = d->Device(mode);
    if (!device)
        return 0;
    cl_bool available = CL_FALSE, compiler = CL_FALSE;
    if (CheckErr(d->getDeviceInfo(device, CL_DEVICE_AVAILABLE, sizeof(available), &available, nullptr),
                 "clGetDeviceInfo") ||
        CheckErr(d->getDeviceInfo(device, CL_DEVICE_COMPILER_AVAILABLE, sizeof(compiler), &compiler, nullptr),
                 "clGetDeviceInfo"))
        return -1;
    if (!available || !compiler)
        return 0;
    cl_ulong maxAlloc = 0;
    char version[256] = {};
    if (CheckErr(d->getDeviceInfo(device, CL_DEVICE_MAX_MEM_ALLOC_SIZE, sizeof(maxAlloc), &maxAlloc, nullptr),
                 "clGetDeviceInfo") ||
        CheckErr(d->getDeviceInfo(device, CL_DEVICE_VERSION, sizeof(version) - 1, version, nullptr),
                 "clGetDeviceInfo"))
        return -1;
    if (QByteArray(version).startsWith("OpenCL 1.0"))
        return -1;
    MP_UI_SetMaxMemAllocSize(mode, double(maxAlloc) - 131072.0);
    return 0;
}

int OpenCLManager::init(int mode)
{
    const double start = MP_TimeStamp();
    cl_device_id device = d->Device(mode);
    if (!device)
        return -1;
    cl_int error = CL_SUCCESS;
    d->context = d->createContext(nullptr, 1, &device, nullptr, nullptr, &error);
    if (CheckErr(error, "clCreateContext"))
        return -1;
    d->queue = d->createCommandQueue(d->context, device, 0, &error);
    if (CheckErr(error, "clCreateCommandQueue"))
        return -1;
    char name[256] = {};
    d->getDeviceInfo(device, CL_DEVICE_NAME, sizeof(name) - 1, name, nullptr);
    Helper::AppLog(QStringLiteral("OpenCL device: %1").arg(QString::fromLatin1(name)));
    // Device kernels are not built yet: every kernel keeps its processor path.
    Helper::AppLog(QStringLiteral("%1 ms - OpenCL Init").arg(MP_ElapsedMs(start), 0, 'f', 2));
    return 0;
}

void OpenCLManager::Release()
{
    if (d->queue)
        d->releaseCommandQueue(d->queue);
    if (d->context)
        d->releaseContext(d->context);
    d->queue = nullptr;
    d->context = nullptr;
}

bool OpenCLManager::LoadKernelPreferences(const QString& path, const QStringList& kernels)
{
    if (!QFile::exists(path))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    uint loaded = settings.value("forceCPU_MP_loaded", 0).toUInt() + 1;
    if (loaded >= 20)
    {
        settings.setValue("forceCPU_MP_loaded", 0);
        return false;
    }
    settings.setValue("forceCPU_MP_loaded", loaded);
    m_forceCPU.clear();
    for (const QString& kernel : kernels)
        if (settings.value("forceCPU_" + kernel, 0).toInt() == 1)
            m_forceCPU << kernel;
    return true;
}

void OpenCLManager::MeasureAndSaveKernelPreferences(const QString& path, const QStringList& kernels)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue("forceCPU_MP_loaded", 0);
    m_forceCPU = kernels;
    for (const QString& kernel : kernels)
        settings.setValue("forceCPU_" + kernel, 1);
}

bool OpenCLManager::ForceCPU(const QString& kernelName) const
{
    return m_forceCPU.contains(kernelName);
}

void OpenCLManager::CalcPixelPerKernelPack()
{
    Helper::AppLog("Calculating PixelPerKernelPack");
    m_iMaxPixelPerKernelPack = 8192;
    Helper::AppLog(QStringLiteral("MaxPixelPerKernelPack: %1").arg(m_iMaxPixelPerKernelPack));
}
