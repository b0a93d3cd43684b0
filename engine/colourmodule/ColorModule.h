// The colour module: the layer list, the working image it recolours, the engine record built from
// both, the last calculation kept per kind, and the masks the colour window shows. Its entry
// points answer with bool; only BuildRecord throws (the image-size exception of the model
// classes), and the entry points check the sizes first, so it never reaches the session.
#pragma once

#include "core/ImageBuffer.h"
#include "engine/colourmodule/ColorLayers.h"
#include "engine/colourmodule/ColorModuleEngine.h"

#include <cstdint>

class CColorModule
{
public:
    ColorModule::CColorControls& Controls() { return m_controls; }
    const ColorModule::CColorControls& Controls() const { return m_controls; }

    /// Takes a copy of the working image the module works on; the kept calculations are dropped.
    /// False for a bad image or when the buffers cannot be had.
    bool SetImage(const uint16_t* pixels, int width, int height);
    bool HasImage() const { return m_input.Width() > 0; }
    const Helper::CRGB48Buffer& Input() const { return m_input; }
    /// The graded result of the last eRESULT calculation.
    const Helper::CRGB48Buffer& Result() const { return m_result; }
    /// The layer mask of the last CalcMask.
    const Helper::CGrey16Buffer& Mask() const { return m_mask; }

    /// True when at least one layer is active.
    bool HasActiveLayers() const;

    /// The layer limit of a calculation kind: for the result, the index of a layer picking its
    /// source colour, else one past the layer showing its mask, else −1 (all); for a mask, the
    /// index of the layer whose mask is shown.
    int LayerLimit(ECMCalcKind kind) const;
    /// The engine record of the layer list: layer i goes into slot i when it is active and
    /// i < limit (or limit < 0). Throws Helper::CExceptionInvalidImageMetric unless source and
    /// target are valid and of equal size.
    static SCMEffectParams BuildRecord(const ColorModule::CColorControls& controls, ECMCalcKind kind, int limit,
                                       const SImageRef& source, const SImageRef& target);
    /// The record of a kind over the module's own buffers (source: the working image; target:
    /// the result, or the mask source for eMASK).
    SCMEffectParams BuildRecord(ECMCalcKind kind, int limit);

    /// Runs the engine unless the record's layer slots equal those of the last successful run
    /// of the same kind; false when the engine call fails (the kept record stays).
    bool CalcImage(const SCMEffectParams& record);
    /// The graded result of the working image with the current layer limit.
    bool CalcResult();
    /// The mask of the layer whose mask is shown, computed on the image the layers before it
    /// leave: its selection (or, with `pickability`, where colours are worth picking). False
    /// when no layer shows its mask or there is no image.
    bool CalcMask(bool pickability);
    /// Applies every active layer to a frame in place (export frames; nothing is kept). False
    /// for a bad frame or when the engine call fails.
    bool ApplyInPlace(uint16_t* pixels, int width, int height);

    /// Forgets the kept calculations (the working image changed).
    void DropCache();

private:
    static int Slot(ECMCalcKind kind) { return kind == eMASK ? 1 : 0; }

    ColorModule::CColorControls m_controls;
    Helper::CRGB48Buffer m_input;
    Helper::CRGB48Buffer m_result;
    Helper::CRGB48Buffer m_maskSource;
    Helper::CGrey16Buffer m_mask;
    SCMEffectParams m_kept[2];
    bool m_bKept[2] = {false, false};
};
