// The URL index gives every URL the page definition a scan over every page
// in catalogue order gives.

#include "clpageindex.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

enum Catalogue { Shipped, Generated, Random };
struct CatalogueRow
{
    const char *name;
    Catalogue kind;
};
const CatalogueRow catalogueRows[] = {{"shipped profiles", Shipped},
                                      {"1,000 generated profiles", Generated},
                                      {"random patterns", Random}};

// Characters that stress the case rules: Kelvin sign, long s, dotted and dotless i.
const QString OddUnits = u"K\u212A\u017F\u0130\u0131sSkKiI"_s;

QString randomPiece(QRandomGenerator &random, int length)
{
    static const QString alphabet =
        u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789./:-_?=&"_s;
    QString piece;
    for (int i = 0; i < length; ++i) {
        const QString &from = random.bounded(12) == 0 ? OddUnits : alphabet;
        piece.append(from.at(random.bounded(int(from.size()))));
    }
    return piece;
}

// A pattern of random hosts and paths with wildcards, sets, escapes and odd case.
QString randomPattern(QRandomGenerator &random)
{
    static const char *const Bits[] = {"*",      "?",  "[a-k]", "[^x]",    "\\*",
                                       "\\",     "]",  ":8080", "http://", "www.",
                                       "/news/", "*.", "[]a]",  "HTTP://"};
    QString pattern;
    for (int parts = 1 + random.bounded(5); parts > 0; --parts)
        pattern += random.bounded(3) == 0 ? QString(Bits[random.bounded(int(std::size(Bits)))])
                                          : randomPiece(random, 1 + random.bounded(8));
    return pattern;
}

// A URL a pattern may accept: wildcards filled in, then case, ports and ends changed.
QString urlNear(QRandomGenerator &random, const QString &pattern)
{
    QString url;
    for (const QChar ch : pattern) {
        if (ch == u'*')
            url += randomPiece(random, random.bounded(4));
        else if (ch == u'?')
            url += randomPiece(random, 1);
        else if (ch != u'[' && ch != u']' && ch != u'\\')
            url += random.bounded(6) == 0 ? (ch.isUpper() ? ch.toLower() : ch.toUpper()) : ch;
    }
    const int change = random.bounded(5);
    if (change == 0)
        url.prepend(u"http://"_s);
    else if (change == 1)
        url.insert(random.bounded(int(url.size()) + 1), u":8080"_s);
    else if (change == 2)
        url += randomPiece(random, 6);
    else if (change == 3 && !url.isEmpty())
        url.remove(random.bounded(int(url.size())), 1);
    return url;
}

// Every shipped site profile, parsed.
QList<QDomDocument> shippedProfiles()
{
    QList<QDomDocument> documents;
    const QDir dir(testkit::shippedProfileDir());
    for (const QString &file : dir.entryList({u"*.xml"_s})) {
        const auto document = loadXmlDocument(dir.filePath(file));
        if (document && document->documentElement().tagName() == u"site"_s)
            documents.append(*document);
    }
    return documents;
}

bool fillCatalogue(CLProcessor &processor, Catalogue kind, QRandomGenerator &random)
{
    if (kind == Shipped) {
        processor.profileDir = testkit::shippedProfileDir();
        processor.catalogueFile = u"sites.xml"_s;
        return processor.loadSiteCatalogue();
    }
    const QList<QDomDocument> templates = shippedProfiles();
    const int count = kind == Generated ? 1000 : 300;
    QStringList ids;
    QString xml = u"<sites>"_s;
    for (int i = 0; i < count; ++i) {
        ids.append(u"(s)GI.gen%1"_s.arg(i));
        xml += u"<site id=\"%1\" version=\"1\" file=\"%1.xml\"/>"_s.arg(ids.last());
    }
    QDomDocument catalogue;
    if (!catalogue.setContent(xml + u"</sites>"_s) || !processor.parseCatalogue(catalogue) ||
        templates.isEmpty())
        return false;
    for (int i = 0; i < count; ++i) {
        CLSite *site = nullptr;
        if (kind == Generated) {
            QDomDocument document = templates.at(i % templates.size()).cloneNode().toDocument();
            document.documentElement().setAttribute(u"id"_s, ids.at(i));
            site = readProfile(document);
        } else {
            site = new CLSite;
            site->id = ids.at(i);
            for (int p = 0, pages = 1 + random.bounded(3); p < pages; ++p) {
                auto *page = new CLPage;
                page->type = 1 << random.bounded(3);
                for (int n = random.bounded(4); n > 0; --n)
                    page->urlFilter.addInclude(randomPattern(random));
                for (int n = random.bounded(4) == 0 ? 1 + random.bounded(2) : 0; n > 0; --n)
                    page->urlFilter.addExclude(randomPattern(random));
                addPage(site, page);
            }
        }
        if (!site || !processor.registerSite(site)) {
            delete site;
            return false;
        }
    }
    return true;
}

