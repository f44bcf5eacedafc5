#include "clfiltersettings.h"
#include "clprocessor.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QDomDocument documentOf(const QString &xml)
{
    QDomDocument document;
    if (!xml.isEmpty() && !document.setContent(xml))
        qWarning("test document is not well-formed");
    return document;
}

QString sorted(const QSet<QString> &set)
{
    QStringList list(set.cbegin(), set.cend());
    list.sort();
    return list.join(u' ');
}

} // namespace

class TestFilters : public QObject
{
    Q_OBJECT

private slots:
    void passesKeywords_data();
    void passesKeywords();
    void parseFilters_data();
    void parseFilters();
    void loadKeywords_data();
    void loadKeywords();
    void loadFilterFiles_data();
    void loadFilterFiles();
};

void TestFilters::passesKeywords_data()
{
    // One set per entry: "s" filters subjects, "t" texts; the words follow a colon,
    // and a set without a colon has a keyword file that was never read.
    QTest::addColumn<QStringList>("sets"); // empty: no settings at all
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    QTest::newRow("no settings pass everything")
        << QStringList() << u"Election"_s << QString() << true;
    QTest::newRow("keyword as written hides the headline")
        << QStringList{u"s:Election"_s} << u"Election results"_s << QString() << false;
    QTest::newRow("lower-case keyword misses capitalised word")
        << QStringList{u"s:election"_s} << u"Election results"_s << QString() << true;
    QTest::newRow("keyword found inside a longer word")
        << QStringList{u"s:cat"_s} << u"Concatenated"_s << QString() << false;
    QTest::newRow("set not applying to subjects ignores them")
        << QStringList{u"t:Election"_s} << u"Election results"_s << QString() << true;
    QTest::newRow("unread keyword file filters nothing, later sets still apply")
        << QStringList{u"s"_s, u"s:war"_s} << u"Tug of war"_s << QString() << false;
    QTest::newRow("empty keyword hides every non-empty subject")
        << QStringList{u"s:"_s} << u"Anything"_s << QString() << false;
    QTest::newRow("empty subject is never hidden")
        << QStringList{u"s:,x"_s} << QString() << QString() << true;
    QTest::newRow("text set hides by the second text")
        << QStringList{u"t:sport"_s} << u"Headline"_s << u"sport news"_s << false;
    QTest::newRow("empty keyword in a text set passes an empty text")
        << QStringList{u"t:"_s} << u"Headline"_s << QString() << true;
}

void TestFilters::passesKeywords()
{
    QFETCH(QStringList, sets);
    QFETCH(QString, subject);
    QFETCH(QString, text);

    CLFilterSettings settings;
    for (const QString &entry : std::as_const(sets)) {
        auto *set = new CLKeywordSet;
        const QString switches = entry.section(u':', 0, 0);
        set->filterSubject = switches.contains(u's');
        set->filterText = switches.contains(u't');
        const QStringList words = entry.section(u':', 1).split(u',');
        if (entry.contains(u':'))
            set->keywords = new QSet<QString>(words.cbegin(), words.cend());
        settings.keywordSets.append(set);
    }
    QTEST(::passesKeywords(sets.isEmpty() ? nullptr : &settings, subject, text), "passes");
}

