#include "session/UndoStore.h"

#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/FileTree.h"
#include "core/IniSource.h"
#include "core/StillImage.h"
#include "session/SettingsValue.h"
#include "session/UndoPicture.h"
#include "session/UsageStatistics.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>
#include <QStorageInfo>
#include <QTime>

#include <algorithm>

namespace
{
const char* const kLabelFile = "/datetime.ini";
const char* const kThumbnailFile = "/undo.dat";

double Gigabytes(qint64 bytes)
{
    return double(bytes) * 0.0009765625 * 9.5367431640625e-7;
}

/// The entries "temp<number>" directly in `folder`, by number: real folders only, or with
/// `anyKind` also links and files of that name (to be removed, never followed).
QMap<qint64, QString> NumberedFolders(const QString& folder, bool anyKind = false)
{
    static const QRegularExpression name(QStringLiteral("^temp(\\d{1,9})$"));
    QMap<qint64, QString> found;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
    {
        const QRegularExpressionMatch match = name.match(entry.fileName());
        if (match.hasMatch() && (anyKind || Helper::IsRealFolder(entry.filePath())))
            found.insert(match.captured(1).toLongLong(), entry.filePath());
    }
    return found;
}
}  // namespace

CUndoStore::CUndoStore(const QString& userDirectory, QObject* parent) : QObject(parent), m_sUserDirectory(userDirectory)
{
    if (!m_sUserDirectory.endsWith('/'))
        m_sUserDirectory += '/';
}

QString CUndoStore::Folder(int index) const
{
    return m_sUserDirectory + QStringLiteral("temp%1").arg(index);
}

QString CUndoStore::SnapshotFile(int index) const
{
    return Folder(index) + QStringLiteral("/undo.vantropeProject");
}

void CUndoStore::CountChange()
{
    ++m_iChanges; // no signal: the list does not change, and changes come with every slider step
}

QString CUndoStore::IconName(int counter)
{
    if (counter < 0)
        return QStringLiteral("UndoLaden");
    if (counter >= 10)
        return QStringLiteral("UndoLaden10p");
    return QStringLiteral("UndoLaden%1").arg(counter + 1, 2, 10, QLatin1Char('0'));
}

QString CUndoStore::Title(const QString& dockTitle) const
{
    QString title = dockTitle;
    const int count = int(m_entries.size());
    if (count > 0)
        title += QStringLiteral(" - %1 ").arg(count) +
                 (count == 1 ? QCoreApplication::translate("HDRTimelineDockWidget", "Undo-Eintrag")
                             : QCoreApplication::translate("HDRTimelineDockWidget", "Undo-Einträge"));
    qint64 bytes = 0;
    for (int i = 0; i < count; ++i)
        bytes += Helper::TreeBytes(Folder(i));
    if (bytes > 0)
        title += QString::asprintf(" - %.2f GB ", Gigabytes(bytes));
    const QStorageInfo storage(m_sUserDirectory);
    if (storage.isValid() && storage.isReady())
        title += QString::asprintf("(%.2f GB ", Gigabytes(storage.bytesAvailable())) +
                 QCoreApplication::translate("HDRTimelineDockWidget", "verfügbar") + ")";
    return title;
}

QString CUndoStore::Tooltip(int index) const
{
    if (index < 0 || index >= int(m_entries.size()))
        return {};
    QString picture = Folder(index) + "/undo.png";
    if (!QFileInfo::exists(picture))
        picture = Folder(index) + "/undo.jpg";
    return "<img src = '" + picture.toHtmlEscaped() + "'>" + "<H3>" + m_entries[size_t(index)].sLabel.toHtmlEscaped() + "</H3>";
}

void CUndoStore::Count(const char* key)
{
    if (m_pStatistics)
        m_pStatistics->Increment(QLatin1String(key));
}

bool CUndoStore::SavePoint(const FWriteSnapshot& write, const uint16_t* result, QSize size, int screenWidth,
                           uint32_t background)
{
    const int index = Counter() + 1;
    Helper::RemoveTree(Folder(index)); // left over from a history that was cleared
    if (!QDir().mkpath(Folder(index)) || !write(SnapshotFile(index)))
    {
        Helper::AppLog(QStringLiteral("CUndoStore::SavePoint() -> snapshot %1 not written").arg(index));
        Helper::RemoveTree(Folder(index));
        return false;
    }
    SEntry entry;
    entry.sLabel = QDate::currentDate().toString() + " - " + QTime::currentTime().toString();
    entry.iParent = m_iCurrent;
    entry.thumbnail.assign(size_t(UndoPicture::kThumbBytes / 2), 0);
    WritePictures(index, result, size, screenWidth, background, entry);
    WriteLabel(index, entry);
    m_entries.push_back(std::move(entry));
    m_iCurrent = index;
    m_iChanges = 2;
    Count("m_iUndoSaved");
    emit changed();
    return true;
}

