// What an update may write: the file name a download URL gives, the checks a
// downloaded file must pass, and the catalogue text.

#include "clprocessor.h"
#include "clprofilereader.h"
#include "clupdate.h"
#include "htmltext.h"
#include "testkit.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

CLUpdateNameRules rules()
{
    CLUpdateNameRules r;
    r.engineFile = u"translators.xml"_s;
    r.reserved = {u"sites.xml"_s, u"profile_error.log"_s, u"access.his"_s};
    r.entryFiles = {{u"cnn.xml"_s, u"(s)GI.cnn"_s}, {u"guardian.xml"_s, u"(s)GI.guardian"_s}};
    r.used = {u"taken.xml"_s};
    return r;
}

const char Profile[] = "<?xml version=\"1.0\"?><site name=\"A\" id=\"(s)GI.a\" locale=\"en\" "
                       "codeset=\"UTF-8\" version=\"2\" entry=\"http://a.example/\"><page "
                       "name=\"P\" id=\"p\" type=\"news.index\"><track name=\"t\"/></page></site>";

// The name an update may write for a URL and a target id; empty: refused.
const QString cnn = "(s)GI.cnn";
struct NameRow
{
    const char *name;
    QString url, id, fileName;
};
const NameRow nameRows[] = {
    {"new file", "http://h/p/new.xml.ra", cnn, "new.xml"},
    {"own entry's file", "http://h/cnn.xml.ra", cnn, "cnn.xml"},
    {"without .ra", "https://h/new.xml", cnn, "new.xml"},
    {".ra removed once", "http://h/x.ra.ra", cnn, "x.ra"},
    {"query is not the name", "http://h/new.xml?f=../x", cnn, "new.xml"},
    {"another entry's file", "http://h/guardian.xml.ra", cnn, QString()},
    {"another entry's file in other case", "http://h/Guardian.XML.ra", cnn, QString()},
    {"catalogue", "http://h/sites.xml.ra", cnn, QString()},
    {"catalogue in other case", "http://h/SITES.xml", cnn, QString()},
    {"error report", "http://h/profile_error.log.ra", cnn, QString()},
    {"history", "http://h/access.his.ra", cnn, QString()},
    {"engine file for a site", "http://h/translators.xml.ra", cnn, QString()},
    {"engine file for an engine", "http://h/translators.xml.ra", "(r)t", "translators.xml"},
    {"other file for an engine", "http://h/other.xml.ra", "(r)t", QString()},
    {"installer has no profile name", "http://h/s.exe.ra", "(a)s", QString()},
    {"unknown class", "http://h/x.xml", "(x)x", QString()},
    {"used in this run", "http://h/taken.xml.ra", cnn, QString()},
    {"encoded parent", "http://h/..%2Fx.xml.ra", cnn, QString()},
    {"dot segments", "http://h/a/%2e%2e", cnn, QString()},
    {"hidden file", "http://h/.profile.ra", cnn, QString()},
    {"only .ra", "http://h/.ra", cnn, QString()},
    {"folder", "http://h/dir/", cnn, QString()},
    {"space", "http://h/a%20b.xml", cnn, QString()},
    {"backslash", "http://h/a%5Cb.xml", cnn, QString()},
    {"device name", "http://h/con.xml.ra", cnn, QString()},
    {"overlong", "http://h/" + QString(200, u'a'), cnn, QString()},
    // Names that some file systems read as another file are never written.
    {"catalogue with a trailing dot", "http://h/sites.xml..ra", cnn, QString()},
    {"engine file with a trailing dot", "http://h/translators.xml..ra", cnn, QString()},
    {"history with a trailing dot", "http://h/access.his..ra", cnn, QString()},
    {"trailing dots", "http://h/new.xml...", cnn, QString()},
    {"trailing space", "http://h/new.xml%20", cnn, QString()},
    {"alternate stream", "http://h/new.xml:x.ra", cnn, QString()},
    {"encoded colon", "http://h/new.xml%3Ax", cnn, QString()},
    {"another entry's file with a trailing dot", "http://h/GUARDIAN.xml..ra", cnn, QString()},
};

const QByteArray profile = Profile;
struct FileRow
{
    const char *name;
    QByteArray bytes;
    QString id, fileName;
    bool accepted;
    QString size = {}; // announced; null: the true size
};
const FileRow fileRows[] = {
    {"profile of the target", profile, "(s)GI.a", "a.xml", true},
    {"size 0 is refused", profile, "(s)GI.a", "a.xml", false, "0"},
    {"compressed profile under a name without .xml", packXml(profile), "(s)GI.a", "a.prf", true},
    {"plain profile under a compressed name", profile, "(s)GI.a", "a.prf", false},
    {"size mismatch", profile, "(s)GI.a", "a.xml", false, "10"},
    {"profile of another site", profile, "(s)GI.b", "a.xml", false},
    {"not XML", "<site", "(s)GI.a", "a.xml", false},
    {"a profile is no engine file", profile, "(r)t", "translators.xml", false},
    {"installers are checked as files", "MZ", "(a)s", "installer", false},
    {"over 1 MiB", QByteArray(MaxUpdateDownloadSize + 1, 'x'), "(s)GI.a", "a.xml", false},
};

