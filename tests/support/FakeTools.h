// A temporary tool folder holding stand-ins for ffmpeg and ffprobe (fake_tool.sh), made the
// program folder through VANTROPE_FFMPEG_DIR while the object lives. The stand-ins run the real
// programs unless a fault is set for the stage of a run, and can record every run's arguments.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <map>

class CFakeTools
{
public:
    enum EBreak
    {
        eMISSING,        // no file at all
        eNOT_EXECUTABLE, // the script without its execute bits
        eDIRECTORY,      // a folder of that name
    };

    struct SRun
    {
        QString strTool;  // "ffmpeg" or "ffprobe"
        QString strStage; // "probe", "extract", "decoder", "encoder", "count", … or "other"
        QStringList arguments;
    };

    CFakeTools();
    ~CFakeTools();
    bool IsValid() const { return m_bValid; }
    QString Folder() const { return m_dir.path(); }

    /// Blank-separated "stage=fault" or "stage=fault:N" entries (stage "any" matches all);
    /// faults: exit1, empty, junk, segv, hang, stderr-flood, ultrafast (the real program with
    /// x264's fastest preset), and after N frames exit1-after, kill-after, segv-after, truncated,
    /// hang-after (the output of N frames is written, then the stand-in stands still).
    /// Empty clears.
    void SetFault(const QString& faults);
    /// Records the runs from now on.
    void StartSpy();
    QList<SRun> Runs() const;
    void Break(const QString& tool, EBreak how);

private:
    QTemporaryDir m_dir;
    bool m_bValid = false;
    std::map<QByteArray, QByteArray> m_saved; // environment to restore; empty value = unset
};
