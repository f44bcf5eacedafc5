#include "clfiltersettings.h"
#include "clprocessor.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

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

// One set per entry: "s" filters subjects, "t" texts; the words follow a colon, and a set
// without a colon has a keyword file that was never read. No sets: no settings at all.
struct PassRow
{
    const char *name;
    QStringList sets;
    QString subject, text;
    bool passes;
};
const PassRow passRows[] = {
    {"no settings pass everything", {}, "Election", {}, true},
    {"keyword as written hides the headline", {"s:Election"}, "Election results", {}, false},
    {"lower-case keyword misses capitalised word", {"s:election"}, "Election", {}, true},
    {"keyword found inside a longer word", {"s:cat"}, "Concatenated", {}, false},
    {"unread keyword file filters nothing, later sets apply", {"s", "s:war"}, "war", {}, false},
    {"empty keyword hides every non-empty subject", {"s:"}, "Anything", {}, false},
    {"empty subject is never hidden", {"s:,x"}, {}, {}, true},
    {"text set ignores the subject", {"t:sport"}, "sport", "news", true},
    {"text set hides by the text", {"t:sport"}, "news", "sport news", false},
};

// The keyword elements below the root, the set afterwards. One blank keyword used to hide every
// headline of the sets that apply to subjects.
struct KeywordRow
{
    const char *name;
    QString keywords, words;
    bool hidesHeadline;
};
const KeywordRow keywordRows[] = {
    {"empty keyword is ignored", "<keyword/><keyword>war</keyword>", "war", false},
    {"white-space-only keywords are ignored",
     "<keyword><![CDATA[  ]]></keyword><keyword><![CDATA[\t\n]]></keyword>", "", false},
    {"keyword with spaces around a word keeps them", "<keyword><![CDATA[ vote ]]></keyword>",
     " vote ", true},
};

// Settings read as "SITES | TOPICS | SETS", a set as "type s t id name version file".
struct ParseRow
{
    const char *name;
    QString children, settings;
};
const ParseRow parseRows[] = {
    {"entries at any depth below repeated groups only, empty ids skipped",
     "<sites><site id='a'/><g><site id='b'/></g><site id=''/></sites><topics><topic "
     "full_id='a.t'/><topic id='x'/></topics><sites><site id='c'/></sites><site id='d'/>",
     "a,b,c | a.t | "},
    {"predefined set with every attribute",
     "<keywordsets><keywordset id='(k)1' name='Sports' type='predefined' version='2'"
     " filter_subject='true' filter_text='true' keyword_file='s.kws'/></keywordsets>",
     " |  | 1 1 1 (k)1 Sports 2 s.kws"},
    {"capital True switches nothing on, other types are custom, file order kept",
     "<keywordsets><keywordset id='b' filter_subject='True' filter_text='TRUE' "
     "type='Predefined'/></keywordsets><keywordsets><g><keywordset id='a'/></g></keywordsets>",
     " |  | 2 0 0 b   ; 2 0 0 a   "},
};

// The sets in force afterwards, or "none". A missing or unusable keyword file leaves its set
// unread; CDATA gives the word only.
const QByteArray filters = "<filters><keywordsets><keywordset id='packed' keyword_file="
                           "'packed.kws'/><keywordset id='plain' keyword_file='plain.xml'/>"
                           "<keywordset id='missing' keyword_file='missing.xml'/><keywordset"
                           " id='unusable' keyword_file='unusable.xml'/><keywordset "
                           "id='nofile'/></keywordsets></filters>";
const QString read = u"packed=Storm plain=Élection missing=- unusable=- nofile=-"_s;
struct FileRow
{
    const char *name, *filterFile;
    QByteArray content; // null: no file
    QString settings;
};
const FileRow fileRows[] = {
    {"filters and keyword files", "f.xml", filters, read},
    {"compressed filter file under another name", "f.dat", packXml(filters), read},
    {"root filter removes all settings", "f.xml", "<filter><sites/></filter>", "none"},
    {"missing file keeps the settings in force", "f.xml", QByteArray(), "old=-"},
    {"filter file nested too deep keeps the settings in force", "f.xml",
     "<filters>" + QByteArray("<g>").repeated(50000) + QByteArray("</g>").repeated(50000) +
         "</filters>",
     "old=-"},
};

} // namespace

