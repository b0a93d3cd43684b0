// Files the main window keeps in the user directory: the recovery project, usage statistics, the
// start time and the last result format; and the interface scale of the options.
#include "core/Paths.h"
#include "session/ProgramOptions.h"
#include "session/RecoveryFile.h"
#include "session/ResultFormats.h"
#include "session/UsageStatistics.h"
#include "tests/session/SessionTestUtil.h"

#include <QDateTime>
#include <QSet>

namespace
{
bool Touch(const QString& path)
{
    return SessionTest::WriteFile(path, "x");
}

const QString kQuestion = QStringLiteral("automatisch gespeichertes Projekt gefunden");
}  // namespace

TEST(RecoveryFile, AskedOnlyWithEmptyCommandLineAndAnExistingFileAndNoRemovesIt)
{
    CTempHome home;
    CScriptedPrompt prompt;
    EXPECT_FALSE(RecoveryFile::Ask(QString(), prompt).bAsked); // no file yet
    ASSERT_TRUE(Touch(RecoveryFile::ProjectPath()));
    ASSERT_TRUE(Touch(RecoveryFile::DataFolder() + "/temp0/layer.ini"));
    const RecoveryFile::SOutcome withCommandLine = RecoveryFile::Ask("/a/clip.tif", prompt);
    EXPECT_FALSE(withCommandLine.bAsked);
    EXPECT_TRUE(prompt.Log().isEmpty());
    RecoveryFile::RemoveAfterQuestion(withCommandLine); // not asked: everything stays
    EXPECT_TRUE(QFileInfo::exists(RecoveryFile::ProjectPath()));
    EXPECT_TRUE(QFileInfo::exists(RecoveryFile::DataFolder() + "/temp0/layer.ini"));

    prompt.ExpectQuestion(kQuestion, IUserPrompt::eYes);
    const RecoveryFile::SOutcome yes = RecoveryFile::Ask(QString(), prompt);
    EXPECT_TRUE(yes.bAsked && yes.bOpen);
    ASSERT_EQ(prompt.Log().size(), 1);
    EXPECT_TRUE(prompt.Log().first().startsWith("question|Automatisch gespeichertes Projekt|"));
    EXPECT_EQ(RecoveryFile::ProjectPath(), Helper::UserDirectory() + "Recover.vantropeProject");

    prompt.ExpectQuestion(kQuestion, IUserPrompt::eNo);
    const RecoveryFile::SOutcome no = RecoveryFile::Ask(QString(), prompt);
    EXPECT_FALSE(no.bOpen);
    RecoveryFile::RemoveAfterQuestion(no);
    EXPECT_FALSE(QFileInfo::exists(RecoveryFile::ProjectPath()));
    EXPECT_FALSE(QFileInfo::exists(RecoveryFile::DataFolder()));
    EXPECT_FALSE(RecoveryFile::Ask(QString(), prompt).bAsked); // asked once: the next start finds nothing
    EXPECT_EQ(prompt.Unanswered(), 0);
}

TEST(RecoveryFile, SymlinkedDataFolderIsUnlinkedNotEmptied)
{
    CTempHome home;
    const QString outside = home.Path() + "/elsewhere";
    ASSERT_TRUE(Touch(outside + "/precious.txt"));
    ASSERT_TRUE(Touch(outside + "/inner/deep.txt"));
    // Once as the data folder itself, once as a link inside a real data folder.
    for (const bool linkInside : {false, true})
    {
        ASSERT_TRUE(Touch(RecoveryFile::ProjectPath()));
        const QString link = linkInside ? RecoveryFile::DataFolder() + "/temp0" : RecoveryFile::DataFolder();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(link).absolutePath()));
        ASSERT_TRUE(QFile::link(outside, link));
        RecoveryFile::RemoveAfterQuestion(RecoveryFile::SOutcome{true, false});
        EXPECT_FALSE(QFileInfo(RecoveryFile::DataFolder()).isSymLink()) << linkInside;
        EXPECT_FALSE(QFileInfo::exists(RecoveryFile::DataFolder())) << linkInside;
        EXPECT_TRUE(QFileInfo::exists(outside + "/precious.txt") && QFileInfo::exists(outside + "/inner/deep.txt"))
            << linkInside;
    }
}

TEST(UsageStatistics, CountersAndHighestValuesSurviveARestartAndSaturate)
{
    CTempHome home;
    {
        HDRStatistic statistic;
        statistic.Increment("m_iVideosLoaded");
        statistic.Increment("m_iVideosLoaded");
        statistic.Increment("m_iLIFImagesLoaded", 12);
        statistic.Increment("m_iWindowsResetted", -1);
        statistic.ReportHighest("m_iHighestPPCalcTime", 40);
        statistic.ReportHighest("m_iHighestPPCalcTime", 25);
        statistic.ReportHighest("m_iHighestNegative", -3);
        EXPECT_EQ(statistic.Value("m_iHighestPPCalcTime"), 40);
    }
    ASSERT_TRUE(QFileInfo::exists(Helper::UserDirectory() + "statistic.ini"));
    HDRStatistic statistic;
    for (const auto& [key, value] : {std::pair{"m_iVideosLoaded", 2}, {"m_iLIFImagesLoaded", 12}, {"m_iWindowsResetted", -1},
                                     {"m_iHighestPPCalcTime", 40}, {"m_iHighestNegative", -3}, {"m_iNeverCounted", 0}})
        EXPECT_EQ(statistic.Value(key), value) << key;

    // Corrupt values are dropped and counters saturate.
    const QString path = home.Path() + "/stats.ini";
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("m_iVideosLoaded", "lots");
        settings.setValue("m_iImagesSaved", 2147483647);
    }
    HDRStatistic stored(path);
    EXPECT_EQ(stored.Value("m_iVideosLoaded"), 0);
    stored.Increment("m_iImagesSaved");
    EXPECT_EQ(stored.Value("m_iImagesSaved"), 2147483647);
}

