#include "i18nmanager.h"

#include "clconstants.h"
#include "clprocessor.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

struct NameSource
{
    const char *key;
    const char *source;
};

// The source texts are the translation keys of the shipped catalogues: their
// spelling must not change, misspellings included.
const NameSource LanguageSources[] = {
    {"ar", QT_TRANSLATE_NOOP("I18NManager", "Arabic")},
    {"de", QT_TRANSLATE_NOOP("I18NManager", "German")},
    {"en", QT_TRANSLATE_NOOP("I18NManager", "English")},
    {"es", QT_TRANSLATE_NOOP("I18NManager", "Spanish")},
    {"fa", QT_TRANSLATE_NOOP("I18NManager", "Persian")},
    {"fr", QT_TRANSLATE_NOOP("I18NManager", "French")},
    {"hi", QT_TRANSLATE_NOOP("I18NManager", "Hindi")},
    {"id", QT_TRANSLATE_NOOP("I18NManager", "Indonesian")},
    {"it", QT_TRANSLATE_NOOP("I18NManager", "Italian")},
    {"iw", QT_TRANSLATE_NOOP("I18NManager", "Hebrew")},
    {"ja", QT_TRANSLATE_NOOP("I18NManager", "Japanese")},
    {"kr", QT_TRANSLATE_NOOP("I18NManager", "Korean")},
    {"po", QT_TRANSLATE_NOOP("I18NManager", "Polish")},
    {"pt", QT_TRANSLATE_NOOP("I18NManager", "Portuguese")},
    {"ro", QT_TRANSLATE_NOOP("I18NManager", "Romanian")},
    {"ru", QT_TRANSLATE_NOOP("I18NManager", "Russian")},
    {"tr", QT_TRANSLATE_NOOP("I18NManager", "Turkish")},
    {"uk", QT_TRANSLATE_NOOP("I18NManager", "Ukrainian")},
    {"vi", QT_TRANSLATE_NOOP("I18NManager", "Vietnamese")},
    {"zh_CN", QT_TRANSLATE_NOOP("I18NManager", "Simplified Chinese")},
    {"zh_TW", QT_TRANSLATE_NOOP("I18NManager", "Traditional Chinese")},
};

const NameSource CountrySources[] = {
    {"ae", QT_TRANSLATE_NOOP("I18NManager", "UAE")},
    {"ar", QT_TRANSLATE_NOOP("I18NManager", "Argentina")},
    {"au", QT_TRANSLATE_NOOP("I18NManager", "Australia")},
    {"bh", QT_TRANSLATE_NOOP("I18NManager", "Bahrain")},
    {"br", QT_TRANSLATE_NOOP("I18NManager", "Brazil")},
    {"ca", QT_TRANSLATE_NOOP("I18NManager", "Canada")},
    {"cl", QT_TRANSLATE_NOOP("I18NManager", "Chile")},
    {"cn", QT_TRANSLATE_NOOP("I18NManager", "China")},
    {"cu", QT_TRANSLATE_NOOP("I18NManager", "Cuba")},
    {"de", QT_TRANSLATE_NOOP("I18NManager", "Germany")},
    {"eg", QT_TRANSLATE_NOOP("I18NManager", "Egypt")},
    {"es", QT_TRANSLATE_NOOP("I18NManager", "Spain")},
    {"fr", QT_TRANSLATE_NOOP("I18NManager", "Frence")},
    {"id", QT_TRANSLATE_NOOP("I18NManager", "Indonesia")},
    {"il", QT_TRANSLATE_NOOP("I18NManager", "Isreal")},
    {"in", QT_TRANSLATE_NOOP("I18NManager", "India")},
    {"it", QT_TRANSLATE_NOOP("I18NManager", "Italy")},
    {"ir", QT_TRANSLATE_NOOP("I18NManager", "Iran")},
    {"jp", QT_TRANSLATE_NOOP("I18NManager", "Japan")},
    {"ke", QT_TRANSLATE_NOOP("I18NManager", "Kenya")},
    {"kp", QT_TRANSLATE_NOOP("I18NManager", "North Korea")},
    {"kr", QT_TRANSLATE_NOOP("I18NManager", "South Korea")},
    {"mx", QT_TRANSLATE_NOOP("I18NManager", "Mixco")},
    {"my", QT_TRANSLATE_NOOP("I18NManager", "Malaysia")},
    {"ph", QT_TRANSLATE_NOOP("I18NManager", "Philippines")},
    {"pl", QT_TRANSLATE_NOOP("I18NManager", "Poland")},
    {"pk", QT_TRANSLATE_NOOP("I18NManager", "Pakistan")},
    {"ro", QT_TRANSLATE_NOOP("I18NManager", "Romania")},
    {"ru", QT_TRANSLATE_NOOP("I18NManager", "Ruassia")},
    {"sa", QT_TRANSLATE_NOOP("I18NManager", "Saudi Arabia")},
    {"sg", QT_TRANSLATE_NOOP("I18NManager", "Singapore")},
    {"th", QT_TRANSLATE_NOOP("I18NManager", "Tailand")},
    {"tr", QT_TRANSLATE_NOOP("I18NManager", "Turkey")},
    {"tw", QT_TRANSLATE_NOOP("I18NManager", "Taiwan")},
    {"ua", QT_TRANSLATE_NOOP("I18NManager", "Ukraine")},
    {"gb", QT_TRANSLATE_NOOP("I18NManager", "UK")},
    {"us", QT_TRANSLATE_NOOP("I18NManager", "USA")},
    {"vn", QT_TRANSLATE_NOOP("I18NManager", "Vietnam")},
    {"za", QT_TRANSLATE_NOOP("I18NManager", "South Africa")},
};

