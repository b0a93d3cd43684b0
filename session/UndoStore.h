// The undo points behind the history timeline: numbered folders "temp%d" in the user directory,
// each a project snapshot with a preview picture ("undo.png"), a 115,200-byte thumbnail
// ("undo.dat") and its label ("datetime.ini"); the undo and change counters; and the steps the
// timeline and the Edit menu take over them. Every point remembers the point it was made from,
// so Undo returns to the state a point was derived from and Redo goes forward again, even after
// the history branched.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class HDRStatistic;

class CUndoStore : public QObject
{
    Q_OBJECT

public:
    struct SEntry
    {
        QString sLabel;
        int iParent = -1;                // the point this one was made from; −1 for none
        std::vector<uint16_t> thumbnail; // 160 × 120 packed 16-bit RGB (zeros when unreadable)
    };
    /// Writes the current project as a snapshot to the given file; false when it failed.
    using FWriteSnapshot = std::function<bool(const QString& projectFile)>;
    /// Replaces the current project by the snapshot in the given file.
    using FLoadSnapshot = std::function<bool(const QString& projectFile)>;

    /// Grade changes since the last point above this make loading another point save first.
    static constexpr int kChangesBeforeLoad = 3;

    explicit CUndoStore(const QString& userDirectory, QObject* parent = nullptr);

    void SetStatistics(HDRStatistic* statistics) { m_pStatistics = statistics; }

    /// User directory + "temp%d" (no trailing separator).
    QString Folder(int index) const;
    /// Folder(index) + "/undo.vantropeProject".
    QString SnapshotFile(int index) const;

    /// The newest point's number; −1 without points.
    int Counter() const { return int(m_entries.size()) - 1; }
    const std::vector<SEntry>& Entries() const { return m_entries; }
    /// The point the shown state was made from or loaded from; −1 for none.
    int Current() const { return m_iCurrent; }
    /// Changes of the grade: +1 per change, 2 after a point was saved or loaded, 0 when new.
    int ChangeCounter() const { return m_iChanges; }
    void CountChange();
    /// The grade changed since the current point.
    bool HasUnrecordedChanges() const { return m_iChanges > 2; }

    /// "UndoLaden" at −1, "UndoLaden01" … "UndoLaden10" for 0 … 9, "UndoLaden10p" from 10 on.
    static QString IconName(int counter);
    /// The dock title with the number of points, their size and the free space.
    QString Title(const QString& dockTitle) const;
    /// The preview tooltip of a point.
    QString Tooltip(int index) const;

    /// Saves a point of the current state: the snapshot, the preview box picture of `result`
    /// (for a screen `screenWidth` wide, on `background` 0xRRGGBB), the thumbnail and the label.
    /// False when the snapshot could not be written (the point is then not added).
    bool SavePoint(const FWriteSnapshot& write, const uint16_t* result, QSize size, int screenWidth,
                   uint32_t background);
    /// Loads point `index`; nothing happens when its snapshot is missing. The timeline's load
    /// button: with more than three changes since the last point, the current state is saved
    /// as a point first (`saveFirst` does that).
    bool LoadPoint(int index, const FLoadSnapshot& load, const std::function<bool()>& saveFirst = {});
    /// The Edit menu: the point the current one was made from (recording unrecorded changes
    /// first through `saveFirst`) and the newest point made from the current one.
    bool CanUndo() const;
    bool CanRedo() const;
    bool Undo(const FLoadSnapshot& load, const std::function<bool()>& saveFirst);
    bool Redo(const FLoadSnapshot& load);

    /// Stores a note as the point's label (and in its "datetime.ini").
    bool SetNote(int index, const QString& note);
    /// Removes point `index` and renumbers the later folders so the numbering stays contiguous.
    bool Delete(int index);

    /// A new project: no points, counters reset, the folders of the old points removed.
    void Reset();
    /// The program ends: every "temp%d" folder of the user directory is removed.
    void CleanUp();

    /// Copies the points into a project's data folder with "timeline.ini" ("undolevel").
    bool CopyTo(const QString& dataFolder) const;
    /// Takes the points of a project's data folder (those that can be read) as the history.
    void RestoreFrom(const QString& dataFolder);

signals:
    void changed();

private:
    bool ReadEntry(int index, SEntry& entry) const;
    bool WriteLabel(int index, const SEntry& entry) const;
    void WritePictures(int index, const uint16_t* result, QSize size, int screenWidth, uint32_t background,
                       SEntry& entry) const;
    void Count(const char* key);

    QString m_sUserDirectory;
    std::vector<SEntry> m_entries;
    int m_iCurrent = -1;
    int m_iChanges = 0;
    HDRStatistic* m_pStatistics = nullptr;
};