void TestFilters::parseFilters_data()
{
    QTest::addColumn<QString>("children");
    // "SITES | TOPICS | SETS", each set as "type subject text id|name|version|file".
    QTest::addColumn<QString>("settings");

    QTest::newRow("empty file") << QString() << u" |  | "_s;
    QTest::newRow("sites and topics below their groups, at any depth, repeated groups")
        << u"<sites><site id='(s)GI.a'/><group><site id='(s)GI.b'/></group></sites>"
           "<topics><topic full_id='(s)GI.a.news'/></topics><sites><site id='c'/></sites>"_s
        << u"(s)GI.a (s)GI.b c | (s)GI.a.news | "_s;
    QTest::newRow("entries without their attribute skipped")
        << u"<sites><site/><site id=''/><site name='x'/></sites>"
           "<topics><topic id='x'/><topic full_id=''/></topics>"_s
        << u" |  | "_s;
    QTest::newRow("entries outside their group ignored")
        << u"<site id='loose'/><topic full_id='loose'/><keywordset id='loose'/>"
           "<topics><site id='wrong.group'/></topics>"_s
        << u" |  | "_s;
    QTest::newRow("predefined set with every attribute")
        << u"<keywordsets><keywordset id='(k)pre.1' name='Sports' type='predefined' version='2'"
           " filter_subject='true' filter_text='true' keyword_file='sports.kws'/></keywordsets>"_s
        << u" |  | 1 1 1 (k)pre.1|Sports|2|sports.kws"_s;
    QTest::newRow("capital True switches nothing on, other types are custom")
        << u"<keywordsets><keywordset filter_subject='True' filter_text='TRUE' "
           "type='Predefined'/><keywordset type='customed'/></keywordsets>"_s
        << u" |  | 2 0 0 |||; 2 0 0 |||"_s;
    QTest::newRow("sets keep file order across groups")
        << u"<keywordsets><keywordset id='b'/><keywordset id='a'/></keywordsets>"
           "<keywordsets><wrap><keywordset id='c'/></wrap></keywordsets>"_s
        << u" |  | 2 0 0 b|||; 2 0 0 a|||; 2 0 0 c|||"_s;
}

void TestFilters::parseFilters()
{
    QFETCH(QString, children);

    CLProcessor processor;
    QVERIFY(processor.parseFilters(documentOf(u"<filters>"_s + children + u"</filters>"_s)));
    const CLFilterSettings *settings = processor.filterSettings;
    QVERIFY(settings);
    QStringList sets;
    for (const CLKeywordSet *set : settings->keywordSets) {
        QVERIFY(!set->keywords);
        sets.append(u"%1 %2 %3 %4|%5|%6|%7"_s.arg(set->type)
                        .arg(int(set->filterSubject))
                        .arg(int(set->filterText))
                        .arg(set->id, set->name, set->version, set->keywordFile));
    }
    QTEST(sorted(settings->hiddenSites) + u" | "_s + sorted(settings->disabledTopics) + u" | "_s +
              sets.join(u"; "_s),
          "settings");

    // A null document keeps the settings, a wrong root removes them.
    QVERIFY(!processor.parseFilters(QDomDocument()));
    QCOMPARE(processor.filterSettings, settings);
    QVERIFY(!processor.parseFilters(documentOf(u"<filter><sites/></filter>"_s)));
    QCOMPARE(processor.filterSettings, nullptr);
}

void TestFilters::loadKeywords_data()
{
    QTest::addColumn<QString>("xml"); // empty: a null document
    QTest::addColumn<bool>("hadKeywords");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("keywords"); // sorted; "-" for an unread set

    QTest::newRow("CDATA with white space around keeps the word only")
        << u"<keywordset><keyword>\n  <![CDATA[ Two words]]>\n </keyword></keywordset>"_s << false
        << true << u" Two words"_s;
    QTest::newRow("plain text and nested keywords, empty keyword kept")
        << u"<keywordset author='x'><keyword>alpha</keyword><group><keyword>beta</keyword>"
           "</group><keyword/></keywordset>"_s
        << false << true << u" alpha beta"_s;
    QTest::newRow("reload replaces earlier words")
        << u"<keywordset><keyword>new</keyword></keywordset>"_s << true << true << u"new"_s;
    QTest::newRow("no keyword gives an empty set, not an unread one")
        << u"<keywordset/>"_s << false << true << QString();
    QTest::newRow("wrong root leaves the set unread")
        << u"<keywords><keyword>x</keyword></keywords>"_s << false << false << u"-"_s;
    QTest::newRow("wrong root keeps earlier words")
        << u"<keywords><keyword>x</keyword></keywords>"_s << true << false << u"old"_s;
    QTest::newRow("null document") << QString() << false << false << u"-"_s;
}

