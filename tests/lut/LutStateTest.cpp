// The LUT state: clearing, the new-LUT question, the chosen size and group resets.
#include "lut/LutState.h"
#include "tests/support/ScriptedPrompt.h"

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
    EXPECT_TRUE(state->Size() == 0 && state->Title().isEmpty() && state->ReferencePicturePath().isEmpty());
    EXPECT_TRUE(state->IsActive() && state->LayerMode() == 0);
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
    EXPECT_TRUE(state->Size() == 5 && state->Source().Data()[0] == 0.75f);
    prompt.ExpectQuestion("neuen leeren LUT Fotostil", IUserPrompt::eYes);
    EXPECT_TRUE(state->CreateNew(prompt, true));
    EXPECT_TRUE(state->Size() == 32 && state->LayerMode() == 0);
    state = LoadedState();
    EXPECT_TRUE(state->CreateNew(prompt, false));
    EXPECT_TRUE(prompt.Unanswered() == 0 && prompt.Log().size() == 2);
    EXPECT_EQ(prompt.Log()[0], "question|LUT neu erstellen|Wollen Sie einen neuen leeren LUT Fotostil erstellen und "
                               "Ihre aktuellen Einstellungen verwerfen?");
}

TEST(LutState, ChosenSizeAndGroupResets)
{
    // The first checked of 64, 32, 25 wins, else 17.
    const struct
    {
        bool b25, b32, b64;
        int expected;
    } cases[] = {{false, false, false, 17}, {true, false, false, 25}, {true, true, false, 32}, {true, false, true, 64},
                 {false, true, true, 64}};
    auto loaded = LoadedState();
    for (const auto& c : cases)
    {
        loaded->SetChosenSizeButtons(c.b25, c.b32, c.b64);
        EXPECT_EQ(loaded->ChosenSize(), c.expected);
    }
    // A group reset touches only its own group.
    loaded->ResetGroup(eLPG_BALANCE);
    const LutParameters& p = loaded->Parameters();
    EXPECT_TRUE(p[eLP_BALANCE_RED] == 0.5f && p[eLP_SATURATION] == 0.1f && p[eLP_PROTECT_SKY] == 0.3f);
}
