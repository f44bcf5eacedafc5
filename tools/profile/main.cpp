// tessolin-profile: the profile author's tool. It runs the extraction engine
// on a saved page, checks profiles, shows the text utilities' view of a file,
// converts data files to and from their stored layout and fills translation
// requests, all without the reader's user interface.

#include "diagnose.h"
#include "lint.h"
#include "report.h"

#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "clstep.h"
#include "cltranslator.h"
#include "htmltext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDomDocument>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum ExitCode { ExitOk = 0, ExitFailed = 1, ExitUsage = 2, ExitNoResult = 3 };

const QString ToolName = u"tessolin-profile"_s;

struct Command
{
    const char *name;
    const char *synopsis;
};

const Command Commands[] = {
    {"extract", "extract (--profile FILE)... | --catalogue DIR --url URL "
                "[--type index|article|translator|any] [--site ID] [--filters DIR] [--trace] "
                "[--trace-full] [--step TOPIC:N] PAGE"},
    {"check", "check FILE... | check --health FILE"},
    {"test", "test [--catalogue DIR] [--corpus DIR] CASE..."},
    {"find", "find PAGE TEXT [--codeset NAME]"},
    {"text", "text [--keep-entities] [--filter-space] FILE"},
    {"pack", "pack IN OUT"},
    {"unpack", "unpack IN OUT"},
    {"query", "query --translators FILE --from CODE --to CODE TEXT"},
    {"answer", "answer [--key PUBLIC_FILE]... FILE|-"},
    {"keygen", "keygen SECRET_FILE PUBLIC_FILE"},
};

void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void printOut(const QString &line)
{
    write(stdout, line.toUtf8() + '\n');
}

void printErr(const QString &line)
{
    write(stderr, line.toUtf8() + '\n');
}

int usage(const QString &command, const QString &problem = QString())
{
    if (!problem.isEmpty())
        printErr(ToolName + u": "_s + problem);
    for (const Command &entry : Commands) {
        if (command.isEmpty() || command == QLatin1String(entry.name))
            printErr(u"usage: "_s + ToolName + u' ' + QLatin1String(entry.synopsis));
    }
    return ExitUsage;
}

int help()
{
    for (const Command &entry : Commands)
        printOut(u"usage: "_s + ToolName + u' ' + QLatin1String(entry.synopsis));
    return ExitOk;
}

int unusable(const QString &path, const QString &why)
{
    printErr(path + u": "_s + why);
    return ExitUsage;
}

/// "FILE:LINE:COL: PATH: REASON", or "FILE: PATH: REASON" without a position.
QString located(const QString &path, const CLProfileError &error)
{
    return path + (error.line >= 0 ? u":"_s : u": "_s) + error.toString();
}