const NameSource GroupSources[] = {
    {CL_CATEGORY_GENERAL, QT_TRANSLATE_NOOP("I18NManager", "General News")},
    {"(f)predefined", QT_TRANSLATE_NOOP("I18NManager", "Predefined")},
    {"(f)customed", QT_TRANSLATE_NOOP("I18NManager", "Customed")},
};

template <size_t N> void fillTable(QHash<QString, QString> &table, const NameSource (&sources)[N])
{
    for (const NameSource &entry : sources)
        table.insert(QString::fromLatin1(entry.key),
                     QCoreApplication::translate("I18NManager", entry.source));
}

// "zh" alone is ambiguous; the program's code for it is the simplified script.
QString normalisedLanguage(const QString &code)
{
    return code == QLatin1String("zh") ? QStringLiteral("zh_CN") : code;
}

} // namespace

I18NManager::I18NManager(QObject *parent, const QString &systemLocale) : QObject(parent)
{
    uiLanguages = QStringLiteral(TS_SUPPORTED_LANGUAGES).split(QLatin1Char(','));
    targetLanguages = QStringLiteral("ar,de,en,es,fa,fr,hi,id,it,iw,ja,kr,po,pt,ro,ru,tr,uk,vi,"
                                     "zh_CN,zh_TW")
                          .split(QLatin1Char(','));

    const QString localeLanguage = systemLocale.left(2);
    const QSettings settings;
    uiLanguage = normalisedLanguage(
        settings.value(QStringLiteral(TS_KEY_UI_LANGUAGE), localeLanguage).toString());
    translateTargetLanguage = normalisedLanguage(
        settings.value(QStringLiteral(TS_KEY_TRANSLATE_TARGET_LANGUAGE), localeLanguage)
            .toString());
    autoTranslation = settings.value(QStringLiteral(TS_KEY_AUTO_TRANSLATION), false).toBool();
}

void I18NManager::refreshI18nNames()
{
    languageTitles.clear();
    countryTitles.clear();
    fillTable(languageTitles, LanguageSources);
    fillTable(countryTitles, CountrySources);
    fillTable(groupTitles, GroupSources);
}

void I18NManager::save()
{
    QSettings settings;
    settings.setValue(QStringLiteral(TS_KEY_UI_LANGUAGE), uiLanguage);
    settings.setValue(QStringLiteral(TS_KEY_TRANSLATE_TARGET_LANGUAGE), translateTargetLanguage);
    settings.setValue(QStringLiteral(TS_KEY_AUTO_TRANSLATION), autoTranslation);
}
