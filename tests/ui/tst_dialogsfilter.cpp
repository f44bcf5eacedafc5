#include "clfiltersettings.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "filterconfigbox.h"
#include "i18nmanager.h"
#include "testkit.h"

#include <QtTest>
#include <QtWidgets>

using testkit::readAll;
using testkit::writeAll;
using Box = FilterConfigBox;

namespace {

template <typename T> T *make(const char *id, const char *name, const char *locale = "")
{
    auto *made = new T;
    made->id = id;
    made->name = name;
    made->locale = locale;
    return made;
}

void addIndexTopics(CLSite *s, const QList<CLTopic *> &topics, int pageType = PageIndex)
{
    auto *page = new CLPage;
    page->type = pageType;
    auto *track = new CLTrack;
    addPage(s, page);
    addTrack(page, track);
    for (CLTopic *t : topics)
        addTopic(track, t);
}

void addEntry(CLProcessor &processor, const QString &category, CLSite *s, const char *id = nullptr)
{
    auto *entry = new CLSiteIndexItem;
    entry->id = s ? s->id : QString::fromUtf8(id);
    entry->category = category;
    entry->site = s;
    processor.siteIndex.append(entry);
}

/// A catalogue built in code: alpha (two index topics, one with a sub-topic, one article
/// topic), beta (one index topic), an engine entry of another category and a failed profile.
void fillCatalogue(CLProcessor &processor)
{
    processor.clearCatalogue();
    auto *alpha = make<CLSite>("news.alpha", "Alpha News", "en");
    alpha->country = "us";
    alpha->i18n = new CLI18n{"en", {{"en", "Alpha News"}, {"de", "Alpha Nachrichten"}}};
    auto *head = make<CLTopic>("head", "Headlines");
    addSubTopic(head, make<CLTopic>("more", "More"));
    addIndexTopics(alpha, {head, make<CLTopic>("world", "World")});
    addIndexTopics(alpha, {make<CLTopic>("body", "Body")}, PageArticle);
    auto *beta = make<CLSite>("news.beta", "Beta", "fr");
    beta->country = "fr";
    addIndexTopics(beta, {make<CLTopic>("une", "A la une")});
    addEntry(processor, QStringLiteral(CL_CATEGORY_GENERAL), alpha);
    addEntry(processor, QStringLiteral(CL_CATEGORY_TRANSLATION), make<CLSite>("tr.gamma", "Gamma"));
    addEntry(processor, QStringLiteral(CL_CATEGORY_GENERAL), nullptr, "news.failed");
    addEntry(processor, QStringLiteral(CL_CATEGORY_GENERAL), beta);
}

const char *const FilterFile = R"(<filters>
 <sites><site id="news.beta"/><site id="news.failed"/><site id="tr.gamma"/></sites>
 <topics><topic full_id="news.alpha.world"/><topic full_id="news.gone.x"/></topics>
 <keywordsets>
  <keywordset id="(k)pre.1" name="Sports" type="predefined" version="3" filter_subject="true" filter_text="false" keyword_file="pre_sports.xml"/>
  <keywordset id="(k)cust.1" name="mine" type="customed" version="N/A" filter_subject="false" filter_text="false" keyword_file="ks_cust_1.xml"/>
 </keywordsets>
</filters>
)";
const char *const Padded =
    R"(<keywordset name=" mine " type="customed" keyword_file="ks_cust_1.xml"/>)";

