// The LUT state: clearing, the new-LUT question, the chosen size, group resets, and saving the
// baked lattice rather than the source.
#include "lut/CubeFile.h"
#include "lut/LutState.h"
#include "tests/support/ScriptedPrompt.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace
{
std::unique_ptr<CLutState> LoadedState()
{
    auto state = std::make_unique<CLutState>();
    state->CreateIdentity(5, "five");
    state->Source().Data()[0] = 0.75f;
    state->SetParameter(eLP_SATURATION, 0.1f);
    state->SetParameter(eLP_BALANCE_RED, 0.9f);
    state->SetParameter(eLP_PROTECT_SKY, 0.3f);
    state->SetLayerMode(3);
    state->SetActive(false);
    state->SetReferencePicturePath("/tmp/picture.png");
    return state;
}
}  // namespace

TEST(LutState, ClearAndCreateNew)
{
    auto state = LoadedState();
    state->Bake();
    state->Clear();
    EXPECT_EQ(state->Size(), 0);
    EXPECT_TRUE(state->Title().isEmpty() && state->ReferencePicturePath().isEmpty());
    EXPECT_TRUE(state->IsActive());
    EXPECT_EQ(state->LayerMode(), 0);
    EXPECT_EQ(state->Parameters().afValue, LutParameters::Defaults().afValue);
    for (size_t i = 0; i < LutLattice::kFloatCount; i += 4099)
        ASSERT_TRUE(state->Source().Data()[i] == 0.f && state->Baked().Data()[i] == 0.f) << i;

    // Without a LUT there is nothing to lose, so nothing is asked.
    CScriptedPrompt prompt;
    ASSERT_TRUE(state->CreateNew(prompt, true));
    EXPECT_EQ(state->Size(), 32);
    EXPECT_EQ(state->Title(), "LUT Name create new");
    EXPECT_EQ(state->Source().Data()[LutLattice::Offset(31, 1, 30, 32)], 1.f);
    EXPECT_EQ(state->Source().Data()[LutLattice::Offset(31, 1, 30, 32) + 1], 1.f / 31.f);

    // With a LUT: "no" keeps everything, "yes" replaces it; with the option off nothing is asked.
    state = LoadedState();
    prompt.ExpectQuestion("neuen leeren LUT Fotostil", IUserPrompt::eNo);
    EXPECT_FALSE(state->CreateNew(prompt, true));
    EXPECT_EQ(state->Size(), 5);
    EXPECT_EQ(state->Source().Data()[0], 0.75f);
    prompt.ExpectQuestion("neuen leeren LUT Fotostil", IUserPrompt::eYes);
    EXPECT_TRUE(state->CreateNew(prompt, true));
    EXPECT_EQ(state->Size(), 32);
    EXPECT_EQ(state->LayerMode(), 0);
    state = LoadedState();
    EXPECT_TRUE(state->CreateNew(prompt, false));
    EXPECT_EQ(prompt.Unanswered(), 0);
    EXPECT_EQ(prompt.Log().size(), 2);
    EXPECT_EQ(prompt.Log()[0], "question|LUT neu erstellen|Wollen Sie einen neuen leeren LUT Fotostil erstellen und "
                               "Ihre aktuellen Einstellungen verwerfen?");
}

TEST(LutState, ChosenSizeAndGroupResets)
{
    CLutState state;
    struct SCase
    {
        bool b25, b32, b64;
        int expected;
    } cases[] = {{false, false, false, 17}, {true, false, false, 25}, {true, true, false, 32}, {true, true, true, 64},
                 {false, false, true, 64}};
    for (const SCase& c : cases)
    {
        state.SetChosenSizeButtons(c.b25, c.b32, c.b64);
        EXPECT_EQ(state.ChosenSize(), c.expected);
    }
    auto loaded = LoadedState();
    loaded->ResetGroup(eLPG_BALANCE);
    EXPECT_EQ(loaded->Parameters()[eLP_BALANCE_RED], 0.5f);
    EXPECT_EQ(loaded->Parameters()[eLP_SATURATION], 0.1f);
    EXPECT_EQ(loaded->Parameters()[eLP_PROTECT_SKY], 0.3f);
    loaded->ResetGroup(eLPG_PROTECT);
    EXPECT_EQ(loaded->Parameters()[eLP_PROTECT_SKY], 0.f);
    EXPECT_EQ(loaded->Parameters()[eLP_SATURATION], 0.1f);
}

TEST(LutState, SaveWritesTheBakedLatticeAndKeepsTheSource)
{
    QTemporaryDir dir;
    auto state = LoadedState();
    state->SetParameter(eLP_INTENSITY, 0.f);
    state->ResetGroup(eLPG_BALANCE);
    state->ResetGroup(eLPG_PROTECT);
    state->SetParameter(eLP_SATURATION, 0.5f);
    ASSERT_TRUE(state->SaveCube(dir.filePath("baked.cube")));
    EXPECT_EQ(state->Source().Data()[0], 0.75f);

    CLutState read;
    ASSERT_TRUE(read.ReadCube(dir.filePath("baked.cube"), nullptr).bOk);
    EXPECT_EQ(read.Size(), 5);
    EXPECT_EQ(read.Title(), "five");
    EXPECT_EQ(read.Source().Data()[0], 0.f); // intensity 0: the identity, not the source's 0.75
    EXPECT_EQ(read.Source().Data()[LutLattice::Offset(4, 2, 1, 5)], 1.f);
    EXPECT_EQ(read.Source().Data()[LutLattice::Offset(4, 2, 1, 5) + 1], 0.5f);
}
