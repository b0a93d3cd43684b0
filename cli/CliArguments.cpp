#include "cli/CliArguments.h"

#include "core/NativeNames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace
{
QStringList Names(const SCliOption& option)
{
    return QString::fromLatin1(option.names).split(',');
}

// Every option of the command, in the order of its groups.
std::vector<const SCliOption*> AllOptions(const SCliCommand& command)
{
    std::vector<const SCliOption*> all;
    for (const CliOptions& group : command.options)
        for (const SCliOption& option : group)
            all.push_back(&option);
    return all;
}

const SCliOption* FindOption(const SCliCommand& command, const QString& name)
{
    for (const SCliOption* option : AllOptions(command))
        if (Names(*option).contains(name))
            return option;
    return nullptr;
}

QString Dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}
}  // namespace

CCliArguments::CCliArguments(const SCliCommand& command, const QList<QByteArray>& raw) : m_command(command)
{
    for (const QByteArray& bytes : raw)
    {
        const QString word = QString::fromUtf8(bytes);
        m_words << word;
        if (word.toUtf8() == bytes)
            continue;
        m_exact.emplace_back(word, bytes);
        // "--out=<bytes>": the value alone is what the parser hands over.
        const qsizetype equals = bytes.indexOf('=');
        if (bytes.startsWith("--") && equals > 0)
            m_exact.emplace_back(QString::fromUtf8(bytes.mid(equals + 1)), bytes.mid(equals + 1));
    }
    for (const SCliOption* option : AllOptions(command))
        m_parser.addOption(QCommandLineOption(Names(*option), QString::fromUtf8(option->description),
                                              option->valueName ? QLatin1String(option->valueName) : QString()));
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
}

CCliArguments::~CCliArguments()
{
    for (const QString& standIn : m_standIns)
        NativeNames::Release(standIn);
}

bool CCliArguments::Parse()
{
    if (!m_parser.parse(QStringList{QStringLiteral("vantrope-cli")} + m_words))
    {
        if (!m_parser.unknownOptionNames().isEmpty())
            return Fail(tr("unbekannte Option %1").arg(Dashed(m_parser.unknownOptionNames().first())));
        const QRegularExpressionMatch missing = QRegularExpression("^Missing value after '(.*)'").match(m_parser.errorText());
        return Fail(missing.hasMatch() ? tr("Option %1 braucht einen Wert").arg(missing.captured(1)) : m_parser.errorText());
    }
    if (HelpRequested())
        return true;

    const QStringList given = m_parser.positionalArguments();
    const std::span<const SCliArgument> expected = m_command.arguments;
    const qsizetype required = std::count_if(expected.begin(), expected.end(), [](const SCliArgument& a) { return !a.bOptional; });
    if (given.size() > qsizetype(expected.size()))
        return Fail(tr("unerwartetes Argument '%1'").arg(given[expected.size()]));
    if (given.size() < required)
    {
        QStringList names;
        for (const SCliArgument& argument : expected)
            names << CliHelpText(argument.name);
        return Fail(tr("%1 braucht %2 (siehe vantrope-cli %1 --help)").arg(QLatin1String(m_command.name), names.join(' ')));
    }
    for (qsizetype i = 0; i < given.size(); ++i)
        m_arguments << Resolve(given[i], expected[i].kind);

    for (const SCliOption* option : AllOptions(m_command))
    {
        const QString name = Names(*option).first();
        if (option->kind == ECliValue::eTEXT || !m_parser.isSet(name))
            continue;
        QStringList values;
        for (const QString& value : m_parser.values(name))
            values << Resolve(value, option->kind);
        m_resolved.emplace_back(name, values);
    }
    return m_error.isEmpty();
}

QString CCliArguments::Resolve(const QString& value, ECliValue kind)
{
    if (kind == ECliValue::eTEXT || value.isEmpty())
        return value;
    QByteArray bytes = value.toUtf8();
    for (const auto& [word, exact] : m_exact)
        if (word == value)
            bytes = exact;
    QString error;
    if (kind == ECliValue::eINPUT)
    {
        // Links of this run only, removed when it ends.
        const QString readable = NativeNames::Readable(bytes, &error, QByteArray::number(QCoreApplication::applicationPid()));
        if (readable.isEmpty())
            Fail(tr("'%1' lässt sich nicht benennen: %2").arg(value, error));
        else
            CliShowAs(readable, NativeNames::Absolute(bytes));
        m_standIns << readable;
        return readable;
    }
    auto output = std::make_unique<NativeNames::CWritable>(bytes);
    const QString path = output->Path();
    if (path.isEmpty())
        Fail(tr("'%1' lässt sich nicht benennen: %2").arg(value, output->Error()));
    else
        CliShowAs(path, output->Published(path));
    m_outputs.push_back(std::move(output));
    return path;
}

QString CCliArguments::Value(const QString& option, const QString& fallback) const
{
    const QStringList values = Values(option);
    return values.isEmpty() ? fallback : values.last();
}

QStringList CCliArguments::Values(const QString& option) const
{
    const SCliOption* declared = FindOption(m_command, option);
    for (const auto& [name, values] : m_resolved)
        if (declared && Names(*declared).contains(name))
            return values;
    return m_parser.values(option);
}

QList<std::pair<QString, QString>> CCliArguments::InOrder(std::initializer_list<const char*> options) const
{
    QList<std::pair<QString, QString>> found;
    for (qsizetype i = 0; i < m_words.size(); ++i)
    {
        const QString& word = m_words[i];
        if (word == QLatin1String("--"))
            break;
        if (!word.startsWith('-'))
            continue;
        const QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1).section('=', 0, 0);
        const SCliOption* option = FindOption(m_command, name);
        if (!option || !option->valueName)
            continue;
        const bool inline_ = word.contains('=');
        const QString value = inline_ ? word.section('=', 1) : m_words.value(++i);
        for (const char* wanted : options)
            if (Names(*option).contains(QLatin1String(wanted)))
                found.append({QLatin1String(wanted), value});
    }
    return found;
}

