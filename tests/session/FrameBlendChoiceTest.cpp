// The frame-blending choice of the post-processing dock: what an export gets from it, and that
// it survives the settings and a project.
#include "engine/OperatorFilter.h"
#include "session/FrameBlendChoice.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectStore.h"
#include "video/FrameBlend.h"

#include <QSet>
#include <QSettings>
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
        {0, 0, false, false, 1, 1, 0},  {1, 4, true, false, 2, 5, 1},  {2, 10, true, true, 3, 11, 2},
        {3, 7, false, true, 5, 8, 2},   {4, 11, false, false, 1, 1, 0}, // beyond the lists: first entries
        {-1, -1, true, false, 1, 1, 1},
    };
    for (const auto& r : rows)
    {
        CFrameBlendChoice choice;
        choice.SetCountIndex(r.count);
        choice.SetModeIndex(r.mode);
        choice.SetHalf(r.half);
        choice.SetCentre(r.centre);
        CFrameBlend blend; // holds another choice from an earlier export
        blend.SetRingSize(3);
        blend.SetMode(9);
        blend.SetComparison(1);
        choice.ApplyTo(blend);
        EXPECT_EQ(blend.RingSize(), r.ring) << r.count;
        EXPECT_EQ(blend.Mode(), r.rule) << r.mode;
        EXPECT_EQ(blend.Comparison(), r.comparison) << r.half << r.centre;
    }

    QSet<QString> names;
    for (int i = 0; i < CFrameBlendChoice::kModeEntries; ++i)
        names.insert(CFrameBlendChoice::ModeName(i));
    EXPECT_EQ(names.size(), 11);
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_TRUE(CFrameBlendChoice::ModeName(11).isEmpty());
}

TEST(FrameBlendChoice, SettingsAndProjectsKeepTheChoice)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto set = [](CFrameBlendChoice& c) {
        c.SetCountIndex(3);
        c.SetModeIndex(7);
        c.SetHalf(true);
        c.SetCentre(true);
    };
    const auto expectSet = [](const CFrameBlendChoice& c) {
        EXPECT_EQ(c.CountIndex(), 3);
        EXPECT_EQ(c.ModeIndex(), 7);
        EXPECT_TRUE(c.Half());
        EXPECT_TRUE(c.Centre());
    };
    {
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        CFrameBlendChoice saved;
        set(saved);
        saved.SaveState(settings);
        EXPECT_EQ(settings.value("PostProcessingDock/m_pFrameBlendModeComboBox").toInt(), 7);
        CFrameBlendChoice read;
        read.LoadState(settings);
        expectSet(read);

        // Settings from before these controls existed: no blending, no comparison.
        QSettings empty(dir.filePath("empty.ini"), QSettings::IniFormat);
        read.LoadState(empty);
        EXPECT_EQ(read.CountIndex(), 0);
        EXPECT_EQ(read.ModeIndex(), 0);
        EXPECT_FALSE(read.Half() || read.Centre());
    }

    struct SWorkspace
    {
        std::unique_ptr<CGradingSession> session = std::make_unique<CGradingSession>();
        CLutPanelModel lutPanel{session->Lut()};
        COperatorFilter filter;
        CProjectComponents parts{*session, lutPanel, &filter};
    } a, b;
    set(a.session->FrameBlending());
    const QString project = dir.filePath("shot.vantropeProject");
    ASSERT_TRUE(ProjectStore::Write(project, {}, a.parts.Registry()).bOk);
    std::unique_ptr<ProjectStore::COpened> opened;
    ASSERT_EQ(ProjectStore::Open(project, opened), ProjectStore::EOpen::eOk);
    b.parts.Registry().LoadAll(opened->Settings(), opened->DataFolder());
    expectSet(b.session->FrameBlending());

    // A new project starts without blending.
    b.session->ResetGrade();
    EXPECT_EQ(b.session->FrameBlending().CountIndex(), 0);
    EXPECT_FALSE(b.session->FrameBlending().Centre());
}
