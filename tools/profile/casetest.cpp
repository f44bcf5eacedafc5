// `test`: runs the engine over saved pages and compares each tree with what
// a case file expects of it; `find`: where a text stands in a page's bytes.

#include "diagnose.h"
#include "report.h"
#include "toolio.h"

#include "clelement.h"
#include "clhealth.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "clstep.h"
#include "htmltext.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum { Passed, Failed, Skipped, Broken };

constexpr int ShownValueLength = 300;
constexpr qint64 MaxCaseSize = 16 * 1024 * 1024;
constexpr qint64 MaxPageSize = 64 * 1024 * 1024;
constexpr int MaxMatches = 50;
constexpr int ContextBytes = 80;

QString projectPath(const QString &relative)
{
    return QStringLiteral(TESSOLIN_SOURCE_DIR "/") + relative;
}

// The corpus named on the command line, in TESSOLIN_CORPUS, or the one that
// sits beside the project's source tree.
QString defaultCorpus()
{
    const QString fromEnvironment = qEnvironmentVariable("TESSOLIN_CORPUS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir::cleanPath(projectPath(u"../shared/corpus"_s));
}

// data/conf/profile of the working directory, else of the project the tool was built from.
QString defaultCatalogue()
{
    const QString here = u"data/conf/profile"_s;
    if (QFileInfo::exists(here + u"/sites.xml"_s))
        return here;
    return projectPath(here);
}

QString shown(const QJsonValue &value)
{
    QString text;
    if (value.isObject())
        text = QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    else if (value.isArray())
        text = QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    else if (value.isUndefined())
        return u"nothing"_s;
    else // a scalar: wrapped in an array to borrow the writer's quoting
        text = QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
                   .mid(1)
                   .chopped(1);
    if (text.size() > ShownValueLength)
        text = text.left(ShownValueLength) + u"..."_s;
    return text;
}

QString keyPath(const QString &path, const QString &key)
{
    static const QRegularExpression plain(u"^[A-Za-z_][A-Za-z0-9_]*$"_s);
    if (plain.match(key).hasMatch())
        return path + u'.' + key;
    return path + u'[' + shown(QJsonValue(key)) + u']';
}

/// Empty when `actual` contains `expected`, else "PATH: expected X, got Y" of the first difference.
QString difference(const QJsonValue &expected, const QJsonValue &actual, const QString &path)
{
    if (expected.isObject()) {
        if (!actual.isObject())
            return path + u": expected "_s + shown(expected) + u", got "_s + shown(actual);
        const QJsonObject want = expected.toObject();
        const QJsonObject have = actual.toObject();
        for (auto it = want.begin(); it != want.end(); ++it) {
            const QString where = keyPath(path, it.key());
            if (!have.contains(it.key()))
                return where + u": expected "_s + shown(it.value()) + u", got nothing"_s;
            const QString inner = difference(it.value(), have.value(it.key()), where);
            if (!inner.isEmpty())
                return inner;
        }
        return QString();
    }
    if (expected.isArray()) {
        if (!actual.isArray())
            return path + u": expected "_s + shown(expected) + u", got "_s + shown(actual);
        const QJsonArray want = expected.toArray();
        const QJsonArray have = actual.toArray();
        if (want.size() != have.size())
            return path + u": expected %1 elements, got %2 elements"_s.arg(want.size())
                              .arg(have.size());
        for (qsizetype i = 0; i < want.size(); ++i) {
            const QString inner = difference(want.at(i), have.at(i), path + u"[%1]"_s.arg(i));
            if (!inner.isEmpty())
                return inner;
        }
        return QString();
    }
    if (expected != actual)
        return path + u": expected "_s + shown(expected) + u", got "_s + shown(actual);
    return QString();
}

bool readFile(const QString &path, qint64 limit, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return false;
    bytes = file.readAll();
    return true;
}

struct Run
{
    CLProcessor *processor = nullptr;
    QString corpus;
};

int runCase(const Run &run, const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    const auto broken = [&](const QString &why) {
        toolio::err(path + u": "_s + why);
        return Broken;
    };
    QByteArray bytes;
    if (!readFile(path, MaxCaseSize, bytes))
        return broken(u"cannot be read"_s);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return broken(u"not JSON (%1 at byte %2)"_s.arg(parseError.errorString())
                          .arg(parseError.offset));
    const QJsonObject object = document.object();
    const QString url = object.value(u"url"_s).toString();
    const QString page = object.value(u"page"_s).toString();
    if (!document.isObject() || url.isEmpty() || page.isEmpty() ||
        !object.contains(u"expect"_s))
        return broken(u"not a case: it needs an object with \"url\", \"page\" and \"expect\""_s);
    if (object.contains(u"type"_s) && !object.value(u"type"_s).isString())
        return broken(u"not a case: \"type\" is not a string"_s);
    const QString typeWord = object.value(u"type"_s).toString(u"any"_s);
    const QStringList typeWords{u"any"_s, u"index"_s, u"article"_s, u"translator"_s};
    const int pageTypes[] = {PageAny, PageIndex, PageArticle, PageTranslatorEntry};
    const qsizetype typeIndex = typeWords.indexOf(typeWord);
    if (typeIndex < 0)
        return broken(u"not a case: type \"%1\" is none of index, article, any"_s.arg(typeWord));

    QString pagePath;
    if (page.startsWith(u"corpus:"_s)) {
        const QString id = page.mid(7);
        if (id.isEmpty() || id.contains(u'/') || id.contains(u'\\') || id.startsWith(u'.'))
            return broken(u"not a case: \"%1\" names no corpus page"_s.arg(page));
        pagePath = run.corpus + u"/pages/"_s + id + u".html"_s;
        if (!QFileInfo::exists(pagePath)) {
            toolio::out(u"SKIP %1: corpus page %2 is not in %3"_s.arg(name, id, run.corpus));
            return Skipped;
        }
    } else {
        pagePath = QFileInfo(path).dir().filePath(page);
    }
    QByteArray pageBytes;
    if (!readFile(pagePath, MaxPageSize, pageBytes))
        return broken(u"page %1 cannot be read"_s.arg(pagePath));

    const int pageType = pageTypes[typeIndex];
    const std::unique_ptr<CLElement> tree(run.processor->process(url, pageBytes, pageType, {}));
    QString failure;
    if (!tree) {
        const QString why = whyNoTree(*run.processor, url, pageBytes, pageType, {});
        failure = u"$: expected a tree, got nothing ("_s + why.simplified() + u')';
    } else {
        const QJsonDocument actual = QJsonDocument::fromJson(elementToJson(tree.get()));
        failure = difference(object.value(u"expect"_s), actual.object(), u"$"_s);
    }
    if (!failure.isEmpty()) {
        toolio::out(u"FAIL "_s + name + u": "_s + failure);
        return Failed;
    }
    toolio::out(u"PASS "_s + name);
    return Passed;
}

int usage(const QString &problem)
{
    if (!problem.isEmpty())
        toolio::err(u"tessolin-profile: "_s + problem);
    toolio::err(u"usage: tessolin-profile test [--catalogue DIR] [--corpus DIR] CASE..."_s);
    return 2;
}

} // namespace

