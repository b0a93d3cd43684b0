// A vantrope-cli command: its name, one line on what it does, its arguments and options declared
// as tables, and its entry point. The tables' words for people (the line, descriptions, argument
// names and value names that are words) are German texts marked QT_TRANSLATE_NOOP("CliHelp", …),
// shown through CliHelpText. A command is one file: the tables and the function that runs
// with the parsed arguments (see CliArguments.h); Commands.cpp lists every command.
#pragma once

#include <QString>

#include <array>
#include <span>

class CCliArguments;

/// What an argument or option value is; paths are made absolute, and a name that is not UTF-8
/// reaches the file functions through a stand-in (core/NativeNames.h).
enum class ECliValue
{
    eTEXT,
    eINPUT,  // a file or folder that is read
    eOUTPUT, // a file that is written (published under its exact name by the command)
};

struct SCliOption
{
    const char* names;       // "lut-param", or "lut-param,param" with older spellings after commas
    const char* valueName;   // shown in the help ("NAME=VALUE"); null for a flag
    const char* description; // one line for the help
    ECliValue kind = ECliValue::eTEXT;
};

struct SCliArgument
{
    const char* name; // "IN", shown in the usage line
    const char* description;
    ECliValue kind = ECliValue::eTEXT;
    bool bOptional = false; // only at the end
};

using CliOptions = std::span<const SCliOption>;

struct SCliCommand
{
    const char* name;    // the words after vantrope-cli: "grade", "lut apply"
    const char* summary; // one line for the help
    std::span<const SCliArgument> arguments;
    std::array<CliOptions, 4> options; // groups of options, e.g. a shared group and the command's own
    int (*run)(CCliArguments& args);   // returns the exit code
};

/// Every command, in the order --help lists them.
std::span<const SCliCommand> CliCommands();

/// A text of the command tables in the user's language; null gives an empty text.
QString CliHelpText(const char* text);
/// One line to standard error (the CLI's way of reporting a failure), prefixed "vantrope-cli: ".
void CliError(const QString& message);
/// One line to standard output.
void CliPrint(const QString& line);
/// Stand-in names (NativeNames) are printed as the exact bytes the user gave.
void CliShowAs(const QString& standIn, const QByteArray& exact);
