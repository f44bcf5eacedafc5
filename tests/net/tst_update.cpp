// The version manager against a scripted loopback server (broken and hostile
// answers and downloads, the endpoint chain, the start-up decision), and whole
// update runs against the real update server.

#include "clconstants.h"
#include "clprocessor.h"
#include "clsigning.h"
#include "clsitemodel.h"
#include "downloadtarget.h"
#include "networkmodule.h"
#include "scriptedhttpserver.h"
#include "servicekit.h"
#include "testkit.h"
#include "updateprompts.h"
#include "versionmanager.h"

#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using namespace testkit;
using servicekit::current;
using servicekit::rows;

namespace {

QByteArray shipped(const QString &name)
{
    return readAll(shippedProfileDir() + u'/' + name);
}

/// Replaces the files of `to` with the shipped profiles.
bool copyShipped(const QString &to)
{
    QDir target(to);
    for (const QString &name : target.entryList(QDir::Files))
        target.remove(name);
    bool ok = true;
    for (const QString &name : QDir(shippedProfileDir()).entryList(QDir::Files))
        ok = QFile::copy(shippedProfileDir() + u'/' + name, target.filePath(name)) && ok;
    return ok;
}

/// Points a processor at an installation's profiles and loads them, as the reader does.
bool loadInstallation(CLProcessor &processor, const QString &profileDir)
{
    processor.profileDir = processor.translatorDir = profileDir;
    processor.catalogueFile = u"sites.xml"_s;
    processor.translatorFile = u"translators.xml"_s;
    processor.historyFile = u"access.his"_s;
    const bool catalogue = processor.loadSiteCatalogue();
    return processor.loadTranslators() && catalogue;
}

/// "id|version|file" of every catalogue entry, with "|not loaded" when its profile failed.
QStringList loadedEntries(const CLProcessor &processor)
{
    QStringList entries;
    for (const CLSiteIndexItem *entry : processor.siteIndex)
        entries.append(entry->id + u'|' + entry->version + u'|' + entry->file +
                       (entry->site ? QString() : u"|not loaded"_s));
    return entries;
}

/// Every version="1.0" after the XML declaration set to `version`.
QByteArray withVersion(QByteArray bytes, const QByteArray &version)
{
    const qsizetype body = bytes.indexOf("?>") + 2;
    return bytes.left(body) +
           bytes.mid(body).replace("version=\"1.0\"", "version=\"" + version + '"');
}

// The files the scripted server hands out, by name.
QByteArray fixture(const QString &name)
{
    const QByteArray cnn = shipped(u"cnn.xml"_s);
    if (name == u"cnn2"_s)
        return withVersion(cnn, "2.0");
    if (name == u"cnn2cut"_s)
        return withVersion(cnn, "2.0").chopped(50);
    if (name == u"extra"_s)
        return QByteArray(cnn).replace("id=\"(s)GI.cnn\"", "id=\"(s)GI.extra\"");
    if (name == u"hostile"_s)
        return QByteArray(cnn).replace("id=\"(s)GI.cnn\"", "id=\"(s)GI.q&quot;&lt;&amp;\"");
    if (name == u"guardian"_s)
        return shipped(u"guardian.xml"_s);
    if (name == u"engine2"_s)
        return withVersion(shipped(u"translators.xml"_s), "2.0");
    if (name == u"installer"_s)
        return QByteArray("MZ installer bytes ").repeated(100);
    if (name == u"empty-answer"_s)
        return "TR|R0\n";
    if (name == u"big-installer"_s) // past the 64 MiB a download once could hold in memory
        return QByteArray(65 * 1024 * 1024, 'I');
    if (name == u"cnn01"_s)
        return withVersion(cnn, "0.1");
    if (name == u"tiny"_s) // well under 1 MiB, far too many elements
        return QByteArray(cnn).replace("</site>", QByteArray("<x/>").repeated(150000) + "</site>");
    return "junk that is no XML";
}

// "@" is the server, "%I" the installation, "{size:NAME}" and "{sha:NAME}" describe a fixture,
// "{NAME}" stands for both as the size and checksum fields of an answer.
QString expand(QString text, const QString &base, const QString &installed)
{
    static const QRegularExpression field(u"\\{(size:|sha:)?([a-z0-9-]+)\\}"_s);
    QRegularExpressionMatch match;
    while ((match = field.match(text)).hasMatch()) {
        const QByteArray bytes = fixture(match.captured(2));
        const QString size = QString::number(bytes.size()), sha = sha256Hex(bytes);
        text.replace(match.capturedStart(), match.capturedLength(),
                     match.captured(1).isEmpty()       ? u"B%1|C%2"_s.arg(size, sha)
                     : match.captured(1) == u"size:"_s ? size
                                                       : sha);
    }
    return text.replace(u'@', base).replace(u"%I"_s, installed);
}

// An answer expanded; "S!" signs it with `secretKey`, "T!" signs it and then changes a byte.
QByteArray answerText(const QByteArray &answer, const QString &base, const QString &installed,
                      const QByteArray &secretKey)
{
    const bool sign = answer.startsWith("S!") || answer.startsWith("T!");
    QByteArray text =
        expand(QString::fromLatin1(answer.mid(sign ? 2 : 0)), base, installed).toLatin1();
    if (sign)
        text = signAnswer(text, secretKey);
    if (answer.startsWith("T!"))
        text.replace("http://a.", "http://b.");
    return text;
}

/// The three update dialogs, answering as scripted and recording what they were shown.
struct ScriptedPrompts : UpdatePrompt, UpgradePrompt, DownloadCompletePrompt
{
    bool agree = true;
    int upgradeResult = 0;
    QString chosenPath;
    QList<QPair<int, qint64>> confirmations;
    QStringList upgradeOffers, completions; ///< offers as "version|bytes|fileName|message"
    std::function<void()> whileConfirming;  ///< runs while the update dialog is open

