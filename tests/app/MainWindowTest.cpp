// The main window offscreen with a scripted prompt: its construction, loading clips and stills
// from drops, the command line and messages, the refusals, the preview and scopes after a dock
// change, saving the result, the export, the LUT and colour controls, the presets dock; projects
// with their history, the unsaved-work question, the recovery project and the examples; and the
// video dock's marker, keys and save button.
#include "AppTestSupport.h"

#include "app/HDRMainWindow.h"
#include "app/HDRPresetCombineWindow.h"
#include "app/HDRColorModuleWindow.h"
#include "app/HDRScopesDockWidget.h"
#include "app/HDRTimelineDockWidget.h"
#include "app/TimelineLabel.h"
#include "app/VideoDockWidget.h"
#include "app/LutLibraryPanel.h"
#include "app/ScopePane.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/LutPanel.h"
#include "app/dock/HDRPresetsDockWidget.h"
#include "core/Paths.h"
#include "engine/ChainEditor.h"
#include "session/ExportFrameGrader.h"
#include "session/PresetsDockModel.h"
#include "session/PreviewModel.h"
#include "session/ProjectFile.h"
#include "session/ProjectModel.h"
#include "session/RecoveryFile.h"
#include "session/ResultFormats.h"
#include "session/ScopesModel.h"
#include "session/UsageStatistics.h"
#include "session/UndoStore.h"
#include "session/VideoDockModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

namespace
{
constexpr int kClipWidth = 160, kClipHeight = 90;

// Media of this test program, made once: a 160×90 clip of 2 s at 25 fps with a tone, every frame
// differing from the one before, and 16-bit pictures.
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
                       QStringLiteral("testsrc2=s=%1x%2:r=25:d=2").arg(kClipWidth).arg(kClipHeight), "-f", "lavfi",
                       "-i", "sine=d=2", "-c:v", "libx264", "-g", "10", "-pix_fmt", "yuv420p", "-c:a", "aac",
                       "-shortest", Clip()});
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
    static int Operators(HDRMainWindow& window) { return int(window.Session().Chain().Operators().size()); }

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
    }
    auto window = Make(clip);
    EXPECT_TRUE(window->IsVideoMode());
    EXPECT_EQ(window->DocumentPath(), clip);

    // A second start hands its command line over; the extension may be written in capitals.
    window->receiveMessage(CMedia::Get().UpperCaseClip());
    EXPECT_EQ(window->DocumentPath(), CMedia::Get().UpperCaseClip());
    // Counters are kept between runs: the drop, the start and the message.
    EXPECT_EQ(Counter(*window, "m_iVideosLoaded"), 3);
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
    Drop(*window, {folder + "/work.vantropeProject"});
    EXPECT_EQ(Counter(*window, "m_iDragDropLoadProject"), 1);
    EXPECT_EQ(m_prompt.Log().last(), "warning|Warnung|Projektdateien unvollständig."); // there is no such project
}