bool readBytes(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (path == u"-"_s ? !file.open(stdin, QIODevice::ReadOnly) : !file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

bool isPlainXmlName(const QString &path)
{
    return path.right(4).toUpper() == u".XML"_s;
}

/// How a data file failed to become a document; `line` is -1 when unknown.
struct XmlProblem
{
    bool unreadable = false;
    QString reason;
    int line = -1;
    int column = -1;
};

// Parses from the bytes (rather than through loadXmlDocument) so the DOM keeps
// line numbers and a malformed file can say where it breaks.
bool readXml(const QString &path, QDomDocument &document, XmlProblem &problem)
{
    QByteArray bytes;
    if (!readBytes(path, bytes)) {
        problem.unreadable = true;
        problem.reason = u"cannot be read"_s;
        return false;
    }
    if (!isPlainXmlName(path)) {
        bool ok = false;
        bytes = unpackXml(bytes, &ok);
        if (!ok) {
            problem.reason = u"not a compressed XML file"_s;
            return false;
        }
    }
    XmlLoadError error;
    if (!parseXmlDocument(bytes, document, &error)) {
        problem.reason = error.reason;
        problem.line = error.line;
        problem.column = error.column;
        return false;
    }
    return true;
}

bool parseArguments(QCommandLineParser &parser, const QStringList &arguments,
                    const QList<QCommandLineOption> &options)
{
    parser.addOptions(options);
    return parser.parse(QStringList{ToolName} + arguments);
}

// Registers sites read from single files through a generated catalogue, the
// same road the reader's own catalogue takes.
int loadProfiles(CLProcessor &processor, const QStringList &paths)
{
    QList<CLSite *> sites;
    QDomDocument catalogue;
    QDomElement root = catalogue.createElement(u"sites"_s);
    catalogue.appendChild(root);
    for (const QString &path : paths) {
        QDomDocument document;
        XmlProblem problem;
        if (!readXml(path, document, problem)) {
            qDeleteAll(sites);
            return unusable(path, problem.reason);
        }
        CLProfileError error;
        CLSite *site = readProfile(document, &error);
        if (!site) {
            qDeleteAll(sites);
            if (error.isEmpty())
                error.reason = u"not a site profile"_s;
            printErr(located(path, error));
            return ExitUsage;
        }
        QDomElement entry = catalogue.createElement(u"site"_s);
        entry.setAttribute(u"id"_s, site->id);
        entry.setAttribute(u"version"_s, site->version.isEmpty() ? u"-"_s : site->version);
        entry.setAttribute(u"file"_s, path);
        root.appendChild(entry);
        sites.append(site);
    }
    processor.parseCatalogue(catalogue);
    QSet<QString> ids;
    for (qsizetype i = 0; i < sites.size(); ++i) {
        CLSite *site = sites.at(i);
        if (ids.contains(site->id))
            printErr(paths.at(i) + u": site "_s + site->id +
                     u" was already loaded; this profile replaces it"_s);
        ids.insert(site->id);
        if (!processor.registerSite(site))
            delete site;
    }
    return ExitOk;
}

int loadCatalogue(CLProcessor &processor, const QString &dir)
{
    processor.profileDir = dir;
    processor.catalogueFile = u"sites.xml"_s;
    if (!processor.loadSiteCatalogue()) {
        const std::unique_ptr<QDomDocument> document = loadXmlDocument(dir + u"/sites.xml"_s);
        if (document && document->documentElement().tagName() == u"sites"_s)
            return unusable(dir + u"/sites.xml"_s,
                            u"lists no site: each profile needs a line <site id=\"ID\" "
                            "version=\"N\" file=\"FILE\"/> with the id of the profile's <site>"_s);
        return unusable(dir + u"/sites.xml"_s, u"cannot be read as a site catalogue"_s);
    }
    for (const CLSiteIndexItem *entry : processor.failedEntries()) {
        CLProfileError error = processor.profileErrors.value(entry->file);
        error.reason = u"profile not loaded: "_s +
                       (error.isEmpty() ? u"no profile has this entry's id"_s : error.reason);
        printErr(located(dir + u'/' + entry->file, error));
    }
    return ExitOk;
}

// Profiles that sit in the catalogue's folder but are not in its sites.xml
// are never loaded: the usual reason a new profile "does nothing".
void noteUnlistedProfiles(const CLProcessor &processor, const QString &dir)
{
    QSet<QString> listed{u"sites.xml"_s, u"translators.xml"_s};
    for (const CLSiteIndexItem *entry : processor.siteIndex)
        listed.insert(entry->file);
    for (const QString &name :
         QDir(dir).entryList({u"*.xml"_s, u"*.prf"_s}, QDir::Files, QDir::Name)) {
        if (!listed.contains(name))
            printErr(u"note: %1 is in %2 but sites.xml has no line for it, so it was not loaded"_s
                         .arg(name, dir));
    }
}

QString extractHelp()
{
    return u"usage: tessolin-profile extract (--profile FILE)... | --catalogue DIR --url URL [options] PAGE\n"
           "Runs the profiles over the saved PAGE as the reader would for URL and prints the tree as JSON.\n"
           "  --profile FILE   a profile to load (repeat for several); or\n"
           "  --catalogue DIR  a folder whose sites.xml lists the profiles to load\n"
           "  --url URL        the address the page was saved from; it chooses the page definition\n"
           "  --type TYPE      index, article, translator or any (default any)\n"
           "  --site ID        prefer the pages of this site\n"
           "  --filters DIR    a folder with filters.xml, applied as in the reader\n"
           "  --trace          each step's result on stderr, the first 200 characters\n"
           "  --trace-full     the same with each step's whole result\n"
           "  --step TOPIC:N   print only the whole result of step N of the topic (its id or path)\n"
           "Exit status: 0 with a tree, 2 for unusable input, 3 when no tree was made (the reason\n"
           "is printed)."_s;
}

int runExtract(const QStringList &arguments)
{
    const QString command = u"extract"_s;
    const QCommandLineOption profileOption(u"profile"_s, QString(), u"FILE"_s);
    const QCommandLineOption catalogueOption(u"catalogue"_s, QString(), u"DIR"_s);
    const QCommandLineOption urlOption(u"url"_s, QString(), u"URL"_s);
    const QCommandLineOption typeOption(u"type"_s, QString(), u"TYPE"_s, u"any"_s);
    const QCommandLineOption siteOption(u"site"_s, QString(), u"ID"_s);
    const QCommandLineOption filtersOption(u"filters"_s, QString(), u"DIR"_s);
    const QCommandLineOption traceOption(u"trace"_s);
    const QCommandLineOption traceFullOption(u"trace-full"_s);
    const QCommandLineOption stepOption(u"step"_s, QString(), u"TOPIC:N"_s);
    const QCommandLineOption helpOption(u"help"_s);
    QCommandLineParser parser;
    if (!parseArguments(parser, arguments,
                        {profileOption, catalogueOption, urlOption, typeOption, siteOption,
                         filtersOption, traceOption, traceFullOption, stepOption, helpOption}))
        return usage(command, parser.errorText());
    if (parser.isSet(helpOption)) {
        printOut(extractHelp());
        return ExitOk;
    }
    const QStringList profiles = parser.values(profileOption);
    if (profiles.isEmpty() != parser.isSet(catalogueOption))
        return usage(command, u"give either --profile files or one --catalogue"_s);
    const QString url = parser.value(urlOption);
    if (url.isEmpty())
        return usage(command, u"--url is required"_s);
    if (parser.positionalArguments().size() != 1)
        return usage(command, u"give exactly one PAGE"_s);
    const QStringList typeWords{u"any"_s, u"index"_s, u"article"_s, u"translator"_s};
    const int pageTypes[] = {PageAny, PageIndex, PageArticle, PageTranslatorEntry};
    const qsizetype typeIndex = typeWords.indexOf(parser.value(typeOption));
    if (typeIndex < 0)
        return usage(command, u"unknown page type "_s + parser.value(typeOption));
    const int pageType = pageTypes[typeIndex];
    const QString siteId = parser.value(siteOption);
    const QString pagePath = parser.positionalArguments().constFirst();

    fillEntityTable();
    CLProcessor processor;
    const int loaded = profiles.isEmpty() ? loadCatalogue(processor, parser.value(catalogueOption))
                                          : loadProfiles(processor, profiles);
    if (loaded != ExitOk)
        return loaded;
    if (parser.isSet(filtersOption)) {
        processor.filterDir = parser.value(filtersOption);
        processor.filterFile = u"filters.xml"_s;
        if (!processor.loadFilterFiles())
            return unusable(processor.filterDir + u"/filters.xml"_s,
                            u"cannot be read as a filter file"_s);
    }
    QByteArray bytes;
    if (!readBytes(pagePath, bytes))
        return unusable(pagePath, u"cannot be read"_s);

    const std::unique_ptr<CLElement> tree(processor.process(url, bytes, pageType, siteId));
    const CLPage *page = processor.findPage(url, pageType, siteId);
    if (page && page->site) {
        for (const QString &warning : codesetWarnings(page->site->codeset, bytes))
            printErr(pagePath + u": warning: "_s + warning);
    }
    const bool traceFull = parser.isSet(traceFullOption);
    if ((parser.isSet(traceOption) || traceFull) && !bytes.isEmpty()) {
        if (const CLTrack *track = page ? processor.findTrack(page, bytes) : nullptr) {
            for (const QString &line : traceTrack(processor, track, bytes, traceFull))
                printErr(line);
        }
    }
    if (!tree) {
        printErr(whyNoTree(processor, url, bytes, pageType, siteId));
        if (!page && parser.isSet(catalogueOption))
            noteUnlistedProfiles(processor, parser.value(catalogueOption));
        return ExitNoResult;
    }
    if (parser.isSet(stepOption)) {
        // "TOPIC:N": the topic may hold colons itself, the number follows the last one.
        const QString spec = parser.value(stepOption);
        const qsizetype colon = spec.lastIndexOf(u':');
        bool ok = false;
        const int number = colon > 0 ? spec.mid(colon + 1).toInt(&ok) : 0;
        if (!ok)
            return usage(command, u"--step takes TOPIC:N"_s);
        QString output;
        if (!stepOutput(processor.findTrack(page, bytes), bytes, spec.left(colon), number,
                        output)) {
            printErr(output);
            return ExitNoResult;
        }
        write(stdout, output.toUtf8() + '\n');
        return ExitOk;
    }
    write(stdout, elementToJson(tree.get()));
    return ExitOk;
}

void countTopics(const QList<CLTopic *> &topics, int &topicCount, int &stepCount)
{
    for (const CLTopic *topic : topics) {
        ++topicCount;
        stepCount += int(topic->steps.size());
        countTopics(topic->subTopics, topicCount, stepCount);
    }
}

// A folder stands for its data files (*.xml, *.prf, *.tdf) in name order;
// `found` receives the files that came from a folder rather than by name.
QStringList expandFolders(const QStringList &arguments, QSet<QString> &found)
{
    QStringList files;
    for (const QString &argument : arguments) {
        const QDir folder(argument);
        if (!QFileInfo(argument).isDir()) {
            files.append(argument);
            continue;
        }
        for (const QString &name : folder.entryList({u"*.xml"_s, u"*.prf"_s, u"*.tdf"_s},
                                                    QDir::Files, QDir::Name)) {
            files.append(folder.filePath(name));
            found.insert(files.last());
        }
    }
    return files;
}

int runCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseArguments(parser, arguments, {}))
        return usage(u"check"_s, parser.errorText());
    QSet<QString> fromFolders;
    const QStringList files = expandFolders(parser.positionalArguments(), fromFolders);
    if (files.isEmpty())
        return usage(u"check"_s);
    int result = ExitOk;
    for (const QString &path : files) {
        QDomDocument document;
        XmlProblem problem;
        CLProfileError error;
        std::unique_ptr<CLSite> site;
        if (!readXml(path, document, problem)) {
            if (problem.unreadable) {
                printErr(path + u": "_s + problem.reason);
                result = ExitUsage;
                continue;
            }
            error.path = u"(document)"_s;
            error.line = problem.line;
            error.column = problem.column;
            error.reason = problem.reason;
        } else if (const int other = checkOtherDataFile(path, document); other >= 0) {
            if (other != ExitOk && result == ExitOk)
                result = ExitFailed;
            continue;
        } else if (fromFolders.contains(path) &&
                   document.documentElement().tagName() != u"site"_s) {
            // A folder may hold other data files (filters, settings) beside the profiles.
            printOut(u"SKIP %1: not a profile, catalogue or engine file (document element <%2>)"_s
                         .arg(path, document.documentElement().tagName()));
            continue;
        } else {
            site.reset(readProfile(document, &error));
            if (!site && error.isEmpty()) {
                error.path = document.documentElement().tagName();
                error.reason = u"not a site profile"_s;
            }
        }
        if (!site) {
            printOut(u"FAIL "_s + located(path, error));
            if (result == ExitOk)
                result = ExitFailed;
            continue;
        }
        // Such a profile still loads, and its pages read as UTF-8.
        if (!isKnownCodeset(site->codeset))
            printErr(u"%1: warning: codeset \"%2\" cannot be decoded here; pages will be read "
                     "as UTF-8"_s.arg(path, site->codeset));
        QStringList lintErrors;
        QStringList lintWarnings;
        lintProfile(document, lintErrors, lintWarnings);
        for (const QString &warning : lintWarnings)
            printErr(path + u':' + warning.section(u": "_s, 0, 1) + u": warning: "_s +
                     warning.section(u": "_s, 2));
        if (!lintErrors.isEmpty()) {
            for (const QString &lintError : lintErrors)
                printOut(u"FAIL "_s + path + u':' + lintError);
            if (result == ExitOk)
                result = ExitFailed;
            continue;
        }
        int tracks = 0;
        int topics = 0;
        int steps = 0;
        for (const CLPage *page : site->pages) {
            tracks += int(page->tracks.size());
            for (const CLTrack *track : page->tracks)
                countTopics(track->topics, topics, steps);
        }
        printOut(u"OK %1: site %2, %3 pages, %4 tracks, %5 topics, %6 steps"_s.arg(path, site->id)
                     .arg(site->pages.size())
                     .arg(tracks)
                     .arg(topics)
                     .arg(steps));
    }
    return result;
}