int runTest(const QStringList &arguments)
{
    const QCommandLineOption catalogueOption(u"catalogue"_s, QString(), u"DIR"_s);
    const QCommandLineOption corpusOption(u"corpus"_s, QString(), u"DIR"_s);
    const QCommandLineOption helpOption(u"help"_s);
    QCommandLineParser parser;
    parser.addOptions({catalogueOption, corpusOption, helpOption});
    if (!parser.parse(QStringList{u"tessolin-profile"_s} + arguments))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        toolio::out(u"usage: tessolin-profile test [--catalogue DIR] [--corpus DIR] CASE...\n"
                    "Each CASE is a case file (JSON) or a folder of them. --catalogue defaults "
                    "to data/conf/profile\nof the working directory (else of the project), "
                    "--corpus to $TESSOLIN_CORPUS, else\n../shared/corpus beside the project."_s);
        return 0;
    }
    if (parser.positionalArguments().isEmpty())
        return usage(u"give at least one CASE"_s);

    QStringList cases;
    bool broken = false;
    for (const QString &argument : parser.positionalArguments()) {
        const QFileInfo info(argument);
        if (info.isDir()) {
            const QStringList names =
                QDir(argument).entryList({u"*.json"_s}, QDir::Files, QDir::Name);
            for (const QString &file : names)
                cases.append(QDir(argument).filePath(file));
        } else if (info.exists()) {
            cases.append(argument);
        } else {
            toolio::err(argument + u": cannot be read"_s);
            broken = true;
        }
    }

    fillEntityTable();
    CLProcessor processor;
    processor.profileDir =
        parser.isSet(catalogueOption) ? parser.value(catalogueOption) : defaultCatalogue();
    processor.catalogueFile = u"sites.xml"_s;
    if (!processor.loadSiteCatalogue()) {
        toolio::err(processor.profileDir + u"/sites.xml: cannot be read as a site catalogue"_s);
        return 2;
    }
    for (const CLSiteIndexItem *entry : processor.failedEntries())
        toolio::err(processor.profileDir + u'/' + entry->file + u": profile not loaded: "_s +
                    processor.profileErrors.value(entry->file).toString());

    Run run;
    run.processor = &processor;
    run.corpus = parser.isSet(corpusOption) ? parser.value(corpusOption) : defaultCorpus();
    int counts[4] = {};
    for (const QString &path : cases)
        ++counts[runCase(run, path)];
    toolio::out(u"%1 passed, %2 failed, %3 skipped"_s.arg(counts[Passed])
                    .arg(counts[Failed])
                    .arg(counts[Skipped]));
    if (broken || counts[Broken])
        return 2;
    return counts[Failed] ? 1 : 0;
}

