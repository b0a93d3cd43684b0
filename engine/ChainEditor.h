// Editing a grade's operator list from the post-processing controls: adding operators with the
// catalogue's defaults, removing, moving, switching them on and off, and changing or resetting
// the values of their parameter sets within each set type's range.
#pragma once

#include "engine/GeometryShapes.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"

class CChainEditor
{
public:
    CChainEditor(CPostProcessing& chain, const COperatorCatalogue& catalogue);

    CPostProcessing& Chain() { return m_chain; }
    const COperatorCatalogue& Catalogue() const { return m_catalogue; }
    int Count() const { return int(m_chain.Operators().size()); }
    bool IsValid(int index) const { return index >= 0 && index < Count(); }
    bool IsValid(int index, int set) const;

    /// Inserts the catalogue's operator for `kernel` at `position` (appends for −1 or a position
    /// past the end). Returns its index, −1 for a kernel the catalogue does not know.
    int Add(const QString& kernel, int position = -1);
    bool Remove(int index);
    /// Moves the operator at `from` so that it ends up at `to`; false when either is invalid.
    bool Move(int from, int to);
    bool SetActive(int index, bool active);
    bool IsActive(int index) const { return IsValid(index) && m_chain.Operators()[index].bActive; }

    /// The catalogue entry of the operator, null when its kernel is not in the catalogue.
    const SCatalogueEntry* Entry(int index) const;
    /// The catalogue control describing a set, null when the set has none (a geometry set added
    /// on load, or a preset whose sets do not match the catalogue).
    const SCatalogueControl* Control(int index, int set) const;
    int SetCount(int index) const;
    int32_t SetType(int index, int set) const;

    float Value(int index, int set, int value = 0) const;
    const float* Values(int index, int set) const;
    /// Sets one value; the whole set is then put back into its type's range. False for a bad
    /// index, set or value position.
    bool SetValue(int index, int set, int value, float v);
    /// Replaces the first `count` values of a set (the rest are kept), then clamps the set.
    bool SetValues(int index, int set, const float* values, int count);
    /// Puts a set back to its initial values: the control's default, mode normal with opacity
    /// 100 for a layer set, no shapes for a geometry set.
    bool ResetSet(int index, int set);
    /// True when the set holds its initial values (within 0.001).
    bool IsDefault(int index, int set) const;
    /// The initial values of a set of this type described by `control` (may be null).
    static void DefaultValues(int32_t setType, const SCatalogueControl* control, float* values);

    /// Shapes of a geometry set: add into the first free slot (its index, −1 when full or not a
    /// geometry set), replace one, remove one (the later ones move up).
    int AddShape(int index, int set, const SGeometryShape& shape);
    bool SetShape(int index, int set, int shape, const SGeometryShape& value);
    bool RemoveShape(int index, int set, int shape);

    /// Slider position 0…1 → the value shown in the control's unit, and back (clamped to 0…1).
    static float ShownValue(const SCatalogueControl& control, float position);
    static float SliderPosition(const SCatalogueControl& control, float shown);

    /// Moves point `point` (0…5) of a curve set: y is clamped to 0…1; the first and last points
    /// keep x = 0 and x = 1, the others stay strictly between their neighbours. On a curve over
    /// the hue circle (`periodic`) the first and last point are the same hue and move together.
    static void MoveCurvePoint(float* curve, int point, float x, float y, bool periodic = false);

    /// How many sets after `set` are curves edited in its curve editor (catalogue "joined").
    int JoinedSets(int index, int set) const;

private:
    CPostProcessing::SParam* Set(int index, int set);
    const CPostProcessing::SParam* Set(int index, int set) const;

    CPostProcessing& m_chain;
    const COperatorCatalogue& m_catalogue;
};
