// vantrope-cli: the grading models without a window — grade, LUTs, probing, benchmarks.
#include "cli/Command.h"
#include "core/EngineState.h"
#include "core/Version.h"
#include "engine/colourmodule/ColorModuleEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

namespace
{
void PrintHelp()
{
    CliPrint(QStringLiteral("Vantrope %1 — colour grading for video clips and 3D LUTs (command line)").arg(Version::kText));
    CliPrint("Usage: vantrope-cli COMMAND [OPTIONS]");
    CliPrint("       vantrope-cli --help | --version");
    CliPrint("Commands:");
    for (const SCliCommand& command : CliCommands())
        CliPrint(QStringLiteral("  %1").arg(QLatin1String(command.usage)));
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The application log (buffer and job trace lines) goes to standard error when
    // VANTROPE_LOG is set, and nowhere otherwise, so command output stays clean.
    static std::ofstream discard("/dev/null");
    std::cout.rdbuf(std::getenv("VANTROPE_LOG") ? std::cerr.rdbuf() : discard.rdbuf());
    QCoreApplication::setOrganizationName("Neutral Company");
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h")
    {
        PrintHelp();
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == "--version")
    {
        CliPrint(Version::kText);
        return 0;
    }
    const QString name = args.takeFirst();
    for (const SCliCommand& command : CliCommands())
        if (name == QLatin1String(command.name))
        {
            // The engine announces its settings on standard output while it starts; those lines
            // would be mixed into the command's own output (such as probe's key lines).
            std::fflush(stdout);
            const int savedOut = dup(STDOUT_FILENO);
            const int nullOut = open("/dev/null", O_WRONLY | O_CLOEXEC);
            if (savedOut >= 0 && nullOut >= 0)
                dup2(nullOut, STDOUT_FILENO);
            MP_UI_InitEngine(QFile::encodeName(QCoreApplication::applicationDirPath() + "/textures/").toStdString(),
                             QThread::idealThreadCount(), 0, 0);
            MP_CM_InitTables();
            std::fflush(stdout);
            if (savedOut >= 0 && nullOut >= 0)
                dup2(savedOut, STDOUT_FILENO);
            for (int fd : {savedOut, nullOut})
                if (fd >= 0)
                    close(fd);
            MP_UI_SetCalcMode(MP_CALCMODE_CPU);
            MP_UI_SetMaxMemAllocSize(MP_CALCMODE_CPU, 1073741824.0);
            MP_UI_SetCalcForceMode(MP_CALCMODE_CPU);
            // Engine timing lines would mix with the command's own output.
            MP_UI_SetLogging(false);
            const int code = command.run(args);
            MP_UI_ReleaseEngine();
            return code;
        }
    CliError(QStringLiteral("unknown command '%1' (see --help)").arg(name));
    return 2;
}
