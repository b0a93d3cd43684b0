// The main window offscreen with a scripted prompt: its construction steps, loading clips and
// stills from drops, the command line and messages, the refusals, the recovery question, the
// preview after a dock change, saving in every result format, the export, and the LUT controls.
#include "app/HDRMainWindow.h"
#include "app/HDRPresetCombineWindow.h"
#include "app/HDRColorModuleWindow.h"
#include "app/HDRScopesDockWidget.h"
#include "app/LutLibraryPanel.h"
#include "app/ScopePane.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/LutPanel.h"
#include "app/dock/HDRPresetsDockWidget.h"
#include "core/Paths.h"
#include "core/StillImage.h"
#include "engine/ChainEditor.h"
#include "engine/OperatorCatalogue.h"
#include "session/GradingSession.h"
#include "session/PresetsDockModel.h"
#include "session/PreviewModel.h"
#include "session/ResultFormats.h"
#include "session/ScopesModel.h"
#include "session/UsageStatistics.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include "session/UndoStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
constexpr int kClipWidth = 160, kClipHeight = 90;

// Media of this test program, made once: a 160×90 clip of five frames and a 16-bit picture.
class CMedia
{
public:
    static CMedia& Get()
    {
        static CMedia media;
        return media;
    }
    QString Clip() const { return m_dir.filePath("clip.mp4"); }
    QString UpperCaseClip() const { return m_dir.filePath("CLIP2.MP4"); }
    QString Picture() const { return m_dir.filePath("picture.png"); }
    const std::vector<uint16_t>& Pixels() const { return m_pixels; }
    /// Twice the clip's size: above the smallest preview, so the preview is a reduction of it.
    QString LargePicture() const { return m_dir.filePath("large.png"); }
    const std::vector<uint16_t>& LargePixels() const { return m_large; }
    QString Folder() const { return m_dir.path(); }
    bool Ok() const { return m_bOk; }

private:
    CMedia()
    {
        const int exitCode = QProcess::execute(
            "ffmpeg", {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                       QStringLiteral("testsrc2=s=%1x%2:r=25:d=0.2").arg(kClipWidth).arg(kClipHeight), "-pix_fmt",
                       "yuv420p", "-c:v", "libx264", Clip()});
        m_bOk = exitCode == 0 && QFile::copy(Clip(), UpperCaseClip());
        // A ramp whose low bits matter: an 8-bit round trip anywhere would show.
        for (int y = 0; y < kClipHeight; ++y)
            for (int x = 0; x < kClipWidth; ++x)
                m_pixels.insert(m_pixels.end(), {uint16_t(x * 409 + y), uint16_t(y * 727 + 3), uint16_t(65535 - x * 401)});
        for (int y = 0; y < 2 * kClipHeight; ++y)
            for (int x = 0; x < 2 * kClipWidth; ++x)
                m_large.insert(m_large.end(), {uint16_t(x * 203), uint16_t(y * 361 + x), uint16_t(40000 - x * 97)});
        QString error;
        m_bOk = m_bOk && StillImage::Save(Picture(), m_pixels.data(), kClipWidth, kClipHeight, error) &&
                StillImage::Save(LargePicture(), m_large.data(), 2 * kClipWidth, 2 * kClipHeight, error);
    }
    QTemporaryDir m_dir;
    std::vector<uint16_t> m_pixels, m_large;
    bool m_bOk = false;
};

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CMedia::Get().Ok()) << "ffmpeg could not make the test clip";
        QSettings().clear();
    }
    std::unique_ptr<HDRMainWindow> Make(const QString& arguments = QString())
    {
        return std::make_unique<HDRMainWindow>(0, arguments, QStringLiteral("Linux"), &m_prompt);
    }
    int Counter(HDRMainWindow& window, const char* key) { return window.Statistics().Value(QLatin1String(key)); }
    static void Drop(HDRMainWindow& window, const QStringList& files)
    {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(file);
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    // Lets collapsed preview requests run.
    static void Settle(HDRMainWindow& window)
    {
        QSignalSpy updated(&window.PreviewModel(), &CPreviewModel::updated);
        if (!updated.wait(3000))
            ADD_FAILURE() << "the preview was not graded";
    }
    // Lets the scopes model finish what it was asked.
    static void SettleScopes(HDRMainWindow& window)
    {
        QSignalSpy changed(&window.Scopes(), &CScopesModel::scopesChanged);
        for (int i = 0; i < 20 && window.Scopes().IsBusy(); ++i)
            changed.wait(1000);
        if (window.Scopes().IsBusy())
            ADD_FAILURE() << "the scopes were not computed";
    }
    bool NoFrameFileLeft(HDRMainWindow& window) { return !QFile::exists(window.Movie().FrameImagePath("ppm")); }
    static QAction* Action(HDRMainWindow& window, const char* name) { return window.findChild<QAction*>(name); }

    CTempHome m_home;
    CScriptedPrompt m_prompt;
};
}  // namespace