TEST_F(MainWindow, FailedClipLeavesThePreviousPicture)
{
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.mp4");
    ASSERT_TRUE(WriteFile(junk, QByteArray(2048, 'x')));

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

TEST_F(MainWindow, ResultSavesThroughItsDialogAskingInPreviewModeAndTheNextDialogOffersThatFormat)
{
    // Each format's bit depth is the still writer's (StillImageTest); here the window's part.
    QSettings().setValue("options/previewLongSide", 256);
    auto window = Make(CMedia::Get().LargePicture());
    ASSERT_LT(window->PreviewModel().Scale(), 1.0);
    QTemporaryDir out;
    const int tiff16 = 2;
    const QString tiff = ResultFormats::Extension(tiff16);
    for (const auto& [answer, name, size] :
         {std::tuple{IUserPrompt::eNo, "preview.png", QSize(256, 144)},
          std::tuple{IUserPrompt::eYes, "full", QSize(2 * kClipWidth, 2 * kClipHeight)}})
    {
        const QString path = answer == IUserPrompt::eNo ? out.filePath(name) : out.filePath(name + tiff);
        m_prompt.QueueText(path);
        m_prompt.ExpectQuestion("Preview-Modus! Neu berechnen?", answer);
        ASSERT_TRUE(window->SaveResultImage()) << m_prompt.Log().last().toStdString();
        EXPECT_EQ(m_prompt.Unanswered(), 0);
        EXPECT_TRUE(m_prompt.Log().filter("save|Ergebnisbild speichern|").size() > 0);
        Helper::CRGB48Buffer image;
        QString error;
        ASSERT_TRUE(StillImage::Load(path, image, error)) << error.toStdString();
        EXPECT_EQ(image.GetSize(), size);
    }
    EXPECT_EQ(ResultFormats::LastSavedFormat(), tiff16);
    EXPECT_EQ(Counter(*window, "m_iImagesSaved"), 2);
    m_prompt.QueueText(QString());
    m_prompt.ExpectQuestion("Preview-Modus! Neu berechnen?", IUserPrompt::eNo);
    EXPECT_FALSE(window->SaveResultImage());
    EXPECT_TRUE(m_prompt.Log().last().endsWith("/MyImage" + tiff)) << m_prompt.Log().last().toStdString();
}

TEST_F(MainWindow, LibraryControlsFollowTheDocksLut)
{
    auto window = Make(CMedia::Get().Picture());
    LutLibraryPanel* library = window->LutLibraryControls();
    ASSERT_NE(library, nullptr);
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
    ASSERT_TRUE(WriteFile(lif, QStringLiteral("<?xml version=\"1.0\"?><Exchange><SourceApplication>Host</SourceApplication>"
                              "<ImageCount>1</ImageCount><ImportPath>%1</ImportPath><ExportPath>%2</ExportPath>"
                              "<Image0000>picture.png</Image0000></Exchange>")
                                   .arg(CMedia::Get().Folder(), dir.path())
                                   .toUtf8()));

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

TEST_F(MainWindow, ProjectSaveQuitReopenAndContinueWithTheHistory)
{
    QTemporaryDir out;
    const QString project = out.filePath("shot.vantropeProject");
    {
        auto window = Make(CMedia::Get().Picture());
        ASSERT_TRUE(window->HasDocument());
        ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelNegative"), 0);
        ASSERT_TRUE(window->SaveUndoPoint());
        EXPECT_TRUE(window->Project().IsUnsaved());
        m_prompt.QueueText(out.filePath("shot"));
        Action(*window, "m_pSaveProjectAction")->trigger(); // no path yet: save as
        EXPECT_EQ(window->Project().Path(), project);
        EXPECT_FALSE(window->Project().IsUnsaved());
        EXPECT_TRUE(window->close()); // saved: no question
    }
    EXPECT_FALSE(QFileInfo::exists(Helper::UserDirectory() + "temp0")); // the undo folders went with the program

    auto window = Make();
    m_prompt.QueueText(project);
    Action(*window, "m_pOpenProjectAction")->trigger();
    EXPECT_TRUE(window->HasDocument());
    EXPECT_EQ(window->DocumentPath(), CMedia::Get().Picture());
    EXPECT_EQ(Operators(*window), 1);
    EXPECT_EQ(window->UndoPoints().Entries().size(), 2u);
    EXPECT_EQ(window->TimelineDock()->Rows().size(), 2u);
    // Ctrl+Z returns to the point before the operator came.
    Action(*window, "m_pUndoAction")->trigger();
    EXPECT_EQ(Operators(*window), 0);
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_TRUE(m_prompt.Log().filter("warning|").isEmpty()) << m_prompt.Log().join("\n").toStdString();
}

TEST_F(MainWindow, UnsavedWorkIsNotLostWithoutAQuestion)
{
    auto window = Make(CMedia::Get().Picture());
    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelSepia"), 0);
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eCancel);
    EXPECT_FALSE(window->close());
    // Loading another picture asks too; cancelled, the picture stays.
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eCancel);
    EXPECT_FALSE(window->LoadStillImage(CMedia::Get().Picture()));
    EXPECT_EQ(Operators(*window), 1);
    m_prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", IUserPrompt::eNo);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(m_prompt.Unanswered(), 0);
}

