// LUT files from other programs: a header check that runs before any reader allocates, the
// colour-management library's file readers sampled into our lattice, and the choice between our
// own cube reader (first, for files it reads as they are meant) and that import path.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <vector>

class CLutState;
class IUserPrompt;

class CLutImport
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    /// Files larger than this are refused unread.
    static constexpr qint64 kMaxFileBytes = 128ll * 1024 * 1024;
    /// Largest 3D table a file may ask for, per axis, and longest 1D table.
    static constexpr int kMaxGridPoints = 129;
    static constexpr int kMaxCurvePoints = 65536;
    /// Lines and words longer than these are refused (no reader sees an endless token).
    static constexpr int kMaxLineBytes = 64 * 1024;
    static constexpr int kMaxWordBytes = 256;
    /// Lattice size for a file that holds no 3D table (curves, matrices, CDL).
    static constexpr int kCurveOnlySize = 33;

    struct SResult
    {
        bool bOk = false;
        bool bImported = false; // false: our own cube reader read it
        int iFilePoints = 0;    // the file's 3D points per axis, 0 without a 3D table
        int iSize = 0;          // points per axis of the lattice made
        QString sError;         // why it was refused, for the user
    };

    /// Name filter of every format the import path reads, e.g. "*.cube *.3dl …".
    static QString NameFilter();

    /// Refuses (false with a message) anything but a regular file, files over kMaxFileBytes,
    /// lines or words over their caps, and size keywords asking for more than the caps allow.
    static bool CheckFile(const QString& path, QString* error);
    /// True when our cube reader reads the file as it is meant: a ".cube" without a 1D table,
    /// without a domain other than 0…1 and with every data line one that reader takes.
    static bool IsPlainCube(const QString& path);

    /// Samples the file's transform at the points of an N-point lattice (N = `size`, or with
    /// `size` 0 the file's own 3D size up to 64) into `lattice`, resized to N³ triples.
    /// Non-finite results become 0 (NaN, −inf) or 1 (+inf).
    static SResult Sample(const QString& path, int size, std::vector<float>& lattice);

    /// "LUT importieren": the import path into the LUT state, title = the file's base name.
    /// Nothing changes on failure.
    static SResult Import(CLutState& state, const QString& path, int size = 0);
    /// A file the user loads: our reader when the file is a plain cube it accepts, else the
    /// import path. On failure `sError` holds the cube failure message for ".cube" files, the
    /// import failure message for the rest, and a prompt shows it; kept fewer points than the
    /// file holds: a message.
    static SResult Load(CLutState& state, const QString& path, IUserPrompt* prompt);

    /// "%1 von %2 Punkten je Achse übernommen" when the lattice holds fewer points than the file.
    static QString PointsKeptText(const SResult& result);
};