int runText(const QStringList &arguments)
{
    const QCommandLineOption keepOption(u"keep-entities"_s);
    const QCommandLineOption spaceOption(u"filter-space"_s);
    QCommandLineParser parser;
    if (!parseArguments(parser, arguments, {keepOption, spaceOption}))
        return usage(u"text"_s, parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return usage(u"text"_s);
    const QString path = parser.positionalArguments().constFirst();
    QByteArray bytes;
    if (!readBytes(path, bytes))
        return unusable(path, u"cannot be read"_s);
    // Text files end at their first NUL byte, as the reader treats them.
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    fillEntityTable();
    const QString text =
        htmlToText(QString::fromUtf8(bytes), !parser.isSet(keepOption), parser.isSet(spaceOption));
    write(stdout, text.toUtf8() + '\n');
    return ExitOk;
}

int runConvert(const QString &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseArguments(parser, arguments, {}))
        return usage(command, parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        return usage(command);
    QByteArray bytes;
    if (!readBytes(files.at(0), bytes))
        return unusable(files.at(0), u"cannot be read"_s);
    QByteArray converted;
    if (command == u"pack"_s) {
        // A stored file that does not parse would only fail later, in the reader.
        QDomDocument document;
        XmlLoadError error;
        if (!parseXmlDocument(bytes, document, &error))
            return unusable(u"%1:%2:%3"_s.arg(files.at(0)).arg(error.line).arg(error.column),
                            error.reason);
        converted = packXml(bytes);
    } else {
        bool ok = false;
        converted = unpackXml(bytes, &ok);
        if (!ok)
            return unusable(files.at(0), u"not a compressed XML file"_s);
    }
    if (!writeBytes(files.at(1), converted))
        return unusable(files.at(1), u"cannot be written"_s);
    return ExitOk;
}

int runQuery(const QStringList &arguments)
{
    const QString command = u"query"_s;
    const QCommandLineOption translatorsOption(u"translators"_s, QString(), u"FILE"_s);
    const QCommandLineOption fromOption(u"from"_s, QString(), u"CODE"_s);
    const QCommandLineOption toOption(u"to"_s, QString(), u"CODE"_s);
    QCommandLineParser parser;
    if (!parseArguments(parser, arguments, {translatorsOption, fromOption, toOption}))
        return usage(command, parser.errorText());
    const QString path = parser.value(translatorsOption);
    const QString from = parser.value(fromOption);
    const QString to = parser.value(toOption);
    if (path.isEmpty() || from.isEmpty() || to.isEmpty() ||
        parser.positionalArguments().size() != 1)
        return usage(command);

    QDomDocument document;
    XmlProblem problem;
    if (!readXml(path, document, problem)) {
        const QString where =
            problem.line > 0 ? u"%1:%2:%3"_s.arg(path).arg(problem.line).arg(problem.column) : path;
        return unusable(where, problem.reason);
    }
    CLProcessor processor;
    if (!processor.parseTranslators(document))
        return unusable(path, u"the document element is not \"translators\""_s);
    processor.rebuildPairIndex();
    const CLTranslator *translator = processor.findTranslator(from, to);
    if (!translator) {
        printErr(u"no engine translates %1 to %2"_s.arg(from, to));
        return ExitNoResult;
    }
    const QByteArray body =
        buildRequestBody(translator, from, to, parser.positionalArguments().constFirst());
    write(stdout, translator->id.toUtf8() + '\n' + body + '\n');
    return ExitOk;
}

} // namespace

int runAnswer(const QStringList &arguments); // answer.cpp
int runTest(const QStringList &arguments);   // casetest.cpp
int runFind(const QStringList &arguments);   // casetest.cpp
int runHealth(const QStringList &arguments); // casetest.cpp
int runKeygen(const QStringList &arguments); // answer.cpp

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage(QString(), u"no command given"_s);
    const QString command = arguments.takeFirst();
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s)
        return help();
    if (command == u"extract"_s)
        return runExtract(arguments);
    if (command == u"check"_s && arguments.filter(QRegularExpression(u"^--health"_s)).size())
        return runHealth(arguments);
    if (command == u"check"_s)
        return runCheck(arguments);
    if (command == u"text"_s)
        return runText(arguments);
    if (command == u"pack"_s || command == u"unpack"_s)
        return runConvert(command, arguments);
    if (command == u"query"_s)
        return runQuery(arguments);
    if (command == u"answer"_s)
        return runAnswer(arguments);
    if (command == u"test"_s)
        return runTest(arguments);
    if (command == u"find"_s)
        return runFind(arguments);
    if (command == u"keygen"_s)
        return runKeygen(arguments);
    return usage(QString(), u"unknown command "_s + command);
}