class TestFilters : public QObject
{
    Q_OBJECT

private slots:
    void passesKeywords_data() { rows(passRows); }
    void passesKeywords()
    {
        const PassRow &r = current(passRows);
        CLFilterSettings settings;
        for (const QString &entry : r.sets) {
            auto *set = new CLKeywordSet;
            set->filterSubject = entry.startsWith(u's');
            set->filterText = entry.startsWith(u't');
            const QStringList words = entry.section(u':', 1).split(u',');
            if (entry.contains(u':'))
                set->keywords = new QSet<QString>(words.cbegin(), words.cend());
            settings.keywordSets.append(set);
        }
        QCOMPARE(::passesKeywords(r.sets.isEmpty() ? nullptr : &settings, r.subject, r.text),
                 r.passes);
    }

    void loadKeywords_data() { rows(keywordRows); }
    void loadKeywords()
    {
        const KeywordRow &r = current(keywordRows);
        CLFilterSettings settings;
        CLKeywordSet *set = new CLKeywordSet;
        settings.keywordSets.append(set);
        set->filterSubject = true;
        QVERIFY(
            ::loadKeywords(set, documentOf(u"<keywordset>"_s + r.keywords + u"</keywordset>"_s)));
        QCOMPARE(sorted(*set->keywords), r.words);
        QCOMPARE(!::passesKeywords(&settings, u"Calm day before the vote here"_s), r.hidesHeadline);
    }

    void parseFilters_data() { rows(parseRows); }
    void parseFilters()
    {
        const ParseRow &r = current(parseRows);
        CLProcessor processor;
        QVERIFY(processor.parseFilters(documentOf(u"<filters>"_s + r.children + u"</filters>"_s)));
        const CLFilterSettings *settings = processor.filterSettings;
        QStringList sets;
        for (const CLKeywordSet *set : settings->keywordSets)
            sets.append(u"%1 %2 %3 "_s.arg(set->type).arg(set->filterSubject).arg(set->filterText) +
                        QStringList{set->id, set->name, set->version, set->keywordFile}.join(u' '));
        QCOMPARE(sorted(settings->hiddenSites) + u" | "_s + sorted(settings->disabledTopics) +
                     u" | "_s + sets.join(u"; "_s),
                 r.settings);
        // A null document keeps the settings, a wrong root removes them.
        QVERIFY(!processor.parseFilters(QDomDocument()) && processor.filterSettings == settings);
        QVERIFY(!processor.parseFilters(documentOf(u"<filter><sites/></filter>"_s)));
        QCOMPARE(processor.filterSettings, nullptr);
    }

    void loadFilterFiles_data() { rows(fileRows); }
    void loadFilterFiles()
    {
        const FileRow &r = current(fileRows);
        QTemporaryDir dir;
        const auto write = [&dir](const QString &name, const QByteArray &bytes) {
            return testkit::writeAll(dir.filePath(name), bytes);
        };
        QVERIFY(r.content.isNull() || write(r.filterFile, r.content));
        QVERIFY(
            write(u"packed.kws"_s, packXml("<keywordset><keyword>Storm</keyword></keywordset>")));
        QVERIFY(write(u"plain.xml"_s, u"<keywordset><keyword>\n <![CDATA[Élection]]>\n</keyword>"
                                      "</keywordset>"_s.toUtf8()));
        QVERIFY(write(u"unusable.xml"_s, "<keywords><keyword>x</keyword></keywords>"));

        CLProcessor processor;
        QVERIFY(processor.parseFilters(
            documentOf(u"<filters><keywordsets><keywordset id='old'/></keywordsets></filters>"_s)));
        processor.filterDir = dir.path();
        processor.filterFile = r.filterFile;
        QSignalSpy reloaded(&processor, &CLProcessor::filterReloaded);
        const bool loads = r.settings.startsWith(u"packed"_s);
        QCOMPARE(processor.loadFilterFiles(), loads);
        QCOMPARE(reloaded.size(), loads ? 1 : 0);
        QCOMPARE(processor.filterSettings ? setsOf(processor.filterSettings) : u"none"_s,
                 r.settings);
    }
};

QTEST_GUILESS_MAIN(TestFilters)
#include "tst_filters.moc"
