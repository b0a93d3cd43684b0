// Which files the main window opens and how: drops, the command-line text (or a second
// instance's message), the video dialog's filter list and the still-image extensions.
#pragma once

#include <QString>
#include <QStringList>

namespace DocumentFiles
{
enum class EDropKind
{
    Project, // ends in ".vantropeProject" (case-sensitive)
    Addon,   // ends in ".vaddon"
    Video,   // one of the video extensions, any case
    Other,   // refused with "Bitte laden Sie nur Videodateien ein."
};
EDropKind ClassifyDrop(const QString& localFile);

enum class ECommandKind
{
    None,           // empty text, or filter-plug-in mode
    RawDevelopment, // "-rawdevelopment " + path (not built: the caller refuses it)
    Project,        // ends in ".vantropeProject"
    Exchange,       // ".lif" plug-in exchange file
    StillImage,     // one of StillExtensions()
    Unknown,        // anything else: nothing is loaded
};
struct SCommand
{
    ECommandKind kind = ECommandKind::None;
    QString path;
};
/// Interprets the joined command-line text or a second instance's message and writes the log
/// lines of the interpretation ("OpenProject: ", "Command Line Load:", "Command Line Lower:").
SCommand InterpretCommandLine(const QString& text, bool filterPluginMode);

bool IsVideoFile(const QString& path);
bool IsStillImage(const QString& path);
/// ".ppm", ".pfm", ".jpg", … in the order the window lists them.
const QStringList& StillExtensions();
/// The "Video laden" dialog's filter list, entries joined by ";;", "Alle Dateien (*.*)" last.
QString VideoDialogFilter();
/// The still-image dialog's filter list.
QString StillDialogFilter();
}  // namespace DocumentFiles
