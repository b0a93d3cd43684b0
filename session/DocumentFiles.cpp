#include "session/DocumentFiles.h"

#include "core/AppLog.h"

#include <QCoreApplication>

namespace DocumentFiles
{
namespace
{
const QString kProjectSuffix = QStringLiteral(".vantropeProject");

const QStringList& VideoExtensions()
{
    static const QStringList extensions = {".mpg", ".mpe", ".mpeg", ".mp4", ".mp2", ".wmv", ".asf", ".webm",
                                           ".vp8", ".vp9", ".avi",  ".flv", ".mov", ".mkv", ".divx", ".mxf"};
    return extensions;
}

bool EndsWithAny(const QString& path, const QStringList& extensions)
{
    for (const QString& extension : extensions)
        if (path.endsWith(extension, Qt::CaseInsensitive))
            return true;
    return false;
}

void Log(const QString& message)
{
    Helper::AppLog("HDRMainWindow::InterpretCommandLine() -> " + message);
}
}  // namespace

EDropKind ClassifyDrop(const QString& localFile)
{
    if (localFile.endsWith(kProjectSuffix, Qt::CaseSensitive))
        return EDropKind::Project;
    if (localFile.endsWith(QStringLiteral(".vaddon"), Qt::CaseSensitive))
        return EDropKind::Addon;
    if (IsVideoFile(localFile))
        return EDropKind::Video;
    return EDropKind::Other;
}

SCommand InterpretCommandLine(const QString& text, bool filterPluginMode)
{
    if (filterPluginMode || text.isEmpty())
        return {};
    static const QString kRawPrefix = QStringLiteral("-rawdevelopment ");
    if (text.startsWith(kRawPrefix))
        return {ECommandKind::RawDevelopment, text.mid(kRawPrefix.size())};
    if (text.endsWith(kProjectSuffix))
    {
        Log("OpenProject: " + text);
        return {ECommandKind::Project, text};
    }
    const QString lower = text.toLower();
    Log("Command Line Load:" + text);
    Log("Command Line Lower:" + lower);
    if (lower.endsWith(QStringLiteral(".lif")))
        return {ECommandKind::Exchange, text};
    if (IsStillImage(lower))
        return {ECommandKind::StillImage, text};
    return {ECommandKind::Unknown, text};
}

bool IsVideoFile(const QString& path)
{
    return EndsWithAny(path, VideoExtensions());
}

bool IsStillImage(const QString& path)
{
    return EndsWithAny(path, StillExtensions());
}

const QStringList& StillExtensions()
{
    static const QStringList extensions = {".ppm", ".pfm",  ".jpg", ".jpe", ".jpeg", ".jif", ".tiff", ".tif",
                                           ".tif32", ".bmp", ".png", ".psd", ".pcx", ".tga", ".exr", ".hdr"};
    return extensions;
}

QString VideoDialogFilter()
{
    const QStringList entries = {
        "MPEG (*.mpg *.mpeg *.mp4 *.mp2 *.mpe)",
        "WMV (*.wmv)",
        "ASF (*.asf)",
        "WebM (*.webm *.vp8 *.vp9)",
        "AVI (*.avi)",
        "FLV (*.flv)",
        "DivX (*.divx)",
        "Quicktime (*.mov)",
        "Matroska (*.mkv)",
        "MXF (*.mxf)",
        QCoreApplication::translate("HDRMainWindow", "Alle Dateien") + " (*.*)",
    };
    return entries.join(";;");
}

QString StillDialogFilter()
{
    QStringList patterns;
    for (const QString& extension : StillExtensions())
        patterns.append("*" + extension);
    return QCoreApplication::translate("HDRMainWindow", "Bilder") + " (" + patterns.join(' ') + ");;" +
           QCoreApplication::translate("HDRMainWindow", "Alle Dateien") + " (*.*)";
}
}  // namespace DocumentFiles