TEST_F(MainWindow, ConstructionCountsTheStartAndOffersNothingToSave)
{
    auto window = Make();
    EXPECT_EQ(Counter(*window, "m_iProgramStarted"), 1);
    EXPECT_TRUE(QFile::exists(Helper::UserDirectory() + "starttime.ini"));
    for (const auto& [name, title] : {std::pair{"m_pExposureSeriesDock", "Belichtungsreihe"},
                                      {"m_pHistogramDock", "HDR-Histogramm"},
                                      {"m_pPostProcessingDockWidget", "Expertenmodus"},
                                      {"m_pInfoDockWidget", "Informationen"}})
    {
        const QDockWidget* dock = window->findChild<QDockWidget*>(name);
        ASSERT_NE(dock, nullptr) << name;
        EXPECT_EQ(dock->windowTitle(), QString::fromUtf8(title));
    }
    // Nothing to save without a document.
    EXPECT_FALSE(Action(*window, "m_pSaveImageAction")->isEnabled());
    EXPECT_FALSE(Action(*window, "m_pSaveVideoAction")->isEnabled());
    EXPECT_TRUE(m_prompt.Log().isEmpty()) << m_prompt.Log().join("\n").toStdString();
}

TEST_F(MainWindow, ClipsLoadFromADropTheCommandLineAndAMessage)
{
    const QString clip = CMedia::Get().Clip();
    {
        CLogCapture log;
        auto window = Make();
        Drop(*window, {clip});
        ASSERT_TRUE(window->HasDocument()) << m_prompt.Log().join("\n").toStdString();
        EXPECT_TRUE(window->IsVideoMode());
        EXPECT_EQ(window->DocumentPath(), clip);
        EXPECT_EQ(window->PreviewModel().FrameSize(), QSize(kClipWidth, kClipHeight));
        EXPECT_EQ(Counter(*window, "m_iDragDropLoadVideo"), 1);
        EXPECT_EQ(Counter(*window, "m_iVideosLoaded"), 1);
        EXPECT_TRUE(NoFrameFileLeft(*window));
        EXPECT_TRUE(Action(*window, "m_pSaveVideoAction")->isEnabled());
        const QListWidget* list = window->findChild<QListWidget*>("m_pExposureList");
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("clip.mp4 (160 × 90)"));
        EXPECT_NE(log.Text().find(("Video loaded: clip.mp4 - Path: " + clip).toStdString()), std::string::npos);
    }
    auto window = Make(clip);
    EXPECT_TRUE(window->IsVideoMode());
    EXPECT_EQ(window->DocumentPath(), clip);

    // A second start hands its command line over; the extension may be written in capitals.
    CLogCapture log;
    window->receiveMessage(CMedia::Get().UpperCaseClip());
    EXPECT_EQ(window->DocumentPath(), CMedia::Get().UpperCaseClip());
    // Counters are kept between runs: the drop, the start and the message.
    EXPECT_EQ(Counter(*window, "m_iVideosLoaded"), 3);
    EXPECT_NE(log.Text().find("InterpretReceivedMessage: "), std::string::npos);
    EXPECT_TRUE(m_prompt.Log().isEmpty()) << m_prompt.Log().join("\n").toStdString();
}