bool CCliArguments::Require(std::initializer_list<const char*> options)
{
    for (const char* option : options)
        if (!m_parser.isSet(QLatin1String(option)))
            return Fail(tr("Option --%1 fehlt").arg(QLatin1String(option)));
    return true;
}

bool CCliArguments::Fraction(const QString& option, float& value)
{
    if (!m_parser.isSet(option))
        return true;
    bool ok = false;
    const float v = Value(option).toFloat(&ok);
    if (!ok || !std::isfinite(v) || v < 0.f || v > 1.f)
        return Fail(tr("ungültiger Wert für --%1: '%2' (erwartet: eine Zahl von 0 bis 1)").arg(option, Value(option)));
    value = v;
    return true;
}

bool CCliArguments::Integer(const QString& option, int low, int high, int& value)
{
    if (!m_parser.isSet(option))
        return true;
    bool ok = false;
    const int v = Value(option).toInt(&ok);
    if (!ok || v < low || v > high)
        return Fail(tr("ungültiger Wert für --%1: '%2' (erwartet: eine ganze Zahl von %3 bis %4)")
                        .arg(option, Value(option)).arg(low).arg(high));
    value = v;
    return true;
}

bool CCliArguments::Choice(const QString& option, const QStringList& choices, int& index)
{
    if (!m_parser.isSet(option))
        return true;
    const qsizetype found = choices.indexOf(Value(option));
    if (found < 0)
        return Fail(tr("ungültiger Wert für --%1: '%2' (%3)").arg(option, Value(option), choices.join(", ")));
    index = int(found);
    return true;
}

bool CCliArguments::Size(const QString& option, int low, int high, QSize& size)
{
    if (!m_parser.isSet(option))
        return true;
    const QStringList parts = Value(option).split('x');
    bool okW = false, okH = false;
    const int w = parts.value(0).toInt(&okW), h = parts.value(1).toInt(&okH);
    if (parts.size() != 2 || !okW || !okH || w < low || h < low || w > high || h > high)
        return Fail(tr("ungültige Größe '%1' (erwartet: WxH, je %2 bis %3)").arg(Value(option)).arg(low).arg(high));
    size = QSize(w, h);
    return true;
}

bool CCliArguments::Position(const QString& option, qint64& milliseconds)
{
    if (!m_parser.isSet(option))
        return true;
    bool ok = false;
    const qint64 v = Value(option).toLongLong(&ok);
    if (!ok || v < 0)
        return Fail(tr("ungültige Position '%1' (Millisekunden, 0 oder mehr)").arg(Value(option)));
    milliseconds = v;
    return true;
}

bool CCliArguments::Publish(const QString& written)
{
    const QFileInfo info(written);
    for (const auto& output : m_outputs)
    {
        const QFileInfo standIn(output->Path());
        if (standIn.absolutePath() != info.absolutePath() || standIn.completeBaseName() != info.completeBaseName())
            continue;
        QString reason;
        if (!output->Publish(written, &reason))
            return Fail(tr("'%1' kann nicht geschrieben werden: %2").arg(written, reason));
        CliShowAs(written, output->Published(written));
        return true;
    }
    return true;
}

bool CCliArguments::Fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    return false;
}

int CCliArguments::Report(int code) const
{
    CliError(m_error);
    return code;
}

int CCliArguments::Refuse(int code, const QString& message)
{
    Fail(message);
    return Report(code);
}

QString CCliArguments::Synopsis(const SCliCommand& command)
{
    QStringList words = {QLatin1String(command.name)};
    if (!AllOptions(command).empty())
        words << QCoreApplication::translate("CliHelp", "[Optionen]");
    for (const SCliArgument& argument : command.arguments)
        words << (argument.bOptional ? QStringLiteral("[%1]").arg(CliHelpText(argument.name)) : CliHelpText(argument.name));
    return words.join(' ');
}

QString CCliArguments::Help(const SCliCommand& command)
{
    const auto row = [](const QString& left, const QString& description) {
        return QStringLiteral("  %1  %2").arg(left, -30).arg(description);
    };
    QStringList lines = {QCoreApplication::translate("CliHelp", "Aufruf: vantrope-cli %1").arg(Synopsis(command)),
                         CliHelpText(command.summary)};
    if (!command.arguments.empty())
    {
        lines << QString() << QCoreApplication::translate("CliHelp", "Argumente:");
        for (const SCliArgument& argument : command.arguments)
            lines << row(CliHelpText(argument.name), CliHelpText(argument.description));
    }
    lines << QString() << QCoreApplication::translate("CliHelp", "Optionen:");
    for (const SCliOption* option : AllOptions(command))
    {
        QStringList names;
        for (const QString& name : Names(*option))
            names << Dashed(name);
        const QString value = option->valueName ? QStringLiteral(" %1").arg(CliHelpText(option->valueName)) : QString();
        lines << row(names.join(", ") + value, CliHelpText(option->description));
    }
    lines << row(QStringLiteral("-h, --help"), QCoreApplication::translate("CliHelp", "diese Hilfe"));
    return lines.join('\n');
}

bool SplitNameValue(const QString& text, QString& name, QString& value)
{
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return false;
    name = text.left(equals);
    value = text.mid(equals + 1);
    return true;
}
