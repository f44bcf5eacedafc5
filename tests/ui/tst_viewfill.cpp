#include "clelement.h"
#include "clfiltersettings.h"
#include "clsitemodel.h"
#include "contentscrollview.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "testkit.h"
#include "viewfill.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

/// An article page with a child of each kind, in order: values numbered by position, images
/// every other one captioned, pages as URL records (a negative next page as text).
CLElement *articleTree(const QList<int> &kinds)
{
    auto *root = new CLElement(ArticlePage, u"en"_s, nullptr, new CLData(u"http://a/"_s), nullptr);
    for (int i = 0; i < kinds.size(); ++i) {
        const int kind = qAbs(kinds.at(i));
        CLData *value = nullptr;
        if (kind == ArticleImage)
            value = new CLURLData(u"http://i/%1"_s.arg(i), i % 2 ? QString() : u"cap%1"_s.arg(i),
                                  URLImage);
        else if (kind == ArticlePreviousPage || (kind == ArticleNextPage && kinds.at(i) > 0))
            value = new CLURLData(u"http://p/%1"_s.arg(i), u"page"_s, URLHtml);
        else
            value = new CLData(u"v%1"_s.arg(i));
        new CLElement(kind, u"en"_s, nullptr, value, root);
    }
    return root;
}

CLElement *headline(CLElement *parent, const QString &title, const QString &url)
{
    return new CLElement(IndexEntry1, u"en"_s, nullptr, new CLURLData(url, title, URLHtml), parent);
}

struct PageIndexRow
{
    const char *name, *keywords, *read; // keywords hiding headline subjects, URLs in the history
    const char *entries;                // text:topic id:visited
};
const PageIndexRow pageIndexRows[] = {
    {"everything", "", "",
     "Front:-:0 Loose:-:0 World:(t)world:0 A:(t)world:0 B:(t)world:0 C:(t)world:0 "
     "Sport:(t)sport:0 Lottery win:(t)sport:0 D:(t)sport:0"},
    // A hidden headline takes what hangs below it along.
    {"keyword hides a headline and its children", "Lottery", "",
     "Front:-:0 Loose:-:0 World:(t)world:0 A:(t)world:0 B:(t)world:0 C:(t)world:0 "
     "Sport:(t)sport:0"},
    {"read headlines start visited", "", "http://n/b http://n/loose",
     "Front:-:0 Loose:-:1 World:(t)world:0 A:(t)world:0 B:(t)world:1 C:(t)world:0 "
     "Sport:(t)sport:0 Lottery win:(t)sport:0 D:(t)sport:0"},
};

} // namespace

class TestViewFill : public QObject
{
    Q_OBJECT

    // Page definition and topics the trees point into.
    CLPage page;
    CLTopic world, sport;

    /// root "Front" > [loose headline, World > [a, b > [c]], Sport > [lottery > [d]]]
    CLElement *indexTree()
    {
        auto *root = new CLElement(IndexPage, u"en"_s, &page, new CLData(u"Front"_s), nullptr);
        headline(root, u"Loose"_s, u"http://n/loose"_s);
        auto *w = new CLElement(IndexGroup1, u"en"_s, &world, new CLData(u"World"_s), root);
        headline(w, u"A"_s, u"http://n/a"_s);
        headline(headline(w, u"B"_s, u"http://n/b"_s), u"C"_s, u"http://n/c"_s);
        auto *s = new CLElement(IndexGroup1, u"en"_s, &sport, new CLData(u"Sport"_s), root);
        headline(headline(s, u"Lottery win"_s, u"http://n/l"_s), u"D"_s, u"http://n/d"_s);
        new CLElement(IndexGroup1, u"en"_s, nullptr, nullptr, root); // no value: no entry
        return root;
    }

private slots:
    void initTestCase()
    {
        for (const auto &[object, name, id] :
             {std::tuple<CLObject *, QString, QString>{&page, u"Front"_s, QString()},
              {&world, u"World"_s, u"(t)world"_s},
              {&sport, u"Sport"_s, u"(t)sport"_s}}) {
            object->name = name;
            object->id = id;
            object->i18n = new CLI18n{u"en"_s, {{u"en"_s, name}}};
        }
    }