TEST_F(MainWindow, RecoveryProjectIsOfferedAfterACrash)
{
    {
        auto window = Make(CMedia::Get().Picture());
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

TEST_F(MainWindow, UndoAndRedoStepThroughThePointsAndTheTimelineDeletes)
{
    auto window = Make(CMedia::Get().Picture()); // the loaded picture is the first point
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

TEST_F(MainWindow, ExamplesOpenAndRefuseToBeOverwritten)
{
    ASSERT_TRUE(QFileInfo(ProjectFile::ExamplePath(1)).isFile()) << "made by the resources target";
    auto window = Make();
    for (int n = 1; n <= ProjectFile::kExampleCount; ++n)
    {
        Action(*window, qPrintable(QStringLiteral("m_pExampleAction%1").arg(n)))->trigger();
        EXPECT_TRUE(window->HasDocument()) << n;
        EXPECT_TRUE(window->Project().IsExample()) << n;
    }
    EXPECT_TRUE(window->IsVideoMode()); // the third example is a clip
    ASSERT_GE(window->PostProcessingDock()->AddOperator("MP_calcPixelSepia"), 0);
    Action(*window, "m_pSaveProjectAction")->trigger();
    EXPECT_EQ(m_prompt.Log().last(), QStringLiteral("information|Projekt überschreiben nicht nöglich|"
                                                    "Beispielprojekte können nicht überschrieben werden."));
    EXPECT_TRUE(window->close()); // an example is never asked about
}

namespace
{
// The window with the clip, shown and active so its shortcuts reach the video dock.
class VideoDock : public MainWindow
{
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        m_window = Make(CMedia::Get().Clip());
        ASSERT_TRUE(m_window->IsVideoMode());
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        // The offscreen platform activates no window by itself.
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

// The dock's button and the menu's action run the same export (the window's saveVideo).
TEST_F(VideoDock, SaveButtonExportsWithTheDocksSettingsAndTheWindowComesBack)
{
    QTemporaryDir out;
    emit Child<QComboBox>("m_pCodecComboBox")->activated(1); // uncompressed, in an AVI file
    Child<QToolButton>("m_pCopyAudioButton")->click();
    // The post-processing dock's frame blending: five frames, the median, centres side by side.
    HDRPostProcessingDockWidget* post = m_window->PostProcessingDock();
    post->findChild<QComboBox*>("m_pFrameBlendCountComboBox")->setCurrentIndex(3);
    post->findChild<QComboBox*>("m_pFrameBlendModeComboBox")->setCurrentIndex(7);
    post->findChild<QCheckBox*>("m_pCompareCentreCheckBox")->setChecked(true);
    EXPECT_FALSE(Model().Destination().m_bCopyAudio);
    m_prompt.QueueText(out.filePath("graded"));
    m_prompt.ExpectQuestion("großen Videodatei", IUserPrompt::eYes);
    Child<QToolButton>("m_pSaveButton")->click();
    EXPECT_EQ(m_prompt.Unanswered(), 0);
    EXPECT_EQ(m_prompt.Log().filter("save|Video speichern|").size(), 1);
    EXPECT_TRUE(m_window->centralWidget()->isEnabled());
    EXPECT_TRUE(m_window->menuBar()->isEnabled());
    EXPECT_EQ(m_window->PreviewModel().FrameSize(), QSize(kClipWidth, kClipHeight));
    const CFrameBlend& blend = m_window->ExportGrader().Blend();
    EXPECT_EQ(blend.RingSize(), 5);
    EXPECT_EQ(blend.Mode(), 8);
    EXPECT_EQ(blend.Comparison(), 2);
    const QString result = out.filePath("graded.avi");
    ASSERT_TRUE(QFileInfo(result).size() > 0) << QDir(out.path()).entryList().join(' ').toStdString();
    CMovieHandling probe;
    EXPECT_EQ(probe.CountStreams(result, CMovieHandling::eSK_AUDIO), 0);
    probe.RemoveIniFiles();
    EXPECT_EQ(probe.CountStreams(CMedia::Get().Clip(), CMovieHandling::eSK_AUDIO), 1); // the source had a tone
    EXPECT_TRUE(Child<QToolButton>("m_pPlayResultButton")->isEnabled());
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"graded.avi"});
}