QStringList corpusUrls()
{
    QStringList urls;
    const QByteArray manifest = testkit::readAll(testkit::corpusPath(u"manifest.json"_s));
    for (const QJsonValue &entry : QJsonDocument::fromJson(manifest).array())
        urls.append(entry[QLatin1String("url")].toString());
    return urls;
}

} // namespace

class tst_pageindex : public QObject
{
    Q_OBJECT

private slots:
    // A few thousand URLs (corpus URLs, one made from every pattern, and
    // variants in case, ports and ends), each with two page types and a site id.
    void sameAnswerAsScan_data() { rows(catalogueRows); }
    void sameAnswerAsScan()
    {
        const Catalogue catalogue = current(catalogueRows).kind;
        QRandomGenerator random(uint(20261207 + catalogue));
        CLProcessor processor;
        QVERIFY(fillCatalogue(processor, catalogue, random));
        QVERIFY(!processor.allPages.isEmpty());

        QStringList patterns;
        for (const CLPage *page : processor.pagesInOrder())
            patterns += page->urlFilter.include + page->urlFilter.exclude;
        QStringList urls = corpusUrls();
        for (const QString &pattern : std::as_const(patterns))
            urls.append(urlNear(random, pattern));
        // The scan over 1,000 profiles is the slow side of the comparison.
        while (urls.size() < (catalogue == Generated ? 1500 : 3000))
            urls.append(urlNear(random, patterns.at(random.bounded(int(patterns.size())))));
        urls += {QString(), u"*"_s, u"http://"_s, OddUnits};

        const QStringList siteIds = {QString(), processor.siteIndex.first()->id,
                                     processor.siteIndex.last()->id, u"(s)GI.none"_s};
        int matched = 0;
        for (const QString &url : std::as_const(urls)) {
            static const int Types[] = {PageAny, PageIndex, PageArticle, PageTranslatorEntry};
            for (const int type : {Types[random.bounded(4)], int(PageAny)}) {
                const QString &siteId = siteIds.at(random.bounded(int(siteIds.size())));
                const CLPage *expected = processor.findPageByScan(url, type, siteId);
                const CLPage *found = processor.findPage(url, type, siteId);
                if (found != expected)
                    QFAIL(qPrintable(u"%1 (type %2, site %3): %4 instead of %5"_s.arg(
                        url, QString::number(type), siteId,
                        found ? found->site->id + u'/' + found->id : u"none"_s,
                        expected ? expected->site->id + u'/' + expected->id : u"none"_s)));
                matched += expected != nullptr;
            }
        }
        // The URLs must reach pages, or the comparison proves little.
        QVERIFY2(matched > urls.size() / 4, qPrintable(QString::number(matched)));
    }

    // A unit is folded to an ASCII character whenever either matcher lets it
    // stand for that character.
    void foldedAsciiCoversBothMatchers()
    {
        for (uint unit = 0; unit <= 0xffff; ++unit) {
            const QChar ch{char16_t(unit)};
            for (char16_t ascii = 1; ascii < 0x80; ++ascii) {
                const QChar a(ascii);
                const bool matches =
                    ch.toCaseFolded() == a.toCaseFolded() || ch.toLower() == a.toLower();
                if (matches && CLPageIndex::foldedAscii(char16_t(unit)) != a.toLower().unicode())
                    QFAIL(qPrintable(
                        u"U+%1 against %2"_s.arg(QString::number(unit, 16), QString(a))));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_pageindex)
#include "tst_pageindex.moc"
