#include "clfiltersettings.h"
#include "clprocessor.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QDomDocument documentOf(const QString &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        qWarning("test document is not well-formed");
    return document;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray keywordFile(const QStringList &words)
{
    QByteArray xml = "<keywordset id='k' name='n'>";
    for (const QString &word : words)
        xml += "<keyword><![CDATA[" + word.toUtf8() + "]]></keyword>";
    return xml + "</keywordset>";
}

// A keyword set as the filter file describes it: "s" filters subjects, "t" texts;
// a null word list stands for a keyword file that was never read.
struct SetSpec
{
    QString switches;
    QStringList words;
    bool read = true;
};

CLKeywordSet *makeSet(const SetSpec &spec)
{
    auto *set = new CLKeywordSet;
    set->filterSubject = spec.switches.contains(QLatin1Char('s'));
    set->filterText = spec.switches.contains(QLatin1Char('t'));
    if (spec.read)
        set->keywords = new QSet<QString>(spec.words.cbegin(), spec.words.cend());
    return set;
}

} // namespace

Q_DECLARE_METATYPE(QList<SetSpec>)

class TestFilters : public QObject
{
    Q_OBJECT

private slots:
    void passesKeywords_data();
    void passesKeywords();
    void parseFilters_data();
    void parseFilters();
    void wrongRootRemovesSettings();
    void loadKeywords_data();
    void loadKeywords();
    void loadFilterFiles_data();
    void loadFilterFiles();
};

void TestFilters::passesKeywords_data()
{
    QTest::addColumn<bool>("hasSettings");
    QTest::addColumn<QList<SetSpec>>("sets");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    const QList<SetSpec> capitalised = {{"s", {"Election"}}};
    QTest::newRow("no settings pass everything") << false << QList<SetSpec>{} << "Election"
                                                 << "" << true;
    QTest::newRow("keyword as written hides the headline")
        << true << capitalised << "Election results"
        << "" << false;
    QTest::newRow("lower-case keyword misses capitalised word")
        << true << QList<SetSpec>{{"s", {"election"}}} << "Election results"
        << "" << true;
    QTest::newRow("keyword found inside a longer word")
        << true << QList<SetSpec>{{"s", {"cat"}}} << "Concatenated"
        << "" << false;
    QTest::newRow("set not applying to subjects ignores them")
        << true << QList<SetSpec>{{"t", {"Election"}}} << "Election results"
        << "" << true;
    QTest::newRow("unread keyword file filters nothing, later sets still apply")
        << true << QList<SetSpec>{{"s", {}, false}, {"s", {"war"}}} << "Tug of war"
        << "" << false;
    QTest::newRow("unread keyword file alone filters nothing")
        << true << QList<SetSpec>{{"s", {}, false}} << "Tug of war"
        << "" << true;
    QTest::newRow("empty keyword hides every non-empty subject")
        << true << QList<SetSpec>{{"s", {""}}} << "Anything"
        << "" << false;
    QTest::newRow("empty subject is never hidden") << true << QList<SetSpec>{{"s", {"", "x"}}} << ""
                                                   << "" << true;
    QTest::newRow("text set hides by the second text")
        << true << QList<SetSpec>{{"t", {"sport"}}} << "Headline"
        << "sport news" << false;
    QTest::newRow("subject set ignores the second text")
        << true << QList<SetSpec>{{"s", {"sport"}}} << "Headline"
        << "sport news" << true;
    QTest::newRow("empty keyword in a text set passes an empty text")
        << true << QList<SetSpec>{{"t", {""}}} << "Headline"
        << "" << true;
    QTest::newRow("no keyword matches")
        << true << QList<SetSpec>{{"st", {"a1", "b2"}}} << "Headline"
        << "body" << true;
}

void TestFilters::passesKeywords()
{
    QFETCH(bool, hasSettings);
    QFETCH(QList<SetSpec>, sets);
    QFETCH(QString, subject);
    QFETCH(QString, text);
    QFETCH(bool, passes);

    CLFilterSettings settings;
    for (const SetSpec &spec : sets)
        settings.keywordSets.append(makeSet(spec));
    QCOMPARE(::passesKeywords(hasSettings ? &settings : nullptr, subject, text), passes);
}