void TestFilters::loadKeywords()
{
    QFETCH(QString, xml);
    QFETCH(bool, hadKeywords);

    CLKeywordSet set;
    if (hadKeywords)
        set.keywords = new QSet<QString>{u"old"_s};
    const QDomDocument document = documentOf(xml);
    QTEST(::loadKeywords(&set, document), "loaded");
    QTEST(set.keywords ? sorted(*set.keywords) : u"-"_s, "keywords");
    QVERIFY(!::loadKeywords(nullptr, document));
}

void TestFilters::loadFilterFiles_data()
{
    QTest::addColumn<QString>("filterFile");
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QString>("settings");   // the file's "new" ones, the "old" ones, or "none"

    const QByteArray filters =
        "<filters><sites><site id='(s)GI.hidden'/></sites><keywordsets>"
        "<keywordset id='packed' filter_subject='true' keyword_file='packed.kws'/>"
        "<keywordset id='plain' filter_subject='true' keyword_file='plain.xml'/>"
        "<keywordset id='missing' filter_subject='true' keyword_file='missing.xml'/>"
        "<keywordset id='unusable' filter_subject='true' keyword_file='unusable.xml'/>"
        "<keywordset id='nofile' filter_subject='true'/></keywordsets></filters>";
    QTest::newRow("filters and keyword files") << u"filters.xml"_s << filters << u"new"_s;
    QTest::newRow("compressed filter file under another name")
        << u"filters.dat"_s << packXml(filters) << u"new"_s;
    QTest::newRow("root filter removes all settings")
        << u"filters.xml"_s << QByteArray("<filter><sites><site id='x'/></sites></filter>")
        << u"none"_s;
    QTest::newRow("malformed file keeps the settings in force")
        << u"filters.xml"_s << QByteArray("<filters><sites>") << u"old"_s;
    QTest::newRow("missing file keeps the settings in force")
        << u"filters.xml"_s << QByteArray() << u"old"_s;
    QTest::newRow("no file name") << QString() << QByteArray() << u"old"_s;
}

void TestFilters::loadFilterFiles()
{
    QFETCH(QString, filterFile);
    QFETCH(QByteArray, content);
    QFETCH(QString, settings);

    QTemporaryDir dir;
    const auto write = [&dir](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const auto keywordFile = [](const QString &word) {
        return (u"<keywordset><keyword><![CDATA["_s + word + u"]]></keyword></keywordset>"_s)
            .toUtf8();
    };
    QVERIFY(content.isNull() || write(filterFile, content));
    QVERIFY(write(u"packed.kws"_s, packXml(keywordFile(u"Storm"_s))));
    QVERIFY(write(u"plain.xml"_s, keywordFile(u"Élection"_s)));
    QVERIFY(write(u"unusable.xml"_s, "<keywords><keyword>x</keyword></keywords>"));

    CLProcessor processor;
    QVERIFY(processor.parseFilters(documentOf(u"<filters><sites/></filters>"_s)));
    const CLFilterSettings *old = processor.filterSettings;
    processor.filterDir = dir.path();
    processor.filterFile = filterFile;
    QSignalSpy reloaded(&processor, &CLProcessor::filterReloaded);

    QCOMPARE(processor.loadFilterFiles(), settings == u"new"_s);
    QCOMPARE(reloaded.size(), settings == u"new"_s ? 1 : 0);
    if (settings != u"new"_s) {
        QCOMPARE(processor.filterSettings, settings == u"old"_s ? old : nullptr);
        return;
    }
    const CLFilterSettings *current = processor.filterSettings;
    QCOMPARE(sorted(current->hiddenSites), u"(s)GI.hidden"_s);
    QStringList read;
    for (const CLKeywordSet *set : current->keywordSets)
        read.append(set->id + u'=' + (set->keywords ? sorted(*set->keywords) : u"-"_s));
    // A missing or unusable keyword file leaves its set unread, filtering nothing.
    QCOMPARE(read.join(u' '), u"packed=Storm plain=Élection missing=- unusable=- nofile=-"_s);
    QVERIFY(!::passesKeywords(current, u"Storm warning"_s));
    QVERIFY(!::passesKeywords(current, u"Élection présidentielle"_s));
    QVERIFY(::passesKeywords(current, u"élection présidentielle"_s));
}

QTEST_GUILESS_MAIN(TestFilters)
#include "tst_filters.moc"
