#include "app/StartupFiles.h"

#include "core/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace StartupFiles
{
QString RegistrationFilePath()
{
    return QDir::homePath() + "/" + "ProjectData" + "/" + "Vantrope" + " 1" + ".ini";
}

void WriteRegistration(const QString& appDir)
{
    QSettings settings(RegistrationFilePath(), QSettings::IniFormat);
    settings.setValue("Path", appDir);
    const QFileInfoList files =
        QDir(appDir).entryInfoList(QDir::Files | QDir::Executable, QDir::Name);
    for (const QFileInfo& file : files)
    {
        const QString name = file.fileName();
        if (name.contains("OpenCL") || name.contains("unins"))
            continue;
        settings.setValue("Display_Name", name);
        settings.setValue("Application", appDir + "/" + name);
    }
    settings.setValue("Version_Family", 17);
    settings.setValue("Version_Version", 2);
    settings.setValue("Version_Major", Version::kMajor);
    settings.setValue("Version_Minor", Version::kMinor);
    settings.setValue("Version_Build", Version::kBuild);
}

bool HandleStartPage(const QString& appDir, const QString& userDir,
                     const std::function<void(const QUrl&)>& openPage)
{
    const QString linkFile = appDir + "/settings/" + "link_vantrope.ini";
    if (!QFileInfo::exists(linkFile))
        return false;
    const QString page = QSettings(linkFile, QSettings::IniFormat).value("openbrowserpage").toString();
    if (page.isEmpty())
        return false;
    const QString oemFile = userDir + "oem.ini";
    bool open = true;
    QSettings oem(oemFile, QSettings::IniFormat);
    if (QFileInfo::exists(oemFile))
    {
        const uint loaded = oem.value("loaded", 0u).toUInt() + 1;
        oem.setValue("loaded", loaded);
        open = loaded <= 2;
    }
    else
        oem.setValue("loaded", 1u);
    oem.sync();
    if (open)
        openPage(QUrl(page));
    return open;
}
}  // namespace StartupFiles