void TestFilters::parseFilters_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QStringList>("hiddenSites");
    QTest::addColumn<QStringList>("disabledTopics");
    // One entry per set: "type subject text id|name|version|file".
    QTest::addColumn<QStringList>("keywordSets");

    QTest::newRow("empty file") << "" << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("sites and topics below their groups, at any depth")
        << "<sites><site id='(s)GI.a'/><group><site id='(s)GI.b'/></group></sites>"
           "<topics><topic full_id='(s)GI.a.news'/></topics>"
        << QStringList{"(s)GI.a", "(s)GI.b"} << QStringList{"(s)GI.a.news"} << QStringList{};
    QTest::newRow("entries without their attribute skipped")
        << "<sites><site/><site id=''/><site name='x'/></sites>"
           "<topics><topic id='x'/><topic full_id=''/></topics>"
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("entries outside their group ignored")
        << "<site id='loose'/><topic full_id='loose'/><keywordset id='loose'/>"
           "<topics><site id='wrong.group'/></topics>"
        << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("repeated groups all read")
        << "<sites><site id='a'/></sites><other/><sites><site id='b'/></sites>"
        << QStringList{"a", "b"} << QStringList{} << QStringList{};
    QTest::newRow("predefined set with every attribute")
        << "<keywordsets><keywordset id='(k)pre.1' name='Sports' type='predefined' version='2'"
           " filter_subject='true' filter_text='true' keyword_file='sports.kws'/></keywordsets>"
        << QStringList{} << QStringList{} << QStringList{"1 1 1 (k)pre.1|Sports|2|sports.kws"};
    QTest::newRow("capital True does not switch a filter on")
        << "<keywordsets><keywordset filter_subject='True' filter_text='TRUE'/></keywordsets>"
        << QStringList{} << QStringList{} << QStringList{"2 0 0 |||"};
    QTest::newRow("any other type is custom")
        << "<keywordsets><keywordset type='customed'/><keywordset type='Predefined'/>"
           "<keywordset/></keywordsets>"
        << QStringList{} << QStringList{} << QStringList{"2 0 0 |||", "2 0 0 |||", "2 0 0 |||"};
    QTest::newRow("sets keep file order across groups")
        << "<keywordsets><keywordset id='b'/><keywordset id='a'/></keywordsets>"
           "<keywordsets><wrap><keywordset id='c'/></wrap></keywordsets>"
        << QStringList{} << QStringList{} << QStringList{"2 0 0 b|||", "2 0 0 a|||", "2 0 0 c|||"};
}

void TestFilters::parseFilters()
{
    QFETCH(QString, children);
    QFETCH(QStringList, hiddenSites);
    QFETCH(QStringList, disabledTopics);
    QFETCH(QStringList, keywordSets);

    CLProcessor processor;
    QVERIFY(
        processor.parseFilters(documentOf(QStringLiteral("<filters>%1</filters>").arg(children))));
    const CLFilterSettings *settings = processor.filterSettings;
    QVERIFY(settings);
    QCOMPARE(settings->hiddenSites, QSet<QString>(hiddenSites.cbegin(), hiddenSites.cend()));
    QCOMPARE(settings->disabledTopics,
             QSet<QString>(disabledTopics.cbegin(), disabledTopics.cend()));

    QStringList sets;
    for (const CLKeywordSet *set : settings->keywordSets) {
        QVERIFY(!set->keywords);
        sets.append(QStringLiteral("%1 %2 %3 %4|%5|%6|%7")
                        .arg(set->type)
                        .arg(int(set->filterSubject))
                        .arg(int(set->filterText))
                        .arg(set->id, set->name, set->version, set->keywordFile));
    }
    QCOMPARE(sets, keywordSets);
}

void TestFilters::wrongRootRemovesSettings()
{
    CLProcessor processor;
    QVERIFY(processor.parseFilters(
        documentOf(QStringLiteral("<filters><sites><site id='a'/></sites></filters>"))));
    QVERIFY(processor.filterSettings);

    QVERIFY(!processor.parseFilters(QDomDocument()));
    QVERIFY(processor.filterSettings);

    QVERIFY(!processor.parseFilters(
        documentOf(QStringLiteral("<filter><sites><site id='a'/></sites></filter>"))));
    QCOMPARE(processor.filterSettings, nullptr);
}

void TestFilters::loadKeywords_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("hadKeywords");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("keywords");

    QTest::newRow("CDATA with white space around keeps the word only")
        << "<keywordset><keyword>\n  <![CDATA[ Two words]]>\n </keyword></keywordset>" << false
        << true << QStringList{" Two words"};
    QTest::newRow("plain text and nested keywords")
        << "<keywordset author='x'><keyword>alpha</keyword><group><keyword>beta</keyword>"
           "</group></keywordset>"
        << false << true << QStringList{"alpha", "beta"};
    QTest::newRow("empty keyword kept")
        << "<keywordset><keyword/></keywordset>" << false << true << QStringList{""};
    QTest::newRow("reload replaces earlier words")
        << "<keywordset><keyword>new</keyword></keywordset>" << true << true << QStringList{"new"};
    QTest::newRow("no keyword gives an empty set, not an unread one")
        << "<keywordset/>" << false << true << QStringList{};
    QTest::newRow("wrong root leaves the set unread")
        << "<keywords><keyword>x</keyword></keywords>" << false << false << QStringList{};
    QTest::newRow("wrong root keeps earlier words")
        << "<keywords><keyword>x</keyword></keywords>" << true << false << QStringList{"old"};
    QTest::newRow("null document") << "" << false << false << QStringList{};
}