TEST_F(MainWindow, SixteenBitPictureLoadsFromTheCommandLineWithItsLowBits)
{
    auto window = Make(CMedia::Get().Picture());
    ASSERT_TRUE(window->HasDocument());
    EXPECT_FALSE(window->IsVideoMode());
    EXPECT_EQ(Counter(*window, "m_iSingleImagesLoaded"), 1);
    EXPECT_TRUE(Action(*window, "m_pSaveImageAction")->isEnabled());
    EXPECT_FALSE(Action(*window, "m_pSaveVideoAction")->isEnabled());
    ASSERT_TRUE(window->RecalculateFullResolution());
    const Helper::CRGB48Buffer& result = window->PreviewModel().Result();
    ASSERT_EQ(QSize(result.Width(), result.Height()), QSize(kClipWidth, kClipHeight));
    auto& pixels = const_cast<Helper::CRGB48Buffer&>(result);
    EXPECT_TRUE(std::equal(CMedia::Get().Pixels().begin(), CMedia::Get().Pixels().end(), pixels.GetData()));
}

TEST_F(MainWindow, DropsOfSeveralFilesOrOtherKindsAreRefused)
{
    auto window = Make();
    const QString folder = CMedia::Get().Folder();
    struct SCase
    {
        QStringList files;
        QString expected;
    };
    const SCase cases[] = {
        {{CMedia::Get().Clip(), CMedia::Get().UpperCaseClip()}, "warning|Warnung|Bitte nur eine Video-Datei einladen."},
        {{folder + "/old.VANTROPEPROJECT"}, "warning|Warnung|Bitte laden Sie nur Videodateien ein."},
        {{CMedia::Get().Picture()}, "warning|Warnung|Bitte laden Sie nur Videodateien ein."},
    };
    for (const SCase& c : cases)
    {
        Drop(*window, c.files);
        ASSERT_FALSE(m_prompt.Log().isEmpty()) << c.files.join(",").toStdString();
        EXPECT_EQ(m_prompt.Log().last(), c.expected);
        EXPECT_FALSE(window->HasDocument());
    }
    CLogCapture log;
    Drop(*window, {folder + "/work.vantropeProject"});
    EXPECT_EQ(Counter(*window, "m_iDragDropLoadProject"), 1);
    EXPECT_EQ(m_prompt.Log().last(), "warning|Warnung|Projektdateien unvollständig."); // there is no such project
    EXPECT_NE(log.Text().find("OpenProject: "), std::string::npos);
}

TEST_F(MainWindow, FailedClipLeavesThePreviousPicture)
{
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.mp4");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();

    auto window = Make(CMedia::Get().Picture());
    ASSERT_TRUE(window->HasDocument());
    EXPECT_FALSE(window->LoadVideo(junk));
    ASSERT_FALSE(m_prompt.Log().isEmpty());
    EXPECT_TRUE(m_prompt.Log().last().startsWith("warning|Video laden|Das Video junk.mp4 konnte nicht geladen werden."))
        << m_prompt.Log().last().toStdString();
    EXPECT_EQ(window->DocumentPath(), CMedia::Get().Picture());
    EXPECT_FALSE(window->IsVideoMode());
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_TRUE(NoFrameFileLeft(*window));
    EXPECT_EQ(Counter(*window, "m_iVideosLoaded"), 0);
}

TEST_F(MainWindow, RecoveryQuestionRemovesTheRecoveryProject)
{
    for (const IUserPrompt::EAnswer answer : {IUserPrompt::eNo, IUserPrompt::eYes})
    {
        const QString project = Helper::UserDirectory() + "Recover.vantropeProject";
        const QString data = Helper::UserDirectory() + "Recover.data";
        ASSERT_TRUE(QDir().mkpath(data + "/sub"));
        QFile(project).open(QIODevice::WriteOnly);
        QFile(data + "/sub/x.bin").open(QIODevice::WriteOnly);

        CLogCapture log;
        m_prompt.ExpectQuestion("Es wurde ein automatisch gespeichertes Projekt gefunden.", answer);
        auto window = Make();
        EXPECT_EQ(m_prompt.Unanswered(), 0);
        EXPECT_FALSE(QFile::exists(project));
        EXPECT_FALSE(QFile::exists(data));
        EXPECT_FALSE(window->HasDocument());
        // An empty recovery file without its data folder: "Ja" says it cannot be loaded.
        const bool toldAboutProject = m_prompt.Log().last() == "warning|Warnung|Projektdateien unvollständig.";
        EXPECT_EQ(toldAboutProject, answer == IUserPrompt::eYes);
        EXPECT_EQ(log.Text().find(("OpenProject: " + project).toStdString()) != std::string::npos,
                  answer == IUserPrompt::eYes);
    }
}