/// The serialiser orders attributes by hash: compare them sorted, per line.
QString sortedAttributes(const QByteArray &xml)
{
    static const QRegularExpression attribute(R"( \w+="[^"]*")");
    QStringList lines = QString::fromUtf8(xml).split('\n');
    for (QString &line : lines) {
        QStringList attributes;
        for (const auto &found : attribute.globalMatch(line))
            attributes << found.captured(0);
        attributes.sort();
        const qsizetype start = qMax(line.indexOf(attribute), 0);
        line.remove(attribute).insert(start, attributes.join(QString()));
    }
    return lines.join('\n');
}

QString sorted(const QSet<QString> &values, const QString &separator)
{
    QStringList list(values.begin(), values.end());
    list.sort();
    return list.join(separator);
}

/// Ticks `all` if given, or else the row of the site, topic or set table that shows `text`.
void tick(Box &b, QCheckBox *all, const QString &text, bool on)
{
    const Qt::CheckState state = on ? Qt::Checked : Qt::Unchecked;
    if (all)
        return all->setCheckState(state);
    for (QTableWidget *table : {b.siteTable, b.topicTable, b.keywordSetTable}) {
        const QList<QTableWidgetItem *> found = table->findItems(text, Qt::MatchExactly);
        if (!found.isEmpty())
            return table->item(found.first()->row(), 0)->setCheckState(state);
    }
    QFAIL(qPrintable(text));
}

/// Types a set name and presses Enter, which never makes a set of its own; then adds the set
/// with the add button when `addable`, or else as if that button had not been disabled.
void addSet(Box &box, const QString &name, const QString &words, bool addable = true)
{
    box.customSetBox->setCurrentIndex(0);
    QVERIFY(box.customSetBox->isEditable());
    box.customSetBox->lineEdit()->clear();
    QTest::keyClicks(box.customSetBox->lineEdit(), name);
    QTest::keyClick(box.customSetBox->lineEdit(), Qt::Key_Return);
    QCOMPARE(box.customSetBox->count(), box.customSets.size() + 1);
    box.keywordEditor->setPlainText(words);
    QVERIFY(!box.applyButton->isEnabled() || box.customSets.contains(name.trimmed()));
    QVERIFY2(box.addButton->isEnabled() == addable, qPrintable(name));
    if (!addable)
        return box.handleKeywordSetAdd();
    box.addButton->click();
    QCOMPARE(box.customSetBox->currentText(), name.trimmed());
    QVERIFY(!box.customSetBox->isEditable() && box.removeButton->isEnabled());
}

void selectSet(Box &box, const QString &name)
{
    const int index = box.customSetBox->findText(name);
    QVERIFY2(index > 0, qPrintable(name));
    box.customSetBox->setCurrentIndex(index);
    QCOMPARE(box.keywordEditor->toPlainText(), box.customSets.value(name));
    QVERIFY(!box.applyButton->isEnabled());
}

void removeSet(Box &box)
{
    box.removeButton->click();
    QCOMPARE(box.customSetBox->currentIndex(), 0);
}

/// The reloaded filters, one line per part.
QString summary(const CLProcessor &processor)
{
    const CLFilterSettings *settings = processor.filterSettings;
    if (!settings)
        return QStringLiteral("<none>");
    QStringList sets;
    for (const CLKeywordSet *set : settings->keywordSets) {
        sets << QStringLiteral("%1|%2|%3|%4|%5|%6")
                    .arg(set->id, set->name)
                    .arg(set->type)
                    .arg(int(set->filterSubject))
                    .arg(set->keywordFile,
                         set->keywords ? sorted(*set->keywords, " ") : QStringLiteral("<null>"));
    }
    return QStringLiteral("sites %1\ntopics %2\nsets %3")
        .arg(sorted(settings->hiddenSites, ","), sorted(settings->disabledTopics, ","),
             sets.join(';'));
}

struct Setup
{
    QTemporaryDir dir;
    CLProcessor processor;
    I18NManager i18n{nullptr, QStringLiteral("en_US")};
    QStringList messages;

    Setup()
    {
        fillCatalogue(processor);
        processor.filterDir = dir.filePath("filter");
        processor.filterFile = QStringLiteral("filters.xml");
        i18n.refreshI18nNames();
    }
    QString path(const QString &name) const { return processor.filterDir + '/' + name; }
    /// The filter files with a predefined and a custom set, `filters` in place of the usual.
    bool write(const QByteArray &filters = FilterFile)
    {
        return QDir().mkpath(processor.filterDir) && writeAll(path("filters.xml"), filters) &&
               writeAll(path("pre_sports.xml"), "<keywordset><keyword>goal</keyword>"
                                                "<keyword>match</keyword></keywordset>") &&
               writeAll(path("ks_cust_1.xml"), "<keywordset><keyword><![CDATA[tax]]></keyword>"
                                               "<keyword>vote</keyword></keywordset>") &&
               writeAll(path("other.xml"), "<keywordset><keyword>levy</keyword>"
                                           "<keyword>tax</keyword></keywordset>");
    }
    bool load(const QByteArray &filters = FilterFile)
    {
        return write(filters) && processor.loadFilterFiles();
    }
    /// Every file the dialog may write, as it is on disk.
    QByteArrayList files() const
    {
        QByteArrayList found{readAll(processor.filterDir)};
        for (const char *name : {"filters.xml", "ks_cust_1.xml", "ks_cust_2.xml"})
            found << (QFileInfo(path(name)).isFile() ? readAll(path(name)) : "<none>");
        return found;
    }
    void prepare(Box &box)
    {
        box.processor = &processor;
        box.i18n = &i18n;
        box.showMessage = [this](const QString &text) { messages << text; };
        box.show();
    }
};

const QString Unchanged = "sites news.beta,news.failed,tr.gamma\n"
                          "topics news.alpha.world,news.gone.x\n"
                          "sets (k)pre.1|Sports|1|1|pre_sports.xml|goal match;"
                          "(k)cust.1|mine|2|0|ks_cust_1.xml|tax vote";

enum Outcome { Saved, Cancelled, Refused };
struct Accept
{
    const char *name, *steps; // see run()
    // Saved or cancelled: the reloaded filters are Unchanged with `from` replaced by `to`, or
    // `to` alone when `from` is null. Refused: the one message names `to`; no file changes.
    const char *from = nullptr, *to = nullptr;
    Outcome outcome = Saved;
    bool (*files)(Setup &) = nullptr; // lays out the files instead of Setup::load()
};
const Accept acceptRows[] = {
    {"unchanged: hidden ids without a row survive", ""},
    {"cancel writes nothing", "-sites|add zeta=z", nullptr, nullptr, Cancelled},
    {"unchecking every site hides the whole category", "-sites", "sites news.beta",
     "sites news.alpha,news.beta"},
    {"a click on the all-rows box shows every site", "click sites", "sites news.beta,", "sites "},
    {"checking a hidden site shows it", "+Beta|expect sites 2", "sites news.beta,", "sites "},
    {"an unchecked topic is disabled", "-Headlines", "topics ", "topics news.alpha.head,"},
    {"all topics on enables every shown topic", "+topics", "news.alpha.world,", ""},
    {"all topics off disables every shown topic", "-topics", "topics ",
     "topics news.alpha.head,news.alpha.head.more,"},
    {"topic choices of another site are kept", "site 1|-A la une|site 0", "news.alpha.world,",
     "news.alpha.world,news.beta.une,"},
    // Update downloads reload the catalogue while the dialog is open: the rows shown still work.
    {"catalogue reloaded while open", "reload|-topics|+World", "news.alpha.world,",
     "news.alpha.head,news.alpha.head.more,"},
    {"two spaces between words give two keywords", "add zeta=alpha  beta", "vote",
     "vote;(k)cust.2|zeta|2|0|ks_cust_2.xml|alpha beta"},
    {"tabs and line breaks separate keywords", "add zeta=one\ttwo\n\nthree ", "vote",
     "vote;(k)cust.2|zeta|2|0|ks_cust_2.xml|one three two"},
    {"a CDATA end inside a keyword survives", "add zeta=a]]>b x]]>]]>y ]]", "vote",
     "vote;(k)cust.2|zeta|2|0|ks_cust_2.xml|]] a]]>b x]]>]]>y"},
    {"markup in names and keywords is kept as text", "add <b>&\"=<i> &amp; \"q\"",
     "mine|2|0|ks_cust_1.xml",
     "<b>&\"|2|0|ks_cust_1.xml|\"q\" &amp; <i>;(k)cust.2|mine|2|0|ks_cust_2.xml"},
    {"custom sets are numbered in name order", "add b=bee|add a=ay", "mine|2|0|ks_cust_1.xml",
     "a|2|0|ks_cust_1.xml|ay;(k)cust.2|b|2|0|ks_cust_2.xml|bee;(k)cust.3|mine|2|0|ks_cust_3.xml"},
    {"removing a set renumbers the others from 1", "add zeta=zz|select mine|remove",
     "mine|2|0|ks_cust_1.xml|tax vote", "zeta|2|0|ks_cust_1.xml|zz"},
    {"not added: existing custom set", "refuse mine"},
    {"not added: padded existing custom set", "refuse  mine  "},
    {"not added: name of a predefined set", "refuse Sports"},
    {"not added: padded name of a predefined set", "refuse  Sports "},
    {"not added: blank name", "refuse    "},
    {"a padded name is trimmed", "add   zeta =z", "vote",
     "vote;(k)cust.2|zeta|2|0|ks_cust_2.xml|z"},
    {"checks of predefined and custom sets are written", "-Sports|+mine|expect sets 1",
     "1|pre_sports.xml|goal match;(k)cust.1|mine|2|0",
     "0|pre_sports.xml|goal match;(k)cust.1|mine|2|1"},
    {"apply replaces the keywords of the selected set", "select mine|edit levy ballot|apply",
     "tax vote", "ballot levy"},
    {"an edit that is not applied is not saved", "select mine|edit levy"},
    {"a loaded padded name is one set that can be removed", "select mine|remove", nullptr,
     "sites \ntopics \nsets ", Saved,
     [](Setup &s) {
         return s.load(QByteArray("<filters><keywordsets>") + Padded + "</keywordsets></filters>");
     }},
    {"a loaded name that comes twice keeps the words of both", "", nullptr,
     "sites \ntopics \nsets (k)cust.1|mine|2|0|ks_cust_1.xml|levy tax vote", Saved,
     [](Setup &s) {
         return s.load(QByteArray("<filters><keywordsets>") + Padded +
                       R"(<keywordset name="mine" type="customed" filter_subject="true" )"
                       R"(keyword_file="other.xml"/></keywordsets></filters>)");
     }},
    {"a missing filter folder is created", "expect sites 2|-Beta|add zeta=z", nullptr,
     "sites news.beta\ntopics \nsets (k)cust.1|zeta|2|0|ks_cust_1.xml|z", Saved,
     [](Setup &s) {
         s.processor.filterDir = s.dir.filePath("conf/filter"); // no files, no folder
         return true;
     }},
    // A filter file that cannot be read holds sets the dialog never saw.
    {"unreadable: not well-formed", "add zeta=z", nullptr, "filters.xml", Refused,
     [](Setup &s) { return s.load() && writeAll(s.path("filters.xml"), "<filters><sites>"); }},
    {"unreadable: another root", "add zeta=z", nullptr, "filters.xml", Refused,
     [](Setup &s) { return s.load() && writeAll(s.path("filters.xml"), "<filter/>"); }},
    {"unreadable: empty", "add zeta=z", nullptr, "filters.xml", Refused,
     [](Setup &s) { return s.load() && writeAll(s.path("filters.xml"), ""); }},
    {"unreadable: readable but never loaded", "add zeta=z", nullptr, "filters.xml", Refused,
     [](Setup &s) { return s.write(); }},
    {"write failure: the filter folder is a file", "add zeta=z", nullptr, "filters.xml", Refused,
     [](Setup &s) { return writeAll(s.processor.filterDir, "not a folder"); }},
    {"write failure: a keyword file name is taken by a folder", "add zeta=z", nullptr,
     "ks_cust_2.xml", Refused,
     [](Setup &s) { return s.load() && QDir().mkpath(s.path("ks_cust_2.xml")); }},
};

/// Steps joined by '|': "+TEXT" or "-TEXT" ticks the row that shows TEXT, or the all-rows box
/// of "sites", "topics" or "sets"; "click sites" clicks that box, "expect sites 2" checks its
/// Qt::CheckState; "site N" selects a site; "add NAME=WORDS", "select NAME", "edit WORDS",
/// "apply" and "remove" work the custom sets, "refuse NAME" tries to add one; "reload" reloads the
/// catalogue.
void run(Box &b, const QString &steps)
{
    const QHash<QString, QCheckBox *> all{
        {"sites", b.siteAllBox}, {"topics", b.topicAllBox}, {"sets", b.keywordSetAllBox}};
    for (const QString &step : steps.split('|', Qt::SkipEmptyParts)) {
        const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
        if (step[0] == '+' || step[0] == '-')
            tick(b, all.value(step.mid(1)), step.mid(1), step[0] == '+');
        else if (verb == "click")
            all[arg]->click();
        else if (verb == "expect")
            QCOMPARE(int(all[arg.section(' ', 0, 0)]->checkState()), arg.section(' ', 1).toInt());
        else if (verb == "site")
            b.siteList->setCurrentRow(arg.toInt());
        else if (verb == "add")
            addSet(b, arg.section('=', 0, 0), arg.section('=', 1));
        else if (verb == "refuse")
            addSet(b, arg, "words", false);
        else if (verb == "select")
            selectSet(b, arg);
        else if (verb == "edit")
            b.keywordEditor->setPlainText(arg);
        else if (verb == "apply")
            b.applyButton->click();
        else if (verb == "remove")
            removeSet(b);
        else if (verb == "reload")
            fillCatalogue(*b.processor);
        else
            QFAIL(qPrintable(step));
        if (QTest::currentTestFailed())
            return;
    }
}

struct SiteRow
{
    const char *name, *language, *alpha;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};
const SiteRow siteTableRows[] = {
    {"English interface", "en", "Alpha News"},
    {"German interface names the site in German", "de", "Alpha Nachrichten"},
    {"a language without a name falls back to the original", "ja", "Alpha News"},
    {"right to left", "en", "Alpha News", Qt::RightToLeft},
};

} // namespace

