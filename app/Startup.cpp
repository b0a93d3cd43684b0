#include "app/Startup.h"

#include "app/DialogPrompt.h"
#include "app/FileAssociation.h"
#include "app/HDRApplication.h"
#include "app/HDRMainWindow.h"
#include "app/StartupFiles.h"
#include "core/AppLog.h"
#include "core/EngineState.h"
#include "core/NativeNames.h"
#include "core/OpenCLManager.h"
#include "core/Paths.h"
#include "core/Version.h"
#include "engine/KernelRegistry.h"
#include "engine/colourmodule/ColorModuleEngine.h"
#include "session/TranslationManager.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QScreen>
#include <QSysInfo>
#include <QThread>
#include <QSplashScreen>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <memory>

namespace
{
const QString kSeparator(61, '_');

// The calculation-mode decision; returns the OpenCL error flag (0 or −1).
int DecideCalculationMode(const QString& appDir)
{
    using Helper::AppLog;
    AppLog("Checking availability of calculation methods");
    MP_UI_SetCalcMode(MP_CALCMODE_CPU);
    MP_UI_SetMaxMemAllocSize(MP_CALCMODE_CPU, 1073741824.0);
    AppLog(QStringLiteral("CPU -> possible maximum picture size: %1 Megapixel")
               .arg(MP_UI_GetMaxPictureSize(MP_CALCMODE_CPU)));

    const int checkCode = QProcess::execute(appDir + "/OpenCLCheck", {});
    AppLog(QStringLiteral("OpenCLCheck.exe = %1").arg(checkCode));
    int errorFlag = 0;
    if (checkCode != 0 || !g_OpenCLManager.IsAvailable())
        errorFlag = -1;
    else
    {
        const int result = g_OpenCLManager.setMaxMemAllocSize(MP_CALCMODE_OPENCL_GPU);
        AppLog(QStringLiteral("g_OpenCLManager.setMaxMemAllocSize finished, error: %1").arg(result));
        if (result != 0)
            errorFlag = -1;
        else
        {
            AppLog("call MP_UI_SetCalcMode(MP_CALCMODE_OPENCL_GPU)");
            MP_UI_SetCalcMode(MP_CALCMODE_OPENCL_GPU);
            AppLog(QStringLiteral("OpenCL GPU -> possible maximum picture size: %1 Megapixel")
                       .arg(MP_UI_GetMaxPictureSize(MP_CALCMODE_OPENCL_GPU)));
            AppLog("call MP_UI_SetMaxMemAllocSize(MP_CALCMODE_OPENCL_CPU,0.0)");
            MP_UI_SetMaxMemAllocSize(MP_CALCMODE_OPENCL_CPU, 0.0);
            AppLog("call g_OpenCLManager.init(MP_CALCMODE_OPENCL_GPU)");
            if (g_OpenCLManager.init(MP_CALCMODE_OPENCL_GPU) != 0)
                errorFlag = -1;
        }
    }
    AppLog(QStringLiteral("siErrorFlag: %1").arg(errorFlag));
    if (errorFlag != 0)
    {
        AppLog("OpenCL init failed");
        MP_UI_SetMaxMemAllocSize(MP_CALCMODE_OPENCL_CPU, 0.0);
        MP_UI_SetMaxMemAllocSize(MP_CALCMODE_OPENCL_GPU, 0.0);
        AppLog("call MP_UI_SetCalcForceMode(MP_CALCMODE_CPU)");
        MP_UI_SetCalcForceMode(MP_CALCMODE_CPU);
    }
    else
    {
        AppLog("OpenCL init successful");
        AppLog("call MP_UI_SetCalcForceMode(MP_CALCMODE_NONE)");
        MP_UI_SetCalcForceMode(MP_CALCMODE_NONE);
    }
    AppLog(kSeparator);
    AppLog("OpenCL initialisation finished");
    return errorFlag;
}
}  // namespace

namespace Startup
{
QString JoinArguments(int argc, char** argv)
{
    QStringList parts;
    for (int i = 1; i < argc; ++i)
    {
        const QByteArray argument(argv[i]);
        const QString name = argument.startsWith('-') ? QString() : NativeNames::Readable(argument);
        parts << (name.isEmpty() ? QString::fromLocal8Bit(argument) : name);
    }
    return parts.join(' ');
}

int Run(int argc, char** argv)
{
    using Helper::AppLog;
    QElapsedTimer startTimer;
    startTimer.start();

    auto app = std::make_unique<HDRApplication>(argc, argv, HDRApplication::InstanceKey());
    QCoreApplication::setOrganizationName("Neutral Company");
    const QString appDir = QCoreApplication::applicationDirPath();
    StartupFiles::WriteRegistration(appDir);

    const QString userDir = Helper::UserDirectory();
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("-InitializeAndExit"))
    {
        if (argc > 2)
        {
            const QString locale = CTranslationManager::LocaleForSwitch(QString::fromLocal8Bit(argv[2]));
            if (!locale.isEmpty())
                CTranslationManager::StoreLocale(userDir, locale);
        }
        return 0;
    }

