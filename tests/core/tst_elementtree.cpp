#include "clelement.h"
#include "clsitemodel.h"
#include "clstep.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestElementTree : public QObject
{
    Q_OBJECT

private slots:
    void cloneMirrorsShape();
    void countTranslation_data();
    void countTranslation();
    void historyHash_data();
    void historyHash();
    void historyFileBytes_data();
    void historyFileBytes();
    void historyRoundTripAndFailures();
    void savesReplaceAtomically();
    void urlRecordLatin1AndTitle();
    void runChain_data();
    void runChain();
};

void TestElementTree::cloneMirrorsShape()
{
    CLTopic group;
    CLElement root(IndexPage, QStringLiteral("en"), nullptr, new CLData(QStringLiteral("Index")),
                   nullptr);
    auto *g = new CLElement(IndexGroup1, QStringLiteral("en"), &group,
                            new CLData(QStringLiteral("World")), &root);
    auto *e1 = new CLElement(
        IndexEntry1, QStringLiteral("en"), nullptr,
        new CLURLData(QStringLiteral("http://a/1"), QStringLiteral("One"), URLHtml), g);
    new CLElement(IndexEntry1, QStringLiteral("en"), nullptr,
                  new CLURLData(QStringLiteral("http://a/2"), QStringLiteral("Two"), URLHtml), g);
    QCOMPARE(e1->parent, g);

    CLElement clone(&root, QStringLiteral("fr"), nullptr);
    std::function<void(const CLElement *, const CLElement *)> check = [&](const CLElement *c,
                                                                          const CLElement *s) {
        QCOMPARE(c->source, s);
        QCOMPARE(c->kind, s->kind);
        QCOMPARE(c->origin, s->origin);
        QCOMPARE(c->value, nullptr);
        QCOMPARE(c->language, QStringLiteral("fr"));
        QCOMPARE(c->children.size(), s->children.size());
        for (int i = 0; i < c->children.size(); ++i) {
            QCOMPARE(c->children.at(i)->parent, c);
            check(c->children.at(i), s->children.at(i));
        }
    };
    check(&clone, &root);
    QCOMPARE(clone.parent, nullptr);
    QCOMPARE(clone.children.first()->children.size(), 2);
}

void TestElementTree::countTranslation_data()
{
    QTest::addColumn<bool>("fillTitle");
    QTest::addColumn<bool>("fillText");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("pending");

    // The tree: root, title (valued), text (valued), image without value.
    QTest::newRow("fresh clone: valued sources pending") << false << false << 2 << 2;
    QTest::newRow("one translated") << true << false << 3 << 1;
    QTest::newRow("complete") << true << true << 4 << 0;
}

void TestElementTree::countTranslation()
{
    QFETCH(bool, fillTitle);
    QFETCH(bool, fillText);

    CLElement article(ArticlePage, QStringLiteral("en"), nullptr,
                      new CLData(QStringLiteral("http://x/a")), nullptr);
    new CLElement(ArticleTitle, QStringLiteral("en"), nullptr, new CLData(QStringLiteral("T")),
                  &article);
    new CLElement(ArticleText, QStringLiteral("en"), nullptr, new CLData(QStringLiteral("Body")),
                  &article);
    new CLElement(ArticleImage, QStringLiteral("en"), nullptr, nullptr, &article);

    CLElement clone(&article, QStringLiteral("es"), nullptr);
    // A node added by hand (no source) is not part of the translation.
    new CLElement(ArticleText, QStringLiteral("es"), nullptr, nullptr, &clone);
    if (fillTitle)
        clone.children.at(0)->value = new CLData(QStringLiteral("T-es"));
    if (fillText)
        clone.children.at(1)->value = new CLData(QStringLiteral("Cuerpo"));

    int done = 0;
    int pending = 0;
    const bool complete = ::countTranslation(&clone, done, pending);
    QTEST(done, "done");
    QTEST(pending, "pending");
    QCOMPARE(complete, pending == 0);
}

void TestElementTree::historyHash_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<quint32>("hash");

    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("one char") << "A" << 0x41u;
    QTest::newRow("two chars") << "AB" << 0x452u;
    QTest::newRow("eight chars") << "abcdefgh" << 0x89ab038u;
    // Long enough for the high nibble to fold back in.
    QTest::newRow("long url") << "http://example.com/news/1" << 0xc26d421u;
    QTest::newRow("utf-16 units") << QString::fromUtf8("ü") << 0xfcu;
}

void TestElementTree::historyHash()
{
    QFETCH(QString, url);
    QTEST(::historyHash(url), "hash");
}

void TestElementTree::historyFileBytes_data()
{
    QTest::addColumn<QList<quint32>>("members");
    QTest::addColumn<QList<QByteArray>>("acceptable");

    QTest::newRow("empty set writes nothing")
        << QList<quint32>{} << QList<QByteArray>{QByteArray()};
    QTest::newRow("1 and 256 big-endian, either order")
        << QList<quint32>{1, 256}
        << QList<QByteArray>{QByteArray::fromHex("0000000100000100"),
                             QByteArray::fromHex("0000010000000001")};
    QTest::newRow("high value") << QList<quint32>{0xdeadbeef}
                                << QList<QByteArray>{QByteArray::fromHex("deadbeef")};
}

