// What an update may write: the file name a download URL gives, the checks a
// downloaded file must pass, and the catalogue text.

#include "clprocessor.h"
#include "clprofilereader.h"
#include "clupdate.h"
#include "htmltext.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QTemporaryDir>
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
        QTest::newRow("other text never matches") << u"c1"_s << false;
        QTest::newRow("64 characters, not hex, never match") << QString(64, u'z') << false;
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
        QTest::newRow("size 0 is refused")
            << profile << u"(s)GI.a"_s << u"0"_s << u"a.xml"_s << false;
        QTest::newRow("compressed profile under a name without .xml")
            << packXml(profile) << u"(s)GI.a"_s << QString::number(packXml(profile).size())
            << u"a.prf"_s << true;
        QTest::newRow("plain profile under a compressed name")
            << profile << u"(s)GI.a"_s << size << u"a.prf"_s << false;
        QTest::newRow("size mismatch") << profile << u"(s)GI.a"_s << u"10"_s << u"a.xml"_s << false;
        QTest::newRow("profile of another site")
            << profile << u"(s)GI.b"_s << size << u"a.xml"_s << false;
        QTest::newRow("not XML") << QByteArray("<site") << u"(s)GI.a"_s << u"0"_s << u"a.xml"_s
                                 << false;
        QTest::newRow("a profile is no engine file")
            << profile << u"(r)t"_s << size << u"translators.xml"_s << false;
        QTest::newRow("installers are checked as files")
            << QByteArray("MZ") << u"(a)s"_s << u"2"_s << u"installer"_s << false;
        QTest::newRow("over 1 MiB")
            << QByteArray(MaxUpdateDownloadSize + 1, 'x') << u"(s)GI.a"_s
            << QString::number(MaxUpdateDownloadSize + 1) << u"a.xml"_s << false;
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

    void hostileNames_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");
        struct Row
        {
            const char *name;
            const char *url;
            const char *written;
        };
        static const Row rows[] = {
            {"catalogue with a trailing dot", "http://h/sites.xml..ra", ""},
            {"engine file with a trailing dot", "http://h/translators.xml..ra", ""},
            {"history with a trailing dot", "http://h/access.his..ra", ""},
            {"trailing dots", "http://h/new.xml...", ""},
            {"trailing space", "http://h/new.xml%20", ""},
            {"alternate stream", "http://h/new.xml:x.ra", ""},
            {"encoded colon", "http://h/new.xml%3Ax", ""},
            {"another entry's file with a trailing dot", "http://h/GUARDIAN.xml..ra", ""},
            {"plain name still writes", "http://h/new.xml.ra", "new.xml"},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name)
                << QString::fromLatin1(row.url) << QString::fromLatin1(row.written);
    }

    // Names that some file systems read as another file are never written.
    void hostileNames()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        CLUpdateTarget target;
        target.id = u"(s)GI.cnn"_s;
        QCOMPARE(updateFileName(url, target, rules()), name);
    }

    void versionsAndMessages_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("running");
        QTest::addColumn<bool>("newer");
        struct Row
        {
            const char *offered, *running;
            bool newer;
        };
        static const Row rows[] = {
            {"0.5", "1.0", false},     {"1.0", "1.0", false},
            {"1.0.0", "1", false},     {"1.10", "1.9", true},
            {"2", "1.9.9", true},      {"1.0.1", "1.0", true},
            {"1.1beta", "1.0", false}, {"", "1.0", false},
            {"1..2", "1.0", false},    {"99999999999999", "1.0", false},
        };
        for (const Row &row : rows)
            QTest::addRow("%s over %s", row.offered, row.running)
                << QString::fromLatin1(row.offered) << QString::fromLatin1(row.running)
                << row.newer;
    }

    // An installer is offered only for a higher dotted number.
    void versionsAndMessages()
    {
        QFETCH(QString, offered);
        QFETCH(QString, running);
        QFETCH(bool, newer);
        QCOMPARE(isNewerVersion(offered, running), newer);
    }

    void messages_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("UTF-8") << QByteArray("Gr%C3%B6%C3%9Fe%20%E6%96%B0") << u"Größe 新"_s;
        QTest::newRow("Latin-1") << QByteArray("Gr%F6%DFe") << u"Größe"_s;
        QTest::newRow("cut UTF-8 reads as Latin-1") << QByteArray("a%E6%96") << u"a\u00e6\u0096"_s;
    }

    void messages()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, message);
        const CLUpdateAnswer answer =
            parseUpdateAnswer("TR|R0\nTF|I(s)GI.a|V1|B1|C" + QByteArray(64, 'a') +
                              "|Uhttp://h/a.xml|M" + field + '\n');
        QCOMPARE(answer.targets.value(0).message, message);
        QCOMPARE(escapedForLog(u"a\u001b[2Jb\nc"_s), u"a\\x1b[2Jb\\x0ac"_s);
    }

    void guardedLoader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem"); // a part of the reason; empty: accepted

        const QByteArray profile = Profile;
        const QByteArray head = profile.left(profile.indexOf("<track"));
        const QByteArray tail = profile.mid(profile.indexOf("</page>"));
        auto formatter = [&](const QByteArray &attributes) {
            return head +
                   "<track name=\"t\"><topic name=\"n\" id=\"i\" type=\"news.text\">"
                   "<step_text_format " +
                   attributes + "/></topic></track>" + tail;
        };
        QTest::newRow("small counts")
            << formatter("insert_line=\"2\" paragraph_line=\"1\"") << QString();
        QTest::newRow("insert_line of 4,000,000,000")
            << formatter("insert_line=\"4000000000\"") << u"insert_line"_s;
        QTest::newRow("append_line above the bound")
            << formatter("append_line=\"2000000000\"") << u"append_line is 2000000000, more than"_s;
        QTest::newRow("paragraph_line above the bound")
            << formatter("paragraph_line=\"101\"") << u"paragraph_line"_s;
        QTest::newRow("paragraph_space_begin above the bound")
            << formatter("paragraph_space_begin=\"100000\"") << u"paragraph_space_begin"_s;
        QTest::newRow("paragraph_space_end above the bound")
            << formatter("paragraph_space_end=\"100000\"") << u"paragraph_space_end"_s;
        QTest::newRow("100,000 nested elements") << head + QByteArray("<x>").repeated(100000) +
                                                        QByteArray("</x>").repeated(100000) + tail
                                                 << u"nested deeper"_s;
        QTest::newRow("200,000 tiny elements")
            << head + QByteArray("<x/>").repeated(200000) + tail << u"more than 100000 elements"_s;
        QTest::newRow("over 1 MiB")
            << head + QByteArray(MaxDataFileSize, ' ') + tail << u"larger than 1048576 bytes"_s;
    }

    // Downloads, start-up loads and the check all refuse the same files.
    void guardedLoader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        CLUpdateTarget target;
        target.id = u"(s)GI.a"_s;
        target.bytes = QString::number(bytes.size());
        target.checksum = sha256Hex(bytes);
        const QString downloaded = checkDownloadedFile(bytes, target, u"a.xml"_s);
        QVERIFY2(downloaded.contains(problem), qPrintable(downloaded));
        QCOMPARE(downloaded.isEmpty(), problem.isEmpty());

        QTemporaryDir dir;
        QFile::copy(QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile/cnn.xml"),
                    dir.filePath(u"cnn.xml"_s));
        QFile file(dir.filePath(u"a.xml"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QFile catalogue(dir.filePath(u"sites.xml"_s));
        QVERIFY(catalogue.open(QIODevice::WriteOnly));
        catalogue.write(siteCatalogueText(
            {{u"(s)GI.cnn"_s, u"1.0"_s, u"cnn.xml"_s}, {u"(s)GI.a"_s, u"2"_s, u"a.xml"_s}}));
        catalogue.close();
        CLProcessor processor;
        processor.profileDir = dir.path();
        processor.catalogueFile = u"sites.xml"_s;
        processor.loadSiteCatalogue();
        // The start-up report names the file and why.
        QCOMPARE(processor.profileErrors.contains(u"a.xml"_s), !problem.isEmpty());
        QVERIFY2(processor.profileErrors.value(u"a.xml"_s).reason.contains(problem),
                 qPrintable(processor.profileErrors.value(u"a.xml"_s).reason));
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
