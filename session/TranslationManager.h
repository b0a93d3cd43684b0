// Chooses the interface language and holds the translator installed in the application.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

class CTranslationManager
{
public:
    /// `translationsDir`: folder of the compiled "translation_<locale>" files;
    /// `userDir`: folder of "language.ini" (with trailing separator).
    CTranslationManager(const QString& translationsDir, const QString& userDir);

    /// Picks the locale (language.ini, else the system locale with regional variants folded),
    /// loads its translator with the fallback walk, logs the choice and, with `store`, writes it
    /// to language.ini (the window does; a command-line run leaves the user's files alone).
    void Initialize(const QString& systemLocaleName, bool store = true);

    QString CurrentLocale() const { return m_sLocale; }
    QTranslator& Translator() { return m_translator; }
    /// The toolkit's own texts (standard buttons, file dialogs) for the chosen locale, loaded
    /// from the system's Qt translations; empty where the system has none.
    QTranslator& ToolkitTranslator() { return m_toolkitTranslator; }

    /// The eight supported locales, in fallback order.
    static const QStringList& SupportedLocales();
    /// "de_CH" → "de_DE", "en_AU" → "en_GB", "fr_BE" → "fr_FR" and the other regional variants.
    static QString FoldRegionalVariant(QString name);
    /// Locale for a "-Lang_XX" switch, empty for any other text.
    static QString LocaleForSwitch(const QString& argument);
    /// Writes the locale as "locale" into language.ini of the user directory.
    static void StoreLocale(const QString& userDir, const QString& locale);
    /// The "locale" of language.ini, empty when there is none.
    static QString StoredLocale(const QString& userDir);
    /// The locale's name for the language choice, in the current interface language.
    static QString DisplayName(const QString& locale);
    /// Language part of the toolkit's translation file names: "de_DE" → "de", "jp_JP" → "ja".
    static QString ToolkitLanguage(const QString& locale);

private:
    bool Load(QTranslator& translator, const QString& locale) const;

    QString m_sTranslationsDir;
    QString m_sUserDir;
    QString m_sLocale;
    QTranslator m_translator;
    QTranslator m_toolkitTranslator;
};
