// The frame-blending choice of the post-processing dock: what an export gets from it, and that a
// project keeps it.
#include "engine/OperatorFilter.h"
#include "session/FrameBlendChoice.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectStore.h"
#include "video/FrameBlend.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

TEST(FrameBlendChoice, ControlsGiveTheExportsRingRuleAndComparison)
{
    const struct
    {
        int count, mode;
        bool half, centre;
        int ring, rule, comparison;
    } rows[] = {
        {0, 0, false, false, 1, 1, 0}, {1, 4, true, false, 2, 5, 1},   {2, 10, true, true, 3, 11, 2},
        {3, 7, false, true, 5, 8, 2},  {4, 11, false, false, 1, 1, 0}, // beyond the lists: first entries
    };
    for (const auto& r : rows)
    {
        CFrameBlendChoice choice;
        choice.SetCountIndex(r.count);
        choice.SetModeIndex(r.mode);
        choice.SetHalf(r.half);
        choice.SetCentre(r.centre);
        CFrameBlend blend; // still set from an earlier export
        blend.SetRingSize(3);
        blend.SetMode(9);
        blend.SetComparison(1);
        choice.ApplyTo(blend);
        EXPECT_EQ(blend.RingSize(), r.ring) << r.count;
        EXPECT_EQ(blend.Mode(), r.rule) << r.mode;
        EXPECT_EQ(blend.Comparison(), r.comparison) << r.half << r.centre;
    }
}

TEST(FrameBlendChoice, AProjectKeepsTheChoiceAndANewOneStartsWithout)
{
    struct SWorkspace
    {
        std::unique_ptr<CGradingSession> session = std::make_unique<CGradingSession>();
        CLutPanelModel lutPanel{session->Lut()};
        COperatorFilter filter;
        CProjectComponents parts{*session, lutPanel, &filter};
    } a, b;
    CFrameBlendChoice& saved = a.session->FrameBlending();
    saved.SetCountIndex(3);
    saved.SetModeIndex(7);
    saved.SetHalf(true);
    saved.SetCentre(true);
    QTemporaryDir dir;
    const QString project = dir.filePath("shot.vantropeProject");
    ASSERT_TRUE(ProjectStore::Write(project, {}, a.parts.Registry()).bOk);
    std::unique_ptr<ProjectStore::COpened> opened;
    ASSERT_EQ(ProjectStore::Open(project, opened), ProjectStore::EOpen::eOk);
    b.parts.Registry().LoadAll(opened->Settings(), opened->DataFolder());
    const CFrameBlendChoice& read = b.session->FrameBlending();
    EXPECT_EQ(read.CountIndex(), 3);
    EXPECT_EQ(read.ModeIndex(), 7);
    EXPECT_TRUE(read.Half() && read.Centre());

    b.session->ResetGrade();
    EXPECT_EQ(read.CountIndex(), 0);
    EXPECT_FALSE(read.Half() || read.Centre());
}
