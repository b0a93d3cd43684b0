// The parameter bake pinned with worked numbers: neutral settings, each step on simple input
// colours, the protection windows with the hue wrap, sizes 2 and 64, and hostile source values.
#include "core/EngineState.h"
#include "lut/LutEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{
std::vector<float> Identity(int n)
{
    std::vector<float> lattice(size_t(n) * n * n * 3);
    LutLattice::WriteIdentity(lattice.data(), n);
    return lattice;
}

std::vector<float> RandomLattice(int n, float low, float high, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(low, high);
    std::vector<float> lattice(size_t(n) * n * n * 3);
    for (float& v : lattice)
        v = value(random);
    return lattice;
}

std::vector<float> Bake(int n, const std::vector<float>& source, const LutParameters& p)
{
    std::vector<float> out(source.size(), -7.f); // exactly N³ triples: an overrun is an ASan report
    MP_calcLUTtoLUTCalc(n, source.data(), out.data(), p);
    return out;
}

LutParameters With(std::initializer_list<std::pair<ELutParameter, float>> changes)
{
    LutParameters p = LutParameters::Defaults();
    for (const auto& [which, value] : changes)
        p[which] = value;
    return p;
}

const float* At(const std::vector<float>& lattice, int n, int r, int g, int b)
{
    return lattice.data() + LutLattice::Offset(r, g, b, n);
}
}  // namespace

TEST(LutBake, DefaultsKeepTheSourceAndIntensityZeroGivesTheIdentity)
{
    for (int n : {2, 17, 64})
    {
        EXPECT_EQ(Bake(n, Identity(n), LutParameters::Defaults()), Identity(n)) << n;
        // Whatever finite values the source holds, including ones outside 0…1.
        EXPECT_EQ(Bake(n, RandomLattice(n, -3.f, 4.f, n), With({{eLP_INTENSITY, 0.f}})), Identity(n)) << n;
    }
    const std::vector<float> mixed = Bake(2, std::vector<float>(24, 0.f), With({{eLP_INTENSITY, 0.25f}}));
    EXPECT_FLOAT_EQ(At(mixed, 2, 1, 1, 1)[0], 0.75f);
}

TEST(LutBake, WithinOneThousandthOfNeutralChangesNothing)
{
    MP_UI_SetThreadCount(3);
    const int n = 9;
    const std::vector<float> source = RandomLattice(n, 0.f, 1.f, 5);
    const std::vector<float> reference = Bake(n, source, LutParameters::Defaults());
    const auto table = LutParameterTable();
    for (int i = eLP_BRIGHTNESS; i < eLP_COUNT; ++i)
    {
        const float neutral = table[size_t(i)].fNeutral;
        for (float offset : {-0.0009f, 0.0009f})
        {
            if (neutral + offset < 0.f)
                continue;
            EXPECT_EQ(Bake(n, source, With({{ELutParameter(i), neutral + offset}})), reference)
                << table[size_t(i)].pszName << " " << offset;
        }
        // Just outside the band the step runs and changes the lattice.
        EXPECT_NE(Bake(n, source, With({{ELutParameter(i), neutral + 0.0011f}})), reference) << table[size_t(i)].pszName;
    }
    MP_UI_SetThreadCount(1);
}

TEST(LutBake, EachStepOnWorkedColours)
{
    struct SCase
    {
        const char* what;
        LutParameters p;
        int n, r, g, b;     // lattice point of an identity source
        float expected[3];
    } cases[] = {
        {"darkest brightness", With({{eLP_BRIGHTNESS, 0.f}}), 3, 1, 1, 1, {0.125f, 0.125f, 0.125f}},
        {"brightest brightness", With({{eLP_BRIGHTNESS, 1.f}}), 3, 1, 1, 1, {0.6875f, 0.6875f, 0.6875f}},
        {"full contrast", With({{eLP_CONTRAST, 1.f}}), 5, 3, 1, 2, {0.9267767f, 0.0732233f, 0.5f}},
        {"no saturation is grey at 0.333333 of the sum", With({{eLP_SATURATION, 0.f}}), 3, 2, 1, 0,
         {0.4999995f, 0.4999995f, 0.4999995f}},
        {"full saturation multiplies by 2^2.5", With({{eLP_SATURATION, 1.f}}), 3, 2, 1, 0, {1.f, 0.5000025f, 0.f}},
        {"shadows balance", With({{eLP_BALANCE_SHADOWS, 1.f}}), 5, 1, 1, 1, {0.4609375f, 0.4609375f, 0.4609375f}},
        {"lights balance", With({{eLP_BALANCE_LIGHTS, 0.f}}), 5, 3, 3, 3, {0.591796875f, 0.591796875f, 0.591796875f}},
        {"red balance", With({{eLP_BALANCE_RED, 1.f}}), 5, 1, 1, 1, {0.5f, 0.125f, 0.125f}},
        {"green balance", With({{eLP_BALANCE_GREEN, 0.f}}), 5, 1, 1, 1, {0.5f, 0.125f, 0.5f}},
        {"blue balance", With({{eLP_BALANCE_BLUE, 1.f}}), 5, 1, 1, 1, {0.125f, 0.125f, 0.5f}},
    };
    for (const SCase& c : cases)
    {
        const std::vector<float> baked = Bake(c.n, Identity(c.n), c.p);
        const float* out = At(baked, c.n, c.r, c.g, c.b);
        for (int i = 0; i < 3; ++i)
            EXPECT_FLOAT_EQ(out[i], c.expected[i]) << c.what << " channel " << i;
    }
}

