// The window's projects as a user meets them: grade, save, quit and reopen with the history;
// the question before unsaved work goes; the recovery project after a crash; Ctrl+Z and Redo
// over the undo points and the timeline; the example projects.
#include "app/HDRMainWindow.h"
#include "app/HDRTimelineDockWidget.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "core/Paths.h"
#include "core/StillImage.h"
#include "session/GradingSession.h"
#include "session/ProjectFile.h"
#include "session/ProjectModel.h"
#include "session/RecoveryFile.h"
#include "session/UndoStore.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/SyntheticImages.h"
#include "tests/support/TempHome.h"

#include <QAction>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{
class ProjectWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        const std::vector<uint16_t> pixels = TestImages::Ramp(64, 48);
        QString error;
        ASSERT_TRUE(StillImage::Save(Picture(), pixels.data(), 64, 48, error)) << error.toStdString();
    }
    QString Picture() const { return m_dir.filePath("picture.png"); }
    std::unique_ptr<HDRMainWindow> Make(const QString& arguments = QString())
    {
        return std::make_unique<HDRMainWindow>(0, arguments, QStringLiteral("Linux"), &m_prompt);
    }
    static void Trigger(HDRMainWindow& window, const char* action)
    {
        QAction* a = window.findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    static int Operators(HDRMainWindow& window) { return int(window.Session().Chain().Operators().size()); }

    CTempHome m_home;
    QTemporaryDir m_dir;
    CScriptedPrompt m_prompt;
};
}  // namespace

TEST_F(ProjectWindow, SaveQuitReopenAndContinueWithTheHistory)
{
    const QString project = m_dir.filePath("shot.vantropeProject");
    {
        auto window = Make(Picture());
        ASSERT_TRUE(window->HasDocument());
        ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelNegative"), 0);
        ASSERT_TRUE(window->SaveUndoPoint());
        EXPECT_TRUE(window->Project().IsUnsaved());
        m_prompt.QueueText(m_dir.filePath("shot"));
        Trigger(*window, "m_pSaveProjectAction"); // no path yet: save as
        EXPECT_EQ(window->Project().Path(), project);
        EXPECT_FALSE(window->Project().IsUnsaved());
        EXPECT_TRUE(window->close()); // saved: no question
    }
    EXPECT_FALSE(QFileInfo::exists(Helper::UserDirectory() + "temp0")); // the undo folders went with the program

    auto window = Make();
    m_prompt.QueueText(project);
    Trigger(*window, "m_pOpenProjectAction");
    EXPECT_TRUE(window->HasDocument());
    EXPECT_EQ(window->DocumentPath(), Picture());
    EXPECT_EQ(Operators(*window), 1);
    EXPECT_EQ(window->UndoPoints().Entries().size(), 2u);
    EXPECT_EQ(window->TimelineDock()->Rows().size(), 2u);
    // Ctrl+Z returns to the point before the operator came.
    Trigger(*window, "m_pUndoAction");
    EXPECT_EQ(Operators(*window), 0);
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_TRUE(m_prompt.Log().filter("warning|").isEmpty()) << m_prompt.Log().join("\n").toStdString();
}

TEST_F(ProjectWindow, UnsavedWorkIsNotLostWithoutAQuestion)
{
    auto window = Make(Picture());
    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelSepia"), 0);
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eCancel);
    EXPECT_FALSE(window->close());
    // Loading another picture asks too; cancelled, the picture stays.
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eCancel);
    EXPECT_FALSE(window->LoadStillImage(Picture()));
    EXPECT_EQ(Operators(*window), 1);
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eNo);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(m_prompt.Unanswered(), 0);

    // With confirmations off the program goes without asking.
    QSettings().setValue("automatics/m_pAutoSafeBoxCheckBox", false);
    auto quiet = Make(Picture());
    ASSERT_GE(quiet->PostProcessingDock()->AddOperator("MP_calcPixelSepia"), 0);
    EXPECT_TRUE(quiet->close());
}

