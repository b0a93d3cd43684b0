// vantrope-cli: the grading models without a window — grade, LUTs, probing, benchmarks.
#include "cli/CliArguments.h"
#include "core/EngineState.h"
#include "core/Paths.h"
#include "core/Version.h"
#include "engine/colourmodule/ColorModuleEngine.h"
#include "session/TranslationManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

namespace
{
QList<QByteArray> NameWords(const SCliCommand& command)
{
    return QByteArray(command.name).split(' ');
}

// The command named by the first words (the longest name that fits), with its number of words.
const SCliCommand* FindCommand(const QList<QByteArray>& words, qsizetype& used)
{
    const SCliCommand* found = nullptr;
    used = 0;
    for (const SCliCommand& command : CliCommands())
    {
        const QList<QByteArray> name = NameWords(command);
        if (name.size() > used && words.mid(0, name.size()) == name)
            found = &command, used = name.size();
    }
    return found;
}

// The subcommands of a command family such as "lut".
QList<const SCliCommand*> Family(const QByteArray& first)
{
    QList<const SCliCommand*> members;
    for (const SCliCommand& command : CliCommands())
        if (NameWords(command).size() > 1 && NameWords(command).first() == first)
            members << &command;
    return members;
}

void PrintCommands(const QList<const SCliCommand*>& commands)
{
    for (const SCliCommand* command : commands)
        CliPrint(QStringLiteral("  %1\n      %2").arg(CCliArguments::Synopsis(*command), CliHelpText(command->summary)));
}

void PrintOverview()
{
    CliPrint(QCoreApplication::translate("CliHelp", "Vantrope %1 — Farbkorrektur für Videoclips und 3D-LUTs (Kommandozeile)")
                 .arg(Version::kText));
    CliPrint(QCoreApplication::translate("CliHelp", "Aufruf: vantrope-cli BEFEHL [Optionen] ARGUMENTE\n"
                                                    "        vantrope-cli BEFEHL --help | --help | --version"));
    CliPrint(QCoreApplication::translate("CliHelp", "Befehle:"));
    QList<const SCliCommand*> all;
    for (const SCliCommand& command : CliCommands())
        all << &command;
    PrintCommands(all);
}

// The engine announces its settings on standard output while it starts; those lines would be
// mixed into the command's own output (such as probe's key lines).
void InitEngineQuietly()
{
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
    // The texts in the user's language, as the window chose it or the system's: the command line's
    // own and those it shares with the window (operator names, reader messages, default titles).
    CTranslationManager translations(QCoreApplication::applicationDirPath() + "/translations/", Helper::UserDirectory());
    translations.Initialize(QLocale::system().name(), false);
    QCoreApplication::installTranslator(&translations.Translator());
    // The words as bytes: file names need not be UTF-8.
    QList<QByteArray> words;
    for (int i = 1; i < argc; ++i)
        words << QByteArray(argv[i]);
    if (words.isEmpty() || words.first() == "--help" || words.first() == "-h")
    {
        PrintOverview();
        return words.isEmpty() ? 2 : 0;
    }
    if (words.first() == "--version")
    {
        CliPrint(Version::kText);
        return 0;
    }
    qsizetype used = 0;
    const SCliCommand* command = FindCommand(words, used);
    if (!command)
    {
        const QList<const SCliCommand*> family = Family(words.first());
        const QString first = QString::fromUtf8(words.first());
        if (family.isEmpty())
            return CliError(QCoreApplication::translate("CliHelp", "unbekannter Befehl '%1' (siehe --help)").arg(first)), 2;
        if (words.value(1) == "--help" || words.value(1) == "-h")
            return CliPrint(QCoreApplication::translate("CliHelp", "Aufruf: vantrope-cli %1 UNTERBEFEHL [Optionen] ARGUMENTE")
                                .arg(first)),
                   PrintCommands(family), 0;
        QStringList names;
        for (const SCliCommand* member : family)
            names << QString::fromLatin1(NameWords(*member).last());
        return CliError(QCoreApplication::translate("CliHelp", "%1 braucht einen dieser Unterbefehle: %2")
                            .arg(first, names.join(", "))),
               2;
    }
    CCliArguments args(*command, words.mid(used));
    if (!args.Parse())
        return args.Report(2);
    if (args.HelpRequested())
    {
        CliPrint(CCliArguments::Help(*command));
        return 0;
    }
    InitEngineQuietly();
    const int code = command->run(args);
    MP_UI_ReleaseEngine();
    return code;
}
