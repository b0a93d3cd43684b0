// A subcommand of vantrope-cli: its name, a one-line summary and its entry point.
#pragma once

#include <QStringList>

#include <span>

struct SCliCommand
{
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args); // args after the subcommand name; returns the exit code
};

/// Every subcommand, in the order --help lists them.
std::span<const SCliCommand> CliCommands();

/// One line to standard error (the CLI's way of reporting a failure).
void CliError(const QString& message);
/// One line to standard output.
void CliPrint(const QString& line);