void CUndoStore::WritePictures(int index, const uint16_t* result, QSize size, int screenWidth, uint32_t background,
                               SEntry& entry) const
{
    // Without the memory for the pictures the point keeps its snapshot and an empty thumbnail.
    const QSize box = UndoPicture::BoxSize(screenWidth);
    std::vector<uint16_t> boxPicture, thumbnail;
    if (!UndoPicture::MakeBox(result, size, box, background, boxPicture))
        return;
    QString error;
    if (!StillImage::Save(Folder(index) + "/undo.pn8", boxPicture.data(), box.width(), box.height(), error))
        Helper::AppLog("CUndoStore::SavePoint() -> " + error);
    if (!UndoPicture::Scale(boxPicture.data(), box, QSize(UndoPicture::kThumbWidth, UndoPicture::kThumbHeight), thumbnail))
        return;
    entry.thumbnail = thumbnail;
    AtomicFile::Write(Folder(index) + kThumbnailFile,
                      QByteArrayView(reinterpret_cast<const char*>(thumbnail.data()), UndoPicture::kThumbBytes));
}

bool CUndoStore::WriteLabel(int index, const SEntry& entry) const
{
    return AtomicFile::WriteSettings(Folder(index) + kLabelFile, [&entry](QSettings& ini) {
        ini.clear();
        ini.setValue("datetime", entry.sLabel);
        ini.setValue("parent", entry.iParent);
    });
}

bool CUndoStore::ReadEntry(int index, SEntry& entry) const
{
    entry.thumbnail.assign(size_t(UndoPicture::kThumbBytes / 2), 0);
    const QString thumbnail = Folder(index) + kThumbnailFile;
    QFile file(thumbnail);
    // At most the thumbnail's bytes, from a regular file only; a short file leaves zeros.
    if (QFileInfo(thumbnail).isFile() && !QFileInfo(thumbnail).isSymLink() && file.open(QIODevice::ReadOnly))
        file.read(reinterpret_cast<char*>(entry.thumbnail.data()), UndoPicture::kThumbBytes);
    const CIniSource source(Folder(index) + kLabelFile, 64 * 1024, true);
    const QSettings ini(source.Path(), QSettings::IniFormat);
    entry.sLabel = ini.value("datetime").toString();
    entry.iParent = SettingsValue::Int(ini, "parent").value_or(-1);
    return QFileInfo::exists(SnapshotFile(index));
}

bool CUndoStore::LoadPoint(int index, const FLoadSnapshot& load, const std::function<bool()>& saveFirst)
{
    if (index < 0 || index >= int(m_entries.size()) || !QFileInfo(SnapshotFile(index)).isFile())
        return false;
    if (m_iChanges > kChangesBeforeLoad && saveFirst)
        saveFirst();
    if (!load(SnapshotFile(index)))
        return false;
    m_iCurrent = index;
    m_iChanges = 2;
    Count("m_iUndoLoaded");
    emit changed();
    return true;
}

bool CUndoStore::CanUndo() const
{
    return m_iCurrent >= 0 && (HasUnrecordedChanges() || m_entries[size_t(m_iCurrent)].iParent >= 0);
}

bool CUndoStore::CanRedo() const
{
    if (HasUnrecordedChanges())
        return false;
    return std::any_of(m_entries.begin(), m_entries.end(), [this](const SEntry& e) { return e.iParent == m_iCurrent; }) &&
           m_iCurrent >= 0;
}

bool CUndoStore::Undo(const FLoadSnapshot& load, const std::function<bool()>& saveFirst)
{
    if (!CanUndo())
        return false;
    // The changes since the current point become a point of their own, so Redo can return.
    if (HasUnrecordedChanges() && (!saveFirst || !saveFirst()))
        return false;
    const int target = m_entries[size_t(m_iCurrent)].iParent;
    return target >= 0 && LoadPoint(target, load);
}

