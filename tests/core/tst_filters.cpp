#include "clfiltersettings.h"
#include "clprocessor.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

// A copy of a keyword set would share its owned keywords and delete them twice.
static_assert(!std::is_copy_constructible_v<CLKeywordSet>);
static_assert(!std::is_copy_assignable_v<CLKeywordSet>);

namespace {

QDomDocument documentOf(const QString &xml)
{
    QDomDocument document;
    document.setContent(xml);
    return document;
}

QString sorted(const QSet<QString> &set)
{
    QStringList list(set.cbegin(), set.cend());
    list.sort();
    return list.join(u',');
}

// Each set as "id=words", "-" for a keyword file that was never read.
QString setsOf(const CLFilterSettings *settings)
{
    QStringList sets;
    for (const CLKeywordSet *set : settings->keywordSets)
        sets.append(set->id + u'=' + (set->keywords ? sorted(*set->keywords) : u"-"_s));
    return sets.join(u' ');
}

} // namespace

class TestFilters : public QObject
{
    Q_OBJECT

private slots:
    void passesKeywords_data()
    {
        // One set per entry: "s" filters subjects, "t" texts; the words follow a colon, and a set
        // without a colon has a keyword file that was never read.
        QTest::addColumn<QStringList>("sets"); // empty: no settings at all
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");

        const auto row = [](const char *name, const QStringList &sets, const QString &subject,
                            const QString &text, bool passes) {
            QTest::newRow(name) << sets << subject << text << passes;
        };
        row("no settings pass everything", {}, "Election", {}, true);
        row("keyword as written hides the headline", {"s:Election"}, "Election results", {}, false);
        row("lower-case keyword misses capitalised word", {"s:election"}, "Election", {}, true);
        row("keyword found inside a longer word", {"s:cat"}, "Concatenated", {}, false);
        row("unread keyword file filters nothing, later sets apply", {"s", "s:war"}, "war", {},
            false);
        row("empty keyword hides every non-empty subject", {"s:"}, "Anything", {}, false);
        row("empty subject is never hidden", {"s:,x"}, {}, {}, true);
        row("text set ignores the subject", {"t:sport"}, "sport", "news", true);
        row("text set hides by the text", {"t:sport"}, "news", "sport news", false);
    }
    void passesKeywords()
    {
        QFETCH(QStringList, sets);
        QFETCH(QString, subject);
        QFETCH(QString, text);

        CLFilterSettings settings;
        for (const QString &entry : std::as_const(sets)) {
            auto *set = new CLKeywordSet;
            set->filterSubject = entry.startsWith(u's');
            set->filterText = entry.startsWith(u't');
            const QStringList words = entry.section(u':', 1).split(u',');
            if (entry.contains(u':'))
                set->keywords = new QSet<QString>(words.cbegin(), words.cend());
            settings.keywordSets.append(set);
        }
        QTEST(::passesKeywords(sets.isEmpty() ? nullptr : &settings, subject, text), "passes");
    }

    void loadKeywords_data()
    {
        QTest::addColumn<QString>("keywords"); // the keyword elements below the root
        QTest::addColumn<QString>("words");    // the set afterwards
        QTest::addColumn<bool>("hidesHeadline");

        // One blank keyword used to hide every headline of the sets that apply to subjects.
        QTest::newRow("empty keyword is ignored")
            << u"<keyword/><keyword>war</keyword>"_s << u"war"_s << false;
        QTest::newRow("white-space-only keywords are ignored")
            << u"<keyword><![CDATA[  ]]></keyword><keyword><![CDATA[\t\n]]></keyword>"_s << u""_s
            << false;
        QTest::newRow("keyword with spaces around a word keeps them")
            << u"<keyword><![CDATA[ vote ]]></keyword>"_s << u" vote "_s << true;
    }
    void loadKeywords()
    {
        QFETCH(QString, keywords);

        CLKeywordSet set;
        set.filterSubject = true;
        QVERIFY(
            ::loadKeywords(&set, documentOf(u"<keywordset>"_s + keywords + u"</keywordset>"_s)));
        QTEST(sorted(*set.keywords), "words");
        CLFilterSettings settings;
        settings.keywordSets.append(new CLKeywordSet);
        settings.keywordSets.first()->filterSubject = true;
        settings.keywordSets.first()->keywords = new QSet<QString>(*set.keywords);
        QTEST(!::passesKeywords(&settings, u"Calm day before the vote here"_s), "hidesHeadline");
    }

