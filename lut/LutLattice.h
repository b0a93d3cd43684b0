// The 3D colour lattice and its fourteen adjustment parameters: sizes, the one index function
// shared by reader, writer, bake and application, and the parameter table.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <span>

/// N points per axis, N³ RGB float triples, red index fastest, then green, then blue.
class LutLattice
{
public:
    static constexpr int kMinSize = 2;
    static constexpr int kMaxSize = 64;
    static constexpr size_t kMaxPoints = size_t(kMaxSize) * kMaxSize * kMaxSize; // 262,144
    static constexpr size_t kFloatCount = kMaxPoints * 3;

    static constexpr bool IsValidSize(int n) { return n >= kMinSize && n <= kMaxSize; }
    /// Float offset of the triple at lattice point (r, g, b) of an N-point lattice.
    static constexpr size_t Offset(int r, int g, int b, int n)
    {
        return 3 * ((size_t(b) * size_t(n) + size_t(g)) * size_t(n) + size_t(r));
    }
    /// Writes the identity of an N-point lattice: (r, g, b) / (N − 1) in single precision.
    static void WriteIdentity(float* lattice, int n);

    /// Allocates room for the largest lattice, zero-filled, so no later size needs memory.
    LutLattice();
    LutLattice(const LutLattice&) = delete;
    LutLattice& operator=(const LutLattice&) = delete;

    float* Data() { return m_data.get(); }
    const float* Data() const { return m_data.get(); }
    void Clear();

private:
    std::unique_ptr<float[]> m_data;
};

enum ELutParameter
{
    eLP_INTENSITY,
    eLP_BRIGHTNESS,
    eLP_CONTRAST,
    eLP_SATURATION,
    eLP_BALANCE_SHADOWS,
    eLP_BALANCE_LIGHTS,
    eLP_BALANCE_RED,
    eLP_BALANCE_GREEN,
    eLP_BALANCE_BLUE,
    eLP_PROTECT_LIGHTS,
    eLP_PROTECT_SHADOWS,
    eLP_PROTECT_SATURATION,
    eLP_PROTECT_SKIN,
    eLP_PROTECT_SKY,
    eLP_COUNT
};

/// Reset groups of the parameters: 0…3, 4…8, 9…13.
enum ELutParameterGroup
{
    eLPG_PARAMETER,
    eLPG_BALANCE,
    eLPG_PROTECT,
};

struct SLutParameterInfo
{
    const char* pszSlider;  // widget member name (also its settings key)
    const char* pszCaption; // caption key
    const char* pszName;    // command-line name
    int iMinimum, iMaximum; // slider range
    float fDefault;
    float fNeutral;         // the value at which the bake skips the step
    ELutParameterGroup eGroup;
};

/// The fourteen parameters in their fixed order.
std::span<const SLutParameterInfo, eLP_COUNT> LutParameterTable();
/// Index of the parameter with this command-line name, −1 when there is none.
int LutParameterByName(const char* name);

/// Fourteen slider positions, each (value − minimum) ÷ (maximum − minimum), in table order.
struct LutParameters
{
    std::array<float, eLP_COUNT> afValue{};

    static LutParameters Defaults();
    float& operator[](int i) { return afValue[size_t(i)]; }
    float operator[](int i) const { return afValue[size_t(i)]; }
    /// Puts the parameters of one reset group back to their defaults.
    void ResetGroup(ELutParameterGroup group);
};