void TestElementTree::historyFileBytes()
{
    QFETCH(QList<quint32>, members);
    QFETCH(QList<QByteArray>, acceptable);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("access.his"));
    const QSet<quint32> set(members.begin(), members.end());
    QCOMPARE(saveHistory(set, path), int(set.size()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(acceptable.contains(file.readAll()));

    QSet<quint32> loaded;
    QCOMPARE(loadHistory(loaded, path), int(set.size()));
    QCOMPARE(loaded, set);
}

void TestElementTree::historyRoundTripAndFailures()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("access.his"));

    QSet<quint32> set;
    QCOMPARE(loadHistory(set, dir.filePath(QStringLiteral("missing.his"))), 0);
    QCOMPARE(loadHistory(set, QString()), 0);
    QVERIFY(set.isEmpty());

    // Duplicates in the file count, but the set holds each hash once.
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(QByteArray::fromHex("000000070000000700000009"));
    raw.write("\x01\x02", 2); // a torn trailing record is not a member
    raw.close();
    QCOMPARE(loadHistory(set, path), 3);
    QCOMPARE(set, (QSet<quint32>{7, 9}));

    QCOMPARE(saveHistory(set, QString()), 0);
    QCOMPARE(saveHistory(set, dir.filePath(QStringLiteral("no/such/dir/access.his"))), 0);
}

void TestElementTree::savesReplaceAtomically()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.xml"));
    QVERIFY(saveBytes("old contents", path));
    QVERIFY(saveBytes("new", path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new"));
    file.close();

    // A target that can't be replaced leaves everything as it was.
    QVERIFY(!saveBytes("x", dir.path()));
    QVERIFY(!saveBytes("x", QString()));

    QDomDocument doc;
    QVERIFY(doc.setContent(QByteArray("<filters><set name='a'/></filters>")));
    QVERIFY(saveDocument(doc, path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("<filters>\n <set name=\"a\"/>\n</filters>\n"));
    file.close();
    QVERIFY(!saveDocument(QDomDocument(), path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.size() > 0);
}

void TestElementTree::urlRecordLatin1AndTitle()
{
    CLURLData record(QString::fromUtf8("http://x/\u4e2d"), QStringLiteral("<b>Big</b>  news"),
                     URLHtml);
    QCOMPARE(record.type, int(DataURL));
    QCOMPARE(record.url, QStringLiteral("http://x/?"));
    QCOMPARE(record.title, QStringLiteral("Big news"));
    QCOMPARE(record.asURL(), &record);

    CLURLData untitled(QStringLiteral("http://x/"), QString(), URLImage);
    QVERIFY(untitled.title.isNull());
}

namespace {
// A step that records what it saw and answers as told.
class ProbeStep : public CLStep
{
public:
    enum Answer { Null, Same, UpperText };
    ProbeStep(std::initializer_list<int> in, Answer answer) : CLStep(in, DataText), answer(answer)
    {
    }
    CLData *process(CLData *input) const override
    {
        ++calls;
        switch (answer) {
        case Null:
            return nullptr;
        case Same:
            return input;
        case UpperText:
            return new CLData(input->type == DataBytes ? QString::fromLatin1(input->bytes).toUpper()
                                                       : input->text.toUpper());
        }
        return nullptr;
    }
    Answer answer;
    mutable int calls = 0;
};
} // namespace

void TestElementTree::runChain_data()
{
    QTest::addColumn<QList<int>>("answers"); // one per step; all accept bytes and text
    QTest::addColumn<bool>("firstTakesOnlyText");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("resultType");
    QTest::addColumn<QString>("resultText");
    QTest::addColumn<int>("stepsRun");

    QTest::newRow("no steps") << QList<int>{} << false << QByteArray("abc") << 0 << "" << 0;
    QTest::newRow("empty bytes") << QList<int>{ProbeStep::UpperText} << false << QByteArray() << 0
                                 << "" << 0;
    QTest::newRow("first step refuses bytes")
        << QList<int>{ProbeStep::UpperText} << true << QByteArray("abc") << 0 << "" << 0;
    QTest::newRow("pass-through keeps bytes")
        << QList<int>{ProbeStep::Same} << false << QByteArray("abc") << int(DataBytes) << "" << 1;
    QTest::newRow("chain of two") << QList<int>{ProbeStep::Same, ProbeStep::UpperText} << false
                                  << QByteArray("abc") << int(DataText) << "ABC" << 2;
    QTest::newRow("null ends the chain") << QList<int>{ProbeStep::Null, ProbeStep::UpperText}
                                         << false << QByteArray("abc") << 0 << "" << 1;
}

void TestElementTree::runChain()
{
    QFETCH(QList<int>, answers);
    QFETCH(bool, firstTakesOnlyText);
    QFETCH(QByteArray, bytes);
    QFETCH(int, resultType);
    QFETCH(QString, resultText);
    QFETCH(int, stepsRun);

    CLTopic topic;
    QList<ProbeStep *> steps;
    for (int i = 0; i < answers.size(); ++i) {
        auto *step = (i == 0 && firstTakesOnlyText)
                         ? new ProbeStep({DataText}, ProbeStep::Answer(answers.at(i)))
                         : new ProbeStep({DataBytes, DataText}, ProbeStep::Answer(answers.at(i)));
        addStep(&topic, step);
        steps.append(step);
    }
    std::unique_ptr<CLData> result(::runChain(&topic, bytes));
    QCOMPARE(result ? result->type : 0, resultType);
    if (resultType == DataText)
        QCOMPARE(result->text, resultText);
    if (resultType == DataBytes)
        QCOMPARE(result->bytes, bytes);
    int run = 0;
    for (const ProbeStep *step : steps)
        run += step->calls;
    QCOMPARE(run, stepsRun);
}

QTEST_GUILESS_MAIN(TestElementTree)
#include "tst_elementtree.moc"
