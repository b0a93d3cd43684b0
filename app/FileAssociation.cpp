#include "app/FileAssociation.h"

#include "core/IUserPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace
{
QString DataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString MimeAppsList()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/mimeapps.list";
}

// Replaces the file only when its content differs; through a temporary file and a rename.
bool WriteIfChanged(const QString& path, const QByteArray& content, bool* changed = nullptr)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return false;
    if (changed)
        *changed = true;
    return true;
}

bool Fail(IUserPrompt* prompt, const QString& path)
{
    if (prompt)
        prompt->Warning(QCoreApplication::translate("WindowsRegistryHelper", "Error in setting Registry values"),
                        QCoreApplication::translate("WindowsRegistryHelper",
                                                    "registration database update failed for key '%1'.")
                            .arg(path));
    return false;
}

QString QuoteExec(const QString& path)
{
    QString escaped = path;
    escaped.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
    return '"' + escaped + '"';
}

// mimeapps.list lines with our type's default set to `desktopFile` in [Default Applications].
QByteArray WithDefault(const QByteArray& list, const QByteArray& desktopFile)
{
    const QByteArray key = QByteArray(FileAssociation::kMimeType) + '=';
    QList<QByteArray> lines = list.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    qsizetype section = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].trimmed() == "[Default Applications]")
            section = i;
    if (section < 0)
    {
        lines << "[Default Applications]";
        section = lines.size() - 1;
    }
    qsizetype insertAt = section + 1;
    while (insertAt < lines.size() && !lines[insertAt].startsWith('['))
    {
        if (lines[insertAt].startsWith(key))
        {
            lines[insertAt] = key + desktopFile;
            return lines.join('\n') + '\n';
        }
        ++insertAt;
    }
    lines.insert(insertAt, key + desktopFile);
    return lines.join('\n') + '\n';
}
}  // namespace

namespace FileAssociation
{
QString DefaultApplication()
{
    QFile file(MimeAppsList());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inDefaults = false;
    const QByteArray key = QByteArray(kMimeType) + '=';
    for (const QByteArray& raw : file.readAll().split('\n'))
    {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inDefaults = line == "[Default Applications]";
        else if (inDefaults && line.startsWith(key))
            return QString::fromUtf8(line.mid(key.size())).section(';', 0, 0);
    }
    return {};
}

bool Register(const QString& executablePath, const QString& iconPath, IUserPrompt* prompt)
{
    const QString description =
        QCoreApplication::translate("WindowsRegistryHelper", "Vantrope Marlix Projektdatei");
    const QString desktopPath = DataHome() + "/applications/" + kDesktopFile;
    const QByteArray desktop = QStringLiteral("[Desktop Entry]\nType=Application\nName=Vantrope\n"
                                              "Comment=%1\nExec=%2 %f\nIcon=%3\nMimeType=%4;\n"
                                              "Categories=AudioVideo;Video;Graphics;\nTerminal=false\n")
                                   .arg(description, QuoteExec(executablePath), iconPath,
                                        QLatin1String(kMimeType))
                                   .toUtf8();
    if (!WriteIfChanged(desktopPath, desktop))
        return Fail(prompt, desktopPath);

    // Another program owns the extension: through the MIME database or as our type's default.
    const QString owner = QMimeDatabase().mimeTypeForFile("x.vantropeProject", QMimeDatabase::MatchExtension).name();
    const QString current = DefaultApplication();
    if ((owner != QLatin1String(kMimeType) && owner != QLatin1String("application/octet-stream")) ||
        (!current.isEmpty() && current != QLatin1String(kDesktopFile)))
        return false;

    const QString packagePath = DataHome() + "/mime/packages/vantrope-project.xml";
    const QByteArray package =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"%1\">\n    <comment>%2</comment>\n"
                       "    <glob pattern=\"*.vantropeProject\"/>\n  </mime-type>\n</mime-info>\n")
            .arg(QLatin1String(kMimeType), description.toHtmlEscaped())
            .toUtf8();
    bool packageChanged = false;
    if (!WriteIfChanged(packagePath, package, &packageChanged))
        return Fail(prompt, packagePath);

    QFile listFile(MimeAppsList());
    QByteArray list;
    if (listFile.open(QIODevice::ReadOnly))
        list = listFile.readAll();
    listFile.close();
    if (!WriteIfChanged(MimeAppsList(), WithDefault(list, kDesktopFile)))
        return Fail(prompt, MimeAppsList());

    // Refresh the user's MIME cache when the package changed and the tool exists.
    const QString updater = QStandardPaths::findExecutable("update-mime-database");
    if (packageChanged && !updater.isEmpty())
    {
        QProcess process;
        process.start(updater, {DataHome() + "/mime"});
        if (!process.waitForFinished(5000))
            process.kill(), process.waitForFinished(1000);
    }
    return true;
}
}  // namespace FileAssociation