class TestDialogsFilter : public QObject
{
    Q_OBJECT
    testkit::IsolatedSettings m_settings;

private slots:
    void siteRows_data() { testkit::rows(siteTableRows); }
    void siteRows()
    {
        const SiteRow &r = testkit::current(siteTableRows);
        Setup setup;
        QVERIFY(setup.load());
        setup.i18n.uiLanguage = r.language;
        Box box;
        box.setLayoutDirection(r.direction);
        setup.prepare(box);
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        // Other categories and profiles that did not load have no row.
        QStringList shown;
        for (int row = 0; row < box.siteTable->rowCount(); ++row) {
            const QTableWidgetItem *check = box.siteTable->item(row, 0);
            QVERIFY(!(box.siteTable->item(row, 2)->flags() & Qt::ItemIsEditable));
            shown << check->data(Qt::UserRole).toString();
            for (int column = 2; column < 5; ++column)
                shown.last() += '|' + box.siteTable->item(row, column)->text();
            shown.last() += check->checkState() == Qt::Checked ? "|1" : "|0";
        }
        QCOMPARE(shown, QStringList({QString("news.alpha|%1|English|USA|1").arg(r.alpha),
                                     "news.beta|Beta|French|Frence|0"}));
        QCOMPARE(box.siteList->count(), 2);
        QCOMPARE(box.siteAllBox->checkState(), Qt::PartiallyChecked);
        // The first site's index topics are shown; the article topic is not.
        QCOMPARE(box.topicTable->rowCount(), 3);
        QCOMPARE(box.topicTable->item(2, 1)->text(), "World");
        QCOMPARE(box.topicTable->item(2, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(box.topicAllBox->checkState(), Qt::PartiallyChecked);
        // The all-rows box sits over the column of check marks, at the right when right to left.
        for (const auto &[table, all] : {std::pair{box.siteTable, box.siteAllBox},
                                         {box.topicTable, box.topicAllBox},
                                         {box.keywordSetTable, box.keywordSetAllBox}}) {
            const QHeaderView *header = table->horizontalHeader();
            const QRect column(header->sectionViewportPosition(0), 0, header->sectionSize(0),
                               header->height());
            const QPoint centre = all->geometry().center();
            QVERIFY2(column.contains(centre), qPrintable(QString::number(centre.x())));
        }
    }

    void accept_data() { testkit::rows(acceptRows); }
    void accept()
    {
        const Accept &r = testkit::current(acceptRows);
        Setup setup;
        QVERIFY(r.files ? r.files(setup) : setup.load());
        Box box;
        setup.prepare(box);
        run(box, r.steps);
        if (QTest::currentTestFailed())
            return;
        const QByteArrayList before = setup.files();
        QSignalSpy reloaded(&setup.processor, &CLProcessor::filterReloaded);
        (r.outcome == Cancelled ? box.cancelButton() : box.saveButton())->click();
        QCOMPARE(box.isVisible(), r.outcome == Refused);
        QCOMPARE(reloaded.size(), r.outcome == Saved ? 1 : 0);
        if (r.outcome != Saved)
            QCOMPARE(setup.files(), before); // nothing half written
        if (r.outcome == Refused) {
            QCOMPARE(setup.messages.size(), 1);
            QVERIFY2(setup.messages.first().contains(r.to), qPrintable(setup.messages.first()));
            return;
        }
        QCOMPARE(setup.messages, QStringList());
        QCOMPARE(box.result(), r.outcome == Saved ? QDialog::Accepted : QDialog::Rejected);
        // What the reader loads from the written files.
        QVERIFY(setup.processor.loadFilterFiles());
        const QString expected = r.from ? QString(Unchanged).replace(r.from, r.to)
                                 : r.to ? QString(r.to)
                                        : Unchanged;
        QCOMPARE(summary(setup.processor), expected);
        box.show(); // shows what was saved
        QCOMPARE(box.customSets.size(), expected.count("|2|"));
    }

    void writtenLayout()
    {
        // The files as the reader's tools and older versions expect them.
        QCOMPARE(sortedAttributes(Box::keywordFileText(2, "a&b", "x  y]]>z")),
                 "<!DOCTYPE ks_cust_2.xml>\n<keywordset author=\"local user\" id=\"(k)cust.2\" "
                 "name=\"a&amp;b\" version=\"N/A\">\n <keyword><![CDATA[x]]></keyword>\n"
                 " <keyword><![CDATA[y]]]]><![CDATA[>z]]></keyword>\n</keywordset>\n");
        Setup setup;
        QVERIFY(setup.load());
        Box box;
        setup.prepare(box);
        box.saveButton()->click();
        const QString set = "  <keywordset filter_subject=\"%1\" filter_text=\"false\" "
                            "id=\"(k)%2.1\" keyword_file=\"%3.xml\" name=\"%4\" type=\"%5\" "
                            "version=\"%6\"/>\n";
        QCOMPARE(sortedAttributes(readAll(setup.path("filters.xml"))),
                 "<filters>\n <sites>\n  <site id=\"news.beta\"/>\n  <site id=\"news.failed\"/>\n"
                 "  <site id=\"tr.gamma\"/>\n </sites>\n <topics>\n"
                 "  <topic full_id=\"news.alpha.world\"/>\n  <topic full_id=\"news.gone.x\"/>\n"
                 " </topics>\n <keywordsets>\n" +
                     set.arg("true", "pre", "pre_sports", "Sports", "predefined", "3") +
                     set.arg("false", "cust", "ks_cust_1", "mine", "customed", "N/A") +
                     " </keywordsets>\n</filters>\n");
    }
};

QTEST_MAIN(TestDialogsFilter)
#include "tst_dialogsfilter.moc"
