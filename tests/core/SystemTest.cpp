// The failure answers of the system queries and the kernel preference file of the OpenCL manager.
#include "core/EngineState.h"
#include "core/OpenCLManager.h"
#include "core/SystemInfo.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SystemInfo, DriveSpaceOfAMissingDriveIsMinusOne)
{
    double total = 0, free = 0;
    Helper::DriveSpaceGB("/no/such/drive/anywhere", total, free);
    EXPECT_EQ(total, -1.0);
    EXPECT_EQ(free, -1.0);
}

TEST(OpenCLManager, KernelPreferencesAreMeasuredAgainEveryTwentyStarts)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/kernel.ini";
    OpenCLManager manager;
    const QStringList kernels = {"MP_calcPixelSharpen", "MP_calcPixelDeNoiseLumHD"};
    EXPECT_FALSE(manager.LoadKernelPreferences(path, kernels)); // missing file: measure
    manager.MeasureAndSaveKernelPreferences(path, kernels);
    for (const QString& kernel : kernels)
        EXPECT_TRUE(manager.ForceCPU(kernel)) << kernel.toStdString();
    EXPECT_FALSE(manager.ForceCPU("MP_calcPixelSepia"));

    QSettings(path, QSettings::IniFormat).setValue("forceCPU_MP_calcPixelSharpen", 0);
    for (int start = 1; start < 20; ++start)
    {
        ASSERT_TRUE(manager.LoadKernelPreferences(path, kernels)) << start;
        EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("forceCPU_MP_loaded").toInt(), start);
    }
    EXPECT_FALSE(manager.ForceCPU("MP_calcPixelSharpen"));
    EXPECT_TRUE(manager.ForceCPU("MP_calcPixelDeNoiseLumHD"));
    EXPECT_FALSE(manager.LoadKernelPreferences(path, kernels)); // the twentieth start measures again
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("forceCPU_MP_loaded").toInt(), 0);
}

TEST(OpenCLManager, WithoutADeviceNothingIsClaimed)
{
    OpenCLManager manager;
    if (manager.IsAvailable())
        GTEST_SKIP() << "an OpenCL device is present";
    EXPECT_EQ(manager.setMaxMemAllocSize(3), 0);
    EXPECT_EQ(MP_UI_GetMaxMemAllocSize(3), 0.0);
    EXPECT_NE(manager.init(3), 0);
}