TEST_F(MainWindow, OperatorAddedInTheDockGradesThePreview)
{
    QSettings().setValue("options/previewLongSide", 256);
    auto window = Make(CMedia::Get().LargePicture());
    ASSERT_TRUE(window->HasDocument());
    const QSize previewSize = window->PreviewModel().PreviewSize();
    EXPECT_EQ(previewSize, QSize(256, 144));
    const QImage before = window->PreviewModel().Graded();

    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelNegative"), 0);
    Settle(*window);
    EXPECT_NE(window->PreviewModel().Graded(), before);

    // The same chain on a session of its own at the preview's size.
    CGradingSession expected;
    CChainEditor editor(expected.Chain(), COperatorCatalogue::Shared());
    ASSERT_GE(editor.Add("MP_calcPixelNegative"), 0);
    ASSERT_TRUE(expected.SetSource(CMedia::Get().LargePixels().data(), 2 * kClipWidth, 2 * kClipHeight, previewSize));
    ASSERT_TRUE(expected.Grade());
    auto& want = const_cast<Helper::CRGB48Buffer&>(expected.Result());
    auto& got = const_cast<Helper::CRGB48Buffer&>(window->PreviewModel().Result());
    ASSERT_EQ(QSize(got.Width(), got.Height()), previewSize);
    EXPECT_TRUE(std::equal(want.GetData(), want.GetData() + 3 * 256 * 144, got.GetData()));

    // The histogram dock follows the preview, and the before view: its red levels are the high
    // bytes of the graded picture's red samples, then of the original's.
    window->show();
    const auto redLevels = [](const uint16_t* pixels) {
        std::vector<uint32_t> bins(256);
        for (int i = 0; i < 256 * 144; ++i)
            ++bins[pixels[3 * i] >> 8];
        return bins;
    };
    const int view = window->HistogramPane()->View();
    SettleScopes(*window);
    EXPECT_EQ(window->Scopes().Scope(view).counts.grids.at(0), redLevels(want.GetData()));
    window->findChild<QToolButton*>("m_pBeforeAfterButton")->click();
    SettleScopes(*window);
    EXPECT_EQ(window->Scopes().Scope(view).counts.grids.at(0), redLevels(expected.WorkingInput()));
}

