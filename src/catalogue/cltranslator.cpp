#include "cltranslator.h"

#include "clprocessor.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QStringList>
#include <QUrl>

namespace {

const QString SourceLanguageMark = QStringLiteral("{{SRCLANG}}");
const QString TargetLanguageMark = QStringLiteral("{{TGTLANG}}");
const QString SourceTextMark = QStringLiteral("{{SRCTEXT}}");

QDomElement firstElementBelow(const QDomElement &parent, const QString &tag)
{
    return parent.elementsByTagName(tag).at(0).toElement();
}

void readLanguages(const QDomElement &element, CLTranslator *translator)
{
    const QDomNodeList groups = element.elementsByTagName(QStringLiteral("languages"));
    for (int g = 0; g < groups.size(); ++g) {
        const QDomNodeList languages =
            groups.at(g).toElement().elementsByTagName(QStringLiteral("language"));
        for (int i = 0; i < languages.size(); ++i) {
            const QDomElement language = languages.at(i).toElement();
            const QString id = language.attribute(QStringLiteral("id"));
            const QString code = language.attribute(QStringLiteral("name"));
            if (!id.isEmpty() && !code.isEmpty())
                translator->languages.insert(id, code);
        }
    }
}

void readPaths(const QDomElement &element, CLTranslator *translator)
{
    const QDomNodeList groups = element.elementsByTagName(QStringLiteral("paths"));
    for (int g = 0; g < groups.size(); ++g) {
        const QDomElement group = groups.at(g).toElement();
        const QString combination = group.attribute(QStringLiteral("combination"));
        if (combination == QLatin1String("full")) {
            // One set for all keys: every language reaches every other and itself.
            const QStringList codes = translator->languages.keys();
            auto targets = QSharedPointer<QSet<QString>>::create(codes.cbegin(), codes.cend());
            for (const QString &code : codes)
                translator->paths.insert(code, targets);
        } else if (combination == QLatin1String("listed")) {
            const QDomNodeList paths = group.elementsByTagName(QStringLiteral("path"));
            for (int i = 0; i < paths.size(); ++i) {
                const QDomElement path = paths.at(i).toElement();
                const QString from = path.attribute(QStringLiteral("from"));
                const QString to = path.attribute(QStringLiteral("to"));
                if (from.isEmpty() || to.isEmpty())
                    continue;
                QSharedPointer<QSet<QString>> &targets = translator->paths[from];
                if (!targets)
                    targets = QSharedPointer<QSet<QString>>::create();
                targets->insert(to);
            }
        }
    }
}

// Null when the element lacks what a usable definition needs.
CLTranslator *readTranslator(const QDomElement &element)
{
    const QString id = element.attribute(QStringLiteral("id"));
    const QString name = element.attribute(QStringLiteral("name"));
    const QString entry = element.attribute(QStringLiteral("entry"));
    const QString method = element.attribute(QStringLiteral("method"));
    const QString query = firstElementBelow(element, QStringLiteral("query")).text();
    if (id.isEmpty() || name.isEmpty() || entry.isEmpty() || query.isEmpty())
        return nullptr;
    if (method != QLatin1String("get") && method != QLatin1String("post"))
        return nullptr;

    auto *translator = new CLTranslator;
    translator->name = name;
    translator->id = id;
    translator->entry = entry;
    translator->version = element.attribute(QStringLiteral("version"));
    translator->usePost = method != QLatin1String("get");
    translator->query = query;
    readLanguages(element, translator);
    readPaths(element, translator);
    const QDomElement i18n = firstElementBelow(element, QStringLiteral("i18n"));
    if (!i18n.isNull())
        translator->i18n = parseI18n(i18n);
    return translator;
}

} // namespace

QString translatorPairKey(const QString &source, const QString &target)
{
    return QStringLiteral("%1:%2").arg(source, target);
}

