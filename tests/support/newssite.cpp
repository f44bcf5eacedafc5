#include "newssite.h"

#include "clfiltersettings.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "cltranslator.h"

#include "testkit.h"

#include <QDomDocument>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString pairTopic(const QString &id, const QString &type, const QString &open, const QString &close,
                  const QString &step)
{
    return uR"(<topic name="%1" id="(t)%1" type="%2"><i18n original="en">
        <display locale="en">%1</display><display locale="de">%1-de</display></i18n>
        <step_pair_point><point_a>%3</point_a><point_b from="previous">%4</point_b>
        </step_pair_point>%5</topic>)"_s.arg(id, type, open.toHtmlEscaped(), close.toHtmlEscaped(),
                                             step);
}

const QString TextStep = u"<step_text_extract/>"_s;
const QString LinkStep = u"<step_url_extract url_type=\"link\"/>"_s;
const QString ImageStep = u"<step_url_extract url_type=\"non_link\"/>"_s;

QString siteProfile(const QString &entry)
{
    const QString index =
        pairTopic(u"World"_s, u"article-index"_s, u"<ul class=\"world\">"_s, u"</ul>"_s, LinkStep) +
        pairTopic(u"Sport"_s, u"article-index"_s, u"<ul class=\"sport\">"_s, u"</ul>"_s, LinkStep);
    const QString article =
        pairTopic(u"Title"_s, u"article-title"_s, u"<h1>"_s, u"</h1>"_s, TextStep) +
        pairTopic(u"Source"_s, u"article-source"_s, u"<p class=\"src\">"_s, u"</p>"_s, TextStep) +
        pairTopic(u"Date"_s, u"article-datetime"_s, u"<p class=\"date\">"_s, u"</p>"_s, TextStep) +
        pairTopic(u"Text"_s, u"article-text"_s, u"<div class=\"text\">"_s, u"</div>"_s, TextStep) +
        pairTopic(u"Images"_s, u"article-image-list"_s, u"<div class=\"pics\">"_s, u"</div>"_s,
                  ImageStep) +
        pairTopic(u"Previous"_s, u"article-previous-page"_s, u"<p class=\"prev\">"_s, u"</p>"_s,
                  LinkStep) +
        pairTopic(u"Next"_s, u"article-next-page"_s, u"<p class=\"next\">"_s, u"</p>"_s, LinkStep);
    return uR"(<site name="Loop News" id="(s)GIloop" locale="en" codeset="UTF-8" version="1"
        entry="%1" country="us"><i18n original="en"><display locale="en">Loop News</display>
        <display locale="de">Schleifennachrichten</display></i18n>
      <page name="Front" id="front" type="news.index"><filter_url_inc pattern="*127.0.0.1*/index*"/>
        <i18n original="en"><display locale="en">Front page</display></i18n>
        <track name="main">%2</track></page>
      <page name="Story" id="story" type="news.article">
        <filter_url_inc pattern="*127.0.0.1*/article/*"/>
        <track name="main">%3</track></page></site>)"_s.arg(entry, index, article);
}

QString translatorProfile()
{
    return uR"(<site name="Loop Engine" id="(s)TRloop" locale="en" codeset="UTF-8" version="1"
        entry="http://127.0.0.1/"><page name="entry" id="entry" type="translator.entry">
        <filter_url_inc pattern="*127.0.0.1*/translate*"/><track name="main">%1</track></page>
        </site>)"_s.arg(
        pairTopic(u"Out"_s, u"translate-text"_s, u"<div class=\"out\">"_s, u"</div>"_s, TextStep));
}

// Qt reads GIF but does not write it: a one-pixel red GIF made by hand.
const QByteArray OnePixelGif = QByteArray::fromHex(
    "47494638396101000100800000ff000000000021f90401000000002c00000000010001000002024401003b");

} // namespace

NewsSite::NewsSite() = default;

CLElement *NewsSite::article(const QString &language, const QString &url, const QString &title,
                             const QStringList &texts, const QStringList &images, CLSite *site,
                             bool dated)
{
    auto *root = new CLElement(ArticlePage, language, site, new CLData(url), nullptr);
    new CLElement(ArticleTitle, language, nullptr, new CLData(title), root);
    if (dated) {
        new CLElement(ArticleSource, language, nullptr, new CLData(u"Daily"_s), root);
        new CLElement(ArticleDatetime, language, nullptr, new CLData(u"2024-05-13"_s), root);
    }
    for (const QString &text : texts)
        new CLElement(ArticleText, language, nullptr, new CLData(text), root);
    for (const QString &image : images)
        new CLElement(ArticleImage, language, nullptr, new CLURLData(image, u"caption"_s, URLImage),
                      root);
    return root;
}

QByteArray NewsSite::articlePage(const QString &title, const QString &text,
                                 const QStringList &images, const QString &previous,
                                 const QString &next)
{
    QString pictures;
    for (const QString &image : images)
        pictures += u"<img src=\"%1\">"_s.arg(image);
    QString html = uR"(<html><body><h1>%1</h1><p class="src">Loop News</p>
        <p class="date">2024-05-13 09:41</p><div class="text">%2</div><div class="pics">%3</div>)"_s
                       .arg(title, text, pictures);
    if (!previous.isEmpty())
        html += u"<p class=\"prev\"><a href=\"%1\">previous</a></p>"_s.arg(previous);
    if (!next.isEmpty())
        html += u"<p class=\"next\"><a href=\"%1\">next</a></p>"_s.arg(next);
    return (html + u"</body></html>"_s).toUtf8();
}

