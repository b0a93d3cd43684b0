#include "session/ResultFormats.h"

#include "core/AtomicFile.h"
#include "core/Paths.h"
#include "session/SettingsValue.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace ResultFormats
{
namespace
{
struct SFormat
{
    const char* filter;
    const char* extension;
};
constexpr SFormat kFormats[kCount] = {
    {"TIF 8-Bit (*.tif)", ".tif"},
    {"Jpeg 8-Bit (*.jpg)", ".jpg"},
    {"TIFF 16-Bit (*.tiff)", ".tiff"},
    {"Radiance RGBE (*.hdr)", ".hdr"},
    {"Open EXR (*.exr)", ".exr"},
    {"TIFF 32-Bit (*.tif32 *.tif)", ".tif32"},
    {"Portable Floatmap 32-Bit (*.pfm)", ".pfm"},
    {"PNG 16-Bit (*.png)", ".png"},
    {"Jpeg 16-Bit (*.jp2)", ".jp2"},
    {"PPM 16-Bit (*.ppm)", ".ppm"},
};

bool Valid(int index)
{
    return index >= 0 && index < kCount;
}

QString IniPath(const QString& userDirectory)
{
    return QDir(userDirectory.isEmpty() ? Helper::UserDirectory() : userDirectory).filePath("lastsaveformat.ini");
}
}  // namespace

QString Filter(int index)
{
    return Valid(index) ? QString::fromLatin1(kFormats[index].filter) : QString();
}

QString Extension(int index)
{
    return Valid(index) ? QString::fromLatin1(kFormats[index].extension) : QString();
}

QString DialogFilter(int first)
{
    if (!Valid(first))
        first = 0;
    QStringList filters = {Filter(first)};
    for (int index = 0; index < kCount; ++index)
        if (index != first)
            filters.append(Filter(index));
    return filters.join(";;");
}

int IndexOf(const QString& selectedFilter, const QString& path)
{
    const QString extension = "." + QFileInfo(path).suffix().toLower();
    for (int index = 0; index < kCount; ++index)
        if (selectedFilter == QLatin1String(kFormats[index].filter))
            return index;
    for (int index = 0; index < kCount; ++index)
        if (extension == QLatin1String(kFormats[index].extension))
            return index;
    return -1;
}

int LastSavedFormat(const QString& userDirectory)
{
    const QSettings settings(IniPath(userDirectory), QSettings::IniFormat);
    const std::optional<int> index = SettingsValue::Int(settings, "lastSavedFormat");
    return index && Valid(*index) ? *index : 0;
}

void StoreLastSavedFormat(int index, const QString& userDirectory)
{
    if (!Valid(index))
        return;
    const QString path = IniPath(userDirectory);
    QDir().mkpath(QFileInfo(path).absolutePath());
    AtomicFile::WriteSettings(path, [index](QSettings& settings) { settings.setValue("lastSavedFormat", index); });
}
}  // namespace ResultFormats
