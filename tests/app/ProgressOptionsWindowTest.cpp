// The progress window's time texts and abort button, and the options window
// writing its switches straight to the program settings.
#include "app/HDRProgressWindow.h"
#include "app/OptionsWindow.h"
#include "core/EngineState.h"
#include "session/TranslationManager.h"
#include "tests/support/TempHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTranslator>

#include <gtest/gtest.h>

namespace
{
QStringList VisibleTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window))
            texts << label->text();
    return texts;
}

QPushButton* Button(const QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}
}  // namespace

// The units are plural forms of the compiled translations, so each locale is read with its own.
TEST(ProgressWindow, DurationTextsFollowTheLocale)
{
    const struct
    {
        const char* locale;
        qint64 seconds;
        const char* text;
    } cases[] = {
        {"de_DE", -1, "wird ermittelt"},
        {"de_DE", 0, "0 Sekunden"},
        {"de_DE", 1, "1 Sekunde"},
        {"de_DE", 59, "59 Sekunden"},
        {"de_DE", 60, "1 Minute 0 Sekunden"},
        {"de_DE", 3903, "1 Stunde 5 Minuten 3 Sekunden"},
        {"de_DE", 7200, "2 Stunden 0 Minuten 0 Sekunden"},
        {"de_DE", 86400 * 2 + 3600 + 61, "2 Tage 1 Stunde 1 Minute 1 Sekunde"},
        {"en_GB", 86400 + 3903, "1 day 1 hour 5 minutes 3 seconds"},
        {"ru_RU", 11, "11 секунд"},
        {"ru_RU", 21 * 60 + 22, "21 минута 22 секунды"},
        {"jp_JP", 3661, "1時間 1分 1秒"},
    };
    for (const auto& c : cases)
    {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("translation_") + c.locale, VANTROPE_BIN_DIR "/translations"));
        QCoreApplication::installTranslator(&translator);
        EXPECT_EQ(HDRProgressWindow::FormatDuration(c.seconds), QString::fromUtf8(c.text)) << c.locale << c.seconds;
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(ProgressWindow, MessagesMoveTheBarAndAbortSetsTheStopRequest)
{
    MP_UI_SetStopRequest(false);
    HDRProgressWindow window;
    EXPECT_EQ(window.windowTitle(), "Fortschritt");
    window.Start("Videodatei öffnen", "Lade");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Videodatei öffnen"));
    auto* bar = window.findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 0);

    window.receiveMessage(SMessage{40, "Frame 5", 5, 0.5f}, 0.25f);
    EXPECT_EQ(bar->value(), bar->maximum() / 4);
    const QStringList texts = VisibleTexts(window);
    EXPECT_TRUE(texts.contains("Frame 5"));
    EXPECT_EQ(texts.filter("Time elapsed: ").size(), 1);
    EXPECT_EQ(texts.filter("Estimated time left: ").size(), 1);
    window.receiveMessage(SMessage{}, 7.0f); // out of range: clamped
    EXPECT_EQ(bar->value(), bar->maximum());

    QPushButton* abort = Button(window, "Abbrechen");
    QPushButton* resume = Button(window, "Fortfahren");
    ASSERT_NE(abort, nullptr);
    ASSERT_NE(resume, nullptr);
    QSignalSpy aborted(&window, &HDRProgressWindow::aborted);
    abort->click();
    EXPECT_TRUE(MP_UI_GetStopRequest());
    EXPECT_EQ(aborted.count(), 1);
    MP_UI_SetStopRequest(false);

    EXPECT_FALSE(resume->isVisibleTo(&window));
    window.OfferError();
    EXPECT_TRUE(resume->isVisibleTo(&window));
    EXPECT_TRUE(VisibleTexts(window).contains("Es ist ein Fehler aufgetreten, Protokoll oder fortfahren"));
    resume->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(OptionsWindow, ControlsWriteTheSettingsAtOnce)
{
    CTempHome home;
    {
        QSettings settings;
        SProgramOptions{}.Save(settings);
    }
    HDROptionsWindow window;
    QSignalSpy changed(&window, &HDROptionsWindow::optionsChanged);

    window.findChild<QCheckBox*>("m_pAutoSafeBoxCheckBox")->setChecked(false);
    window.findChild<QCheckBox*>("m_pShowProgressCheckBox")->setChecked(false);
    window.findChild<QComboBox*>("m_pLuminanceCombo")->setCurrentIndex(2);
    window.findChild<QSpinBox*>("m_pPreviewLongSideSpin")->setValue(1920);
    auto* folder = window.findChild<QLineEdit*>("m_pFixedFolderEdit");
    folder->setText("/data/clips");
    emit folder->editingFinished();
    EXPECT_EQ(changed.count(), 5);

    QSettings settings;
    EXPECT_FALSE(settings.value("automatics/m_pAutoSafeBoxCheckBox").toBool());
    const SProgramOptions stored = SProgramOptions::Load(settings);
    EXPECT_FALSE(stored.bShowProgress);
    EXPECT_EQ(stored.iLuminanceWeights, 2);
    EXPECT_EQ(stored.iPreviewLongSide, 1920);
    EXPECT_EQ(stored.sFixedDefaultFolder, "/data/clips");
    EXPECT_EQ(window.Options().iPreviewLongSide, 1920);

    // Settings changed elsewhere reach the controls on Reload without a change signal.
    settings.setValue("options/m_pShowProgressCheckBox", true);
    settings.setValue("options/previewLongSide", 640);
    window.Reload();
    EXPECT_TRUE(window.findChild<QCheckBox*>("m_pShowProgressCheckBox")->isChecked());
    EXPECT_EQ(window.findChild<QSpinBox*>("m_pPreviewLongSideSpin")->value(), 640);
    EXPECT_EQ(changed.count(), 5);
    SProgramOptions{}.Save(settings);
}

// The language choice lists the eight locales, writes the chosen one into language.ini and says
// that it applies at the next start, not when the running language is chosen again.
TEST(OptionsWindow, LanguageChoiceIsStoredForTheNextStart)
{
    CTempHome home;
    const QString languageFile = home.Path() + "/Vantrope 1/language.ini";
    CTranslationManager::StoreLocale(home.Path() + "/Vantrope 1/", "de_DE");
    HDROptionsWindow window;
    auto* combo = window.findChild<QComboBox*>("m_pLanguageCombo");
    auto* note = window.findChild<QLabel*>("m_pLanguageNote");
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(note, nullptr);
    ASSERT_EQ(combo->count(), 8);
    EXPECT_EQ(combo->currentText(), "Deutsch");

    const int french = combo->findText("French");
    ASSERT_GE(french, 0);
    combo->setCurrentIndex(french);
    emit combo->activated(french);
    EXPECT_EQ(QSettings(languageFile, QSettings::IniFormat).value("locale").toString(), "fr_FR");
    EXPECT_FALSE(note->isHidden());

    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(QSettings(languageFile, QSettings::IniFormat).value("locale").toString(), "de_DE");
    EXPECT_TRUE(note->isHidden());
}