TEST_F(MainWindow, ScopesDockDrawsWhatTheCommandLineDraws)
{
    QSettings().setValue("options/previewLongSide", 256);
    auto window = Make(CMedia::Get().LargePicture());
    ASSERT_TRUE(window->HasDocument());
    window->show();
    HDRScopesDockWidget* dock = window->ScopesDock();
    dock->raise();
    CScopePane* upper = dock->Upper();
    CScopePane* lower = dock->Lower();
    upper->KindCombo()->setCurrentIndex(upper->KindCombo()->findText("RGB-Parade"));
    lower->KindCombo()->setCurrentIndex(lower->KindCombo()->findText("Histogramm"));
    lower->LogCheck()->setChecked(true);
    EXPECT_FALSE(lower->GainSpin()->isEnabled()); // the histogram has no traces to brighten
    SettleScopes(*window);

    QTemporaryDir out;
    for (const auto& [pane, kind] : {std::pair{upper, "parade"}, {lower, "histogram"}})
    {
        const SScope& scope = window->Scopes().Scope(pane->View());
        const QSize size = scope.picture.GetSize();
        EXPECT_EQ(size, pane->Display()->size()) << kind; // computed at the display's size
        EXPECT_EQ(pane->Image().size(), size);
        const QString file = out.filePath(QStringLiteral("%1.png").arg(kind));
        QProcess cli;
        QStringList args{"scope", CMedia::Get().LargePicture(), file, "--kind", kind, "--preview", "256", "--size",
                         QStringLiteral("%1x%2").arg(size.width()).arg(size.height())};
        if (pane == lower)
            args << "--log";
        cli.start(QStringLiteral(VANTROPE_BIN_DIR "/vantrope-cli"), args);
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        Helper::CRGB48Buffer written;
        QString error;
        ASSERT_TRUE(StillImage::Load(file, written, error)) << error.toStdString();
        ASSERT_EQ(written.GetSize(), size);
        auto& shown = const_cast<Helper::CRGB48Buffer&>(scope.picture);
        EXPECT_TRUE(std::equal(written.GetData(), written.GetData() + 3 * size.width() * size.height(), shown.GetData()))
            << kind << ": the dock's picture and the command line's differ";
    }

    // "Aus" turns the lower scope off: no display, no computation.
    lower->KindCombo()->setCurrentIndex(lower->KindCombo()->findText("Aus"));
    EXPECT_FALSE(lower->Display()->isVisible());
    EXPECT_FALSE(window->Scopes().IsActive(lower->View()));
}

TEST_F(MainWindow, ResultSavesThroughItsDialogAndTheNextDialogOffersThatFormat)
{
    // Each format's bit depth is the still writer's (StillImageTest); here the window's part.
    auto window = Make(CMedia::Get().Picture());
    ASSERT_TRUE(window->HasDocument());
    QTemporaryDir out;
    const int tiff16 = 2;
    const QString path = out.filePath(QStringLiteral("result%1").arg(ResultFormats::Extension(tiff16)));
    m_prompt.QueueText(path);
    ASSERT_TRUE(window->SaveResultImage()) << m_prompt.Log().last().toStdString();
    EXPECT_TRUE(m_prompt.Log().last().startsWith("save|Ergebnisbild speichern|"));
    EXPECT_EQ(ResultFormats::LastSavedFormat(), tiff16);
    Helper::CRGB48Buffer image;
    QString error;
    ASSERT_TRUE(StillImage::Load(path, image, error)) << error.toStdString();
    EXPECT_EQ(image.GetSize(), QSize(kClipWidth, kClipHeight));
    EXPECT_EQ(Counter(*window, "m_iImagesSaved"), 1);
    m_prompt.QueueText(QString());
    EXPECT_FALSE(window->SaveResultImage());
    EXPECT_TRUE(m_prompt.Log().last().endsWith("/MyImage" + ResultFormats::Extension(tiff16))) << m_prompt.Log().last().toStdString();
}

TEST_F(MainWindow, PreviewResultAsksBeforeSaving)
{
    QSettings().setValue("options/previewLongSide", 256);
    auto window = Make(CMedia::Get().LargePicture());
    ASSERT_LT(window->PreviewModel().Scale(), 1.0);
    QTemporaryDir out;
    for (const auto& [answer, size] :
         {std::pair{IUserPrompt::eNo, QSize(256, 144)}, std::pair{IUserPrompt::eYes, QSize(2 * kClipWidth, 2 * kClipHeight)}})
    {
        const QString path = out.filePath(answer == IUserPrompt::eNo ? "preview.png" : "full.png");
        m_prompt.QueueText(path);
        m_prompt.ExpectQuestion("Preview-Modus! Neu berechnen?", answer);
        ASSERT_TRUE(window->SaveResultImage());
        EXPECT_EQ(m_prompt.Unanswered(), 0);
        Helper::CRGB48Buffer image;
        QString error;
        ASSERT_TRUE(StillImage::Load(path, image, error)) << error.toStdString();
        EXPECT_EQ(QSize(image.Width(), image.Height()), size);
    }
}