bool NewsSite::start(const QString &dir)
{
    if (!server.start())
        return false;
    const auto link = [this](const QString &path, const QString &title) {
        return u"<li><a href=\"%1\">%2</a></li>"_s.arg(url(path), title);
    };
    const QString index =
        u"<html><body><ul class=\"world\">"_s + link(u"/article/one"_s, u"Harbour opens"_s) +
        link(u"/article/p1"_s, u"A long report"_s) + link(u"/article/bare"_s, u"Empty page"_s) +
        link(u"/article/gone"_s, u"Removed story"_s) + link(u"/article/stall"_s, u"Slow story"_s) +
        u"</ul><ul class=\"sport\">"_s + link(u"/article/two"_s, u"Cup final tonight"_s) +
        link(u"/article/win"_s, u"Lottery winner named"_s) + u"</ul></body></html>"_s;
    // One image address as a careless page writes it (a raw space), one percent-encoded.
    const QString png = url(pngPath), gif = QString::fromLatin1(QUrl(url(gifPath)).toEncoded());
    const QString p1 = url(u"/article/p1"_s), p2 = url(u"/article/p2"_s),
                  p3 = url(u"/article/p3"_s);
    const std::pair<const char *, QByteArray> pages[] = {
        {"/index", index.toUtf8()},
        {"/article/one",
         articlePage(u"Harbour opens"_s, u"The pier opened on Monday. Fish &amp; chips for all."_s,
                     {png, gif})},
        {"/article/two", articlePage(u"Cup final tonight"_s, u"Kick-off at eight."_s, {})},
        {"/article/p1", articlePage(u"A long report"_s, u"Page one."_s, {}, {}, p2)},
        {"/article/p2", articlePage(u"A long report"_s, u"Page two."_s, {}, p1, p3)},
        {"/article/p3", articlePage(u"A long report"_s, u"Page three."_s, {}, p2)},
        {"/article/bare", "<html>nothing here</html>"}};
    for (const auto &[path, body] : pages)
        server.script(path, {ScriptedAnswer::Answer, 200, body});
    server.script("/article/stall", {ScriptedAnswer::Stall});
    server.script("/translate", {ScriptedAnswer::Translate});
    server.script(QUrl(png).path(QUrl::FullyEncoded).toLatin1(),
                  {ScriptedAnswer::Answer, 200, testkit::png(120, 80)});
    server.script(QUrl(gif).path(QUrl::FullyEncoded).toLatin1(),
                  {ScriptedAnswer::Answer, 200, OnePixelGif});

    const auto write = [](const QString &path, const QString &text) {
        return testkit::writeAll(path, text.toUtf8());
    };
    bool ok = QDir().mkpath(dir + u"/profile"_s) &&
              write(dir + u"/profile/sites.xml"_s,
                    uR"(<sites><site id="(s)GIloop" version="1" file="a.xml"/>
      <site id="(s)GIbroken" version="1" file="missing.xml"/><site id="(s)TRloop" version="1" file="b.xml"/></sites>)"_s) &&
              write(dir + u"/profile/a.xml"_s, siteProfile(url(u"/index"_s))) &&
              write(dir + u"/profile/b.xml"_s, translatorProfile());
    ok = write(dir + u"/translators.xml"_s, uR"(<translators version="1">
      <translator id="loop" name="Plain Loop" entry="%1" method="post" version="1">
        <query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query>
        <languages><language id="en" name="eng"/><language id="de" name="deu"/><language id="es" name="spa"/></languages>
        <paths combination="listed"><path from="en" to="de"/><path from="en" to="es"/></paths>
        <i18n original="en"><display locale="en">Loop Engine</display>
          <display locale="de">Schleifenuebersetzer</display></i18n></translator></translators>)"_s
                                                .arg(url(u"/translate"_s))) &&
         ok;
    processor.profileDir = dir + u"/profile"_s;
    processor.translatorDir = processor.confDir = dir;
    processor.catalogueFile = u"sites.xml"_s;
    processor.translatorFile = u"translators.xml"_s;
    processor.historyFile = u"access.his"_s;
    processor.loadSiteCatalogue();
    ok = processor.loadTranslators() && ok;

    processor.filterSettings = new CLFilterSettings;
    auto *set = new CLKeywordSet;
    set->filterSubject = true;
    set->keywords = new QSet<QString>{u"Lottery"_s};
    processor.filterSettings->keywordSets.append(set);
    return ok;
}

namespace apertium {

const QString Modes = u"/usr/share/apertium/modes"_s;

QString program()
{
    const QString found = QStandardPaths::findExecutable(u"apertium-apy"_s);
    return QFile::exists(Modes + u"/eng-spa.mode"_s) ? found : QString();
}

QStringList arguments()
{
    return {u"-p"_s, u"PORT"_s, Modes};
}

bool load(CLProcessor &processor, quint16 port)
{
    QDomDocument engines, profile, catalogue;
    engines.setContent(testkit::readAll(testkit::shippedProfileDir() + u"/translators.xml"_s));
    profile.setContent(testkit::readAll(testkit::shippedProfileDir() + u"/apertium.xml"_s));
    if (!processor.parseTranslators(engines) || processor.translators.isEmpty())
        return false;
    QUrl entry(processor.translators.at(0)->entry);
    entry.setPort(port);
    processor.translators.at(0)->entry = entry.toString();
    processor.rebuildPairIndex();
    CLSite *site = readProfile(profile, nullptr);
    if (!site)
        return false;
    catalogue.setContent(
        u"<sites><site id=\"%1\" version=\"1\" file=\"a.xml\"/></sites>"_s.arg(site->id));
    return processor.parseCatalogue(catalogue) && processor.registerSite(site);
}

} // namespace apertium