// Whatever the values, the catalogue reads back to exactly them.
struct LineRow
{
    const char *name;
    QString id, version, file;
};
const LineRow lineRows[] = {
    {"plain", "(s)GI.cnn", "1.0", "cnn.xml"},
    {"quote and markup", "(s)GI.q\"/><site id=\"x", "1<2&3>'", "a.xml"},
    {"white space", "(s)GI. a\tb\nc\rd", " 1 ", "a.xml"},
    {"non-ASCII", u"(s)GI.日本"_s, u"é"_s, "a.xml"},
};

// An installer is offered only for a higher dotted number.
struct VersionRow
{
    const char *name;
    QString offered, running;
    bool newer;
};
const VersionRow versionRows[] = {
    {"0.5 over 1.0", "0.5", "1.0", false},
    {"1.0 over 1.0", "1.0", "1.0", false},
    {"1.0.0 over 1", "1.0.0", "1", false},
    {"1.10 over 1.9", "1.10", "1.9", true},
    {"2 over 1.9.9", "2", "1.9.9", true},
    {"1.0.1 over 1.0", "1.0.1", "1.0", true},
    {"1.1beta over 1.0", "1.1beta", "1.0", false},
    {" over 1.0", "", "1.0", false},
    {"1..2 over 1.0", "1..2", "1.0", false},
    {"99999999999999 over 1.0", "99999999999999", "1.0", false},
};

// Downloads and start-up loads refuse the same files; empty problem: accepted.
const QByteArray head = profile.left(profile.indexOf("<track"));
const QByteArray tail = profile.mid(profile.indexOf("</page>"));
QByteArray formatter(const QByteArray &attributes)
{
    return head +
           "<track name=\"t\"><topic name=\"n\" id=\"i\" type=\"news.text\">"
           "<step_text_format " +
           attributes + "/></topic></track>" + tail;
}
struct LoaderRow
{
    const char *name;
    QByteArray bytes;
    QString problem; // a part of the reason
};
const LoaderRow loaderRows[] = {
    {"small counts", formatter("insert_line=\"2\" paragraph_line=\"1\""), {}},
    {"insert_line of 4,000,000,000", formatter("insert_line=\"4000000000\""), "insert_line"},
    {"append_line above the bound", formatter("append_line=\"2000000000\""),
     "append_line is 2000000000, more than"},
    {"paragraph_line above the bound", formatter("paragraph_line=\"101\""), "paragraph_line"},
    {"paragraph_space_begin above the bound", formatter("paragraph_space_begin=\"100000\""),
     "paragraph_space_begin"},
    {"paragraph_space_end above the bound", formatter("paragraph_space_end=\"100000\""),
     "paragraph_space_end"},
    {"100,000 nested elements",
     head + QByteArray("<x>").repeated(100000) + QByteArray("</x>").repeated(100000) + tail,
     "nested deeper"},
    {"200,000 tiny elements", head + QByteArray("<x/>").repeated(200000) + tail,
     "more than 100000 elements"},
    {"over 1 MiB", head + QByteArray(MaxDataFileSize, ' ') + tail, "larger than 1048576 bytes"},
};

} // namespace

class TestUpdateFiles : public QObject
{
    Q_OBJECT

    // A target of ID announcing BYTES, of SIZE bytes (null: the true size).
    static CLUpdateTarget target(const QString &id, const QByteArray &bytes, QString size = {})
    {
        CLUpdateTarget target;
        target.id = id;
        target.bytes = size.isNull() ? QString::number(bytes.size()) : size;
        target.checksum = sha256Hex(bytes);
        return target;
    }

private slots:
    void fileNames_data() { rows(nameRows); }
    void fileNames()
    {
        const NameRow &r = current(nameRows);
        QCOMPARE(updateFileName(r.url, target(r.id, {}), rules()), r.fileName);
    }

    void checksums_data()
    {
        QTest::addColumn<QString>("checksum");
        QTest::addColumn<bool>("matches");

        const QByteArray abc = "abc";
        for (const auto algorithm :
             {QCryptographicHash::Md5, QCryptographicHash::Sha1, QCryptographicHash::Sha256}) {
            const QString hex =
                QString::fromLatin1(QCryptographicHash::hash(abc, algorithm).toHex());
            QTest::addRow("%d hex digits", int(hex.size())) << hex << true;
            QTest::addRow("%d hex digits, upper case", int(hex.size())) << hex.toUpper() << true;
            QTest::addRow("%d hex digits, wrong", int(hex.size()))
                << QString(hex).replace(0, 1, hex.at(0) == u'0' ? u'1' : u'0') << false;
        }
        QTest::newRow("other text never matches") << u"c1"_s << false;
        QTest::newRow("64 characters, not hex, never match") << QString(64, u'z') << false;
    }

