#include "clelement.h"
#include "clsitemodel.h"
#include "clstep.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A step that counts its calls and answers as told: 'n' null, 's' its input, 'u' upper-case
// text, 't' upper-case text from text input only.
class ProbeStep : public CLStep
{
public:
    explicit ProbeStep(char answer)
        : CLStep({answer == 't' ? DataText : DataBytes, DataText}, DataText), answer(answer)
    {
    }
    CLData *process(CLData *input) const override
    {
        ++calls;
        return answer == 's'   ? input
               : answer == 'n' ? nullptr
                               : new CLData(QString::fromLatin1(input->bytes).toUpper());
    }
    char answer;
    static inline int calls = 0;
};

} // namespace

class TestElementTree : public QObject
{
    Q_OBJECT

private slots:
    void cloneMirrorsShape()
    {
        CLTopic group;
        CLElement root(IndexPage, u"en"_s, nullptr, new CLData(u"Index"_s), nullptr);
        auto *g = new CLElement(IndexGroup1, u"en"_s, &group, new CLData(u"World"_s), &root);
        for (const char *url : {"http://a/1", "http://a/2"})
            new CLElement(IndexEntry1, u"en"_s, nullptr, new CLURLData(url, url, URLHtml), g);
        CLElement clone(&root, u"fr"_s, nullptr);
        std::function<void(const CLElement *, const CLElement *)> check = [&](auto *c, auto *s) {
            QVERIFY(c->source == s && c->kind == s->kind && c->origin == s->origin);
            QVERIFY(!c->value && c->language == u"fr"_s);
            QCOMPARE(c->children.size(), s->children.size());
            for (int i = 0; i < c->children.size(); ++i) {
                QCOMPARE(c->children.at(i)->parent, c);
                check(c->children.at(i), s->children.at(i));
            }
        };
        check(&clone, &root);
    }

    void countTranslation()
    {
        CLElement article(ArticlePage, u"en"_s, nullptr, new CLData(u"http://x/a"_s), nullptr);
        for (const char *text : {"T", "Body"})
            new CLElement(ArticleTitle, u"en"_s, nullptr, new CLData(QString(text)), &article);
        new CLElement(ArticleImage, u"en"_s, nullptr, nullptr, &article);
        CLElement clone(&article, u"es"_s, nullptr);
        // A node added by hand (no source) is not part of the translation.
        new CLElement(ArticleText, u"es"_s, nullptr, nullptr, &clone);

        // Root and the image without a source value count as done; valued sources wait.
        for (int filled = 0; filled <= 2; ++filled) {
            if (filled > 0)
                clone.children.at(filled - 1)->value = new CLData(u"x"_s);
            int done = 0, pending = 0;
            QCOMPARE(::countTranslation(&clone, done, pending), filled == 2);
            QCOMPARE(QList<int>({done, pending}), QList<int>({2 + filled, 2 - filled}));
        }
    }

    void historyHash()
    {
        // Hashes already stored in readers' history files must stay valid.
        const std::pair<QString, quint32> cases[] = {
            {u""_s, 0u},
            {u"abcdefgh"_s, 0x89ab038u},
            {u"http://example.com/news/1"_s, 0xc26d421u}, // the high nibble folds back in
            {u"ü"_s, 0xfcu},                              // UTF-16 units
        };
        for (const auto &[url, hash] : cases)
            QCOMPARE(::historyHash(url), hash);
    }