TEST_F(MainWindow, ClipExportsWithTheGradeAndThePreviewComesBack)
{
    auto window = Make(CMedia::Get().Clip());
    ASSERT_TRUE(window->IsVideoMode());
    QTemporaryDir out;
    m_prompt.QueueText(out.filePath("graded.mp4"));
    window->saveVideo();
    EXPECT_TRUE(m_prompt.Log().last().startsWith("save|Video speichern|")) << m_prompt.Log().last().toStdString();
    EXPECT_TRUE(QFileInfo(out.filePath("graded.mp4")).size() > 0);
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_EQ(window->PreviewModel().FrameSize(), QSize(kClipWidth, kClipHeight));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"graded.mp4"}); // no intermediates left
}

TEST_F(MainWindow, LibraryControlsFollowTheDocksLut)
{
    auto window = Make(CMedia::Get().Picture());
    LutLibraryPanel* library = window->LutLibraryControls();
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->parentWidget() != nullptr, true);
    QToolButton* add = library->findChild<QToolButton*>("m_pLUTAddDatabaseButton");
    ASSERT_NE(add, nullptr);
    EXPECT_FALSE(add->isEnabled());

    CLutPanel* lutPanel = window->PostProcessingDock()->LutPanel();
    const int runs = window->PreviewModel().RunCount();
    lutPanel->CreateNewButton()->click();
    EXPECT_TRUE(add->isEnabled()); // a LUT exists now: it can go into the library
    Settle(*window);
    EXPECT_GT(window->PreviewModel().RunCount(), runs);

    // Resetting the LUT (confirmed) leaves nothing to add.
    m_prompt.ExpectQuestion("", IUserPrompt::eYes);
    lutPanel->ResetButton()->click();
    EXPECT_FALSE(add->isEnabled());
}

TEST_F(MainWindow, ColourWindowIsMadeOnFirstUseAndRegradesThePreview)
{
    auto window = Make(CMedia::Get().Picture());
    EXPECT_EQ(window->ColorModuleWindow(), nullptr);
    Action(*window, "m_pColorModuleAction")->trigger();
    HDRColorModuleWindow* colour = window->ColorModuleWindow();
    ASSERT_NE(colour, nullptr);
    EXPECT_TRUE(colour->isVisible());
    const int runs = window->PreviewModel().RunCount();
    emit colour->layersChanged();
    Settle(*window);
    EXPECT_GT(window->PreviewModel().RunCount(), runs);
    Action(*window, "m_pColorModuleAction")->trigger();
    EXPECT_EQ(window->ColorModuleWindow(), colour);
}

TEST_F(MainWindow, ExchangeFileEntersFilterModeAndRefusesNewData)
{
    QTemporaryDir dir;
    const QString lif = dir.filePath("handover.lif");
    QFile file(lif);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<?xml version=\"1.0\"?><Exchange><SourceApplication>Host</SourceApplication>"
                              "<ImageCount>1</ImageCount><ImportPath>%1</ImportPath><ExportPath>%2</ExportPath>"
                              "<Image0000>picture.png</Image0000></Exchange>")
                   .arg(CMedia::Get().Folder(), dir.path())
                   .toUtf8());
    file.close();

    auto window = Make(lif);
    ASSERT_TRUE(window->HasDocument()) << m_prompt.Log().join("\n").toStdString();
    EXPECT_EQ(window->DocumentPath(), CMedia::Get().Picture());
    EXPECT_EQ(window->WorkingMode(), "FILTER");
    EXPECT_EQ(Counter(*window, "m_iLIFImports"), 1);
    EXPECT_EQ(Counter(*window, "m_iLIFImagesLoaded"), 1);

    const QString refusal = "warning|Warnung|Neue Bilddaten können im Filter-Plugin-Modus nicht eingeladen werden.";
    Drop(*window, {CMedia::Get().Clip()});
    EXPECT_EQ(m_prompt.Log().last(), refusal);
    EXPECT_FALSE(window->LoadVideo(CMedia::Get().Clip()));
    EXPECT_EQ(m_prompt.Log().last(), refusal);
    EXPECT_FALSE(window->IsVideoMode());
}