    bool confirmUpdate(int count, qint64 bytes) override
    {
        confirmations.append({count, bytes});
        if (whileConfirming)
            whileConfirming();
        return agree;
    }
    int ask(const QString &version, qint64 bytes, const QString &file,
            const QString &message) override
    {
        upgradeOffers.append(u"%1|%2|%3|%4"_s.arg(version).arg(bytes).arg(file, message));
        return upgradeResult;
    }
    QString upgradePath() const override { return chosenPath; }
    void showDownloadComplete(const QString &path) override { completions.append(path); }
};

// The version manager on a copy of the shipped profiles, talking to a scripted server.
struct Rig
{
    QTemporaryDir installed;
    ScriptedHttpServer server;
    CLProcessor processor;
    NetworkModule network;
    std::unique_ptr<VersionManager> manager;
    ScriptedPrompts prompts;
    int refreshes = 0;
    QByteArray publicKey, secretKey;
    std::unique_ptr<QSignalSpy> status; ///< notifyVersionCheckStatus

    bool setUp()
    {
        if (!makeSigningKeyPair(&publicKey, &secretKey) || !installed.isValid() ||
            !copyShipped(installed.path()) || !loadInstallation(processor, installed.path()) ||
            !server.start())
            return false;
        network.replyTimeout = 1000;
        QSettings().setValue(TS_KEY_VERSION_CHECK_URLS, base() + u"/vc;"_s + base() + u"/vc2"_s);
        manager = std::make_unique<VersionManager>();
        manager->processor = &processor;
        manager->network = &network;
        manager->updateBox = &prompts;
        manager->upgradeBox = &prompts;
        manager->completeBox = &prompts;
        manager->trustedKeys = {publicKey};
        manager->checkUrls.removeLast(); // the built-in endpoint is no loopback address
        QObject::connect(&network, &NetworkModule::versionCheckRespond, manager.get(),
                         &VersionManager::processVersionCheckRespond);
        QObject::connect(&network, &NetworkModule::notifyDownloadResult, manager.get(),
                         &VersionManager::processDownloadResult);
        QObject::connect(manager.get(), &VersionManager::initRefreshTDF, manager.get(), [this] {
            ++refreshes;
            reload();
        });
        status =
            std::make_unique<QSignalSpy>(manager.get(), &VersionManager::notifyVersionCheckStatus);
        return true;
    }
    QString base() const { return server.url(QString()); }
    void reload() // as the main window does
    {
        loadInstallation(processor, installed.path());
        manager->cleanupOutdatedFiles();
    }
    bool idle()
    {
        return network.activeCount(NDT_VersionCheck) + network.activeCount(NDT_FileDownload) +
                   network.activeCount(NDT_SoftwareDownload) ==
               0;
    }
    QStringList requestedPaths() const
    {
        QStringList paths;
        for (const ScriptedRequest &request : server.requests)
            paths.append(QString::fromLatin1(request.path));
        return paths;
    }
    /// What the installation shows for a check "KEY:ARG" (see answerRows), or "!KEY:ARG" that
    /// must not hold: the check itself when it holds.
    QString seen(const QString &check) const
    {
        const bool negated = check.startsWith(u'!');
        const QString key = check.mid(negated).section(u':', 0, 0), arg = check.section(u':', 1);
        const QStringList paths = requestedPaths(), entries = loadedEntries(processor);
        QStringList asked, codes;
        for (const auto &[count, bytes] : std::as_const(prompts.confirmations))
            asked += u"%1:%2"_s.arg(count).arg(bytes);
        for (const QList<QVariant> &signal : std::as_const(*status))
            codes += QString::number(signal.at(1).toInt());
        const QHash<QString, QString> values = {
            {u"requests"_s, QString::number(paths.size())},
            {u"offers"_s, prompts.upgradeOffers.join(u';')},
            {u"completed"_s, prompts.completions.join(u';')},
            {u"endpoints"_s, QSettings().value(TS_KEY_VERSION_CHECK_URLS).toString()},
            {u"engines"_s, processor.translatorVersion},
            {u"confirm"_s, asked.join(u';')},
            {u"status"_s, codes.join(u';')}};
        if (values.contains(key))
            return key + u':' + values.value(key);
        const QString file = arg.section(u'=', 0, 0), content = arg.section(u'=', 1);
        const QString path = QFileInfo(file).isAbsolute() ? file : installed.filePath(file);
        bool holds = false;
        if (key == u"file"_s)
            holds = readAll(path) == (content == u"shipped"_s ? shipped(file) : fixture(content));
        else if (key == u"exists"_s)
            holds = QFile::exists(path);
        else if (key == u"entry"_s)
            holds = entries.contains(arg) || entries.contains(arg + u"|not loaded"_s);
        else if (key == u"requested"_s)
            holds = paths.contains(arg);
        else if (key == u"stamp"_s)
            holds = QSettings().contains(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP);
        else if (key == u"listed"_s || key == u"loaded"_s)
            for (const QString &entry : entries)
                holds = holds || (entry.startsWith(arg + u'|') &&
                                  (key == u"listed"_s || !entry.endsWith(u"not loaded"_s)));
        else
            return u"unknown check "_s + check;
        return (holds ? QString() : u"!"_s) + check.mid(negated);
    }
};

const QByteArray Extra = "TF|I(s)GI.extra|V1|{extra}|U@/extra.xml.ra\n";
const QByteArray Cnn2 = "TR|R0\nTF|I(s)GI.cnn|V2.0|{cnn2}|U@/cnn.xml.ra\n";
const QByteArray Tv = "TV|Uhttp://a.example/vc\n";
const QByteArray Setup = "TF|I(a)setup|V2.0|{installer}|U@/setup.exe.ra\n";

QByteArray manyTargets(const QByteArray &size)
{
    QByteArray many = "TR|R0\n";
    for (int i = 0; i < 10000; ++i)
        many += "TF|I(s)GI.n" + QByteArray::number(i) + "|V1|B" + size + "|C0|U@/n" +
                QByteArray::number(i) + ".xml.ra\n";
    return many;
}

// answer: "stall" and "404" script the first endpoint so, "S!" signs it with the trusted key,
// "T!" signs it and changes a byte. spec, words where "%20" is a space: "/PATH=FIXTURE" served,
// "notify:N", "decline" the update, "choose:PATH" for the installer; then checks, "!" before one
// that must not hold: "file:NAME=FIXTURE" (or "=shipped"), "exists:NAME", "entry:ID|VERSION|FILE",
// "listed:ID", "loaded:ID", "requested:PATH", "stamp"; and whole values "requests:N",
// "offers:", "completed:", "endpoints:", "engines:", "confirm:", "status:" (none if not named).
// "untouched" is the shipped catalogue and cnn file kept, "kept" also its entry after a request,
// "unremoved" the catalogue, another entry and its file and the endpoints kept.
struct Answer
{
    const char *name;
    QByteArray answer;
    const char *spec;
};
const Answer answerRows[] = {
    {"R1 in place of R0 is invalid", "TR|R1\n" + Extra,
     "/extra.xml.ra=extra untouched requested:/vc2 !requested:/extra.xml.ra !stamp status:2011"},
    {"CRLF line ends make the first line invalid", "TR|R0\r\n" + Extra,
     "/extra.xml.ra=extra untouched requested:/vc2 !requested:/extra.xml.ra !stamp status:2011"},
    {"a NUL ends the answer",
     "S!TR|R0\nTF|I(s)GI.cnn|V1.0|B1|C1|U@/cnn.xml.ra\n" + Extra +
         QByteArray("\0TF|I(s)GI.guardian|V9|B1|C1|U@/guardian.xml.ra\n", 47),
     "/extra.xml.ra=extra entry:(s)GI.extra|1|extra.xml entry:(s)GI.cnn|1.0|cnn.xml "
     "!listed:(s)GI.guardian !requested:/guardian.xml.ra file:extra.xml=extra"},
    {"404 tries the next endpoint", "404", "untouched requested:/vc2 !stamp status:2011"},
    {"a stalled answer tries the next endpoint", "stall",
     "/vc2=empty-answer untouched requested:/vc2 stamp"},
    {"answer over 1 MiB is invalid", "TR|R0\n" + QByteArray(1100 * 1024, 'x'),
     "untouched requested:/vc2 !stamp status:2011"},
    {"hostile id is written escaped",
     "TR|R0\nTF|I(s)GI.cnn|V1.0|B0|C0|U@/"
     "cnn.xml.ra\nTF|I(s)GI.q\"<&|V1|{hostile}|U@/q.xml.ra\n",
     "/q.xml.ra=hostile entry:(s)GI.q\"<&|1|q.xml entry:(s)GI.cnn|1.0|cnn.xml loaded:(s)GI.q\"<&"},
    {"hostile version is written escaped",
     "TR|R0\nTF|I(s)GI.extra|V1\" file=\"../x|{extra}|U@/extra.xml.ra\n",
     "/extra.xml.ra=extra entry:(s)GI.extra|1\"%20file=\"../x|extra.xml loaded:(s)GI.extra"},
    {"server-chosen names are refused before any request",
     "TR|R0\nTF|I(s)GI.extra|V1|{extra}|U@/..%2Fevil.xml.ra|U@/sites.xml.ra|U@/"
     "translators.xml.ra|"
     "U@/access.his.ra|U@/profile_error.log.ra|U@/cnn.xml.ra|U@/.hidden.ra|U@/dir/|U@/"
     "a%20b.xml.ra|U@/SITES.XML.ra|U@/.ra\n",
     "/sites.xml.ra=extra /cnn.xml.ra=extra untouched !listed:(s)GI.extra !requested:/sites.xml.ra "
     "!requested:/cnn.xml.ra requests:1"},
    // The file of a site that needs nothing is the one it has, whatever the URL says.
    {"unchanged site keeps its file", "TR|R0\nTF|I(s)GI.cnn|V1.0|B1|C1|U@/other.xml.ra\n" + Extra,
     "/extra.xml.ra=extra entry:(s)GI.cnn|1.0|cnn.xml entry:(s)GI.extra|1|extra.xml "
     "loaded:(s)GI.cnn !requested:/other.xml.ra"},
    {"truncated download keeps the old profile", Cnn2, "/cnn.xml.ra=cnn2cut kept"},
    {"checksum mismatch keeps the old profile",
     "TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:cnn2}|C{sha:extra}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=cnn2 kept"},
    {"profile of another site is refused", "TR|R0\nTF|I(s)GI.cnn|V2.0|{guardian}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=guardian kept"},
    {"junk profile is refused", "TR|R0\nTF|I(s)GI.cnn|V2.0|{junk}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=junk kept"},
    {"second URL after a failure names the file",
     "S!TR|R0\nTF|I(s)GI.cnn|V2.0|{cnn2}|U@/cnn-a.xml.ra|U@/cnn-b.xml.ra\n",
     "/cnn-b.xml.ra=cnn2 entry:(s)GI.cnn|2.0|cnn-b.xml file:cnn-b.xml=cnn2 !exists:cnn.xml "
     "!exists:cnn-a.xml requested:/cnn-a.xml.ra"},
    {"size 0 is never downloaded", "S!TR|R0\nTF|I(s)GI.cnn|V2.0|B|C{sha:cnn2}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=cnn2 untouched !requested:/cnn.xml.ra"},
    {"size that is not a number is never downloaded",
     "TR|R0\nTF|I(s)GI.extra|V1|B12a|C{sha:extra}|U@/extra.xml.ra\nTF|I(s)GI.cnn|V1.0|B0|C0|U@/"
     "cnn.xml.ra\n",
     "/extra.xml.ra=extra notify:1 untouched !requested:/extra.xml.ra confirm:"},
    {"unknown prefix is never downloaded", "TR|R0\nTF|I(x)thing|V1|{extra}|U@/thing.ra\n",
     "/thing.ra=extra untouched !requested:/thing.ra"},
    {"file: and data: URLs are never fetched, nor used as endpoints",
     "TR|R0\nTF|I(s)GI.extra|V1|B1|C1|Ufile:///etc/passwd|Udata:text/plain,hi\nTV|Ufile:///"
     "x|Udata:,y|U\n",
     "untouched requests:1 endpoints:@/vc;@/vc2"},
    {"TV replaces the endpoints with its web addresses",
     "S!TR|R0\nTV|Uhttp://a.example/vc|Uftp://b.example/|U|Uhttps://c.example/x\n",
     "endpoints:http://a.example/vc;https://c.example/x"},
    {"engine-only answer keeps the catalogue",
     "TR|R0\nTF|I(r)translators|V2.0|{engine2}|U@/translators.xml.ra\n",
     "/translators.xml.ra=engine2 untouched file:translators.xml=engine2 engines:2.0"},
    {"engine file under another name is refused",
     "TR|R0\nTF|I(r)x|V2.0|{engine2}|U@/other.xml.ra\n",
     "/other.xml.ra=engine2 untouched !exists:other.xml !requested:/other.xml.ra"},
    {"junk engine file is refused", "TR|R0\nTF|I(r)x|V2.0|{junk}|U@/translators.xml.ra\n",
     "/translators.xml.ra=junk untouched file:translators.xml=shipped engines:1.0"},
    {"declined update keeps the profile", Cnn2,
     "/cnn.xml.ra=cnn2 notify:1 decline untouched confirm:1:{size:cnn2} !requested:/cnn.xml.ra"},
    {"failed download keeps the profile", Cnn2, "kept"},
    {"download without asking only when notification is 0", Cnn2,
     "/cnn.xml.ra=cnn2 notify:2 confirm:1:{size:cnn2} file:cnn.xml=cnn2"},
    {"10,000 targets are refused whole", manyTargets("1073741824"),
     "notify:1 decline untouched confirm: requests:1"},
    {"only the first installer is offered",
     "S!TR|R0\nTF|I(a)one|V2.0|B2147483648|C{sha:installer}|U@/"
     "one.exe.ra|MNew%20things\nTF|I(a)two|V3.0|B10|C{sha:installer}|U@/two.exe.ra\n",
     "offers:2.0|2147483648|one.exe|New%20things requests:1"},
    {"installer goes to the chosen path without .ra",
     "S!TR|R0\nTF|I(a)setup|V2.0|{installer}|U@/setup.exe.ra\n",
     "/setup.exe.ra=installer choose:%I/setup.exe.ra file:setup.exe=installer "
     "completed:%I/setup.exe file:sites.xml=shipped"},
    {"installer of the running version is not offered",
     "S!TR|R0\nTF|I(a)setup|V1.0|B10|C{sha:installer}|U@/setup.exe.ra\n",
     "choose:%I/setup.exe offers: requests:1"},
    // What a hostile service or network could do, and what signing allows.
    {"unsigned answer listing one site keeps every entry", "TR|R0\n" + Extra,
     "/extra.xml.ra=extra notify:2 entry:(s)GI.extra|1|extra.xml "
     "entry:(s)GI.guardian|1.0|guardian.xml"},
    {"signed answer whose downloads all fail keeps sites.xml", "S!" + Cnn2,
     "/cnn.xml.ra=junk notify:2 file:sites.xml=shipped file:guardian.xml=shipped"},
    {"10,000 targets with B0 and C0 fetch nothing", manyTargets("0"),
     "notify:2 untouched requests:1"},
    {"unsigned TV, installer and missing entry change nothing", "TR|R0\n" + Tv + Setup,
     "/setup.exe.ra=installer notify:2 unremoved offers: requests:1"},
    {"tampered signed answer is unsigned", "T!TR|R0\n" + Tv + Setup,
     "/setup.exe.ra=installer notify:2 unremoved offers: requests:1"},
    {"signed TV replaces the endpoints", "S!TR|R0\n" + Tv,
     "notify:2 endpoints:http://a.example/vc"},
    {"signed site 1.0 to 0.1 rolls back", "S!TR|R0\nTF|I(s)GI.cnn|V0.1|{cnn01}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=cnn01 notify:2 file:cnn.xml=cnn01 entry:(s)GI.cnn|0.1|cnn.xml"},
    {"installer over 64 MiB is written as it arrives",
     "S!TR|R0\n" + QByteArray(Setup).replace("{installer}", "{big-installer}"),
     "/setup.exe.ra=big-installer notify:2 choose:%I/setup.exe.ra file:setup.exe=big-installer "
     "completed:%I/setup.exe"},
    {"installer 0.5 under 1.0 is not offered",
     "S!TR|R0\n" + QByteArray(Setup).replace("V2.0", "V0.5"), "notify:2 offers: requests:1"},
    {"profile over 1 MiB is never fetched",
     "TR|R0\nTF|I(s)GI.cnn|V2.0|B1048577|C{sha:cnn2}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=cnn2 notify:2 untouched !requested:/cnn.xml.ra"},
    {"profile of tiny elements is refused", "TR|R0\nTF|I(s)GI.cnn|V2.0|{tiny}|U@/cnn.xml.ra\n",
     "/cnn.xml.ra=tiny notify:2 kept file:sites.xml=shipped"},
    {"confirmation counts only what will be fetched",
     Cnn2 + "TF|I(r)x|V9|B5|C{sha:engine2}|U@/other.xml.ra\nTF|I(s)GI.y|V1|B7|C{sha:extra}|U@/"
            "sites.xml.ra\n",
     "/cnn.xml.ra=cnn2 notify:2 confirm:1:{size:cnn2}"},
};

// "@" is the server; requested: the paths two checks in a row asked.
struct Chain
{
    const char *name, *endpoints, *requested;
};
const Chain chainRows[] = {
    {"empty and non-web endpoints are skipped", " file:///etc/update @/vc2 @/vc3",
     "/vc2 /vc3 /vc2 /vc3"},
    {"a check from outside starts at the first endpoint again", "@/vc @/vc2", "/vc /vc2 /vc /vc2"},
};

// Interval "": none stored; version nullptr: none stored; hours ago -1: never.
struct Startup
{
    const char *name;
    const char *version;
    QVariant interval;
    int checked, reminded;
    bool due, firstRun, reminderDue;
};
const Startup startupRows[] = {
    {"0 checks at every start", "010000", 0, 1, -1, true, false, true},
    {"1 after two days", "010000", 1, 48, -1, true, false, true},
    {"1 not after half a day", "010000", 1, 12, -1, false, false, true},
    {"7 after eight days", "010000", 7, 8 * 24, -1, true, false, true},
    {"7 not after six days", "010000", 7, 6 * 24, -1, false, false, true},
    {"30 after 31 days", "010000", 30, 31 * 24, -1, true, false, true},
    {"30 not after 29 days", "010000", 30, 29 * 24, -1, false, false, true},
    {"-1 never checks", "010000", -1, -1, -1, false, false, true},
    {"no interval never checks", "010000", QVariant(), -1, -1, false, false, true},
    {"interval that is no number never checks", "010000", u"weekly"_s, -1, -1, false, false, true},
    {"7 with no check stored is due", "010000", 7, -1, -1, true, false, true},
    {"missing AppInternalVersion asks for the first-run dialog", nullptr, 0, 48, -1, false, true,
     true},
    {"older AppInternalVersion asks for the first-run dialog", "009000", 0, 48, -1, false, true,
     true},
    {"reminded six days ago: no upgrade offer yet", "010000", 7, 1, 6 * 24, false, false, false},
    {"reminded eight days ago: upgrade offer again", "010000", 7, 1, 8 * 24, false, false, true},
};

// Changes to the served folder: "add:FROM:TO:ID" a copy of FROM for the site ID, "version:FILE:V",
// "move:FROM:TO", "remove:FILE"; then checks as in answerRows, after the reload and the cleanup.
struct Run
{
    const char *name, *changes, *expect;
};
const Run runRows[] = {
    {"nothing new leaves everything untouched", "",
     "entry:(s)GI.cnn|1.0|cnn.xml exists:cnn.xml engines:1.0"},
    {"new site", "add:cnn.xml:extra.xml:(s)GI.extra",
     "entry:(s)GI.extra|1.0|extra.xml entry:(s)GI.cnn|1.0|cnn.xml exists:extra.xml exists:cnn.xml "
     "engines:1.0"},
    {"changed site under a new file name",
     "version:guardian.xml:2.0 move:guardian.xml:guardian2.xml",
     "entry:(s)GI.guardian|2.0|guardian2.xml exists:guardian2.xml !exists:guardian.xml "
     "engines:1.0"},
    // The cleanup must spare a file the new catalogue still names.
    {"same-name update keeps its new file", "version:cnn.xml:1.1",
     "entry:(s)GI.cnn|1.1|cnn.xml exists:cnn.xml engines:1.0"},
    {"site the answer drops", "remove:sina.xml version:lemonde.xml:1.5",
     "entry:(s)GI.lemonde|1.5|lemonde.xml !listed:(s)GI.sina exists:sina.xml engines:1.0"},
    {"engine update", "version:translators.xml:2.0",
     "entry:(s)GI.cnn|1.0|cnn.xml exists:translators.xml engines:2.0 file:sites.xml=shipped"},
    {"all at once",
     "add:cnn.xml:extra.xml:(s)GI.extra version:guardian.xml:2.0 move:guardian.xml:guardian2.xml "
     "version:cnn.xml:1.1 remove:sina.xml version:translators.xml:2.0",
     "entry:(s)GI.cnn|1.1|cnn.xml entry:(s)GI.guardian|2.0|guardian2.xml "
     "entry:(s)GI.extra|1.0|extra.xml entry:(s)GI.asahi|1.0|asahi.xml !listed:(s)GI.sina "
     "exists:cnn.xml exists:extra.xml exists:guardian2.xml !exists:guardian.xml engines:2.0"},
};

bool applyChange(const QString &dir, const QString &change)
{
    const QStringList parts = change.split(u':');
    const QString op = parts.value(0), a = dir + u'/' + parts.value(1),
                  b = dir + u'/' + parts.value(2);
    if (op == u"add"_s) {
        const QByteArray oldId = "id=\"(s)GI." + QFileInfo(a).completeBaseName().toUtf8() + '"';
        const QByteArray bytes = readAll(a);
        return bytes.contains(oldId) &&
               writeAll(b,
                        QByteArray(bytes).replace(oldId, "id=\"" + parts.value(3).toUtf8() + '"'));
    }
    if (op == u"version"_s)
        return writeAll(a, withVersion(readAll(a), parts.value(2).toUtf8()));
    return op == u"move"_s ? QFile::rename(a, b) : op == u"remove"_s && QFile::remove(a);
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

// One request as written, the status code and body of the answer.
QPair<int, QByteArray> fetch(quint16 port, const QByteArray &method, const QByteArray &path,
                             const QByteArray &body = {})
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!socket.waitForConnected(5000))
        return {-1, {}};
    socket.write(method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    QByteArray reply;
    qsizetype end = -1, length = -1;
    // The server may keep the connection open: read until the declared body is in.
    while (end < 0 || reply.size() < end + 4 + length) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(5000))
            break;
        reply += socket.readAll();
        end = reply.indexOf("\r\n\r\n");
        if (end >= 0 && length < 0) {
            const QByteArray head = reply.left(end).toLower();
            const qsizetype at = head.indexOf("content-length:");
            length = at < 0 ? 0 : head.mid(at + 15).split('\r').constFirst().trimmed().toLongLong();
        }
    }
    return {reply.mid(9, 3).toInt(), end < 0 ? QByteArray() : reply.mid(end + 4)};
}

