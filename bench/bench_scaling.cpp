// Prints the time per MB of each step kind and of process() over generated
// pages of 1, 4 and 16 MB. Work that grows linearly with the page keeps its
// time per MB as the page grows; the last column, the 16 MB figure over the
// 1 MB one, stays near 1 then, and a search that starts over for every find
// shows up as a ratio near 16. Times are CPU times of the measuring thread.
#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QDomElement>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

volatile qsizetype sink = 0;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double medianSeconds(int repetitions, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const double start = cpuSeconds();
        work();
        times.push_back(cpuSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A page of news items: a linked headline, a picture with caption, a
// paragraph with entities, a script and a comment, about 600 bytes each,
// and no bare "<a>" anywhere, like most real pages.
QByteArray generatePage(qsizetype size)
{
    QByteArray page("<html><head><title>Generated</title></head><body>\n");
    for (int n = 0; page.size() < size; ++n) {
        const QByteArray number = QByteArray::number(n);
        page += "<div class=\"story\"><h2><a class=\"link\" href=\"https://example.com/2024/01/"
                "01/story-" +
                number + ".html\">Headline number " + number +
                " about the news of the day</a></h2>\n<figure><img src=\"https://img.example."
                "com/" +
                number + ".jpg\" width=\"640\" alt=\"Picture " + number +
                "\"><figcaption>Caption of picture " + number +
                "</figcaption></figure>\n<p class=\"lead\">Some paragraph text with &amp; "
                "entities &copy; and words that go on for a while, item " +
                number +
                ".</p>\n<p>A second paragraph &mdash; shorter.</p>\n<script>var item = " + number +
                ";</script><!-- comment " + number + " -->\n</div>\n";
    }
    page += "</body></html>\n";
    return page;
}

const char ProfileXml[] = R"(<site name="Generated" id="(s)GI.generated" locale="en"
      codeset="UTF-8" version="1" entry="https://example.com/">
 <page name="Index" id="index" type="news.index">
  <filter_url_inc pattern="*example.com/index*"/>
  <track name="all">
   <topic name="Headlines" id="(t)headlines" type="article-index">
    <step_pair_point>
     <point_a>&lt;body</point_a>
     <point_b direction="backward" from="end">&lt;/body&gt;</point_b>
    </step_pair_point>
    <step_url_extract url_type="link"><filter_url_inc pattern="*/story-*"/></step_url_extract>
   </topic>
  </track>
 </page>
 <page name="Article" id="article" type="news.article">
  <filter_url_inc pattern="*example.com/20*"/>
  <track name="all">
   <topic name="Title" id="(t)title" type="article-title">
    <step_pair_point>
     <point_a>&lt;title&gt;</point_a>
     <point_b from="previous">&lt;/title&gt;</point_b>
    </step_pair_point>
    <step_text_extract/>
   </topic>
   <topic name="Text" id="(t)text" type="article-text">
    <step_pair_point>
     <point_a>&lt;body</point_a>
     <point_b direction="backward" from="end">&lt;/body&gt;</point_b>
    </step_pair_point>
    <step_section_cutter><start_pattern>&lt;script</start_pattern><end_pattern>&lt;/script&gt;</end_pattern></step_section_cutter>
    <step_section_cutter><start_pattern>&lt;figure</start_pattern><end_pattern>&lt;/figure&gt;</end_pattern></step_section_cutter>
    <step_section_cutter cut_pattern="no"><start_pattern>&lt;p</start_pattern><end_pattern>&gt;</end_pattern></step_section_cutter>
    <step_text_extract filter_space="yes"/>
    <step_text_format paragraph_line="1"/>
   </topic>
   <topic name="Images" id="(t)images" type="article-image-list">
    <step_url_extract url_type="non_link"/>
   </topic>
  </track>
 </page>
</site>)";

} // namespace

