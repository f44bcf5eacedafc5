#include "clelement.h"
#include "clsitemodel.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

CLI18n *i18nFrom(const QString &xml)
{
    QDomDocument doc;
    return doc.setContent(xml) ? parseI18n(doc.documentElement()) : nullptr;
}

} // namespace

class TestSiteModel : public QObject
{
    Q_OBJECT

private slots:
    void parseI18n_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("expected"); ///< "original|locale=name", null for no record
        auto row = [](const char *name, const QString &tag, const QString &body,
                      const QString &expected) {
            QTest::newRow(name) << u"<%1>%2</%3>"_s.arg(tag, body, tag.section(u' ', 0, 0))
                                << expected;
        };
        auto d = [](const char *locale, const QString &text) {
            return u"<display locale='%1'>%2</display>"_s.arg(QLatin1String(locale), text);
        };
        row("later display wins", "i18n original='en'", d("en", "1") + d("en", "2"), "en|en=2");
        row("missing original is empty", "i18n", d("fr", "Un"), "|fr=Un");
        row("nested display found", "i18n original='de'", "<g>" + d("de", "E") + "</g>", "de|de=E");
        row("CDATA in white space", "i18n", d("ja", "\n <![CDATA[<b>N</b>]]>\n"), "|ja=<b>N</b>");
        row("display without locale under the empty locale", "i18n", "<display>P</display>", "|=P");
        row("other tag is no record", "names original='en'", d("en", "N"), QString());
    }

    void parseI18n()
    {
        QFETCH(QString, xml);
        const std::unique_ptr<CLI18n> record(i18nFrom(xml));
        QTEST(!record ? QString()
                      : record->original + u'|' + record->displays.keys().join(u',') + u'=' +
                            record->displays.values().join(u','),
              "expected");
    }

    void localNameFallsBack()
    {
        QHash<QString, CLI18n *> table{
            {u"th"_s, i18nFrom(u"<i18n original='zh_CN'><display locale='zh_CN'>泰国</display>"
                               u"<display locale='fr'>Thaïlande</display></i18n>"_s)},
            {u"bare"_s, i18nFrom(u"<i18n><display locale='en'>Bare</display></i18n>"_s)}};
        QCOMPARE(::localName(table, u"th"_s, u"fr"_s), u"Thaïlande"_s);
        QCOMPARE(::localName(table, u"th"_s, u"xx"_s), u"泰国"_s); // the original's name
        QCOMPARE(::localName(table, u"th"_s, QString()), u"泰国"_s);
        QVERIFY(!::localName(table, u"xx"_s, u"en"_s).isNull()); // unknown code: ""
        QCOMPARE(::localName(table, u"xx"_s, u"en"_s), u""_s);
        QCOMPARE(::localName(table, u"bare"_s, u"de"_s), u""_s); // no original to fall back on
        qDeleteAll(table);
    }

    void siteTree()
    {
        CLSite site;
        site.id = u"s"_s;
        QList<CLTopic *> t; // a, b, c, d under the index page; e under the article page
        for (const char *id : {"a", "b", "c", "d", "e"}) {
            t.append(new CLTopic);
            t.last()->id = QLatin1String(id);
        }
        for (const int type : {PageIndex, PageArticle}) {
            addPage(&site, new CLPage);
            site.pages.last()->type = type;
            addTrack(site.pages.last(), new CLTrack);
        }
        addTopic(site.pages[0]->tracks[0], t[0]);
        addSubTopic(t[0], t[1]);
        addSubTopic(t[1], t[2]);
        addTopic(site.pages[0]->tracks[0], t[3]);
        addTopic(site.pages[1]->tracks[0], t[4]);
        QCOMPARE(topicPath(t[2]), u"s.a.b.c"_s);
        QCOMPARE(subTopicsOf(t[0]), t.mid(1, 2));
        QCOMPARE(topicsOf(&site, PageIndex), t.first(4));
        QCOMPARE(topicsOf(&site, PageArticle), t.mid(4));
        QCOMPARE(topicsOf(&site, PageAny).size(), 5);
        CLTopic orphan;
        orphan.id = u"x"_s;
        QCOMPARE(topicPath(&orphan), u"x"_s);
        addPage(&site, site.pages[0]); // a page is held once
        addPage(&site, nullptr);
        QCOMPARE(site.pages.size(), 2);
    }

    void topicKinds_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("groupKind");
        QTest::addColumn<int>("kind");
        QTest::newRow("index at depth 1") << "article-index" << 1 << +IndexGroup1 << +IndexEntry1;
        QTest::newRow("index at depth 3") << "article-index" << 3 << +IndexGroup3 << +IndexEntry3;
        QTest::newRow("index four deep has no kinds") << "article-index" << 4 << 0 << 0;
        QTest::newRow("title") << "article-title" << 1 << 0 << +ArticleTitle;
        QTest::newRow("image list at any depth") << "article-image-list" << 2 << 0 << +ArticleImage;
        QTest::newRow("translate text") << "translate-text" << 1 << 0 << +TranslateText;
        QTest::newRow("unknown word") << "article-summary" << 1 << 0 << 0;
        QTest::newRow("keywords keep case") << "Article-Title" << 1 << 0 << 0;
    }

    void topicKinds()
    {
        QFETCH(QString, type);
        QFETCH(int, depth);
        int groupKind = -1, kind = -1;
        topicKindsFor(type, depth, &groupKind, &kind);
        QTEST(groupKind, "groupKind");
        QTEST(kind, "kind");
    }
};

QTEST_GUILESS_MAIN(TestSiteModel)
#include "tst_sitemodel.moc"
