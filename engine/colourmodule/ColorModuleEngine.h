// The colour module's engine half: up to six colour layers, each selecting a hue/saturation/value
// range through a 128³ lookup table and moving the selected colours toward a destination colour.
// Works on packed 16-bit RGB buffers; returns engine status codes and never throws.
#pragma once

#include "core/EngineStatus.h"
#include "core/WorkerSplit.h"

#include <cstdint>

constexpr int MP_CM_LAYER_SLOTS = 6;
/// Entries of the HSV grid and the selection table: every 7-bit level triple.
constexpr int MP_CM_GRID_ENTRIES = 128 * 128 * 128;

/// What a colour-module calculation is for.
enum ECMCalcKind : int32_t
{
    eRESULT = 2, // the graded image
    eMASK = 3,   // the image a layer's mask is computed from
};

/// The parameter record of MP_UI_CalcCMEffects: slot i describes layer i of the list; a slot
/// whose active flag is 0 takes no part (all its values are zero then).
struct SCMEffectParams
{
    int32_t iWidth = 0;
    int32_t iHeight = 0;
    const uint16_t* pSource = nullptr;
    uint16_t* pTarget = nullptr; // may equal pSource
    int32_t aiActive[MP_CM_LAYER_SLOTS] = {};
    float afHueMin[MP_CM_LAYER_SLOTS] = {};      // start of the source hue range
    float afHueMax[MP_CM_LAYER_SLOTS] = {};      // end; below the start when the range crosses red
    float afSatMin[MP_CM_LAYER_SLOTS] = {};
    float afSatMax[MP_CM_LAYER_SLOTS] = {};
    float afValMin[MP_CM_LAYER_SLOTS] = {};      // minimum brightness of the selection
    float afSoftness[MP_CM_LAYER_SLOTS] = {};
    int32_t aiInvert[MP_CM_LAYER_SLOTS] = {};
    float afDstHue[MP_CM_LAYER_SLOTS] = {};
    float afDstSat[MP_CM_LAYER_SLOTS] = {};
    float afDstVal[MP_CM_LAYER_SLOTS] = {};
    float afSatContrast[MP_CM_LAYER_SLOTS] = {}; // 0.5 neutral
    float afValContrast[MP_CM_LAYER_SLOTS] = {}; // 0.5 neutral
    int32_t eKind = eRESULT;

    /// True when every layer slot (flags and the twelve settings) equals the other record's.
    bool SameLayers(const SCMEffectParams& other) const;
};

/// Selection settings of one layer, as MP_CM_CreateRGBTable takes them.
struct SCMSelection
{
    float fHueMin = 0.95f, fHueMax = 0.05f;
    float fSatMin = 0.8f, fSatMax = 1.f;
    float fValMin = 1.f;
    float fSoftness = 0.5f;
    bool bInvert = false;
};

/// Builds the process-wide HSV grid (once; later calls return at once). Engine start calls it.
void MP_CM_InitTables();
/// The HSV grid: three 16-bit samples (hue, saturation, value) per index (R7 × 128 + G7) × 128 + B7.
const uint16_t* MP_CM_HsvGrid();
/// The selection table and the value table of the last MP_CM_CreateRGBTable call.
const uint16_t* MP_CM_SelectionTable();
const float* MP_CM_ValueTable();

/// Applies the active layers of the record in slot order, each to the previous one's output;
/// with none active copies source to target. MP_ZEROPOINTER for a null record or buffer.
int32_t MP_UI_CalcCMEffects(const SCMEffectParams* params);

/// Builds the value table and the selection table of one layer.
int32_t MP_CM_CreateRGBTable(float hueMin, float hueMax, float satMin, float satMax, float valMin, float softness,
                             bool invert);

/// What the row worker of one layer reads: the selection table must be built for that layer.
struct SCMLayerArgs
{
    const uint16_t* pIn = nullptr;
    uint16_t* pOut = nullptr;
    int32_t iWidth = 0;
    float fHueShift = 0.f;
    float fSatShift = 0.f;
    float fValShift = 0.f;
    float fSatFactor = 1.f;
    float fValContrast = 1.f;
    const uint16_t* pTable = nullptr;
};
/// Applies one layer to the rows of an interleaved split (iBand, iBandCount, iRowEnd).
void MP_CM_CalcCMLayer(const TaskFuncParams& rows, const SCMLayerArgs& args);
/// The shifts and factors of one record slot.
SCMLayerArgs MP_CM_LayerArgs(const SCMEffectParams& params, int slot);

/// One 16-bit selection weight per pixel (0 not selected … 65535 fully selected).
int32_t MP_CM_CreateGrey16MaskBySelection(float hueMin, float hueMax, float satMin, float satMax, float valMin,
                                          float softness, bool invert, const uint16_t* source, uint16_t* mask,
                                          int width, int height);
/// 0 where saturation and value lie inside the given ranges (a colour worth picking), else 65535.
int32_t MP_CM_CreateGrey16MaskByPickablilty(float satMin, float satMax, float valMin, float valMax,
                                            const uint16_t* source, uint16_t* mask, int width, int height);

/// Weight 0..1 of the colour (r, g, b in 0..1) under a layer's selection, by the table's rule.
float MP_CM_GetSelectionWeight(float r, float g, float b, float hueMin, float hueMax, float satMin, float satMax,
                               float valMin, float softness, bool invert, bool log);