int runFind(const QStringList &arguments)
{
    const QString synopsis = u"usage: tessolin-profile find PAGE TEXT [--codeset NAME]"_s;
    const QCommandLineOption codesetOption(u"codeset"_s, QString(), u"NAME"_s);
    const QCommandLineOption helpOption(u"help"_s);
    QCommandLineParser parser;
    parser.addOptions({codesetOption, helpOption});
    if (!parser.parse(QStringList{u"tessolin-profile"_s} + arguments)) {
        toolio::err(u"tessolin-profile: "_s + parser.errorText());
        toolio::err(synopsis);
        return 2;
    }
    if (parser.isSet(helpOption)) {
        toolio::out(synopsis + u"\nPrints the byte offset of each match of TEXT (encoded with the "
                               "codeset, UTF-8 by\ndefault) and the raw HTML around it."_s);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2 || positional.at(1).isEmpty()) {
        toolio::err(synopsis);
        return 2;
    }
    const QString codeset = parser.value(codesetOption);
    if (!codeset.isEmpty() && !isKnownCodeset(codeset)) {
        toolio::err(u"tessolin-profile: codeset \"%1\" is unknown here"_s.arg(codeset));
        return 2;
    }
    QByteArray bytes;
    if (!readFile(positional.at(0), MaxPageSize, bytes)) {
        toolio::err(positional.at(0) + u": cannot be read"_s);
        return 2;
    }
    const QByteArray needle = encodeWith(codeset, positional.at(1));
    int matches = 0;
    for (qsizetype at = bytes.indexOf(needle); at >= 0; at = bytes.indexOf(needle, at + 1)) {
        if (++matches > MaxMatches) {
            toolio::out(u"... more matches follow"_s);
            break;
        }
        const qsizetype from = qMax<qsizetype>(0, at - ContextBytes);
        QString around =
            decodeWith(codeset, bytes.mid(from, at + needle.size() + ContextBytes - from));
        around.replace(u'\\', u"\\\\"_s).replace(u'\n', u"\\n"_s).replace(u'\r', u"\\r"_s)
            .replace(u'\t', u"\\t"_s);
        toolio::out(u"%1: %2"_s.arg(at).arg(around));
    }
    if (matches)
        return 0;
    QString hint;
    for (const QString &other : {u"UTF-8"_s, u"GBK"_s, u"windows-1252"_s, u"windows-1250"_s,
                                 u"ISO-8859-2"_s, u"Shift_JIS"_s, u"EUC-KR"_s}) {
        const QByteArray encoded = encodeWith(other, positional.at(1));
        if (encoded != needle && bytes.contains(encoded)) {
            hint = u"; it is there encoded as %1 (give --codeset %1)"_s.arg(other);
            break;
        }
    }
    toolio::err(u"not found in %1 as %2%3"_s.arg(positional.at(0),
                                                codeset.isEmpty() ? u"UTF-8"_s : codeset, hint));
    return 1;
}

int runHealth(const QStringList &arguments)
{
    const QCommandLineOption healthOption(u"health"_s, QString(), u"FILE"_s);
    QCommandLineParser parser;
    parser.addOptions({healthOption});
    if (!parser.parse(QStringList{u"tessolin-profile"_s} + arguments) ||
        !parser.positionalArguments().isEmpty()) {
        toolio::err(u"usage: tessolin-profile check --health FILE"_s);
        return 2;
    }
    const QString path = parser.value(healthOption);
    QByteArray log;
    if (!readFile(path, MaxCaseSize, log)) {
        toolio::err(path + u": cannot be read"_s);
        return 2;
    }
    const QStringList lines = summarizeHealthLog(log);
    if (lines.isEmpty())
        toolio::out(path + u": no profile misses recorded"_s);
    for (const QString &line : lines)
        toolio::out(line);
    return 0;
}