int main()
{
    fillEntityTable();
    QDomDocument profile;
    if (!profile.setContent(QByteArray(ProfileXml)))
        return 1;
    CLProfileError error;
    CLSite *site = readProfile(profile, &error);
    if (!site) {
        std::printf("generated profile rejected: %s\n", qPrintable(error.reason));
        return 1;
    }
    QDomDocument catalogue;
    QDomElement sites = catalogue.createElement(QStringLiteral("sites"));
    QDomElement entry = catalogue.createElement(QStringLiteral("site"));
    entry.setAttribute(QStringLiteral("id"), site->id);
    entry.setAttribute(QStringLiteral("version"), QStringLiteral("1"));
    entry.setAttribute(QStringLiteral("file"), QStringLiteral("generated.xml"));
    sites.appendChild(entry);
    catalogue.appendChild(sites);
    CLProcessor processor;
    processor.parseCatalogue(catalogue);
    if (!processor.registerSite(site)) {
        delete site;
        return 1;
    }
    // Steps borrow the site's codeset through a topic of their own.
    CLTopic *stepTopic = site->pages[0]->tracks[0]->topics[0];

    auto pair = std::make_unique<CLStepPairPointer>();
    pair->pointA = new CLPoint;
    pair->pointA->pattern = QStringLiteral("<body");
    pair->pointA->direction = PointForward;
    pair->pointA->from = PointFromBegin;
    pair->pointB = new CLPoint;
    pair->pointB->pattern = QStringLiteral("</body>");
    pair->pointB->direction = PointBackward;
    pair->pointB->from = PointFromEnd;
    auto cutSections = std::make_unique<CLStepSectionCutter>();
    cutSections->startPattern = QStringLiteral("<figure");
    cutSections->endPattern = QStringLiteral("</figure>");
    auto cutBetween = std::make_unique<CLStepSectionCutter>();
    cutBetween->startPattern = QStringLiteral("<p");
    cutBetween->endPattern = QStringLiteral(">");
    cutBetween->cutPattern = false;
    auto text = std::make_unique<CLStepTextExtractor>();
    text->filterSpace = true;
    auto urls = std::make_unique<CLStepURLExtractor>();
    auto attribute = std::make_unique<CLStepAttributeExtractor>();
    attribute->attributeName = QStringLiteral("data-absent");
    auto toURL = std::make_unique<CLStepTextToURL>();
    auto format = std::make_unique<CLStepTextFormater>();
    format->paragraphLine = 1;
    for (CLStep *step : std::initializer_list<CLStep *>{pair.get(), cutSections.get(),
                                                        cutBetween.get(), text.get(), urls.get(),
                                                        attribute.get(), toURL.get(), format.get()})
        step->topic = stepTopic;

    struct Row
    {
        const char *name;
        std::function<void(const QByteArray &, const QString &)> run;
        std::vector<double> msPerMB;
    };
    auto stepRow = [](const char *name, const CLStep *step, bool asText) {
        return Row{name,
                   [step, asText](const QByteArray &bytes, const QString &decoded) {
                       CLData input(bytes);
                       CLData textInput(decoded);
                       CLData *in = asText ? &textInput : &input;
                       CLData *out = step->process(in);
                       sink += out ? 1 : 0;
                       if (out != in)
                           delete out;
                   },
                   {}};
    };
    std::vector<Row> rows;
    rows.push_back(stepRow("pair pointer (body)", pair.get(), false));
    rows.push_back(stepRow("section cutter (figures)", cutSections.get(), false));
    rows.push_back(stepRow("section cutter (<p ...> kept)", cutBetween.get(), false));
    rows.push_back(stepRow("text extractor", text.get(), false));
    rows.push_back(stepRow("URL extractor (links, images)", urls.get(), false));
    rows.push_back(stepRow("attribute extractor (absent)", attribute.get(), false));
    rows.push_back(stepRow("text to URL", toURL.get(), true));
    rows.push_back(stepRow("text formatter", format.get(), true));
    rows.push_back(Row{"process() index page",
                       [&processor](const QByteArray &bytes, const QString &) {
                           std::unique_ptr<CLElement> tree(
                               processor.process(QStringLiteral("https://example.com/index.html"),
                                                 bytes, PageIndex, QString()));
                           sink += tree ? tree->children.size() : 0;
                       },
                       {}});
    rows.push_back(Row{"process() article page",
                       [&processor](const QByteArray &bytes, const QString &) {
                           std::unique_ptr<CLElement> tree(processor.process(
                               QStringLiteral("https://example.com/2024/01/01/story-1.html"), bytes,
                               PageArticle, QString()));
                           sink += tree ? tree->children.size() : 0;
                       },
                       {}});

    const int sizes[] = {1, 4, 16};
    for (const int mb : sizes) {
        const QByteArray page = generatePage(qsizetype(mb) * 1024 * 1024);
        const QString decoded = QString::fromUtf8(page);
        const double megabytes = double(page.size()) / (1024.0 * 1024.0);
        for (Row &row : rows) {
            const double t = medianSeconds(mb >= 16 ? 3 : 5, [&] { row.run(page, decoded); });
            row.msPerMB.push_back(t * 1e3 / megabytes);
        }
    }
    std::printf("ms per MB over generated pages (CPU time, median)\n%-32s %9s %9s %9s %9s\n",
                "work", "1 MB", "4 MB", "16 MB", "16/1");
    for (const Row &row : rows)
        std::printf("%-32s %9.2f %9.2f %9.2f %9.2f\n", row.name, row.msPerMB[0], row.msPerMB[1],
                    row.msPerMB[2], row.msPerMB[2] / row.msPerMB[0]);
    return 0;
}