TEST_F(ProjectWindow, RecoveryProjectIsOfferedAfterACrash)
{
    {
        auto window = Make(Picture());
        ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelNegative"), 0);
        ASSERT_TRUE(window->WriteRecoveryIfDue()); // what the interval timer does
        EXPECT_TRUE(QFileInfo(RecoveryFile::ProjectPath()).isFile());
        EXPECT_FALSE(window->WriteRecoveryIfDue()); // nothing changed since
    } // gone without closing: a crash
    ASSERT_TRUE(QFileInfo(RecoveryFile::ProjectPath()).isFile());

    m_prompt.ExpectQuestion("Es wurde ein automatisch gespeichertes Projekt gefunden.", IUserPrompt::eYes);
    auto window = Make();
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_TRUE(window->HasDocument());
    EXPECT_EQ(Operators(*window), 1);
    EXPECT_TRUE(window->Project().IsUnsaved());
    EXPECT_FALSE(QFileInfo::exists(RecoveryFile::ProjectPath()));
    EXPECT_FALSE(QFileInfo::exists(ProjectFile::DataFolder(RecoveryFile::ProjectPath())));

    // A clean end leaves no recovery project behind.
    ASSERT_TRUE(window->WriteRecoveryIfDue());
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eNo);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFileInfo::exists(RecoveryFile::ProjectPath()));
}

TEST_F(ProjectWindow, UndoAndRedoStepThroughThePointsAndTheTimelineDeletes)
{
    auto window = Make(Picture()); // the loaded picture is the first point
    QAction* undo = window->findChild<QAction*>("m_pUndoAction");
    QAction* redo = window->findChild<QAction*>("m_pRedoAction");
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    EXPECT_FALSE(undo->isEnabled());
    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelNegative"), 0);
    ASSERT_TRUE(window->SaveUndoPoint());
    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelSepia"), 0);
    ASSERT_TRUE(undo->isEnabled());

    undo->trigger(); // the second operator is kept as a point of its own first
    EXPECT_EQ(Operators(*window), 1);
    undo->trigger();
    EXPECT_EQ(Operators(*window), 0);
    EXPECT_FALSE(undo->isEnabled());
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(Operators(*window), 2);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(window->UndoPoints().Counter(), 2);

    const HDRTimelineDockWidget* timeline = window->TimelineDock();
    ASSERT_EQ(timeline->Rows().size(), 3u);
    EXPECT_TRUE(timeline->windowTitle().startsWith("Timeline Window - 3 Undo-Einträge")) << timeline->windowTitle().toStdString();
    m_prompt.ExpectQuestion("Soll dieser Undo-Punkt wirklich gelöscht werden?", IUserPrompt::eYes);
    timeline->Rows()[0].pDelete->click();
    EXPECT_EQ(window->UndoPoints().Counter(), 1);
    EXPECT_EQ(timeline->Rows().size(), 2u);
    // Loading a point from the timeline.
    timeline->Rows()[0].pLoad->click();
    EXPECT_EQ(Operators(*window), 1);
    EXPECT_EQ(m_prompt.Unanswered(), 0);
}

TEST_F(ProjectWindow, ExamplesOpenAndRefuseToBeOverwritten)
{
    ASSERT_TRUE(QFileInfo(ProjectFile::ExamplePath(1)).isFile()) << "made by the resources target";
    auto window = Make();
    for (int n = 1; n <= ProjectFile::kExampleCount; ++n)
    {
        Trigger(*window, qPrintable(QStringLiteral("m_pExampleAction%1").arg(n)));
        EXPECT_TRUE(window->HasDocument()) << n;
        EXPECT_TRUE(window->Project().IsExample()) << n;
    }
    EXPECT_TRUE(window->IsVideoMode()); // the third example is a clip
    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelSepia"), 0);
    Trigger(*window, "m_pSaveProjectAction");
    EXPECT_EQ(m_prompt.Log().last(), QStringLiteral("information|Projekt überschreiben nicht nöglich|"
                                                    "Beispielprojekte können nicht überschrieben werden."));
    EXPECT_TRUE(window->close()); // an example is never asked about
}