QString buildQuery(const CLTranslator *translator, const QString &source, const QString &target,
                   const QString &text)
{
    if (!translator)
        return QString();
    // A language the service does not know leaves its placeholder empty.
    const QString sourceCode = translator->languages.value(source);
    const QString targetCode = translator->languages.value(target);
    QString query = translator->query;
    query.replace(SourceLanguageMark, sourceCode);
    query.replace(TargetLanguageMark, targetCode);
    // Last, so that placeholders written inside the text are sent as they are.
    query.replace(SourceTextMark, text);
    return query;
}

QByteArray encodeQueryBody(const QString &query)
{
    return QUrl::toPercentEncoding(query, QByteArrayLiteral("=&"));
}

QByteArray buildRequestBody(const CLTranslator *translator, const QString &source,
                            const QString &target, const QString &text)
{
    if (!translator)
        return QByteArray();
    // The template's own "=" and "&" separate the form fields; the same
    // characters inside the text must not, or the service would receive only
    // the text up to the first of them.
    QString query = translator->query;
    query.replace(SourceLanguageMark, translator->languages.value(source));
    query.replace(TargetLanguageMark, translator->languages.value(target));
    const QStringList pieces = query.split(SourceTextMark);
    const QByteArray encodedText = QUrl::toPercentEncoding(text);
    QByteArray body;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            body += encodedText;
        body += encodeQueryBody(pieces.at(i));
    }
    return body;
}

bool CLProcessor::loadTranslators()
{
    if (translatorDir.isEmpty() || translatorFile.isEmpty())
        return false;
    const auto document = loadDataFile(translatorDir + QLatin1Char('/') + translatorFile);
    if (!document)
        return false;
    const bool parsed = parseTranslators(*document);
    rebuildPairIndex();
    // A file without one engine able to translate anything is as good as none.
    return parsed && !translatorByPair.isEmpty();
}

bool CLProcessor::parseTranslators(const QDomDocument &document)
{
    if (document.isNull())
        return false;
    // The index points into the definitions about to be deleted.
    translatorByPair.clear();
    qDeleteAll(translators);
    translators.clear();

    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("translators"))
        return false;
    translatorVersion = root.attribute(QStringLiteral("version"));

    const QDomNodeList elements = root.elementsByTagName(QStringLiteral("translator"));
    for (int i = 0; i < elements.size(); ++i) {
        if (CLTranslator *translator = readTranslator(elements.at(i).toElement()))
            translators.append(translator);
    }
    return true;
}

void CLProcessor::rebuildPairIndex()
{
    translatorByPair.clear();
    for (CLTranslator *translator : std::as_const(translators)) {
        for (auto it = translator->paths.cbegin(); it != translator->paths.cend(); ++it) {
            if (!it.value())
                continue;
            for (const QString &target : std::as_const(*it.value())) {
                const QString key = translatorPairKey(it.key(), target);
                // Priority order: the first definition able to translate a pair keeps it.
                if (!translatorByPair.contains(key))
                    translatorByPair.insert(key, translator);
            }
        }
    }
}

CLTranslator *CLProcessor::findTranslator(const QString &source, const QString &target) const
{
    return translatorByPair.value(translatorPairKey(source, target), nullptr);
}

QString CLProcessor::applyTranslatorSequence(const QString &sequence)
{
    QSet<QString> knownIds;
    for (const CLTranslator *translator : std::as_const(translators))
        knownIds.insert(translator->id);

    QStringList wanted;
    const QStringList parts = sequence.split(QLatin1Char(' '));
    for (const QString &part : parts) {
        if (knownIds.contains(part))
            wanted.append(part);
    }

    for (qsizetype i = 0; i < wanted.size(); ++i) {
        for (qsizetype j = i + 1; j < translators.size(); ++j) {
            if (translators.at(j)->id == wanted.at(i)) {
                translators.swapItemsAt(i, j);
                break;
            }
        }
    }
    rebuildPairIndex();

    QStringList ids;
    ids.reserve(translators.size());
    for (const CLTranslator *translator : std::as_const(translators))
        ids.append(translator->id);
    return ids.join(QLatin1Char(' '));
}