// A request to the update server, which signs its answers and offers an installer; with a static
// site when `site`. answer: its start, "@NAME" a shipped profile. Nothing outside the served
// folders is reachable.
struct Path
{
    const char *name;
    bool site;
    QByteArray method, path, body;
    int status;
    QByteArray answer;
};
const Path pathRows[] = {
    {"check", true, "POST", "/vc/vc.php", {}, 200, "TR|R0\nTF|I(s)GI.cnn|V1.0|B"},
    {"check by GET", true, "GET", "/tsup/vercheck.php", {}, 405, {}},
    {"profile", true, "GET", "/files/cnn.xml.ra", {}, 200, "@cnn.xml"},
    {"catalogue is not offered", true, "GET", "/files/sites.xml.ra", {}, 404, {}},
    {"encoded parent in a file name", true, "GET", "/files/..%2Fsecret.txt", {}, 404, {}},
    {"site home", true, "GET", "/", {}, 200, "<html>home"},
    {"site page", true, "GET", "/news/a.html", {}, 200, "<html>a"},
    {"site folder", true, "GET", "/news/", {}, 200, "<html>news"},
    {"missing page", true, "GET", "/b.html", {}, 404, {}},
    {"parent of the site", true, "GET", "/../secret.txt", {}, 404, {}},
    {"encoded parent of the site", true, "GET", "/%2e%2e/secret.txt", {}, 404, {}},
    {"hidden file", true, "GET", "/.hidden", {}, 404, {}},
    {"link out of the site", true, "GET", "/out/secret.txt", {}, 404, {}},
    // Without a site only the check paths and /files/ answer.
    {"no site: check", false, "POST", "/vc/vc.php", "A=1", 200, "TR|R0\n"},
    {"no site: body over 64 KiB", false, "POST", "/vc/vc.php", QByteArray(65 * 1024, 'x'), 413, {}},
    {"no site: other path", false, "POST", "/upload.php", {}, 404, {}},
    {"no site: other GET path", false, "GET", "/index.html", {}, 404, {}},
};

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
        QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
        QVERIFY(m_served.isValid());
        // The server signs with a key the reader trusts, so its answers may also remove entries.
        QVERIFY(makeSigningKeyPair(&m_publicKey, &m_secretKey));
        QVERIFY(writeKeyFile(m_keys.filePath(u"secret"_s), m_secretKey, true));
        QVERIFY(writeKeyFile(m_keys.filePath(u"public"_s), m_publicKey, false));
        const quint16 port = m_server.startUpdateServer(
            {u"0"_s, m_served.path(), u"--signing-key"_s, m_keys.filePath(u"secret"_s)});
        QVERIFY(port > 0);
        m_endpoint = u"http://127.0.0.1:%1/tsup/vercheck.php"_s.arg(port);
    }

    void init() { QSettings().clear(); }

    void answers_data() { rows(answerRows); }
    void answers()
    {
        const Answer &r = current(answerRows);
        Rig rig;
        QVERIFY(rig.setUp());
        const QString base = rig.base(), installed = rig.installed.path();
        QString spec =
            QString::fromLatin1(r.spec)
                .replace(u"untouched"_s, u"file:sites.xml=shipped file:cnn.xml=shipped"_s)
                .replace(
                    u"kept"_s,
                    u"file:cnn.xml=shipped entry:(s)GI.cnn|1.0|cnn.xml requested:/cnn.xml.ra"_s)
                .replace(u"unremoved"_s,
                         u"file:sites.xml=shipped entry:(s)GI.guardian|1.0|guardian.xml "
                         "file:guardian.xml=shipped endpoints:@/vc;@/vc2"_s);
        if (!spec.contains(u"status:"_s))
            spec += u" status:"_s;
        QStringList expect;
        int notification = 0;
        for (QString word : spec.split(u' ')) {
            word = expand(word.replace(u"%20"_s, u" "_s), base, installed);
            const QString arg = word.section(u':', 1);
            if (word.startsWith(u'/')) {
                rig.server.script(word.section(u'=', 0, 0).toLatin1(),
                                  {ScriptedAnswer::Answer, 200, fixture(word.section(u'=', 1))});
            } else if (word.startsWith(u"notify:"_s)) {
                notification = arg.toInt();
            } else if (word == u"decline"_s) {
                rig.prompts.agree = false;
            } else if (word.startsWith(u"choose:"_s)) {
                rig.prompts.upgradeResult = 1;
                rig.prompts.chosenPath = arg;
            } else {
                expect += word;
            }
        }
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, notification);
        rig.server.script(
            "/vc", r.answer == "stall" ? ScriptedAnswer(ScriptedAnswer::Stall)
                   : r.answer == "404"
                       ? ScriptedAnswer(ScriptedAnswer::Answer, 404, "gone")
                       : ScriptedAnswer(ScriptedAnswer::Answer, 200,
                                        answerText(r.answer, base, installed, rig.secretKey)));
        rig.manager->onlineVersionCheck();
        QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 30000);
        rig.reload(); // any later reload (the user's, another update's) must not lose files either

        for (const QString &e : std::as_const(expect))
            QVERIFY2(rig.seen(e) == e, qPrintable(rig.seen(e) + u", expected "_s + e));
    }

    void newAnswerAbortsDownloads()
    {
        Rig rig;
        QVERIFY(rig.setUp());
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 0);
        rig.server.script("/cnn.xml.ra", ScriptedAnswer(ScriptedAnswer::Stall));
        const QString url = rig.base() + u"/cnn.xml.ra"_s;
        rig.manager->processVersionCheckRespond(new QByteArray("TR|R0\nTF|I(s)GI.cnn|V2.0|B10|C" +
                                                               QByteArray(64, 'a') + "|U" +
                                                               url.toLatin1() + '\n'));
        QCOMPARE(rig.network.activeCount(NDT_FileDownload), 1);
        QCOMPARE(rig.manager->targets.size(), 1);
        rig.manager->processVersionCheckRespond(new QByteArray("TR|R0\n"));
        QCOMPARE(rig.network.activeCount(NDT_FileDownload), 0);
        QVERIFY(rig.manager->targets.isEmpty());
        // A late result of the aborted download belongs to no target.
        rig.manager->processDownloadResult(url, NDT_FileDownload, true);
        rig.manager->processDownloadResult(u"http://other.example/x.ra"_s, NDT_FileDownload, false);
        QCOMPARE(rig.manager->currentTarget, -1);
        QCOMPARE(rig.refreshes, 0);
        QCOMPARE(readAll(rig.installed.filePath(u"cnn.xml"_s)), shipped(u"cnn.xml"_s));
    }

    void answerWhileAsking()
    {
        Rig rig;
        QVERIFY(rig.setUp());
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 1);
        rig.server.script("/cnn.xml.ra",
                          ScriptedAnswer(ScriptedAnswer::Answer, 200, fixture(u"cnn2"_s)));
        rig.prompts.whileConfirming = [&] {
            rig.manager->processVersionCheckRespond(new QByteArray("TR|R0\n"));
        };
        rig.manager->processVersionCheckRespond(
            new QByteArray(expand(QString::fromLatin1(Cnn2), rig.base(), QString()).toLatin1()));
        // The answer that came while the dialog was open changed nothing under it.
        QTRY_COMPARE_WITH_TIMEOUT(rig.refreshes, 1, 20000);
        QCOMPARE(readAll(rig.installed.filePath(u"cnn.xml"_s)), fixture(u"cnn2"_s));
    }

    void endpointChain_data() { rows(chainRows); }
    void endpointChain()
    {
        const Chain &r = current(chainRows);
        Rig rig;
        QVERIFY(rig.setUp());
        rig.manager->checkUrls =
            QString::fromLatin1(r.endpoints).split(u' ').replaceInStrings(u"@"_s, rig.base());
        for (int run = 1; run <= 2; ++run) {
            rig.manager->onlineVersionCheck();
            QTRY_COMPARE_WITH_TIMEOUT(rig.status->size(), run, 20000);
        }
        QCOMPARE(rig.requestedPaths(), words(r.requested));
        QCOMPARE(rig.status->constFirst().at(0).value<CONetworkDataType>(), NDT_VersionCheck);
    }

    void checkRequestForm()
    {
        Rig rig;
        QVERIFY(rig.setUp());
        QSettings().setValue(TS_KEY_INSTALLATION_SIGNATURE, u"sig123"_s);
        rig.server.script("/vc", ScriptedAnswer(ScriptedAnswer::Answer, 200, "TR|R0\n"));
        rig.manager->onlineVersionCheck();
        QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 20000);
        QCOMPARE(rig.server.requests.size(), 1);
        const ScriptedRequest &sent = rig.server.requests.constFirst();
        QCOMPARE(sent.method + ' ' + sent.body + ' ' + sent.headers.value("content-type"),
                 u"POST A=tessolin&V=1.0&O=32W&L=%1&S=sig123 application/x-www-form-urlencoded"_s
                     .arg(QLocale::system().name())
                     .toUtf8());
    }

    void startupDecision_data() { rows(startupRows); }
    void startupDecision()
    {
        const Startup &r = current(startupRows);
        QSettings settings;
        if (r.version)
            settings.setValue(TS_KEY_APP_INTERNAL_VERSION, QString::fromLatin1(r.version));
        if (r.interval.isValid())
            settings.setValue(TS_KEY_VERSION_CHECK_INTERVAL, r.interval);
        const QDateTime now = QDateTime::currentDateTime();
        if (r.checked >= 0)
            settings.setValue(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP,
                              updateTimestampText(now.addSecs(-3600 * qint64(r.checked))));
        if (r.reminded >= 0)
            settings.setValue(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP,
                              updateTimestampText(now.addSecs(-3600 * qint64(r.reminded))));
        VersionManager manager;
        QSignalSpy initial(&manager, &VersionManager::requestInitialConfig);
        QCOMPARE(manager.isVersionCheckDue(), r.due);
        QCOMPARE(initial.size(), int(r.firstRun));
        QCOMPARE(manager.upgradeReminderDue, r.reminderDue);
        QVERIFY(QRegularExpression(u"^\\d{15}\\d+$"_s)
                    .match(QSettings().value(TS_KEY_INSTALLATION_SIGNATURE).toString())
                    .hasMatch());
        // The default endpoints are written back, the second endpoint comes last.
        QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_URLS).toString(),
                 QStringLiteral(TS_VERSION_CHECK_URLS));
        QCOMPARE(manager.checkUrls.constLast(), QStringLiteral(TS_VERSION_CHECK_URL2));
    }

    // A changed copy of the shipped profiles is served; the version manager brings the
    // installation up to date, the reader reloads, and catalogue and files are checked.
    void run_data() { rows(runRows); }
    void run()
    {
        const Run &r = current(runRows);
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 0);
        QVERIFY(copyShipped(m_served.path()));
        for (const QString &change : words(r.changes))
            QVERIFY2(applyChange(m_served.path(), change), qPrintable(change));
        Rig rig;
        QVERIFY(rig.setUp());
        rig.network.replyTimeout = 20000;
        rig.manager->checkUrls = {m_endpoint};
        rig.manager->trustedKeys = {m_publicKey};
        QSignalSpy answered(&rig.network, &NetworkModule::versionCheckRespond);
        rig.manager->onlineVersionCheck();
        QVERIFY(answered.wait(20000));
        const bool downloads = *r.changes;
        QTRY_COMPARE_WITH_TIMEOUT(rig.refreshes, int(downloads), 20000);
        QCOMPARE(rig.network.activeCount(NDT_FileDownload), 0);
        QVERIFY(rig.processor.failedEntries().isEmpty());
        QVERIFY(rig.manager->outdatedFiles.isEmpty());
        const QStringList expect = words(r.expect) << u"status:"_s << u"stamp"_s;
        for (const QString &e : expect) {
            QVERIFY2(rig.seen(e) == e, qPrintable(rig.seen(e) + u", expected "_s + e));
            // Every installed file that the server has is now the server's copy.
            const QString file = e.section(u':', 1);
            if (e.startsWith(u"exists:"_s) && QFile::exists(m_served.filePath(file)))
                QCOMPARE(readAll(rig.installed.filePath(file)), readAll(m_served.filePath(file)));
        }
    }

    // The real server's signed answer: the checker verifies it, one changed byte voids it, and
    // UTF-8 release notes arrive as written. The server can also serve a static site.
    void serverPaths_data() { rows(pathRows); }
    void serverPaths()
    {
        const Path &r = current(pathRows);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(u"site/news"_s) &&
                QDir(root.path()).mkpath(u"profiles"_s));
        QVERIFY(copyShipped(root.filePath(u"profiles"_s)));
        const char *files[][2] = {{"secret.txt", "secret"},
                                  {"setup.exe", "MZ"},
                                  {"site/.hidden", "hidden"},
                                  {"site/index.html", "<html>home"},
                                  {"site/news/index.html", "<html>news"},
                                  {"site/news/a.html", "<html>a"}};
        for (const auto &file : files)
            QVERIFY(writeAll(root.filePath(QString::fromLatin1(file[0])), file[1]));
        QVERIFY(QFile::link(root.path(), root.filePath(u"site/out"_s)));
        QStringList arguments{u"0"_s,
                              root.filePath(u"profiles"_s),
                              u"--signing-key"_s,
                              m_keys.filePath(u"secret"_s),
                              u"--installer"_s,
                              root.filePath(u"setup.exe"_s),
                              u"--installer-version"_s,
                              u"9.1"_s,
                              u"--installer-notes"_s,
                              u"Größe 新"_s};
        if (r.site)
            arguments << u"--site"_s << root.filePath(u"site"_s);
        servicekit::LocalService server;
        const quint16 port = server.startUpdateServer(arguments);
        QVERIFY(port > 0);
        const auto [code, answer] = fetch(port, r.method, r.path, r.body);
        QCOMPARE(code, r.status);
        if (r.answer.startsWith('@'))
            QCOMPARE(answer, shipped(QString::fromLatin1(r.answer.mid(1))));
        else
            QVERIFY2(answer.startsWith(r.answer), answer.constData());
        QVERIFY(!answer.contains("secret"));
        if (r.method != "POST" || code != 200)
            return;
        QVERIFY(verifyAnswerSignature(answer, {m_publicKey}).verified());
        const CLUpdateAnswer parsed = parseUpdateAnswer(answer, {m_publicKey});
        QVERIFY(parsed.trusted);
        QCOMPARE(parsed.targets.constLast().message, u"Größe 新"_s);
        for (const int at : {0, int(answer.size()) / 2, int(answer.lastIndexOf("TS|")) - 2}) {
            QByteArray changed = answer;
            changed[at] = changed.at(at) == 'x' ? 'y' : 'x';
            for (const QByteArray &bytes : {answer, changed}) {
                QProcess tool;
                tool.start(QStringLiteral(TESSOLIN_PROFILE_TOOL),
                           {u"answer"_s, u"--key"_s, m_keys.filePath(u"public"_s), u"-"_s});
                tool.write(bytes);
                tool.closeWriteChannel();
                QVERIFY(tool.waitForFinished(20000));
                const QByteArray json = tool.readAllStandardOutput();
                QCOMPARE(json.contains("\"signed\": true"), bytes == answer);
                if (bytes == answer)
                    QVERIFY2(json.contains("\"message\": \"Größe 新\""), json.constData());
            }
        }
    }

private:
    IsolatedSettings m_settings;
    QByteArray m_publicKey, m_secretKey;
    QTemporaryDir m_keys;
    QTemporaryDir m_served;
    servicekit::LocalService m_server;
    QString m_endpoint;
};

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
