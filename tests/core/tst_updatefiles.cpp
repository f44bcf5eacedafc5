// What an update may write: the file name a download URL gives, the checks a
// downloaded file must pass, and the catalogue text.

#include "clupdate.h"
#include "htmltext.h"
#include "testkit.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
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
};

const QByteArray profile = Profile;
const QString size = QString::number(profile.size());
struct FileRow
{
    const char *name;
    QByteArray bytes;
    QString id, size, fileName;
    bool accepted;
};
const FileRow fileRows[] = {
    {"profile of the target", profile, "(s)GI.a", size, "a.xml", true},
    {"size 0 takes any size", profile, "(s)GI.a", "0", "a.xml", true},
    {"compressed profile under a name without .xml", packXml(profile), "(s)GI.a", "0", "a.prf",
     true},
    {"plain profile under a compressed name", profile, "(s)GI.a", size, "a.prf", false},
    {"size mismatch", profile, "(s)GI.a", "10", "a.xml", false},
    {"profile of another site", profile, "(s)GI.b", size, "a.xml", false},
    {"not XML", "<site", "(s)GI.a", "0", "a.xml", false},
    {"a profile is no engine file", profile, "(r)t", size, "translators.xml", false},
    {"installer bytes are not parsed", "MZ", "(a)s", "2", "installer", true},
    {"over 64 MiB", QByteArray(MaxUpdateDownloadSize + 1, 'x'), "(a)s", "0", "installer", false},
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

} // namespace

class TestUpdateFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileNames_data() { rows(nameRows); }
    void fileNames()
    {
        const NameRow &r = current(nameRows);
        CLUpdateTarget target;
        target.id = r.id;
        QCOMPARE(updateFileName(r.url, target, rules()), r.fileName);
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
        QTest::newRow("other text is not compared") << u"c1"_s << true;
        QTest::newRow("64 characters, not hex, not compared") << QString(64, u'z') << true;
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
        CLUpdateTarget target;
        target.id = r.id;
        target.bytes = r.size;
        target.checksum = sha256Hex(r.bytes);
        const QString problem = checkDownloadedFile(r.bytes, target, r.fileName);
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
};

QTEST_GUILESS_MAIN(TestUpdateFiles)
#include "tst_updatefiles.moc"