    // Until the event loop runs, the application log goes into startup.log.
    Helper::EnsureUserDirectory();
    std::ofstream startupLog(QFile::encodeName(userDir + "startup.log").toStdString(), std::ios::trunc);
    std::streambuf* previousLog = std::cout.rdbuf(startupLog.rdbuf());
    auto restoreLog = [&] {
        if (previousLog)
            std::cout.rdbuf(previousLog);
        previousLog = nullptr;
        startupLog.close();
    };

    AppLog("Programm-ID: " + HDRApplication::InstanceKey());
    AppLog(QStringLiteral("Programm-Version: %1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kBuild));

    const QString joined = JoinArguments(argc, argv);
    if (app->isRunning())
    {
        AppLog("Application already running: terminating");
        AppLog("SendMessage: " + joined);
        const bool sent = app->sendMessage(joined);
        restoreLog();
        return sent ? 0 : 1;
    }

    Helper::EnsureUserDirectory();
    QDir::setCurrent(appDir);
    StartupFiles::HandleStartPage(appDir, userDir, [](const QUrl& url) { QDesktopServices::openUrl(url); });

    auto translations = std::make_unique<CTranslationManager>(QDir::currentPath() + "/translations/", userDir);
    translations->Initialize(QLocale::system().name());
    QCoreApplication::installTranslator(&translations->ToolkitTranslator());
    QCoreApplication::installTranslator(&translations->Translator());

    auto splash = std::make_unique<QSplashScreen>(QPixmap(QDir::currentPath() + "/images/" + "vantrope" + "startup.png"));
    splash->showMessage(QCoreApplication::translate("SplashScreen", "Initialisiere System") + "  ",
                        Qt::AlignBottom | Qt::AlignHCenter, QColor(240, 240, 240, 255));
    splash->show();
    QCoreApplication::processEvents();

    const QString operatingSystem = QSysInfo::prettyProductName() + " (x64 Client)";
    AppLog(operatingSystem);
    AppLog("QSysInfo::productVersion: " + QSysInfo::productVersion());

    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    const int idealThreads = QThread::idealThreadCount();
    MP_UI_InitEngine(QFile::encodeName(QDir::currentPath() + "/textures/").toStdString(), idealThreads,
                     screen.width(), screen.height());
    MP_CM_InitTables();
    AppLog(QStringLiteral("Setting IdealThreadCount: %1 (ReadValue: %2)").arg(MP_UI_GetThreadCount()).arg(idealThreads));
    AppLog(QStringLiteral("Setting Screen Resolution: %1 x %2").arg(screen.width()).arg(screen.height()));
    AppLog(kSeparator);

    const int openCLError = DecideCalculationMode(appDir);
    if (openCLError == 0)
    {
        const QString kernelFile = userDir + "kernel.ini";
        QStringList speedTested;
        for (const std::string_view name : MP_SpeedResultNames())
            speedTested << QString::fromLatin1(name.data(), qsizetype(name.size()));
        if (!g_OpenCLManager.LoadKernelPreferences(kernelFile, speedTested))
            g_OpenCLManager.MeasureAndSaveKernelPreferences(kernelFile, speedTested);
        g_OpenCLManager.CalcPixelPerKernelPack();
    }

    AppLog(QStringLiteral("Argc: %1 Argv: %2").arg(argc).arg(joined));

    CDialogPrompt prompt;
    FileAssociation::Register(QCoreApplication::applicationFilePath(),
                              QDir::currentPath() + "/images/vantrope.svg", &prompt);

    auto window = std::make_unique<HDRMainWindow>(openCLError, joined, operatingSystem);
    QObject::connect(app.get(), &HDRApplication::messageAvailable, window.get(), &HDRMainWindow::receiveMessage);
    // Ended from outside, the state is kept as the recovery project for the next start.
    QObject::connect(app.get(), &HDRApplication::terminationRequested, window.get(), &HDRMainWindow::terminateGracefully);
    QTimer::singleShot(2500, splash.get(), &QSplashScreen::close);
    QTimer::singleShot(2500, window.get(), &QWidget::show);

    AppLog(kSeparator);
    AppLog("Starting...");
    restoreLog();
    std::cout << "Startup-Time: " << startTimer.elapsed() << " ms" << std::endl;

    const int result = QApplication::exec();

    MP_UI_ReleaseEngine();
    translations.reset();
    g_OpenCLManager.Release();
    window.reset();
    splash.reset();
    app.reset();
    return result;
}
}  // namespace Startup