    void parseFilters_data()
    {
        QTest::addColumn<QString>("children");
        QTest::addColumn<QString>("settings"); // "SITES | TOPICS | SETS", a set as "type s t id"

        QTest::newRow("entries at any depth below repeated groups only, empty ids skipped")
            << u"<sites><site id='a'/><g><site id='b'/></g><site id=''/></sites><topics><topic "
               "full_id='a.t'/><topic id='x'/></topics><sites><site id='c'/></sites><site id='d'/>"_s
            << u"a,b,c | a.t | "_s;
        QTest::newRow("predefined set with every attribute")
            << u"<keywordsets><keywordset id='(k)1' name='Sports' type='predefined' version='2'"
               " filter_subject='true' filter_text='true' keyword_file='s.kws'/></keywordsets>"_s
            << u" |  | 1 1 1 (k)1 Sports 2 s.kws"_s;
        QTest::newRow("capital True switches nothing on, other types are custom, file order kept")
            << u"<keywordsets><keywordset id='b' filter_subject='True' filter_text='TRUE' "
               "type='Predefined'/></keywordsets><keywordsets><g><keywordset id='a'/></g>"
               "</keywordsets>"_s
            << u" |  | 2 0 0 b   ; 2 0 0 a   "_s;
    }
    void parseFilters()
    {
        QFETCH(QString, children);

        CLProcessor processor;
        QVERIFY(processor.parseFilters(documentOf(u"<filters>"_s + children + u"</filters>"_s)));
        const CLFilterSettings *settings = processor.filterSettings;
        QStringList sets;
        for (const CLKeywordSet *set : settings->keywordSets)
            sets.append(u"%1 %2 %3 "_s.arg(set->type).arg(set->filterSubject).arg(set->filterText) +
                        QStringList{set->id, set->name, set->version, set->keywordFile}.join(u' '));
        QTEST(sorted(settings->hiddenSites) + u" | "_s + sorted(settings->disabledTopics) +
                  u" | "_s + sets.join(u"; "_s),
              "settings");
        // A null document keeps the settings, a wrong root removes them.
        QVERIFY(!processor.parseFilters(QDomDocument()) && processor.filterSettings == settings);
        QVERIFY(!processor.parseFilters(documentOf(u"<filter><sites/></filter>"_s)));
        QCOMPARE(processor.filterSettings, nullptr);
    }

    void loadFilterFiles_data()
    {
        QTest::addColumn<QString>("filterFile");
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QString>("settings");   // the sets in force afterwards, or "none"

        const QByteArray filters =
            "<filters><keywordsets><keywordset id='packed' keyword_file="
            "'packed.kws'/><keywordset id='plain' keyword_file='plain.xml'/>"
            "<keywordset id='missing' keyword_file='missing.xml'/><keywordset"
            " id='unusable' keyword_file='unusable.xml'/><keywordset "
            "id='nofile'/></keywordsets></filters>";
        // A missing or unusable keyword file leaves its set unread; CDATA gives the word only.
        const QString read = u"packed=Storm plain=Élection missing=- unusable=- nofile=-"_s;
        QTest::newRow("filters and keyword files") << u"f.xml"_s << filters << read;
        QTest::newRow("compressed filter file under another name")
            << u"f.dat"_s << packXml(filters) << read;
        QTest::newRow("root filter removes all settings")
            << u"f.xml"_s << QByteArray("<filter><sites/></filter>") << u"none"_s;
        QTest::newRow("missing file keeps the settings in force")
            << u"f.xml"_s << QByteArray() << u"old=-"_s;
        QTest::newRow("filter file nested too deep keeps the settings in force")
            << u"f.xml"_s
            << "<filters>" + QByteArray("<g>").repeated(50000) +
                   QByteArray("</g>").repeated(50000) + "</filters>"
            << u"old=-"_s;
    }
    void loadFilterFiles()
    {
        QFETCH(QString, filterFile);
        QFETCH(QByteArray, content);
        QFETCH(QString, settings);

        QTemporaryDir dir;
        const auto write = [&dir](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        QVERIFY(content.isNull() || write(filterFile, content));
        QVERIFY(
            write(u"packed.kws"_s, packXml("<keywordset><keyword>Storm</keyword></keywordset>")));
        QVERIFY(write(u"plain.xml"_s, u"<keywordset><keyword>\n <![CDATA[Élection]]>\n</keyword>"
                                      "</keywordset>"_s.toUtf8()));
        QVERIFY(write(u"unusable.xml"_s, "<keywords><keyword>x</keyword></keywords>"));

        CLProcessor processor;
        QVERIFY(processor.parseFilters(
            documentOf(u"<filters><keywordsets><keywordset id='old'/></keywordsets></filters>"_s)));
        processor.filterDir = dir.path();
        processor.filterFile = filterFile;
        QSignalSpy reloaded(&processor, &CLProcessor::filterReloaded);
        const bool loads = settings.startsWith(u"packed"_s);
        QCOMPARE(processor.loadFilterFiles(), loads);
        QCOMPARE(reloaded.size(), loads ? 1 : 0);
        QTEST(processor.filterSettings ? setsOf(processor.filterSettings) : u"none"_s, "settings");
    }
};

QTEST_GUILESS_MAIN(TestFilters)
#include "tst_filters.moc"