    void historyFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"access.his"_s);
        QCOMPARE(saveHistory({}, path), 0);
        QCOMPARE(contents(path), QByteArray(""));
        QCOMPARE(saveHistory({1, 256}, path), 2);
        QVERIFY(QList<QByteArray>({QByteArray::fromHex("0000000100000100"),
                                   QByteArray::fromHex("0000010000000001")})
                    .contains(contents(path)));
        QSet<quint32> set;
        QCOMPARE(loadHistory(set, path), 2);
        QCOMPARE(set, (QSet<quint32>{1, 256}));

        // Duplicates in the file count, the set holds each once; a torn record is no member.
        QVERIFY(saveBytes(QByteArray::fromHex("0000000700000007000000090102"), path));
        QCOMPARE(loadHistory(set, path), 3);
        QCOMPARE(set, (QSet<quint32>{1, 256, 7, 9}));
        QCOMPARE(loadHistory(set, dir.filePath(u"missing.his"_s)), 0);
        QCOMPARE(saveHistory(set, dir.filePath(u"no/such/dir/access.his"_s)), 0);
    }

    void savesReplaceAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"site.xml"_s);
        QVERIFY(saveBytes("old contents", path) && saveBytes("new", path));
        QCOMPARE(contents(path), QByteArray("new"));
        QVERIFY(!saveBytes("x", dir.path())); // a directory can't be replaced

        QDomDocument doc;
        QVERIFY(doc.setContent(QByteArray("<filters><set name='a'/></filters>")));
        QVERIFY(saveDocument(doc, path));
        QCOMPARE(contents(path), QByteArray("<filters>\n <set name=\"a\"/>\n</filters>\n"));
        QVERIFY(!saveDocument(QDomDocument(), path));
        QCOMPARE(contents(path), QByteArray("<filters>\n <set name=\"a\"/>\n</filters>\n"));
    }

    void urlRecord_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("expected");

        // Stored history hashes were taken from these strings: they must not change.
        QTest::newRow("ASCII stays byte-identical")
            << u"http://x/a b?q=%7E&r=1#f"_s << u"http://x/a b?q=%7E&r=1#f"_s;
        QTest::newRow("Latin-1 stays byte-identical")
            << u"http://x/caf\u00e9"_s << u"http://x/caf\u00e9"_s;
        // Beyond Latin-1 the link used to turn into question marks, another address.
        QTest::newRow("Chinese percent-encoded as UTF-8")
            << u"http://x/\u4e2d\u6587.html"_s << u"http://x/%E4%B8%AD%E6%96%87.html"_s;
        QTest::newRow("Cyrillic between Latin-1 characters")
            << u"http://x/\u00e9\u0434\u00e9?a=\u0434"_s
            << u"http://x/\u00e9%D0%B4\u00e9?a=%D0%B4"_s;
        QTest::newRow("character beyond the BMP")
            << u"http://x/\U0001F600"_s << u"http://x/%F0%9F%98%80"_s;
        QTest::newRow("lone surrogate becomes the replacement character")
            << u"http://x/"_s + QChar(0xD800) << u"http://x/%EF%BF%BD"_s;
        // A stray "%" makes QUrl escape every "%" of its component; added escapes stay escapes.
        QTest::newRow("stray percent escaped with the rest of its component")
            << u"http://x/%41\u4e2d?q=100%/\u4e2d%41"_s
            << u"http://x/%41%E4%B8%AD?q=100%25/%E4%B8%AD%2541"_s;
    }
    void urlRecord()
    {
        QFETCH(QString, url);
        QFETCH(QString, expected);

        const CLURLData record(url, u"<b>Big</b>  news"_s, URLHtml);
        QCOMPARE(record.url, expected);
        QCOMPARE(record.title, u"Big news"_s);
        QVERIFY(CLURLData(url, QString(), URLImage).title.isNull());
    }

    void runChain_data()
    {
        QTest::addColumn<QByteArray>("answers"); ///< one step each
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result"); ///< type and payload, empty for null
        QTest::addColumn<int>("stepsRun");
        const QByteArray abc("abc");
        QTest::newRow("no steps") << QByteArray() << abc << "" << 0;
        QTest::newRow("empty bytes") << QByteArray("u") << QByteArray() << "" << 0;
        QTest::newRow("first step refuses bytes") << QByteArray("t") << abc << "" << 0;
        QTest::newRow("pass-through keeps bytes") << QByteArray("s") << abc << "bytes abc" << 1;
        QTest::newRow("chain of two") << QByteArray("su") << abc << "text ABC" << 2;
        QTest::newRow("null ends the chain") << QByteArray("nu") << abc << "" << 1;
    }

    void runChain()
    {
        QFETCH(QByteArray, answers);
        QFETCH(QByteArray, bytes);
        CLTopic topic;
        for (char answer : answers)
            addStep(&topic, new ProbeStep(answer));
        ProbeStep::calls = 0;
        const std::unique_ptr<CLData> result(::runChain(&topic, bytes));
        QTEST(!result                    ? QString()
              : result->type == DataText ? u"text "_s + result->text
                                         : u"bytes "_s + QString::fromLatin1(result->bytes),
              "result");
        QTEST(ProbeStep::calls, "stepsRun");
    }
};

QTEST_GUILESS_MAIN(TestElementTree)
#include "tst_elementtree.moc"
