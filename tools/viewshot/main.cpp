// tessolin-viewshot OUTPUT_DIR [DATA_DIR [CORPUS_DIR]]
// Renders the views into PNG files, styled with a skin, to look at them
// without running the whole program: the site index of the shipped
// catalogue, a page index and articles extracted from saved news pages by
// the shipped profiles, and a made-up article with three pictures.
// DATA_DIR holds "skin" and "conf/profile" (default: beside the program);
// CORPUS_DIR holds "pages" and "truth" (default: TESSOLIN_CORPUS from the
// environment). Shots whose inputs are missing are skipped with a note.

#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "stylemanager.h"
#include "uiresources.h"
#include "viewfill.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QByteArray pictureBytes(int width, int height, const QColor &top, const QColor &bottom,
                        const QString &label)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    painter.fillRect(image.rect(), sky);
    QRadialGradient sun(width * 0.75, height * 0.3, height * 0.25);
    sun.setColorAt(0, QColor(255, 244, 200));
    sun.setColorAt(1, QColor(255, 244, 200, 0));
    painter.fillRect(image.rect(), sun);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bottom.darker(160));
    painter.drawEllipse(QPointF(width * 0.3, height * 1.1), width * 0.6, height * 0.4);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(qMax(10, height / 10));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(8, 8, -8, -8), Qt::AlignLeft | Qt::AlignTop, label);
    painter.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const char *const MadeUpText =
    "The harbour authority opened the new northern pier on Monday morning, two months ahead "
    "of the schedule announced last spring. The pier adds berths for four container ships and "
    "a ferry terminal that is expected to handle up to 3,000 passengers a day.\n"
    "\"We built it while the old quay stayed in use, which was the hard part,\" said the "
    "project's chief engineer. Traffic on the harbour road was diverted for six weeks during "
    "the final works.\n"
    "The city council approved the project three years ago after a long debate over its cost "
    "and its effect on the bay's water quality. An independent survey published in March found "
    "no measurable change in the water since building began.\n"
    "Fishing crews, who had feared losing their moorings, will keep the eastern basin. The "
    "first cruise ship is due to call at the new terminal on the 14th.\n"
    "Local businesses along the waterfront said they hoped the terminal would bring more "
    "visitors in the autumn, when the town is usually quiet.";

/// Everything the shots share: the output folder, the skin and the catalogue.
struct Studio
{
    QDir output;
    QString corpusDir;
    StyleManager *styles = nullptr;
    CLProcessor *processor = nullptr;
    I18NManager *languages = nullptr;
};