void TestFilters::loadKeywords()
{
    QFETCH(QString, xml);
    QFETCH(bool, hadKeywords);
    QFETCH(bool, loaded);
    QFETCH(QStringList, keywords);

    CLKeywordSet set;
    if (hadKeywords)
        set.keywords = new QSet<QString>{QStringLiteral("old")};
    const QDomDocument document = xml.isEmpty() ? QDomDocument() : documentOf(xml);

    QCOMPARE(::loadKeywords(&set, document), loaded);
    QCOMPARE(set.keywords != nullptr, loaded || hadKeywords);
    if (set.keywords)
        QCOMPARE(*set.keywords, QSet<QString>(keywords.cbegin(), keywords.cend()));
    QVERIFY(!::loadKeywords(nullptr, document));
}

void TestFilters::loadFilterFiles_data()
{
    QTest::addColumn<QString>("filterFile");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loaded");
    // "new": the file's settings; "old": the earlier settings object; "none": no settings.
    QTest::addColumn<QString>("settings");

    const QByteArray filters =
        "<filters><sites><site id='(s)GI.hidden'/></sites><keywordsets>"
        "<keywordset id='packed' filter_subject='true' keyword_file='packed.kws'/>"
        "<keywordset id='plain' filter_subject='true' keyword_file='plain.xml'/>"
        "<keywordset id='missing' filter_subject='true' keyword_file='missing.xml'/>"
        "<keywordset id='unusable' filter_subject='true' keyword_file='unusable.xml'/>"
        "<keywordset id='nofile' filter_subject='true'/>"
        "</keywordsets></filters>";

    QTest::newRow("filters and keyword files") << "filters.xml" << filters << true << "new";
    QTest::newRow("compressed filter file under another name")
        << "filters.dat" << packXml(filters) << true << "new";
    QTest::newRow("root filter removes all settings")
        << "filters.xml" << QByteArray("<filter><sites><site id='x'/></sites></filter>") << false
        << "none";
    QTest::newRow("malformed file keeps the settings in force")
        << "filters.xml" << QByteArray("<filters><sites>") << false << "old";
    QTest::newRow("missing file keeps the settings in force")
        << "filters.xml" << QByteArray() << false << "old";
    QTest::newRow("no file name") << "" << QByteArray() << false << "old";
}

void TestFilters::loadFilterFiles()
{
    QFETCH(QString, filterFile);
    QFETCH(QByteArray, content);
    QFETCH(bool, loaded);
    QFETCH(QString, settings);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!content.isNull())
        QVERIFY(writeFile(dir.filePath(filterFile), content));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("packed.kws")),
                      packXml(keywordFile({QStringLiteral("Storm")}))));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("plain.xml")),
                      keywordFile({QStringLiteral("Élection")})));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("unusable.xml")),
                      "<keywords><keyword>x</keyword></keywords>"));

    CLProcessor processor;
    QVERIFY(processor.parseFilters(
        documentOf(QStringLiteral("<filters><sites><site id='(s)GI.old'/></sites></filters>"))));
    const CLFilterSettings *old = processor.filterSettings;
    processor.filterDir = dir.path();
    processor.filterFile = filterFile;
    QSignalSpy reloaded(&processor, &CLProcessor::filterReloaded);

    QCOMPARE(processor.loadFilterFiles(), loaded);
    QCOMPARE(reloaded.size(), loaded ? 1 : 0);

    if (settings == QLatin1String("none")) {
        QCOMPARE(processor.filterSettings, nullptr);
        QVERIFY(::passesKeywords(processor.filterSettings, QStringLiteral("Storm")));
        return;
    }
    QVERIFY(processor.filterSettings);
    if (settings == QLatin1String("old")) {
        QCOMPARE(processor.filterSettings, old);
        return;
    }

    const CLFilterSettings *current = processor.filterSettings;
    QCOMPARE(current->hiddenSites, QSet<QString>{QStringLiteral("(s)GI.hidden")});
    QCOMPARE(current->keywordSets.size(), 5);
    QStringList unread;
    for (const CLKeywordSet *set : current->keywordSets) {
        if (!set->keywords)
            unread.append(set->id);
    }
    QCOMPARE(unread, (QStringList{"missing", "unusable", "nofile"}));
    QCOMPARE(*current->keywordSets.at(0)->keywords, QSet<QString>{QStringLiteral("Storm")});

    QVERIFY(!::passesKeywords(current, QStringLiteral("Storm warning")));
    QVERIFY(!::passesKeywords(current, QString::fromUtf8("Élection présidentielle")));
    QVERIFY(::passesKeywords(current, QString::fromUtf8("élection présidentielle")));
    QVERIFY(::passesKeywords(current, QStringLiteral("Calm weather")));
}

QTEST_GUILESS_MAIN(TestFilters)
#include "tst_filters.moc"
