// Writes the language resource gui.xml: the names of the program's languages and
// countries in each of its interface languages, taken from the ICU locale data.
//
// Re-run after changing the lists below or to pick up newer ICU data:
//   cmake --build BUILD --target tessolin-genlangres
//   BUILD/tools/genlangres/tessolin-genlangres resources/core/gui.xml

#include <QFile>
#include <QString>
#include <QXmlStreamWriter>

#include <unicode/locdspnm.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

struct Entry
{
    const char *code;     // the program's code
    const char *icuCode;  // the ICU locale or region code
    const char *english;  // the English name the program shows
    const char *original; // the locale whose name is the default
};

// The program's codes are not ISO in every case: kr is Korean, po Polish, iw Hebrew.
const std::vector<Entry> Languages = {
    {"en", "en", "English", "en"},
    {"zh_CN", "zh_Hans", "Simplified Chinese", "en"},
    {"zh_TW", "zh_Hant", "Traditional Chinese", "en"},
    {"es", "es", "Spanish", "en"},
    {"fr", "fr", "French", "en"},
    {"ru", "ru", "Russian", "en"},
    {"uk", "uk", "Ukrainian", "en"},
    {"de", "de", "German", "en"},
    {"ja", "ja", "Japanese", "en"},
    {"kr", "ko", "Korean", "en"},
    {"it", "it", "Italian", "en"},
    {"po", "pl", "Polish", "en"},
    {"ro", "ro", "Romanian", "en"},
    {"pt", "pt", "Portuguese", "en"},
    {"ar", "ar", "Arabic", "en"},
    {"iw", "he", "Hebrew", "en"},
    {"tr", "tr", "Turkish", "en"},
    {"id", "id", "Indonesian", "en"},
    {"hi", "hi", "Hindi", "en"},
    {"vi", "vi", "Vietnamese", "en"},
    {"fa", "fa", "Persian", "en"},
};

// ae and th keep their historical default locale zh_CN.
const std::vector<Entry> Countries = {
    {"ae", "AE", "UAE", "zh_CN"},       {"ar", "AR", "Argentina", "en"},
    {"au", "AU", "Australia", "en"},    {"bh", "BH", "Bahrain", "en"},
    {"br", "BR", "Brazil", "en"},       {"ca", "CA", "Canada", "en"},
    {"cl", "CL", "Chile", "en"},        {"cn", "CN", "China", "en"},
    {"cu", "CU", "Cuba", "en"},         {"de", "DE", "Germany", "en"},
    {"eg", "EG", "Egypt", "en"},        {"es", "ES", "Spain", "en"},
    {"fr", "FR", "France", "en"},       {"id", "ID", "Indonesia", "en"},
    {"il", "IL", "Israel", "en"},       {"in", "IN", "India", "en"},
    {"it", "IT", "Italy", "en"},        {"ir", "IR", "Iran", "en"},
    {"jp", "JP", "Japan", "en"},        {"ke", "KE", "Kenya", "en"},
    {"lb", "LB", "Lebanon", "en"},      {"kp", "KP", "North Korea", "en"},
    {"kr", "KR", "South Korea", "en"},  {"mx", "MX", "Mexico", "en"},
    {"my", "MY", "Malaysia", "en"},     {"ph", "PH", "Philippines", "en"},
    {"pl", "PL", "Poland", "en"},       {"pk", "PK", "Pakistan", "en"},
    {"ro", "RO", "Romania", "en"},      {"ru", "RU", "Russia", "en"},
    {"sa", "SA", "Saudi Arabia", "en"}, {"sg", "SG", "Singapore", "en"},
    {"th", "TH", "Thailand", "zh_CN"},  {"tr", "TR", "Turkey", "en"},
    {"tw", "TW", "Taiwan", "en"},       {"ua", "UA", "Ukraine", "en"},
    {"gb", "GB", "UK", "en"},           {"us", "US", "United States", "en"},
    {"vn", "VN", "Vietnam", "en"},      {"za", "ZA", "South Africa", "en"},
};

struct DisplayLocale
{
    QString code;
    std::unique_ptr<icu::LocaleDisplayNames> names;
};

QString toQString(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

std::vector<DisplayLocale> openDisplayLocales()
{
    // Menu capitalisation because the names end up in lists and menus; no
    // substitution so that a gap in the ICU data fails the run instead of
    // shipping a raw code.
    UDisplayContext contexts[] = {UDISPCTX_DIALECT_NAMES,
                                  UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU,
                                  UDISPCTX_NO_SUBSTITUTE};
    std::vector<DisplayLocale> locales;
    for (const Entry &language : Languages) {
        DisplayLocale locale;
        locale.code = QString::fromLatin1(language.code);
        locale.names.reset(icu::LocaleDisplayNames::createInstance(
            icu::Locale(language.icuCode), contexts, int32_t(std::size(contexts))));
        if (!locale.names)
            return {};
        locales.push_back(std::move(locale));
    }
    return locales;
}

QString displayName(const DisplayLocale &locale, const Entry &entry, bool isCountry)
{
    icu::UnicodeString text;
    if (isCountry)
        locale.names->regionDisplayName(entry.icuCode, text);
    else
        locale.names->localeDisplayName(entry.icuCode, text);
    return text.isBogus() ? QString() : toQString(text).trimmed();
}

bool writeGroup(QXmlStreamWriter &xml, const std::vector<DisplayLocale> &locales,
                const char *groupTag, const char *itemTag, const std::vector<Entry> &entries,
                bool isCountry)
{
    xml.writeStartElement(QLatin1String(groupTag));
    for (const Entry &entry : entries) {
        const QString english = QString::fromUtf8(entry.english);
        xml.writeStartElement(QLatin1String(itemTag));
        xml.writeAttribute(QStringLiteral("code"), QString::fromLatin1(entry.code));
        xml.writeAttribute(QStringLiteral("name"), english);
        xml.writeStartElement(QStringLiteral("i18n"));
        xml.writeAttribute(QStringLiteral("original"), QString::fromLatin1(entry.original));
        for (const DisplayLocale &locale : locales) {
            QString name = displayName(locale, entry, isCountry);
            if (name.isEmpty()) {
                std::fprintf(stderr, "no name for %s %s in %s\n", itemTag, entry.code,
                             qPrintable(locale.code));
                return false;
            }
            // The program's own English names win over ICU's longer forms.
            if (locale.code == QLatin1String("en") && name != english) {
                std::fprintf(stderr, "note: %s %s: \"%s\" kept instead of ICU's \"%s\"\n", itemTag,
                             entry.code, entry.english, qPrintable(name));
                name = english;
            }
            xml.writeStartElement(QStringLiteral("display"));
            xml.writeAttribute(QStringLiteral("locale"), locale.code);
            xml.writeCharacters(name);
            xml.writeEndElement();
        }
        xml.writeEndElement(); // i18n
        xml.writeEndElement(); // item
    }
    xml.writeEndElement();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.xml\n", argv[0]);
        return 2;
    }
    const std::vector<DisplayLocale> locales = openDisplayLocales();
    if (locales.empty()) {
        std::fprintf(stderr, "cannot open the ICU display names\n");
        return 1;
    }

    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeComment(QStringLiteral(" Generated by tools/genlangres from ICU ") +
                     QLatin1String(U_ICU_VERSION) + QStringLiteral("; do not edit by hand. "));
    xml.writeStartElement(QStringLiteral("gui"));
    if (!writeGroup(xml, locales, "languages", "language", Languages, false) ||
        !writeGroup(xml, locales, "countries", "country", Countries, true))
        return 1;
    xml.writeEndElement();
    xml.writeEndDocument();

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