bool save(QWidget &widget, const QSize &size, const QString &path)
{
    widget.resize(size);
    QApplication::processEvents();
    if (!widget.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void skip(const QString &shot, const QString &why)
{
    std::printf("skipped %s: %s\n", qPrintable(shot), qPrintable(why));
}

/// A framed panel as the main window holds its views in, so that the
/// application sheet's panel rules apply.
QFrame *makePanel(const QString &name, QWidget *view)
{
    auto *panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return panel;
}

bool shootSiteIndex(const Studio &studio)
{
    const QString shot = QStringLiteral("site-index.png");
    const QString language = studio.languages->uiLanguage;
    const QList<CLSiteIndexItem *> entries =
        studio.processor->sitesOfCategory(QStringLiteral(CL_CATEGORY_GENERAL), language);
    if (entries.isEmpty()) {
        skip(shot, QStringLiteral("no site profile loaded"));
        return true;
    }
    auto *view = new IndexScrollView;
    view->languageManager = studio.languages;
    view->setStyleSheet(studio.styles->indexSheets.value(language));
    ViewFill::setSiteItemStyles(view);
    // Entries are placed before the view goes into its panel, as in the main window.
    view->resize(380, 420);
    ViewFill::fillSiteIndex(view, entries, QSet<QString>(), language);
    view->switchLocale(language);
    const std::unique_ptr<QFrame> panel(makePanel(QStringLiteral("SiteIndexPanel"), view));
    panel->show();
    return save(*panel, QSize(380, 420), studio.output.filePath(shot));
}

bool readCorpusPage(const Studio &studio, const QString &id, QByteArray &bytes, QJsonObject &truth)
{
    QFile page(studio.corpusDir + QStringLiteral("/pages/") + id + QStringLiteral(".html"));
    QFile truthFile(studio.corpusDir + QStringLiteral("/truth/") + id + QStringLiteral(".json"));
    if (!page.open(QIODevice::ReadOnly) || !truthFile.open(QIODevice::ReadOnly))
        return false;
    bytes = page.readAll();
    truth = QJsonDocument::fromJson(truthFile.readAll()).object();
    return true;
}

bool shootPageIndex(const Studio &studio)
{
    const QString shot = QStringLiteral("page-index.png");
    QByteArray bytes;
    QJsonObject truth;
    if (!readCorpusPage(studio, QStringLiteral("idx-cnn"), bytes, truth)) {
        skip(shot, QStringLiteral("the corpus page idx-cnn is missing"));
        return true;
    }
    const std::unique_ptr<CLElement> tree(studio.processor->process(
        truth.value(QStringLiteral("url")).toString(), bytes, PageIndex, QString()));
    if (!tree) {
        skip(shot, QStringLiteral("no shipped profile reads idx-cnn"));
        return true;
    }

    auto *view = new IndexScrollView;
    view->languageManager = studio.languages;
    view->pageTree = tree.get();
    view->setStyleSheet(studio.styles->indexSheets.value(tree->language));
    view->setProperty("Translated", QStringLiteral("N/A"));
    ViewFill::setPageItemStyles(view);

    view->resize(380, 640);
    // A few headlines read before, to show the visited look.
    QSet<quint32> visited;
    int headlines = 0;
    const std::function<void(const CLElement *)> markRead = [&](const CLElement *element) {
        if (const CLURLData *link = element->value ? element->value->asURL() : nullptr) {
            if (++headlines % 4 == 2)
                visited.insert(historyHash(link->url));
        }
        for (const CLElement *child : element->children)
            markRead(child);
    };
    markRead(tree.get());
    ViewFill::fillPageIndex(view, tree.get(), nullptr, visited);
    view->switchLocale(tree->language);
    const std::unique_ptr<QFrame> panel(makePanel(QStringLiteral("PageIndexPanel"), view));
    panel->show();
    // The third entry is the one under the mouse.
    if (view->items().size() > 3)
        view->setCurrentItem(view->items().at(3));
    return save(*panel, QSize(380, 640), studio.output.filePath(shot));
}

/// Shows an extracted article the way the main window does, with generated
/// pictures standing in for the images the corpus does not hold.
bool shootArticle(const Studio &studio, const QString &id, const QString &url, const QSize &size,
                  const QString &shot)
{
    QByteArray bytes;
    QJsonObject truth;
    if (!readCorpusPage(studio, id, bytes, truth)) {
        skip(shot, QStringLiteral("the corpus page %1 is missing").arg(id));
        return true;
    }
    const QString pageUrl = url.isEmpty() ? truth.value(QStringLiteral("url")).toString() : url;
    const std::unique_ptr<CLElement> tree(
        studio.processor->process(pageUrl, bytes, PageArticle, QString()));
    if (!tree) {
        skip(shot, QStringLiteral("no shipped profile reads %1").arg(id));
        return true;
    }
    const ViewFill::ArticleContent content = ViewFill::collectArticle(tree.get());
    const QStringList &imageUrls = content.imageUrls;

    auto *view = new ContentScrollView;
    view->setObjectName(QStringLiteral("ContentView"));
    const std::unique_ptr<QFrame> panel(makePanel(QStringLiteral("ContentPanel"), view));
    panel->resize(size);
    panel->show();
    ViewFill::showArticle(view, content,
                          StyleManager::sheetFor(studio.styles->articleSheets, tree->language,
                                                 studio.languages->uiLanguage));
    const QColor tops[] = {QColor(70, 130, 200), QColor(240, 160, 90), QColor(60, 160, 110)};
    for (int i = 0; i < imageUrls.size(); ++i) {
        const QColor top = tops[i % 3];
        view->imageDataLoaded(
            imageUrls.at(i),
            pictureBytes(480, 300, top, top.darker(250), QStringLiteral("picture %1").arg(i + 1)));
    }
    return save(*panel, size, studio.output.filePath(shot));
}

bool shootMadeUpArticle(const Studio &studio)
{
    auto *view = new ContentScrollView;
    view->setObjectName(QStringLiteral("ContentView"));
    const std::unique_ptr<QFrame> panel(makePanel(QStringLiteral("ContentPanel"), view));
    panel->resize(900, 640);
    panel->show();
    view->document()->setDefaultStyleSheet(StyleManager::sheetFor(
        studio.styles->articleSheets, QStringLiteral("en"), studio.languages->uiLanguage));

    const QStringList urls = {QStringLiteral("http://news.example/img/pier.jpg"),
                              QStringLiteral("http://news.example/img/crane.jpg"),
                              QStringLiteral("http://news.example/img/logo.png")};
    view->setImages(urls, {QStringLiteral("The new northern pier"),
                           QStringLiteral("A crane on the last day of works"),
                           QStringLiteral("Harbour authority")});
    const QString previous = QStringLiteral("http://news.example/harbour?page=1");
    const QString next = QStringLiteral("http://news.example/harbour?page=3");
    view->showArticle(QStringLiteral("New pier opens two months early"),
                      QStringLiteral("Coastal Daily"), QStringLiteral("2024-05-13 09:41"),
                      QString::fromUtf8(MadeUpText), &previous, &next);
    view->imageDataLoaded(urls.at(0),
                          pictureBytes(600, 300, QColor(70, 130, 200), QColor(30, 80, 120),
                                       QStringLiteral("600 x 300")));
    view->imageDataLoaded(urls.at(1),
                          pictureBytes(300, 400, QColor(240, 160, 90), QColor(120, 60, 60),
                                       QStringLiteral("300 x 400")));
    view->imageDataLoaded(urls.at(2), pictureBytes(100, 80, QColor(60, 160, 110),
                                                   QColor(20, 90, 60), QStringLiteral("100 x 80")));

    bool ok = save(*panel, QSize(900, 640), studio.output.filePath(QStringLiteral("article.png")));
    return save(*panel, QSize(460, 640),
                studio.output.filePath(QStringLiteral("article-narrow.png"))) &&
           ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display the shots are rendered off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: tessolin-viewshot OUTPUT_DIR [DATA_DIR [CORPUS_DIR]]\n");
        return 2;
    }
    Studio studio;
    studio.output.setPath(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(studio.output.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QString dataDir =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath();
    studio.corpusDir =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : qEnvironmentVariable("TESSOLIN_CORPUS");
    initUiResources();
    fillEntityTable();

    StyleManager styles(dataDir + QStringLiteral("/skin"));
    if (!styles.loadSkins()) {
        std::fprintf(stderr, "no usable default skin in %s/skin\n", qPrintable(dataDir));
        return 1;
    }
    CLProcessor processor;
    processor.profileDir = dataDir + QStringLiteral("/conf/profile");
    processor.catalogueFile = QStringLiteral("sites.xml");
    if (!processor.loadSiteCatalogue())
        std::fprintf(stderr, "no site catalogue in %s\n", qPrintable(processor.profileDir));
    for (const CLSiteIndexItem *entry : processor.failedEntries())
        std::fprintf(stderr, "profile not loaded: %s\n", qPrintable(entry->file));
    processor.loadLanguageResource();
    I18NManager languages(nullptr, QStringLiteral("en"));
    languages.uiLanguage = QStringLiteral("en");
    languages.processor = &processor;
    languages.refreshI18nNames();
    app.setStyleSheet(
        StyleManager::sheetFor(styles.uiSheets, languages.uiLanguage, QStringLiteral("default")));
    studio.styles = &styles;
    studio.processor = &processor;
    studio.languages = &languages;

    bool ok = shootSiteIndex(studio);
    ok = shootPageIndex(studio) && ok;
    const struct
    {
        const char *id;
        const char *url;
        const char *shot;
    } articles[] = {
        {"en-guardian", "", "article-guardian.png"},
        {"en-taipeitimes", "", "article-taipeitimes.png"},
        {"de-tagesschau", "", "article-tagesschau.png"},
        {"fr-lemonde", "", "article-lemonde.png"},
        {"ja-asahi", "", "article-asahi.png"},
        {"zh-sina", "http://chanye.finance.sina.com.cn/sm/2005-03-21/244339.shtml",
         "article-sina.png"},
    };
    for (const auto &article : articles) {
        ok = shootArticle(studio, QString::fromLatin1(article.id), QString::fromLatin1(article.url),
                          QSize(900, 700), QString::fromLatin1(article.shot)) &&
             ok;
    }
    ok = shootArticle(studio, QStringLiteral("en-guardian"), QString(), QSize(460, 700),
                      QStringLiteral("article-guardian-narrow.png")) &&
         ok;
    ok = shootMadeUpArticle(studio) && ok;
    return ok ? 0 : 1;
}
