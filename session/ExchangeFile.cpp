#include "session/ExchangeFile.h"

#include "core/AppLog.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>

namespace
{
// An exchange file names a handful of images; these bounds keep a hostile one from making the
// reader allocate or loop by a number it merely declares.
constexpr int kMaxImages = 10000;
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

void Log(const QString& message)
{
    Helper::AppLog("HDRMainWindow::ReadLIFFile() -> " + message);
}

bool IsImageElement(QStringView name)
{
    if (name.size() < 9 || !name.startsWith(u"Image"))
        return false;
    const QStringView digits = name.mid(5);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
}

QString JoinToImportPath(const QString& importPath, const QString& name)
{
    if (importPath.isEmpty() || importPath.endsWith('/') || importPath.endsWith('\\'))
        return importPath + name;
    return importPath + "/" + name;
}
}  // namespace

bool ReadExchangeFile(const QString& path, SExchangeFile& file)
{
    const QFileInfo info(path);
    QFile device(path);
    if (!info.isFile() || info.size() > kMaxFileBytes || !device.open(QIODevice::ReadOnly))
    {
        Log("Cannot read " + path);
        return false;
    }

    SExchangeFile result;
    QString imageCount;
    QHash<QString, QString> images;
    const QHash<QString, QString*> texts = {
        {QStringLiteral("SourceApplication"), &result.sSourceApplication},
        {QStringLiteral("ImageCount"), &imageCount},
        {QStringLiteral("ImportPath"), &result.sImportPath},
        {QStringLiteral("ExportPath"), &result.sExportPath},
        {QStringLiteral("PluginType"), &result.sPluginType},
        {QStringLiteral("ExportImage"), &result.sExportImage},
        {QStringLiteral("SourcePath"), &result.sSourcePath},
    };

    QXmlStreamReader reader(&device);
    while (!reader.atEnd())
    {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        if (QString* target = texts.value(name))
            *target = reader.readElementText(QXmlStreamReader::SkipChildElements);
        else if (IsImageElement(name) && images.size() < kMaxImages)
            images.insert(name, reader.readElementText(QXmlStreamReader::SkipChildElements));
    }
    if (reader.hasError())
    {
        Log("Invalid token found");
        return false;
    }

    bool ok = false;
    result.iImageCount = std::clamp(imageCount.trimmed().toInt(&ok), 0, kMaxImages);
    if (!ok)
        result.iImageCount = 0;

    const QString rule(63, '-');
    Log(rule);
    Log("SourceApplication: " + result.sSourceApplication);
    Log("ImageCount: " + QString::number(result.iImageCount));
    Log("ImportPath: " + result.sImportPath);
    Log("ExportPath: " + result.sExportPath);
    Log("SourcePath: " + result.sSourcePath);
    Log("PluginType: " + result.sPluginType);
    Log("ExportFile: " + result.sExportImage);
    for (int index = 0; index < result.iImageCount; ++index)
    {
        const auto entry = images.constFind(QString::asprintf("Image%04d", index));
        if (entry == images.constEnd())
            continue;
        const QString imagePath = JoinToImportPath(result.sImportPath, entry.value());
        result.images.append(imagePath);
        Log("Path of Image " + QString::number(index) + ": " + imagePath);
    }
    Log(rule);
    file = result;
    return true;
}
