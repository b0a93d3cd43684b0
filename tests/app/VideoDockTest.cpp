// The video dock in the main window, offscreen: dragging the marker grades another frame, the
// timeline keys step and play, and the dock's save button exports with the dock's settings.
#include "app/HDRMainWindow.h"
#include "app/TimelineLabel.h"
#include "app/VideoDockWidget.h"
#include "session/PreviewModel.h"
#include "session/VideoDockModel.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{
// 160×90, 2 s at 25 fps with a tone: every frame differs from the one before.
class CClip
{
public:
    static const CClip& Get()
    {
        static CClip clip;
        return clip;
    }
    QString Path() const { return m_dir.filePath("clip.mp4"); }

private:
    CClip()
    {
        EXPECT_EQ(QProcess::execute("ffmpeg", {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                               "testsrc2=s=160x90:r=25:d=2", "-f", "lavfi", "-i", "sine=d=2", "-c:v",
                                               "libx264", "-g", "10", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest",
                                               Path()}),
                  0);
    }
    QTemporaryDir m_dir;
};

class VideoDock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        m_window = std::make_unique<HDRMainWindow>(0, CClip::Get().Path(), QStringLiteral("Linux"), &m_prompt);
        ASSERT_TRUE(m_window->IsVideoMode());
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        // The offscreen platform activates no window by itself; shortcuts need an active one.
        QApplication::setActiveWindow(m_window.get());
        ASSERT_TRUE(Dock().isVisible());
    }
    CVideoDockWidget& Dock() { return *m_window->VideoDock(); }
    CVideoDockModel& Model() { return m_window->VideoDockModel(); }
    // Waits until the dock has handed a frame to the window and the preview has graded it.
    bool FrameShown()
    {
        QSignalSpy graded(&m_window->PreviewModel(), &CPreviewModel::updated);
        return graded.wait(10000);
    }
    template <typename T>
    T* Child(const char* name)
    {
        return Dock().findChild<T*>(QLatin1String(name));
    }

    CTempHome m_home;
    CScriptedPrompt m_prompt;
    std::unique_ptr<HDRMainWindow> m_window;
};
}  // namespace

TEST_F(VideoDock, DraggingTheMarkerGradesThatFrame)
{
    const QImage first = m_window->PreviewModel().Graded();
    CTimelineLabel* timeline = Dock().Timeline();
    ASSERT_GT(timeline->width(), 100);
    const int y = timeline->height() / 2;
    QTest::mousePress(timeline, Qt::LeftButton, {}, QPoint(timeline->width() / 4, y));
    QTest::mouseMove(timeline, QPoint(timeline->width() * 3 / 5, y));
    QTest::mouseRelease(timeline, Qt::LeftButton, {}, QPoint(timeline->width() * 3 / 5, y));
    for (int i = 0; i < 5 && Model().ShownFrame() == 0; ++i)
        FrameShown();
    EXPECT_NEAR(Model().ShownFrame(), 30, 1); // 3/5 of 50 frames
    EXPECT_NE(m_window->PreviewModel().Graded(), first);
    EXPECT_EQ(m_window->PreviewModel().FrameSize(), QSize(160, 90));
    EXPECT_TRUE(Child<QLabel>("m_pPositionLabel")->text().startsWith("00:00:01:"));
}

TEST_F(VideoDock, KeysStepJumpAndPlay)
{
    const struct
    {
        QKeyCombination key;
        int frame;
    } cases[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Left, 1}, {Qt::SHIFT | Qt::Key_Right, 26},
        {Qt::Key_End, 49},  {Qt::Key_Home, 0},
    };
    for (const auto& c : cases)
    {
        QTest::keyClick(m_window.get(), c.key.key(), c.key.keyboardModifiers());
        ASSERT_TRUE(FrameShown());
        EXPECT_EQ(Model().ShownFrame(), c.frame) << QKeySequence(c.key).toString().toStdString();
    }
    // Space plays the graded clip on; Escape stops it where it is.
    QTest::keyClick(m_window.get(), Qt::Key_Space);
    EXPECT_TRUE(Model().Playback().IsPlaying());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(FrameShown());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_FALSE(Model().Playback().IsPlaying());
    EXPECT_GE(Model().ShownFrame(), 3);
}

TEST_F(VideoDock, SaveButtonExportsWithTheDocksSettings)
{
    QTemporaryDir out;
    emit Child<QComboBox>("m_pCodecComboBox")->activated(1); // uncompressed, in an AVI file
    Child<QToolButton>("m_pCopyAudioButton")->click();
    EXPECT_FALSE(Model().Destination().m_bCopyAudio);
    m_prompt.QueueText(out.filePath("graded"));
    m_prompt.ExpectQuestion("großen Videodatei", IUserPrompt::eYes);
    Child<QToolButton>("m_pSaveButton")->click();
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    const QString result = out.filePath("graded.avi");
    ASSERT_TRUE(QFileInfo(result).size() > 0) << QDir(out.path()).entryList().join(' ').toStdString();
    CMovieHandling probe;
    EXPECT_EQ(probe.CountStreams(result, CMovieHandling::eSK_AUDIO), 0);
    probe.RemoveIniFiles();
    EXPECT_EQ(probe.CountStreams(CClip::Get().Path(), CMovieHandling::eSK_AUDIO), 1); // the source had a tone
    EXPECT_TRUE(Child<QToolButton>("m_pPlayResultButton")->isEnabled());
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"graded.avi"});
}