bool CUndoStore::Redo(const FLoadSnapshot& load)
{
    if (!CanRedo())
        return false;
    int target = -1;
    for (int i = 0; i < int(m_entries.size()); ++i)
        if (m_entries[size_t(i)].iParent == m_iCurrent)
            target = i; // the newest branch
    return LoadPoint(target, load);
}

bool CUndoStore::SetNote(int index, const QString& note)
{
    if (index < 0 || index >= int(m_entries.size()))
        return false;
    m_entries[size_t(index)].sLabel = note;
    const bool written = WriteLabel(index, m_entries[size_t(index)]);
    emit changed();
    return written;
}

bool CUndoStore::Delete(int index)
{
    const int count = int(m_entries.size());
    if (index < 0 || index >= count)
        return false;
    bool ok = Helper::RemoveTree(Folder(index));
    for (int j = index + 1; j < count; ++j)
        ok = QDir().rename(Folder(j), Folder(j - 1)) && ok;
    const int parent = m_entries[size_t(index)].iParent;
    m_entries.erase(m_entries.begin() + index);
    // Points made from the deleted one now come from its parent; later numbers move down by one.
    for (SEntry& e : m_entries)
        e.iParent = e.iParent == index ? parent : e.iParent > index ? e.iParent - 1 : e.iParent;
    m_iCurrent = m_iCurrent == index ? parent : m_iCurrent > index ? m_iCurrent - 1 : m_iCurrent;
    for (int j = index; j < int(m_entries.size()); ++j)
        WriteLabel(j, m_entries[size_t(j)]);
    emit changed();
    return ok;
}

void CUndoStore::Reset()
{
    for (int i = 0; i < int(m_entries.size()); ++i)
        Helper::RemoveTree(Folder(i));
    m_entries.clear();
    m_iCurrent = -1;
    m_iChanges = 0;
    emit changed();
}

void CUndoStore::CleanUp()
{
    for (const QString& folder : NumberedFolders(m_sUserDirectory, true))
    {
        Helper::AppLog("removeDir: " + folder);
        Helper::RemoveTree(folder);
    }
    m_entries.clear();
    m_iCurrent = -1;
    emit changed();
}

bool CUndoStore::CopyTo(const QString& dataFolder) const
{
    bool ok = true;
    for (int i = 0; i < int(m_entries.size()); ++i)
    {
        const QString target = dataFolder + QStringLiteral("/temp%1").arg(i);
        Helper::AppLog("copyDir: " + Folder(i) + " -> " + target);
        ok = Helper::CopyTree(Folder(i), target) && ok;
    }
    return AtomicFile::WriteSettings(dataFolder + "/timeline.ini",
                                     [this](QSettings& timeline) {
                                         timeline.clear();
                                         timeline.setValue("undolevel", Counter());
                                         timeline.setValue("current", m_iCurrent);
                                     }) &&
           ok;
}

void CUndoStore::RestoreFrom(const QString& dataFolder)
{
    Reset();
    const QString timelineFile = dataFolder + "/timeline.ini";
    if (!QFileInfo(timelineFile).isFile() || QFileInfo(timelineFile).isSymLink())
        return;
    const CIniSource source(timelineFile, 64 * 1024, true);
    const QSettings timeline(source.Path(), QSettings::IniFormat);
    const int level = SettingsValue::Int(timeline, "undolevel").value_or(-1);
    // Only the level folders that exist are looked at, however high the level claims to be; a
    // missing or unreadable one is left out and the rest close up.
    QMap<qint64, int> renumbered;
    const QMap<qint64, QString> folders = NumberedFolders(dataFolder);
    for (auto it = folders.begin(); it != folders.end() && it.key() <= level; ++it)
    {
        const int index = int(m_entries.size());
        SEntry entry;
        Helper::RemoveTree(Folder(index)); // left by a run that ended without cleaning up
        if (!Helper::CopyTree(it.value(), Folder(index)) || !ReadEntry(index, entry))
        {
            Helper::RemoveTree(Folder(index));
            continue;
        }
        entry.iParent = renumbered.value(entry.iParent, -1);
        renumbered.insert(it.key(), index);
        m_entries.push_back(std::move(entry));
    }
    const int current = SettingsValue::Int(timeline, "current").value_or(level);
    m_iCurrent = renumbered.value(current, Counter());
    m_iChanges = 2;
    emit changed();
}