TEST(StartTime, StoredTimeGivesTheDifferenceNeverNegative)
{
    CTempHome home;
    const QString dir = home.Path() + "/user/";
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    // The stored value (null: absent) and the range the difference must fall in.
    const std::tuple<QString, qint64, qint64> cases[] = {
        {QString(), 0, 0}, {"garbage", 0, 0}, {QString::number(now + 3600), 0, 0}, {QString::number(now - 3600), 3600, 3700}};
    for (const auto& [stored, lowest, highest] : cases)
    {
        QFile::remove(dir + "starttime.ini");
        if (!stored.isNull())
            QSettings(dir + "starttime.ini", QSettings::IniFormat).setValue("StartTime", stored);
        CLogCapture log;
        const SStartTime time = ReadAndStoreStartTime(dir);
        EXPECT_GE(time.iDifference, lowest) << stored.toStdString();
        EXPECT_LE(time.iDifference, highest) << stored.toStdString();
        EXPECT_GE(time.iNow, now);
        // Read as text: a settings object could answer from its cache of the file written above,
        // whose size and time stamp may not have changed.
        EXPECT_TRUE(SessionTest::ReadFile(dir + "starttime.ini").contains("StartTime=" + QByteArray::number(time.iNow)))
            << stored.toStdString();
        for (const std::string& line : {"Start at Current Time: " + std::to_string(time.iNow),
                                       "Start at Last Time   : " + std::to_string(time.iLast),
                                       "Start at Difference  : " + std::to_string(time.iDifference)})
            EXPECT_NE(log.Text().find(line), std::string::npos) << line;
    }
}

TEST(ResultFormats, DialogListIndexAndTheStoredFormat)
{
    const QStringList seventh = ResultFormats::DialogFilter(7).split(";;");
    EXPECT_EQ(seventh.first(), "PNG 16-Bit (*.png)");
    EXPECT_EQ(QSet<QString>(seventh.begin(), seventh.end()).size(), ResultFormats::kCount);
    EXPECT_EQ(ResultFormats::DialogFilter(42), ResultFormats::DialogFilter(0));

    // The index comes from the chosen filter, then from the extension.
    const std::tuple<const char*, const char*, int> cases[] = {
        {"Open EXR (*.exr)", "/a/x.png", 4}, // the chosen filter wins
        {"", "/a/x.tif32", 5},
        {"", "/a/x.TIF", 0},
        {"", "/a/x.tiff", 2},
        {"", "/a/x.jp2", 8},
        {"Jpeg", "/a/x.gif", -1},
        {"", "/a/noextension", -1},
    };
    for (const auto& [filter, path, index] : cases)
        EXPECT_EQ(ResultFormats::IndexOf(filter, path), index) << filter << " " << path;
    for (int index = 0; index < ResultFormats::kCount; ++index)
        EXPECT_EQ(ResultFormats::IndexOf(ResultFormats::Filter(index), QString()), index);

    CTempHome home;
    EXPECT_EQ(ResultFormats::LastSavedFormat(), 0);
    ResultFormats::StoreLastSavedFormat(6);
    EXPECT_EQ(ResultFormats::LastSavedFormat(), 6);
    EXPECT_EQ(QSettings(Helper::UserDirectory() + "lastsaveformat.ini", QSettings::IniFormat)
                  .value("lastSavedFormat")
                  .toInt(),
              6);
    for (const char* stored : {"10", "-1", "abc", "4294967302"})
    {
        QSettings(Helper::UserDirectory() + "lastsaveformat.ini", QSettings::IniFormat)
            .setValue("lastSavedFormat", stored);
        EXPECT_EQ(ResultFormats::LastSavedFormat(), 0) << stored;
    }
}

TEST(ProgramOptions, InterfaceScaleSaveLoadAndClampedValues)
{
    // Screen width, interface scale, widget size step.
    const std::tuple<int, int, int> cases[] = {{0, 50, 5},    {1920, 50, 5},  {2559, 50, 5}, {2560, 100, 6},
                                               {3839, 100, 6}, {3840, 150, 7}, {7680, 150, 7}};
    for (const auto& [width, scale, step] : cases)
    {
        EXPECT_EQ(InterfaceScale(width), scale) << width;
        EXPECT_EQ(WidgetSizeStep(width), step) << width;
    }

    // The options window's test saves and loads the values it has controls for; undo saving here.
    CTempHome home;
    QSettings settings(home.Path() + "/options.ini", QSettings::IniFormat);
    const SProgramOptions defaults = SProgramOptions::Load(settings);
    EXPECT_TRUE(defaults.bAutoSafe && defaults.bShowProgress && defaults.bUndoSave);
    EXPECT_EQ(defaults.iPreviewLongSide, 1280);
    SProgramOptions options;
    options.bUndoSave = false;
    options.Save(settings);
    EXPECT_FALSE(SProgramOptions::Load(settings).bUndoSave);

    settings.setValue("options/luminanceWeights", 9);
    settings.setValue("options/previewLongSide", 2000000000);
    EXPECT_EQ(SProgramOptions::Load(settings).iLuminanceWeights, 2);
    EXPECT_EQ(SProgramOptions::Load(settings).iPreviewLongSide, 8192);
    for (const char* unreadable : {"wide", "4294967302"})
    {
        settings.setValue("options/previewLongSide", unreadable);
        EXPECT_EQ(SProgramOptions::Load(settings).iPreviewLongSide, 1280) << unreadable;
    }
}
