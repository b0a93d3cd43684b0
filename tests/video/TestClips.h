// Clips for the video tests, made with ffmpeg's test sources the first time a test asks for
// one and kept for the rest of the test program. The program's temp folder (and with it the
// private temp folder of the code under test) is a fresh folder of its own, so test programs
// running side by side never see each other's files. Includes what every video test uses: the
// cli runner and its ffmpeg helpers, the stand-in programs, whole-file reads and writes.
#pragma once

#include "tests/cli/CliRun.h"
#include "tests/support/FakeTools.h"
#include "tests/support/MediaFiles.h"
#include "video/MovieHandling.h"

#include <QDir>

#include <vector>

enum class EClip
{
    ePlain,          // 64×36 H.264 + AAC, 30000/1001 fps, 9 frames
    eNoAudio,        // 64×36 H.264, 25 fps, 10 frames
    eTwoSeconds,     // 64×36 H.264, 25 fps, 50 frames
    eCoverFirst,     // a 0.5 fps still stream (not a film) before a 64×36 film
    eCoverPicture,   // a 32×18 PNG picture
    eAttachedCover,  // 64×36 film with an attached cover picture (second video stream)
    eTwoFilms,       // two 25 fps films, 64×36 then 32×18
    eRotate90,       // ePlain re-muxed with a quarter turn (rotation 90)
    eRotate180,
    eRotate270,      // reported as -90
    eRate240,        // 240 fps
    eRate1000,       // 1000 fps
    eMatroska,       // ePlain re-muxed into Matroska: no frame count in the container
    eMatroskaAsMp4,  // the same, named .mp4
    eWmv,            // WMV video + WMA audio
    eAudioOnly,      // AAC only, in .mp4
    eZeroLength,     // empty file named .mp4
    eJunk,           // 1 KiB of junk named .mp4
    eTruncated,      // the first half of an MP4 whose index is at the end
    eFastStartHalf,  // the first half of an MP4 with its index in front (decodes in part)
    eOddLossless,    // 33×17 PNG video (lossless RGB), 5 frames
    eOddLosslessRotated, // eOddLossless with a quarter turn
    eFullHd,         // 1920×1080 H.264, 25 fps, 5 frames
    eTiny,           // 1×1 PNG video, 5 frames
    eRawH264,        // an H.264 elementary stream: no container, no count, no duration
    eThreeAudio,     // H.264 with AAC, MP3 and AC-3 streams, in Matroska
    eHugeHeader,     // a raw-video header declaring 16000×16000, then 3 bytes
    eTitled,         // 64×36 H.264 + AAC, 25 fps, 50 frames, title tag "Vantrope Title"
    eNineAudio,      // 64×36 H.264 with 9 AAC streams, in Matroska
    eTitledRotate90, // eTitled re-muxed with a quarter turn
    eShortGop,       // 96×54 H.264 with B-frames, 25 fps, 75 frames, a key frame every 10 frames
    eVariableRate,   // 64×36 H.264, frames at 25 fps for 1.2 s, then every fifth: 39 frames, rate 25/1 in 2.84 s
};

/// An invariant check of the watched folders and files that reports its violations when it
/// ends: declared before the objects under test, it looks after they have cleaned up.
class CTidyScope : public CInvariantCheck
{
public:
    explicit CTidyScope(int limitMs, const QStringList& folders = {});
    ~CTidyScope();
};

/// The clip's path (made on first use); empty with a test failure when ffmpeg failed.
QString TestClip(EClip clip);
/// A folder that lives as long as the test program (outside the private temp folder).
QString TestScratchFolder();
/// The private temp folder of the code under test.
QString TestPrivateTemp();

/// Pixels of a binary PPM as written by ffmpeg: packed RGB rows, top row first; empty on error.
std::vector<unsigned char> ReadPpmRgb(const QString& path, QSize& size);
/// The converter's own still of the clip at `ms` (accurate seek, no step back), as ReadPpmRgb.
std::vector<unsigned char> ExtractRgb(CMovieHandling& movie, const QString& clip, qint64 ms, QSize& size);
/// The largest difference of two sample runs.
int MaxDifference(const unsigned char* a, const unsigned char* b, size_t count);
