// The grade of every exported frame: the export job hands each decoded frame to this object and
// encodes what it returns. It owns what the main window's export settings decide (working size,
// flips, artefact level, frame-blending ring and comparison, global tone value) and grades with
// the session's chain and LUT in an engine context of its own, so the preview's buffers are
// never touched by the export.
#pragma once

#include "core/ImageBuffer.h"
#include "engine/EngineContext.h"
#include "video/FrameBlend.h"
#include "video/MovieHandling.h"

#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CGradingSession;
struct Params;

class CExportFrameGrader
{
public:
    explicit CExportFrameGrader(CGradingSession& session);
    ~CExportFrameGrader();

    /// The size frames are graded at (the preview's); empty: each frame's own size.
    void SetWorkingSize(const QSize& size) { m_workingSize = size; }
    void SetFlips(bool x, bool y) { m_bFlipX = x, m_bFlipY = y; }
    /// 0..4 (above 4 counts as 4).
    void SetArtefactLevel(int level) { m_iArtefact = level; }
    /// The per-image tone value v (0..1, 0.5 neutral).
    void SetToneValue(float value) { m_fTone = value; }
    CFrameBlend& Blend() { return m_blend; }
    /// Takes flips and artefact level from a destination descriptor.
    void Configure(const CMovieHandling::SDstDesc& destination);

    /// The callback for CMovieHandling::SetFrameCallback().
    CMovieHandling::FrameCallback Callback();
    /// One frame: source (8-bit, its size) in, destination (8-bit, its size) out.
    bool ProcessFrame(const Helper::CRGB24Buffer& source, Helper::CRGB24Buffer& destination, int frame);
    /// A single frame as an export would take it in, at its own size and before any grade: 8 → 16
    /// bit with the flips and the artefact reduction (the picture the video dock hands to the
    /// main window). The result stays valid until the next call; null when memory runs out.
    const Helper::CRGB48Buffer* PrepareStill(const Helper::CRGB24Buffer& source);

    /// The three level-dependent values of the artefact reduction (threshold, luminance
    /// smoothing, chroma smoothing) for a level 1..4.
    static std::array<float, 3> ArtefactValues(int level);
    /// T[i] = trunc((i × 1.5259022e−5)^e × 65535) with e = (1.5 − v)^1.3.
    static std::vector<uint16_t> ToneTable(float value);

    /// Milliseconds spent in each step over all frames so far (convert, artefact, blend, tone,
    /// grade, compare, output), and the frame count.
    const std::array<double, 7>& StepTimes() const { return m_stepMs; }
    int Frames() const { return m_iFrames; }
    /// Logs the sums and starts them again.
    void LogAndResetTimes();

private:
    bool ReduceArtefacts(int width, int height);
    /// Steps 1 and 2 of a frame into m_work: 8 → 16 bit at the working size, the artefact
    /// reduction, the flips.
    bool LoadWork(const Helper::CRGB24Buffer& source, const QSize& work);
    void Lap(int step);
    /// Resamples `source` to `to` in the main slot and copies it into `target` (when given).
    bool Resample(const Helper::CRGB48Buffer& source, QSize to, Helper::CRGB48Buffer* target);

    CGradingSession& m_session;
    CEngineContext m_engine;
    CFrameBlend m_blend;
    QSize m_workingSize;
    bool m_bFlipX = false, m_bFlipY = false;
    int m_iArtefact = 0;
    float m_fTone = 0.5f;
    float m_fTableTone = -1.0f;
    std::vector<uint16_t> m_toneTable;
    // Buffers reused for every frame of an export.
    Helper::CRGB48Buffer m_work, m_frame, m_ungraded;
    std::unique_ptr<Params> m_pArtefactParams;
    std::array<double, 7> m_stepMs{};
    double m_dLapStamp = 0.0;
    int m_iFrames = 0;
};
