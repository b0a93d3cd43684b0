// Language choice, registration, start page, file association, event filter and progress
// weighting of the application shell, exercised without starting the program.
#include "AppTestSupport.h"

#include "app/FileAssociation.h"
#include "app/HDRApplication.h"
#include "app/HDRProgressThread.h"
#include "app/StartupFiles.h"
#include "core/EngineState.h"
#include "session/TranslationManager.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace
{
const QString kTranslations = QStringLiteral(VANTROPE_BIN_DIR "/translations/");

QString ReadLocale(const QString& userDir)
{
    return QSettings(userDir + "language.ini", QSettings::IniFormat).value("locale").toString();
}

void Touch(const QString& path, bool executable)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}
}  // namespace

TEST(TranslationManager, SystemLocaleIsFoldedAndWrittenBack)
{
    struct SCase
    {
        const char* system;
        const char* expected;
    } cases[] = {{"de_CH", "de_DE"}, {"en_AU", "en_GB"}, {"pt_BR", "en_GB"}, {"it_IT", "it_IT"},
                 {"ja_JP", "en_GB"}, {"jp_JP", "jp_JP"}};
    for (const SCase& c : cases)
    {
        CTempHome home;
        const QString userDir = home.Path() + "/Vantrope 1/";
        CTranslationManager manager(kTranslations, userDir);
        manager.Initialize(c.system);
        EXPECT_EQ(manager.CurrentLocale(), c.expected) << c.system;
        EXPECT_EQ(ReadLocale(userDir), c.expected) << c.system;
        EXPECT_FALSE(manager.Translator().isEmpty()) << c.system;
        // The toolkit's own dialogs follow, from the system's files (English needs none).
        if (!QString(c.expected).startsWith("en"))
        {
            EXPECT_FALSE(manager.ToolkitTranslator().isEmpty()) << c.system;
        }
        if (QString(c.expected) == "de_DE")
        {
            EXPECT_EQ(manager.ToolkitTranslator().translate("QPlatformTheme", "&Yes"), "&Ja");
        }
    }
    EXPECT_EQ(CTranslationManager::LocaleForSwitch("-Lang_IT"), ""); // Italian has no switch
}

TEST(TranslationManager, StoredLocaleWinsAndMissingFilesFallBack)
{
    CTempHome home;
    const QString userDir = home.Path() + "/Vantrope 1/";
    CTranslationManager::StoreLocale(userDir, "fr_FR");
    {
        CTranslationManager manager(kTranslations, userDir);
        manager.Initialize("de_DE");
        EXPECT_EQ(manager.CurrentLocale(), "fr_FR");
        EXPECT_EQ(manager.Translator().translate("SplashScreen", "Initialisiere System"),
                  QString::fromUtf8("Initialisation du système"));
    }
    // Only the English US file exists: the stored French choice falls back along the table.
    const QString partial = home.Path() + "/partial/";
    QDir().mkpath(partial);
    ASSERT_TRUE(QFile::copy(kTranslations + "translation_en_US.qm", partial + "translation_en_US.qm"));
    CTranslationManager manager(partial, userDir);
    manager.Initialize("de_DE");
    EXPECT_EQ(manager.CurrentLocale(), "en_US");
    EXPECT_EQ(ReadLocale(userDir), "en_US");

    // No files at all: the texts stay German, the choice stays as read.
    CTranslationManager none(home.Path() + "/none/", userDir);
    none.Initialize("de_DE");
    EXPECT_EQ(none.CurrentLocale(), "en_US");
    EXPECT_TRUE(none.Translator().isEmpty());
}

TEST(StartupFiles, RegistrationSkipsUninstallerAndProbe)
{
    CTempHome home;
    const QString appDir = home.Path() + "/app";
    QDir().mkpath(appDir);
    Touch(appDir + "/vantrope", true);
    Touch(appDir + "/OpenCLCheck", true);
    Touch(appDir + "/unins000", true);
    Touch(appDir + "/readme.txt", false);
    StartupFiles::WriteRegistration(appDir);

    QSettings ini(home.Path() + "/ProjectData/Vantrope 1.ini", QSettings::IniFormat);
    EXPECT_EQ(ini.value("Path").toString(), appDir);
    EXPECT_EQ(ini.value("Display_Name").toString(), "vantrope");
    EXPECT_EQ(ini.value("Application").toString(), appDir + "/vantrope");
    EXPECT_EQ(ini.value("Version_Build").toInt(), 3607);
}

TEST(StartupFiles, StartPageOpensOnTheFirstTwoStarts)
{
    CTempHome home;
    const QString appDir = home.Path() + "/app", userDir = home.Path() + "/Vantrope 1/";
    QDir().mkpath(appDir + "/settings");
    QDir().mkpath(userDir);
    int opened = 0;
    auto open = [&](const QUrl& url) {
        EXPECT_EQ(url, QUrl("https://example.invalid/welcome"));
        ++opened;
    };
    EXPECT_FALSE(StartupFiles::HandleStartPage(appDir, userDir, open)); // no link file
    QSettings(appDir + "/settings/link_vantrope.ini", QSettings::IniFormat).setValue("openbrowserpage", "");
    EXPECT_FALSE(StartupFiles::HandleStartPage(appDir, userDir, open)); // empty page
    EXPECT_FALSE(QFile::exists(userDir + "oem.ini"));

    QSettings(appDir + "/settings/link_vantrope.ini", QSettings::IniFormat)
        .setValue("openbrowserpage", "https://example.invalid/welcome");
    EXPECT_TRUE(StartupFiles::HandleStartPage(appDir, userDir, open));
    EXPECT_TRUE(StartupFiles::HandleStartPage(appDir, userDir, open));
    EXPECT_FALSE(StartupFiles::HandleStartPage(appDir, userDir, open));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(QSettings(userDir + "oem.ini", QSettings::IniFormat).value("loaded").toUInt(), 3u);
}

