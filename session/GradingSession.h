// The grading session: the source picture, its engine context (whose main slot holds the working
// image), the operator chain, the LUT state, the film-type and frame-blending choices, and the
// grade that runs them. The command line grades stills with it; the main window's preview and
// the export's frame callback use the same object, the export in its own engine context.
#pragma once

#include "core/ImageBuffer.h"
#include "engine/EngineContext.h"
#include "engine/FilmTypes.h"
#include "engine/PostProcessing.h"
#include "engine/colourmodule/ColorModule.h"
#include "lut/LutState.h"
#include "session/FrameBlendChoice.h"

#include <QCoreApplication>
#include <QPoint>
#include <QSize>
#include <QStringList>

#include <memory>

class CGradingSession
{
    Q_DECLARE_TR_FUNCTIONS(CGradingSession)

public:
    /// Reads the film types laid out beside the program, when they are there; the engine context
    /// follows the application's engine state.
    CGradingSession();
    /// The same with an engine context that follows `state` (tests, tools).
    explicit CGradingSession(CEngineState& state);
    ~CGradingSession();

    CEngineContext& Engine() { return *m_engine; }
    CPostProcessing& Chain() { return *m_chain; }
    CFilmTypeModel& FilmTypes() { return m_filmTypes; }
    /// How exports blend frames and compare before and after (the grade itself ignores it).
    CFrameBlendChoice& FrameBlending() { return m_frameBlending; }
    CLutState& Lut() { return *m_lut; }
    /// The colour layers: they recolour the working image before the chain runs.
    CColorModule& ColourLayers() { return *m_colour; }

    void SetObserver(IProcessObserver* observer) { m_pObserver = observer; }
    void SetStatistics(IUsageStatistics* statistics) { m_pStatistics = statistics; }

    /// Keeps a copy of the source picture (packed 16-bit RGB); the grade works on a copy of it
    /// in the main slot at `workingSize` (the source size when empty).
    bool SetSource(const uint16_t* pixels, int width, int height, QSize workingSize = QSize());
    QSize SourceSize() const { return m_sourceSize; }
    QSize WorkingSize() const { return m_workingSize; }
    /// Grades the kept source at another working size from now on (the source size when empty).
    void SetWorkingSize(QSize workingSize);
    /// Takes `pixels` (packed 16-bit RGB of `size`) as the source already scaled to that size,
    /// as a decoder makes it beside the full frame: grades at that size then skip resampling.
    bool AdoptScaledSource(const uint16_t* pixels, QSize size);
    /// The ungraded source at the working size (null without a source). The resampled copy is
    /// kept until the source or the working size changes, so repeated grades skip the resampling.
    const uint16_t* WorkingInput();
    /// How often the source was resampled to a working size since construction.
    int ResampleCount() const { return m_iResamples; }

    /// A new project's grade: an empty chain, no film type, no LUT, no colour layers, no frame
    /// blending.
    void ResetGrade();

    /// Loads a preset file as the chain. False with `missing` listing the kernels this build
    /// does not have (those operators are left out), or with `error` saying why the file was not
    /// read as a preset (the chain then stays as it was).
    bool LoadPreset(const QString& path, QStringList* missing = nullptr, QString* error = nullptr);

    /// Refills the main slot from the source at the working size and runs the colour layers,
    /// chain, film type and LUT over it. False without a source, or when the working image or
    /// the active colour layers could not be had. With `showMaskOf` ≥ 0 the result is the grey
    /// selection mask after that chain entry instead (see SProcessContext::iShowMaskOf).
    bool Grade(int showMaskOf = -1);
    /// The export's frame callback: grades a frame of the working size in place, in the given
    /// engine context (the export's own). The LUT is baked for frame 0 only while the engine's
    /// video flag is on.
    bool GradeFrame(CEngineContext& engine, uint16_t* pixels, int width, int height, int frameCounter);
    /// The graded working image (the main slot of the session's engine context).
    const Helper::CRGB48Buffer& Result() const;

    /// The colour (0…1 per channel) at a working-image pixel as operator `op` of the chain receives
    /// it: the source with the colour layers and the active operators before `op`, without film
    /// type and LUT — what a pipette for that operator must see. False without a source or for a
    /// pixel outside the working image.
    bool OperatorInputColour(int op, QPoint pixel, float* rgb);

private:
    explicit CGradingSession(std::unique_ptr<CEngineContext> engine);
    /// Fills the engine's main slot from `pixels` of `size`, resampled to `working`.
    static bool FillMainSlot(CEngineContext& engine, const uint16_t* pixels, QSize size, QSize working);
    SProcessContext Context(int frameCounter);
    /// Runs the colour layers on the main slot (the module keeps its copy of the working image);
    /// false when there are active layers that could not be applied.
    bool ApplyColourLayers();

    std::unique_ptr<CEngineContext> m_engine;
    std::unique_ptr<CPostProcessing> m_chain;
    std::unique_ptr<CLutState> m_lut; // two 3 MiB lattices: kept off the stack
    CFilmTypeModel m_filmTypes;
    CFrameBlendChoice m_frameBlending;
    IProcessObserver* m_pObserver = nullptr;
    IUsageStatistics* m_pStatistics = nullptr;
    std::vector<uint16_t> m_source;
    QSize m_sourceSize, m_workingSize;
    std::vector<uint16_t> m_scaled; // the source at m_scaledSize; empty when not made yet
    QSize m_scaledSize;
    int m_iResamples = 0;
    std::unique_ptr<CColorModule> m_colour;
    bool m_bColourInputStale = true; // the working image changed since the module took its copy
};
