#include "session/TranslationManager.h"

#include "core/AppLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSettings>

namespace
{
// Shown in the options window's language choice; the order is that of SupportedLocales().
const char* const kDisplayNames[] = {
    QT_TRANSLATE_NOOP("HDROptionsWindow", "Deutsch"),    QT_TRANSLATE_NOOP("HDROptionsWindow", "English GB"),
    QT_TRANSLATE_NOOP("HDROptionsWindow", "English US"), QT_TRANSLATE_NOOP("HDROptionsWindow", "French"),
    QT_TRANSLATE_NOOP("HDROptionsWindow", "Italian"),    QT_TRANSLATE_NOOP("HDROptionsWindow", "Espanol"),
    QT_TRANSLATE_NOOP("HDROptionsWindow", "Japanese"),   QT_TRANSLATE_NOOP("HDROptionsWindow", "Russian"),
};
}  // namespace

CTranslationManager::CTranslationManager(const QString& translationsDir, const QString& userDir)
    : m_sTranslationsDir(translationsDir), m_sUserDir(userDir)
{
}

const QStringList& CTranslationManager::SupportedLocales()
{
    static const QStringList locales = {"de_DE", "en_GB", "en_US", "fr_FR",
                                        "it_IT", "es_ES", "jp_JP", "ru_RU"};
    return locales;
}

QString CTranslationManager::FoldRegionalVariant(QString name)
{
    static const char* const toGerman[] = {"de_AT", "de_CH", "de_LU", "de_LI"};
    static const char* const toBritish[] = {"en_AU", "en_BZ", "en_CA", "en_CB", "en_IN", "en_IE",
                                            "en_JM", "en_NZ", "en_PH", "en_ZA", "en_TT"};
    static const char* const toFrench[] = {"fr_BE", "fr_CA", "fr_LU", "fr_CH"};
    for (const char* v : toGerman)
        name.replace(QLatin1String(v), QLatin1String("de_DE"));
    for (const char* v : toBritish)
        name.replace(QLatin1String(v), QLatin1String("en_GB"));
    for (const char* v : toFrench)
        name.replace(QLatin1String(v), QLatin1String("fr_FR"));
    return name;
}

QString CTranslationManager::LocaleForSwitch(const QString& argument)
{
    if (argument == QLatin1String("-Lang_DE"))
        return "de_DE";
    if (argument == QLatin1String("-Lang_EN"))
        return "en_GB";
    if (argument == QLatin1String("-Lang_FR"))
        return "fr_FR";
    return {};
}

void CTranslationManager::StoreLocale(const QString& userDir, const QString& locale)
{
    QSettings settings(userDir + "language.ini", QSettings::IniFormat);
    settings.setValue("locale", locale);
}

QString CTranslationManager::StoredLocale(const QString& userDir)
{
    return QSettings(userDir + "language.ini", QSettings::IniFormat).value("locale").toString();
}

QString CTranslationManager::DisplayName(const QString& locale)
{
    const qsizetype i = SupportedLocales().indexOf(locale);
    return i < 0 ? locale : QCoreApplication::translate("HDROptionsWindow", kDisplayNames[i]);
}

QString CTranslationManager::ToolkitLanguage(const QString& locale)
{
    const QString language = locale.section('_', 0, 0);
    return language == QLatin1String("jp") ? QStringLiteral("ja") : language;
}

bool CTranslationManager::Load(QTranslator& translator, const QString& locale) const
{
    return translator.load("translation_" + locale, m_sTranslationsDir);
}

void CTranslationManager::Initialize(const QString& systemLocaleName, bool store)
{
    const QString languageFile = m_sUserDir + "language.ini";
    QString locale;
    if (QFile::exists(languageFile))
        locale = StoredLocale(m_sUserDir);
    else
        locale = FoldRegionalVariant(systemLocaleName);
    if (!SupportedLocales().contains(locale))
        locale = "en_GB";

    Load(m_translator, locale);
    if (m_translator.translate("Program", "VERSION_NAME_NEUTRAL VANTROPE").isEmpty())
    {
        for (const QString& candidate : SupportedLocales())
        {
            QTranslator scratch;
            if (Load(scratch, candidate) && !scratch.isEmpty() &&
                !scratch.translate("Program", "VERSION_NAME VANTROPE").isEmpty())
            {
                locale = candidate;
                Load(m_translator, locale);
                break;
            }
        }
    }

    Helper::AppLog("Selected Locale: " + locale);
    const QString toolkitDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!m_toolkitTranslator.load("qtbase_" + ToolkitLanguage(locale), toolkitDir))
        Helper::AppLog("No toolkit translation for " + locale);
    if (SupportedLocales().contains(locale))
    {
        if (store)
            StoreLocale(m_sUserDir, locale);
        m_sLocale = locale;
    }
}