    void checksums()
    {
        QFETCH(QString, checksum);
        QFETCH(bool, matches);
        QCOMPARE(checksumMatches("abc", checksum), matches);
    }

    void downloadedFiles_data() { rows(fileRows); }
    void downloadedFiles()
    {
        const FileRow &r = current(fileRows);
        const QString problem =
            checkDownloadedFile(r.bytes, target(r.id, r.bytes, r.size), r.fileName);
        QVERIFY2(problem.isEmpty() == r.accepted, qPrintable(problem));
    }

    void catalogueText_data() { rows(lineRows); }
    void catalogueText()
    {
        const LineRow &r = current(lineRows);
        QDomDocument document;
        QVERIFY(document.setContent(
            siteCatalogueText({{u"(s)GI.x"_s, u"1"_s, u"x.xml"_s}, {r.id, r.version, r.file}})));
        const QDomElement site =
            document.documentElement().firstChildElement().nextSiblingElement();
        QCOMPARE(site.attribute(u"id"_s), r.id);
        QCOMPARE(site.attribute(u"version"_s), r.version);
        QCOMPARE(site.attribute(u"file"_s), r.file);
    }

    void shippedCatalogueBytes()
    {
        // Plain values come out byte for byte as the shipped catalogue.
        const QByteArray bytes = testkit::readAll(testkit::shippedProfileDir() + u"/sites.xml"_s);
        QDomDocument document;
        QVERIFY(document.setContent(bytes));
        QList<CLCatalogueLine> lines;
        for (QDomElement e = document.documentElement().firstChildElement(); !e.isNull();
             e = e.nextSiblingElement())
            lines.append({e.attribute(u"id"_s), e.attribute(u"version"_s), e.attribute(u"file"_s)});
        QCOMPARE(siteCatalogueText(lines), bytes);
    }

    void versionsAndMessages_data() { rows(versionRows); }
    void versionsAndMessages()
    {
        const VersionRow &r = current(versionRows);
        QCOMPARE(isNewerVersion(r.offered, r.running), r.newer);
    }

    void logText() { QCOMPARE(escapedForLog(u"a\u001b[2Jb\nc"_s), u"a\\x1b[2Jb\\x0ac"_s); }

    void guardedLoader_data() { rows(loaderRows); }
    void guardedLoader()
    {
        const LoaderRow &r = current(loaderRows);
        const QString downloaded =
            checkDownloadedFile(r.bytes, target(u"(s)GI.a"_s, r.bytes), u"a.xml"_s);
        QVERIFY2(downloaded.contains(r.problem), qPrintable(downloaded));
        QCOMPARE(downloaded.isEmpty(), r.problem.isEmpty());
        QTemporaryDir dir;
        QVERIFY(testkit::writeAll(dir.filePath(u"a.xml"_s), r.bytes) &&
                testkit::writeAll(dir.filePath(u"sites.xml"_s),
                                  siteCatalogueText({{u"(s)GI.a"_s, u"2"_s, u"a.xml"_s}})));
        CLProcessor processor;
        processor.profileDir = dir.path();
        processor.catalogueFile = u"sites.xml"_s;
        processor.loadSiteCatalogue();
        // The start-up report names the file and why.
        const QString loaded = processor.profileErrors.value(u"a.xml"_s).reason;
        QCOMPARE(processor.profileErrors.contains(u"a.xml"_s), !r.problem.isEmpty());
        QVERIFY2(loaded.contains(r.problem), qPrintable(loaded));
    }

    void catalogueAfterUnsignedUpdate()
    {
        // An unsigned update replaces and appends entries, never drops one.
        CLUpdateTarget updated{u"(s)GI.b"_s, u"2"_s, u"1"_s, {},    {}, {},         {},
                               {},           {},     true,   false, {}, u"b2.xml"_s};
        CLUpdateTarget added = updated;
        added.id = u"(s)GI.c"_s;
        added.writtenFile = u"c.xml"_s;
        CLUpdateTarget failed = updated;
        failed.id = u"(s)GI.d"_s;
        failed.writtenFile.clear();
        const QList<CLCatalogueLine> lines = catalogueLinesAdded(
            {{u"(s)GI.a"_s, u"1"_s, u"a.xml"_s}, {u"(s)GI.b"_s, u"1"_s, u"b.xml"_s}},
            {&updated, &added, &failed});
        QCOMPARE(siteCatalogueText(lines), siteCatalogueText({{u"(s)GI.a"_s, u"1"_s, u"a.xml"_s},
                                                              {u"(s)GI.b"_s, u"2"_s, u"b2.xml"_s},
                                                              {u"(s)GI.c"_s, u"2"_s, u"c.xml"_s}}));
    }
};

QTEST_GUILESS_MAIN(TestUpdateFiles)
#include "tst_updatefiles.moc"
