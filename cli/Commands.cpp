// The list of commands (each lives in its own Cmd*.cpp file) and the CLI's two output channels.
#include "cli/Command.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>
#include <utility>
#include <vector>

std::span<const SCliCommand> GradeCommands();
std::span<const SCliCommand> LutCommands();
std::span<const SCliCommand> OperatorsCommands();
std::span<const SCliCommand> PresetsCommands();
std::span<const SCliCommand> ProbeCommands();
std::span<const SCliCommand> FrameCommands();
std::span<const SCliCommand> ScopeCommands();
std::span<const SCliCommand> ProjectCommands();
std::span<const SCliCommand> BenchCommands();

namespace
{
// Stand-in names and the exact bytes they stand for.
std::vector<std::pair<QByteArray, QByteArray>> g_shownAs;

// `text` as bytes, with every stand-in name replaced by what it stands for.
QByteArray Shown(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    for (const auto& [standIn, exact] : g_shownAs)
        bytes.replace(standIn, exact);
    return bytes;
}

// Messages shared with the window's dialogs break their lines with "<br/>" or line ends: one
// line each here.
QString OneLine(const QString& message)
{
    static const QRegularExpression breaks(QStringLiteral("(\\s*(<br/>|\n)\\s*)+"));
    return QString(message).replace(breaks, QStringLiteral(" ")).trimmed();
}
}  // namespace

std::span<const SCliCommand> CliCommands()
{
    static const std::vector<SCliCommand> all = [] {
        std::vector<SCliCommand> list;
        for (const auto& file : {GradeCommands(), LutCommands(), OperatorsCommands(), PresetsCommands(), ProbeCommands(),
                                 FrameCommands(), ScopeCommands(), ProjectCommands(), BenchCommands()})
            list.insert(list.end(), file.begin(), file.end());
        return list;
    }();
    return all;
}

QString CliHelpText(const char* text)
{
    return text ? QCoreApplication::translate("CliHelp", text) : QString();
}

void CliError(const QString& message)
{
    std::fprintf(stderr, "vantrope-cli: %s\n", Shown(OneLine(message)).constData());
}

void CliPrint(const QString& line)
{
    std::printf("%s\n", Shown(line).constData());
    std::fflush(stdout);
}

void CliShowAs(const QString& standIn, const QByteArray& exact)
{
    const QByteArray name = standIn.toUtf8();
    if (name != exact)
        g_shownAs.emplace_back(name, exact);
}