TEST(FileAssociation, RegistersOnceAndLeavesAnotherOwnerAlone)
{
    CTempHome home;
    CScriptedPrompt prompt;
    ASSERT_TRUE(FileAssociation::Register("/opt/my \"odd\" dir/vantrope", "/opt/icon.svg", &prompt));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QFile desktop(data + "/applications/vantrope.desktop");
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QByteArray entry = desktop.readAll();
    EXPECT_TRUE(entry.contains("Exec=\"/opt/my \\\"odd\\\" dir/vantrope\" %f\n")) << entry.constData();
    EXPECT_TRUE(entry.contains("MimeType=application/x-vantrope-project;"));
    EXPECT_TRUE(QFile::exists(data + "/mime/packages/vantrope-project.xml"));
    EXPECT_EQ(FileAssociation::DefaultApplication(), "vantrope.desktop");
    EXPECT_TRUE(prompt.Log().isEmpty());

    // A second registration changes nothing and keeps the other entries of the list.
    const QString list = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/mimeapps.list";
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::Append) && file.write("[Added Associations]\ntext/plain=editor.desktop;\n") > 0);
    }
    ASSERT_TRUE(FileAssociation::Register("/opt/my \"odd\" dir/vantrope", "/opt/icon.svg", &prompt));
    QFile again(list);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    const QByteArray content = again.readAll();
    EXPECT_EQ(content.count("application/x-vantrope-project="), 1);
    EXPECT_TRUE(content.contains("text/plain=editor.desktop;"));

    // Another program owns the type: it stays the default.
    CTempHome other;
    const QString otherList = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/mimeapps.list";
    QDir().mkpath(QFileInfo(otherList).absolutePath());
    ASSERT_TRUE(WriteFile(otherList, "[Default Applications]\napplication/x-vantrope-project=other.desktop\n"));
    EXPECT_FALSE(FileAssociation::Register("/opt/vantrope", "/opt/icon.svg", &prompt));
    EXPECT_EQ(FileAssociation::DefaultApplication(), "other.desktop");
    EXPECT_FALSE(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                               "/mime/packages/vantrope-project.xml"));
}

TEST(FileAssociation, UnwritableFolderShowsTheRegistryWarning)
{
    CTempHome home;
    // A file where the data folder must be: nothing can be created below it.
    ASSERT_TRUE(WriteFile(home.Path() + "/.local", {}));
    CScriptedPrompt prompt;
    EXPECT_FALSE(FileAssociation::Register("/opt/vantrope", "/opt/icon.svg", &prompt));
    ASSERT_EQ(prompt.Log().size(), 1);
    EXPECT_TRUE(prompt.Log().first().startsWith("warning|Error in setting Registry values|registration database update "
                                                "failed for key '"));
}

TEST(EventFilter, OnlyPaintingAndEscapePassDuringCalculations)
{
    MP_UI_SetStopRequest(false);
    for (const auto& [type, swallowed] : {std::pair{QEvent::Paint, false}, {QEvent::UpdateRequest, false},
                                          {QEvent::MouseButtonPress, true}, {QEvent::Wheel, true}})
    {
        QEvent event(type);
        EXPECT_EQ(HDRApplication::SwallowDuringCalculation(&event), swallowed) << type;
    }
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_FALSE(HDRApplication::SwallowDuringCalculation(&letter));
    EXPECT_FALSE(MP_UI_GetStopRequest());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    EXPECT_TRUE(HDRApplication::SwallowDuringCalculation(&escape));
    EXPECT_TRUE(MP_UI_GetStopRequest());
    MP_UI_SetStopRequest(false);
}

TEST(ProgressThread, ForwardsAcceptedReportsWithTheOverallFraction)
{
    MP_UI_InitEngine("", 2, 0, 0);
    HDRProgressThread thread(2);
    thread.RegisterCategory(5);
    QSignalSpy messages(&thread, &HDRProgressThread::sendMessage);
    QSignalSpy repaints(&thread, &HDRProgressThread::repaintWindow);
    thread.Report(5, "Berechne", 3, 0.5f);
    thread.Report(7, "unregistered", 0, 1.0f);
    thread.Report(5, "again", 0, 0.6f); // within the repaint delay
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0][0].value<SMessage>().sText, "Berechne");
    EXPECT_FLOAT_EQ(messages[0][1].toFloat(), 0.25f);
    EXPECT_FLOAT_EQ(messages[1][1].toFloat(), 0.3f);
    EXPECT_EQ(repaints.size(), 1);
}
