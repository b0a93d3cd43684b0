// The translations as a user meets them: every text the sources use is finished in all eight
// locales (lupdate itself finds nothing new or unfinished), keys never reach the screen, and a
// main window started with a locale shows its actions in that language.
#include "app/HDRMainWindow.h"
#include "session/TranslationManager.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace
{
const QString kCompiled = QStringLiteral(VANTROPE_BIN_DIR "/translations/");

struct SEntry
{
    QString sContext, sSource, sComment;
    QStringList translations; // one, or the plural forms
    bool bNumerus = false, bUnfinished = false;
};

QList<SEntry> ReadTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<SEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.append({context, {}, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes")});
        else if (xml.name() == QLatin1String("source"))
            entries.last().sSource = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            entries.last().sComment = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
        {
            entries.last().bUnfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            if (!entries.last().bNumerus)
                entries.last().translations << xml.readElementText();
        }
        else if (xml.name() == QLatin1String("numerusform"))
            entries.last().translations << xml.readElementText();
    }
    return entries;
}

// Keys rather than German display texts: joined words ("LUTLoadFromFile", "MyImage",
// "Fraktales_Korn", "LUTType1") or the wording the keys of the panels use.
bool IsKey(const QString& source)
{
    static const QRegularExpression joined(QStringLiteral("^[A-Za-z]\\w*([a-z][A-Z]|_|[A-Za-z]\\d)\\w*$"));
    static const char* const markers[] = {"create new", "Areas", "Tooltip", "tooltip ", "headline", "LUT message",
                                          "Blendmode ", "MovieHandling", "SearchTag", "Messagetitle", "LUT Size",
                                          "LUT balance", "LUT protect", "Dialog", "Video Codec", "Video Quality",
                                          "Video Artefact"};
    if (joined.match(source).hasMatch())
        return true;
    for (const char* marker : markers)
        if (source.contains(QLatin1String(marker)))
            return true;
    return false;
}
}  // namespace

TEST(Translations, EveryTextOfTheSourcesIsFinishedInEveryLocale)
{
    // lupdate over today's sources into copies, without the texts the sources no longer use.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList copies;
    for (const QString& locale : CTranslationManager::SupportedLocales())
    {
        const QString name = "translation_" + locale + ".ts";
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTROPE_SOURCE_DIR "/resources/translations/") + name,
                                dir.filePath(name)));
        copies << dir.filePath(name);
    }
    QProcess lupdate;
    lupdate.start(VANTROPE_LUPDATE, QStringList{"-project", VANTROPE_LUPDATE_PROJECT, "-locations", "none",
                                                "-no-obsolete", "-ts"} + copies);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const QString report = QString::fromUtf8(lupdate.readAllStandardOutput());
    const QRegularExpression found(QStringLiteral("Found (\\d+) source text\\(s\\) \\((\\d+) new"));
    int reports = 0;
    for (auto it = found.globalMatch(report); it.hasNext(); ++reports)
    {
        const auto match = it.next();
        EXPECT_GT(match.captured(1).toInt(), 400);
        EXPECT_EQ(match.captured(2).toInt(), 0) << "texts without translation: run make build and translate them";
    }
    EXPECT_EQ(reports, 8) << report.toStdString();

    for (const QString& locale : CTranslationManager::SupportedLocales())
    {
        const QList<SEntry> entries = ReadTs(dir.filePath("translation_" + locale + ".ts"));
        ASSERT_GT(entries.size(), 400) << locale.toStdString();
        QTranslator compiled;
        ASSERT_TRUE(compiled.load("translation_" + locale, kCompiled)) << locale.toStdString();
        int keys = 0;
        for (const SEntry& e : entries)
        {
            const std::string where = locale.toStdString() + " " + e.sContext.toStdString() + " \"" +
                                      e.sSource.toStdString() + "\"";
            EXPECT_FALSE(e.bUnfinished) << where;
            ASSERT_FALSE(e.translations.isEmpty()) << where;
            for (const QString& t : e.translations)
                EXPECT_FALSE(t.trimmed().isEmpty()) << where;
            const QByteArray comment = e.sComment.toUtf8();
            const QString shown = compiled.translate(e.sContext.toUtf8().constData(), e.sSource.toUtf8().constData(),
                                                     comment.isEmpty() ? nullptr : comment.constData(),
                                                     e.bNumerus ? 2 : -1);
            EXPECT_FALSE(shown.isEmpty()) << where << " (compiled)";
            if (IsKey(e.sSource))
            {
                ++keys;
                EXPECT_NE(shown, e.sSource) << where << " (a key reaches the screen)";
            }
        }
        EXPECT_GT(keys, 50) << locale.toStdString(); // the rule still recognises the keys
    }
}

// A window started with each locale: its menu actions in that language.
TEST(Translations, MainWindowActionsFollowTheLocale)
{
    // One literal per locale; every other action is checked against the German window.
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE", "Video laden"},      {"en_GB", "Load video"},       {"en_US", "Load video"},
        {"fr_FR", "Charger une vidéo"}, {"it_IT", "Carica video"},     {"es_ES", "Cargar vídeo"},
        {"jp_JP", "ビデオを読み込む"}, {"ru_RU", "Загрузить видео"},
    };
    QHash<QString, QString> german;
    for (const auto& [locale, loadVideo] : cases)
    {
        CTempHome home;
        const QString userDir = home.Path() + "/Vantrope 1/";
        CTranslationManager::StoreLocale(userDir, locale);
        CTranslationManager manager(kCompiled, userDir);
        manager.Initialize("de_DE");
        ASSERT_EQ(manager.CurrentLocale(), locale);
        QCoreApplication::installTranslator(&manager.ToolkitTranslator());
        QCoreApplication::installTranslator(&manager.Translator());
        {
            CScriptedPrompt prompt;
            HDRMainWindow window(0, QString(), QStringLiteral("Linux"), &prompt);
            const auto* load = window.findChild<QAction*>(QStringLiteral("m_pLoadVideoAction"));
            EXPECT_EQ(load ? load->text() : QString(), QString::fromUtf8(loadVideo)) << locale;
            // No action keeps its German text outside German (the German window comes first).
            for (const QAction* action : window.findChildren<QAction*>(QRegularExpression("^m_p.*Action$")))
            {
                if (QLatin1String(locale) == QLatin1String("de_DE"))
                    german[action->objectName()] = action->text();
                else
                    EXPECT_NE(action->text(), german.value(action->objectName())) << locale;
            }
        }
        QCoreApplication::removeTranslator(&manager.Translator());
        QCoreApplication::removeTranslator(&manager.ToolkitTranslator());
    }
}
