// What an update may write: the file name a download URL gives, the checks a
// downloaded file must pass, and the catalogue text.

#include "clupdate.h"
#include "htmltext.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

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

} // namespace

class TestUpdateFiles : public QObject
{
    Q_OBJECT

private slots:
    void fileNames_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");

        const QString cnn = u"(s)GI.cnn"_s;
        QTest::newRow("new file") << u"http://h/p/new.xml.ra"_s << cnn << u"new.xml"_s;
        QTest::newRow("own entry's file") << u"http://h/cnn.xml.ra"_s << cnn << u"cnn.xml"_s;
        QTest::newRow("without .ra") << u"https://h/new.xml"_s << cnn << u"new.xml"_s;
        QTest::newRow(".ra removed once") << u"http://h/x.ra.ra"_s << cnn << u"x.ra"_s;
        QTest::newRow("query is not the name")
            << u"http://h/new.xml?f=../x"_s << cnn << u"new.xml"_s;
        QTest::newRow("another entry's file") << u"http://h/guardian.xml.ra"_s << cnn << QString();
        QTest::newRow("another entry's file in other case")
            << u"http://h/Guardian.XML.ra"_s << cnn << QString();
        QTest::newRow("catalogue") << u"http://h/sites.xml.ra"_s << cnn << QString();
        QTest::newRow("catalogue in other case") << u"http://h/SITES.xml"_s << cnn << QString();
        QTest::newRow("error report") << u"http://h/profile_error.log.ra"_s << cnn << QString();
        QTest::newRow("history") << u"http://h/access.his.ra"_s << cnn << QString();
        QTest::newRow("engine file for a site")
            << u"http://h/translators.xml.ra"_s << cnn << QString();
        QTest::newRow("engine file for an engine")
            << u"http://h/translators.xml.ra"_s << u"(r)t"_s << u"translators.xml"_s;
        QTest::newRow("other file for an engine")
            << u"http://h/other.xml.ra"_s << u"(r)t"_s << QString();
        QTest::newRow("installer has no profile name")
            << u"http://h/s.exe.ra"_s << u"(a)s"_s << QString();
        QTest::newRow("unknown class") << u"http://h/x.xml"_s << u"(x)x"_s << QString();
        QTest::newRow("used in this run") << u"http://h/taken.xml.ra"_s << cnn << QString();
        QTest::newRow("encoded parent") << u"http://h/..%2Fx.xml.ra"_s << cnn << QString();
        QTest::newRow("dot segments") << u"http://h/a/%2e%2e"_s << cnn << QString();
        QTest::newRow("hidden file") << u"http://h/.profile.ra"_s << cnn << QString();
        QTest::newRow("only .ra") << u"http://h/.ra"_s << cnn << QString();
        QTest::newRow("folder") << u"http://h/dir/"_s << cnn << QString();
        QTest::newRow("space") << u"http://h/a%20b.xml"_s << cnn << QString();
        QTest::newRow("backslash") << u"http://h/a%5Cb.xml"_s << cnn << QString();
        QTest::newRow("device name") << u"http://h/con.xml.ra"_s << cnn << QString();
        QTest::newRow("overlong") << u"http://h/"_s + QString(200, u'a') << cnn << QString();
    }

    void fileNames()
    {
        QFETCH(QString, url);
        QFETCH(QString, id);
        QFETCH(QString, name);
        CLUpdateTarget target;
        target.id = id;
        QCOMPARE(updateFileName(url, target, rules()), name);
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

    void downloadedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("accepted");

        const QByteArray profile = Profile;
        const QString size = QString::number(profile.size());
        QTest::newRow("profile of the target")
            << profile << u"(s)GI.a"_s << size << u"a.xml"_s << true;
        QTest::newRow("size 0 takes any size")
            << profile << u"(s)GI.a"_s << u"0"_s << u"a.xml"_s << true;
        QTest::newRow("compressed profile under a name without .xml")
            << packXml(profile) << u"(s)GI.a"_s << u"0"_s << u"a.prf"_s << true;
        QTest::newRow("plain profile under a compressed name")
            << profile << u"(s)GI.a"_s << size << u"a.prf"_s << false;
        QTest::newRow("size mismatch") << profile << u"(s)GI.a"_s << u"10"_s << u"a.xml"_s << false;
        QTest::newRow("profile of another site")
            << profile << u"(s)GI.b"_s << size << u"a.xml"_s << false;
        QTest::newRow("not XML") << QByteArray("<site") << u"(s)GI.a"_s << u"0"_s << u"a.xml"_s
                                 << false;
        QTest::newRow("a profile is no engine file")
            << profile << u"(r)t"_s << size << u"translators.xml"_s << false;
        QTest::newRow("installer bytes are not parsed")
            << QByteArray("MZ") << u"(a)s"_s << u"2"_s << u"installer"_s << true;
        QTest::newRow("over 64 MiB") << QByteArray(MaxUpdateDownloadSize + 1, 'x') << u"(a)s"_s
                                     << u"0"_s << u"installer"_s << false;
    }

    void downloadedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, id);
        QFETCH(QString, size);
        QFETCH(QString, fileName);
        QFETCH(bool, accepted);
        CLUpdateTarget target;
        target.id = id;
        target.bytes = size;
        target.checksum = sha256Hex(bytes);
        const QString problem = checkDownloadedFile(bytes, target, fileName);
        QVERIFY2(problem.isEmpty() == accepted, qPrintable(problem));
    }

    void catalogueText_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("file");

        QTest::newRow("plain") << u"(s)GI.cnn"_s << u"1.0"_s << u"cnn.xml"_s;
        QTest::newRow("quote and markup")
            << u"(s)GI.q\"/><site id=\"x"_s << u"1<2&3>'"_s << u"a.xml"_s;
        QTest::newRow("white space") << u"(s)GI. a\tb\nc\rd"_s << u" 1 "_s << u"a.xml"_s;
        QTest::newRow("non-ASCII") << u"(s)GI.日本"_s << u"é"_s << u"a.xml"_s;
    }

    // Whatever the values, the catalogue reads back to exactly them.
    void catalogueText()
    {
        QFETCH(QString, id);
        QFETCH(QString, version);
        QFETCH(QString, file);
        QDomDocument document;
        QVERIFY(document.setContent(
            siteCatalogueText({{u"(s)GI.x"_s, u"1"_s, u"x.xml"_s}, {id, version, file}})));
        const QDomElement site =
            document.documentElement().firstChildElement().nextSiblingElement();
        QCOMPARE(site.attribute(u"id"_s), id);
        QCOMPARE(site.attribute(u"version"_s), version);
        QCOMPARE(site.attribute(u"file"_s), file);
    }

    void shippedCatalogueBytes()
    {
        // Plain values come out byte for byte as the shipped catalogue.
        QFile shipped(QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile/sites.xml"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray bytes = shipped.readAll();
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