    void pageIndex_data() { testkit::rows(pageIndexRows); }
    // The loose headline under the root has no topic: the root's origin is the page.
    void pageIndex()
    {
        const PageIndexRow &r = testkit::current(pageIndexRows);
        const std::unique_ptr<CLElement> tree(indexTree());
        CLFilterSettings filters;
        auto *set = new CLKeywordSet;
        set->filterSubject = true;
        const QStringList words = QString(r.keywords).split(u' ', Qt::SkipEmptyParts);
        set->keywords = new QSet<QString>(words.begin(), words.end());
        filters.keywordSets.append(set);
        QSet<quint32> history;
        for (const QString &url : QString(r.read).split(u' ', Qt::SkipEmptyParts))
            history.insert(historyHash(url));
        IndexScrollView view;
        view.resize(300, 400);
        ViewFill::setPageItemStyles(&view);
        int created = 0;
        ViewFill::fillPageIndex(&view, tree.get(), &filters, history,
                                [&created](PageIndexItem *) { ++created; });
        QStringList entries;
        int y = 0;
        for (IndexItem *item : view.items()) {
            auto *entry = qobject_cast<PageIndexItem *>(item);
            entries.append(
                u"%1:%2:%3"_s
                    .arg(item->text().trimmed(), entry->topic() ? entry->topic()->id : u"-"_s)
                    .arg(item->visitState() == IndexItem::Visited));
            // Stacked without gaps or overlaps, full width, styled by their state.
            QCOMPARE(item->y(), y);
            QCOMPARE(item->width(), 300);
            QCOMPARE(item->styleSheet(), view.styleOf(item));
            y += item->height();
        }
        QCOMPARE(created, entries.size());
        QCOMPARE(view.currentItem(), view.items().value(0));
        QCOMPARE(entries.join(u' '), r.entries);
    }

    void article_data()
    {
        QTest::addColumn<QList<int>>("kinds"); // children in order; values numbered
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("shown"); // title|text|images|captions|previous|next
        const int T = ArticleTitle, S = ArticleSource, D = ArticleDatetime, X = ArticleText;
        QTest::newRow("complete article") << QList{T, S, D, X} << true << u"v0|v3|||-|-"_s;
        QTest::newRow("last title wins") << QList{T, S, D, X, T} << true << u"v4|v3|||-|-"_s;
        QTest::newRow("images in order, captions kept or empty")
            << QList{T, S, D, X, int(ArticleImage), int(ArticleImage)} << true
            << u"v0|v3|http://i/4 http://i/5|cap4 |-|-"_s;
        QTest::newRow("page links from URL records and text")
            << QList{T, S, D, X, int(ArticlePreviousPage), -ArticleNextPage} << true
            << u"v0|v3|||http://p/4|v5"_s;
        QTest::newRow("no source") << QList{T, D, X} << false << u"v0|v2|||-|-"_s;
        QTest::newRow("no date and time") << QList{T, S, X} << false << u"v0|v2|||-|-"_s;
    }

    void article()
    {
        QFETCH(QList<int>, kinds);
        const std::unique_ptr<CLElement> root(articleTree(kinds));
        const ViewFill::ArticleContent content = ViewFill::collectArticle(root.get());
        QTEST(content.complete(), "complete");
        const auto link = [](const QString *page) { return page ? *page : u"-"_s; };
        QTEST(QStringList({content.title, content.text, content.imageUrls.join(u' '),
                           content.captions.join(u' '), link(content.previousPage),
                           link(content.nextPage)})
                  .join(u'|'),
              "shown");
        QVERIFY(!ViewFill::collectArticle(nullptr).complete());
        ContentScrollView view;
        ViewFill::showArticle(&view, content, u"p { color: red; }"_s);
        QCOMPARE(view.document()->defaultStyleSheet(), u"p { color: red; }"_s);
        QCOMPARE(view.images().size(), content.imageUrls.size());
        QCOMPARE(view.previousPage(), content.previousPage);
        QVERIFY(view.toPlainText().contains(content.title));
    }

    // An article's images past the cap are not fetched, and the article says how many.
    void imagesPastTheCap()
    {
        const std::unique_ptr<CLElement> root(
            articleTree(QList<int>{ArticleTitle, ArticleSource, ArticleDatetime, ArticleText} +
                        QList<int>(250, ArticleImage)));
        const ViewFill::ArticleContent content = ViewFill::collectArticle(root.get());
        QCOMPARE(content.imageUrls.size(), 200);
        QCOMPARE(content.imageUrls.last(), u"http://i/203"_s);
        ContentScrollView view;
        ViewFill::showArticle(&view, content, QString());
        QVERIFY(view.toPlainText().contains(u"Pictures of this article not shown: 50"_s));
    }
};

QTEST_MAIN(TestViewFill)
#include "tst_viewfill.moc"
