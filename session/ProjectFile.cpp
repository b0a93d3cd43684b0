#include "session/ProjectFile.h"

#include "session/SettingsValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ProjectFile
{
QString WithExtension(const QString& path)
{
    return path.endsWith(QLatin1String(kExtension)) ? path : path + QLatin1String(kExtension);
}

QString DataFolder(const QString& projectPath)
{
    const qsizetype slash = projectPath.lastIndexOf('/');
    const QString directory = slash < 0 ? QStringLiteral(".") : projectPath.left(slash);
    QString base = projectPath.mid(slash + 1);
    const qsizetype dot = base.lastIndexOf('.');
    if (dot >= 0)
        base.truncate(dot);
    return directory + "/" + base + QLatin1String(kDataSuffix);
}

QString DefaultName(const QString& videoPath, const QString& pictureName)
{
    if (!videoPath.isEmpty())
    {
        QString name = videoPath.mid(videoPath.lastIndexOf('/') + 1);
        const qsizetype dot = name.lastIndexOf('.');
        return dot >= 0 ? name.left(dot) : name;
    }
    if (!pictureName.isEmpty())
        return pictureName.left(30);
    return QCoreApplication::translate("HDRMainWindow", "MyProject");
}

QString ExamplePath(int number)
{
    return QCoreApplication::applicationDirPath() + "/examples/" + "vantrope/" + QString::number(number) +
           QLatin1String(kExtension);
}

bool IsExamplePath(const QString& path)
{
    const QFileInfo info(path);
    for (int n = 1; n <= kExampleCount; ++n)
    {
        const QFileInfo example(ExamplePath(n));
        // Through links too, where both exist.
        if (QDir::cleanPath(info.absoluteFilePath()) == QDir::cleanPath(example.absoluteFilePath()) ||
            (info.exists() && example.exists() && info.canonicalFilePath() == example.canonicalFilePath()))
            return true;
    }
    return false;
}

bool IsOwnFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

void SHeader::Write(QSettings& settings) const
{
    settings.setValue("Version", iVersion);
    settings.setValue("PostProcessing", bPostProcessing);
    settings.setValue("SaveMode", iSaveMode);
    settings.setValue("IsActualProjectUndo", bIsActualProjectUndo);
    settings.setValue("VideoIsLoaded", bVideoIsLoaded);
    settings.setValue("VideoFilePath", sVideoFilePath);
}

SHeader SHeader::Read(const QSettings& settings)
{
    SHeader header;
    // "Version=abc" reads as above every version: a number nobody wrote is not trusted.
    header.iVersion = settings.contains("Version") ? SettingsValue::Int(settings, "Version").value_or(kVersion + 1) : 0;
    header.bPostProcessing = settings.value("PostProcessing", true).toBool();
    header.iSaveMode = SettingsValue::Int(settings, "SaveMode").value_or(kDefaultLoadMode);
    header.bIsActualProjectUndo = settings.value("IsActualProjectUndo", false).toBool();
    header.bVideoIsLoaded = settings.value("VideoIsLoaded", false).toBool();
    header.sVideoFilePath = settings.value("VideoFilePath").toString();
    return header;
}
}  // namespace ProjectFile