TEST_F(MainWindow, PresetBoxesShowTheFrameAndAClickGradesThePreviewWithThePreset)
{
    QSettings().setValue("options/previewLongSide", 256);
    auto window = Make(CMedia::Get().LargePicture());
    ASSERT_TRUE(window->HasDocument());
    HDRPresetsDockWidget* dock = window->PresetsDock();
    ASSERT_NE(dock, nullptr);
    ASSERT_GE(dock->Boxes().size(), 30);
    // The thumbnails fill in from the event loop, one per turn.
    for (int turn = 0; turn < 200 && dock->PendingThumbnails() > 0; ++turn)
        QTest::qWait(5);
    EXPECT_EQ(dock->PendingThumbnails(), 0);
    for (HDRPresetGroupBox* box : dock->Boxes())
        EXPECT_FALSE(box->ThumbnailLabel()->pixmap().isNull()) << box->title().toStdString();

    // "Surreal" shows only the surreal looks.
    window->show();
    dock->findChild<QToolButton*>("m_pFilterButton3")->click();
    const CPresetLibrary& library = window->PresetsModel().Library();
    for (HDRPresetGroupBox* box : dock->Boxes())
        EXPECT_EQ(box->isVisibleTo(dock), library.Chain(box->Index()).Category() == "surreal") << box->title().toStdString();

    const int index = window->PresetsModel().Library().Find("Negativtraum");
    ASSERT_GE(index, 0);
    const QImage before = window->PreviewModel().Graded();
    const int points = window->UndoPoints().Counter();
    QTest::mouseClick(dock->Box(index)->ThumbnailLabel(), Qt::LeftButton);
    Settle(*window);
    EXPECT_EQ(window->UndoPoints().Counter(), points + 1); // at once, not after the rest period
    EXPECT_NE(window->PreviewModel().Graded(), before);
    EXPECT_TRUE(dock->Box(index)->IsSelected());

    // The same preset file graded by a session of its own at the preview's size.
    CGradingSession expected;
    ASSERT_TRUE(expected.LoadPreset(window->PresetsModel().Library().Chain(index).Path()));
    const QSize previewSize = window->PreviewModel().PreviewSize();
    ASSERT_TRUE(expected.SetSource(CMedia::Get().LargePixels().data(), 2 * kClipWidth, 2 * kClipHeight, previewSize));
    ASSERT_TRUE(expected.Grade());
    auto& want = const_cast<Helper::CRGB48Buffer&>(expected.Result());
    auto& got = const_cast<Helper::CRGB48Buffer&>(window->PreviewModel().Result());
    ASSERT_EQ(QSize(got.Width(), got.Height()), previewSize);
    EXPECT_TRUE(std::equal(want.GetData(), want.GetData() + 3 * previewSize.width() * previewSize.height(), got.GetData()));

    // "Duplizieren" on the box: a user preset under the name given, shown and selected.
    const int boxesBefore = int(dock->Boxes().size());
    m_prompt.QueueText("Mein Negativ");
    dock->Box(index)->findChild<QToolButton*>("m_pCopyButton")->click();
    ASSERT_EQ(dock->Boxes().size(), boxesBefore + 1);
    HDRPresetGroupBox* copy = dock->Boxes().last();
    EXPECT_TRUE(copy->IsSelected());
    EXPECT_TRUE(copy->isVisibleTo(dock));
    EXPECT_TRUE(QFile::exists(Helper::UserDirectory() + "vantropepp_vu_000000.ini"));
    QFile::remove(Helper::UserDirectory() + "vantropepp_vu_000000.ini");

    // The combine window previews A followed by B on the frame and leaves nothing when closed.
    dock->findChild<QPushButton*>("m_pCombineButton")->click();
    auto* combine = window->findChild<HDRPresetCombineWindow*>();
    ASSERT_NE(combine, nullptr);
    EXPECT_FALSE(combine->Preview()->pixmap().isNull());
    EXPECT_TRUE(QFile::exists(Helper::UserDirectory() + "_tempA.ini"));
    combine->close();
    EXPECT_EQ(QDir(Helper::UserDirectory()).entryList({"*.ini"}), QStringList({"starttime.ini"}));
}