TEST(LutBake, ProtectionsPullBackTowardTheInputColour)
{
    // A black source: every point becomes w × its input colour, so the weight shows directly.
    struct SCase
    {
        const char* what;
        LutParameters p;
        int n, r, g, b;
        float weight;
    } cases[] = {
        {"lights at value 1", With({{eLP_PROTECT_LIGHTS, 1.f}}), 5, 2, 1, 4, 1.f},
        {"lights at value 0.5", With({{eLP_PROTECT_LIGHTS, 1.f}}), 5, 2, 1, 0, 0.5f},
        {"shadows at value 0.5", With({{eLP_PROTECT_SHADOWS, 0.5f}}), 5, 2, 1, 0, 0.25f},
        {"saturation 0.5", With({{eLP_PROTECT_SATURATION, 1.f}}), 5, 4, 2, 2, 0.5f},
        {"sky at hue 0.5833", With({{eLP_PROTECT_SKY, 1.f}}), 5, 0, 2, 4, 0.9318516f},
        {"sky at hue 0.5", With({{eLP_PROTECT_SKY, 1.f}}), 5, 0, 4, 4, 0.4099603f},
        {"sky at hue 0.7083", With({{eLP_PROTECT_SKY, 1.f}}), 5, 1, 0, 4, 0.2850131f},
        {"no sky below the window (hue 0.4167)", With({{eLP_PROTECT_SKY, 1.f}}), 5, 0, 4, 2, 0.f},
        {"no sky above the window (hue 0.75)", With({{eLP_PROTECT_SKY, 1.f}}), 5, 2, 0, 4, 0.f},
        // Hue 0.9722 wraps to 0.0022 after the shift: inside the widest window, outside a narrow one.
        {"skin across the hue wrap", With({{eLP_PROTECT_SKIN, 1.f}}), 17, 16, 10, 11, 0.5514423f},
        {"no skin in a narrow window", With({{eLP_PROTECT_SKIN, 0.2f}}), 17, 16, 10, 11, 0.f},
    };
    for (const SCase& c : cases)
    {
        const std::vector<float> input = Identity(c.n);
        const std::vector<float> baked = Bake(c.n, std::vector<float>(input.size(), 0.f), c.p);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(At(baked, c.n, c.r, c.g, c.b)[i], c.weight * At(input, c.n, c.r, c.g, c.b)[i], 2e-7f)
                << c.what << " channel " << i;
    }
}

TEST(LutBake, BandsAndHostileSourcesGiveDeterministicFiniteLattices)
{
    const int n = 64;
    std::vector<float> source = RandomLattice(n, -0.5f, 1.5f, 9);
    const float hostile[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 1e-40f};
    for (size_t i = 0; i < source.size(); i += 97)
        source[i] = hostile[(i / 97) % std::size(hostile)];
    const LutParameters all{{0.9f, 0.6f, 0.7f, 0.8f, 0.4f, 0.6f, 0.45f, 0.55f, 0.6f, 0.2f, 0.2f, 0.3f, 0.5f, 0.5f}};
    MP_UI_SetThreadCount(1);
    const std::vector<float> one = Bake(n, source, all);
    MP_UI_SetThreadCount(7);
    const std::vector<float> seven = Bake(n, source, all);
    MP_UI_SetThreadCount(1);
    EXPECT_EQ(one, seven);
    for (float v : one)
        ASSERT_TRUE(v >= 0.f && v <= 1.f) << v;
    // A NaN at the source reaches the destination as 0.
    EXPECT_EQ(Bake(2, std::vector<float>(24, NAN), LutParameters::Defaults()), std::vector<float>(24, 0.f));
}
