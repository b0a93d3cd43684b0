// The parsed command line of one command: the command's tables through QCommandLineParser, the
// usage errors every command shares, readers for the kinds of values commands take, the help text,
// and the paths (absolute; names that are not UTF-8 through stand-ins, see core/NativeNames.h).
#pragma once

#include "cli/Command.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QSize>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace NativeNames
{
class CWritable;
}

class CCliArguments
{
    Q_DECLARE_TR_FUNCTIONS(CCliArguments)

public:
    /// `raw`: the words after the command's name, as the bytes the program was given.
    CCliArguments(const SCliCommand& command, const QList<QByteArray>& raw);
    ~CCliArguments();

    /// False with Error() set for an unknown option, a missing value, the wrong number of
    /// arguments or a path that cannot be named (exit code 2 by convention).
    bool Parse();
    bool HelpRequested() const { return m_parser.isSet(QStringLiteral("help")); }
    /// The command's usage line, summary, arguments and options.
    static QString Help(const SCliCommand& command);
    /// The usage line without "vantrope-cli": the command's name, "[options]" and its arguments.
    static QString Synopsis(const SCliCommand& command);

    bool IsSet(const QString& option) const { return m_parser.isSet(option); }
    /// The last value of an option (a resolved path for path options), or `fallback`.
    QString Value(const QString& option, const QString& fallback = QString()) const;
    QStringList Values(const QString& option) const;
    /// The values of the named options in command-line order, as (option, value): for options
    /// whose meaning depends on their order ("--set applies to the --operator before it").
    QList<std::pair<QString, QString>> InOrder(std::initializer_list<const char*> options) const;
    /// The positional arguments (paths resolved).
    const QStringList& Arguments() const { return m_arguments; }

    /// False with "missing option --NAME" for the first of these options that is not given.
    bool Require(std::initializer_list<const char*> options);

    // Readers of option values: an option that is not given leaves `value` as it is; a bad one
    // gives false with Error() naming the option, the value and what was expected.
    bool Fraction(const QString& option, float& value);
    bool Integer(const QString& option, int low, int high, int& value);
    bool Choice(const QString& option, const QStringList& choices, int& index);
    /// "WxH" with each side from `low` to `high`.
    bool Size(const QString& option, int low, int high, QSize& size);
    /// A position in a clip in milliseconds, 0 or more.
    bool Position(const QString& option, qint64& milliseconds);

    /// Renames an output written for a path argument or option to the exact name it was given
    /// (nothing to do for UTF-8 names). `written` may carry another extension than the given name.
    bool Publish(const QString& written);

    /// Keeps the first failure; returns false so that `return args.Fail(…)` reads naturally.
    bool Fail(const QString& message);
    const QString& Error() const { return m_error; }
    /// Prints Error() and returns `code`.
    int Report(int code) const;
    /// Fail(message), then Report(code).
    int Refuse(int code, const QString& message);

private:
    QString Resolve(const QString& value, ECliValue kind);

    const SCliCommand& m_command;
    QStringList m_words;
    std::vector<std::pair<QString, QByteArray>> m_exact; // decoded word → its bytes, where they differ
    QCommandLineParser m_parser;
    std::vector<std::pair<QString, QStringList>> m_resolved; // path options → resolved values
    QStringList m_arguments;
    std::vector<std::unique_ptr<NativeNames::CWritable>> m_outputs;
    QStringList m_standIns; // input names as resolved, released at the end
    QString m_error;
};

/// "NAME=VALUE" split at the first "="; false when there is no name.
bool SplitNameValue(const QString& text, QString& name, QString& value);
