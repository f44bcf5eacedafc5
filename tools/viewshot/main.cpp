// tessolin-viewshot OUTPUT_DIR
// Shows a made-up article with three images in the article view and saves
// screenshots of it at a wide and a narrow width.

#include "contentscrollview.h"
#include "uiresources.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QTextDocument>

#include <cstdio>

namespace {

// What a skin's article sheet typically sets for the view's element IDs; the
// side margins keep the text clear of the arrows at the view's edges.
const char *const ArticleSheet = R"(
#headline { margin-left: 24px; margin-right: 24px; margin-bottom: 6px; }
#title { font-size: 20pt; font-weight: bold; color: #1b2a3a; margin-bottom: 4px; }
#source { font-size: 9pt; font-weight: bold; color: #a0302a; }
#datetime { font-size: 9pt; color: #707880; }
#images { font-size: 8pt; color: #505860; }
#text { font-size: 11pt; color: #202428; margin-left: 24px; margin-right: 24px; }
#text p { margin-top: 0px; margin-bottom: 9px; }
)";

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

const char *const ArticleText =
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

bool save(ContentScrollView &view, const QSize &size, const QString &path)
{
    view.resize(size);
    QApplication::processEvents();
    if (!view.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display the shots are rendered off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessolin-viewshot OUTPUT_DIR\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    initUiResources();

    ContentScrollView view;
    view.setObjectName(QStringLiteral("ContentView"));
    view.document()->setDefaultStyleSheet(QString::fromUtf8(ArticleSheet));
    view.resize(900, 640);
    view.show();

    const QStringList urls = {QStringLiteral("http://news.example/img/pier.jpg"),
                              QStringLiteral("http://news.example/img/crane.jpg"),
                              QStringLiteral("http://news.example/img/logo.png")};
    view.setImages(urls, {QStringLiteral("The new northern pier"),
                          QStringLiteral("A crane on the last day of works"),
                          QStringLiteral("Harbour authority")});
    const QString previous = QStringLiteral("http://news.example/harbour?page=1");
    const QString next = QStringLiteral("http://news.example/harbour?page=3");
    view.showArticle(QStringLiteral("New pier opens two months early"),
                     QStringLiteral("Coastal Daily"), QStringLiteral("2024-05-13 09:41"),
                     QString::fromUtf8(ArticleText), &previous, &next);
    view.imageDataLoaded(urls.at(0),
                         pictureBytes(600, 300, QColor(70, 130, 200), QColor(30, 80, 120),
                                      QStringLiteral("600 x 300")));
    view.imageDataLoaded(urls.at(1),
                         pictureBytes(300, 400, QColor(240, 160, 90), QColor(120, 60, 60),
                                      QStringLiteral("300 x 400")));
    view.imageDataLoaded(urls.at(2), pictureBytes(100, 80, QColor(60, 160, 110), QColor(20, 90, 60),
                                                  QStringLiteral("100 x 80")));

    bool ok = save(view, QSize(900, 640), output.filePath(QStringLiteral("article.png")));
    ok = save(view, QSize(460, 640), output.filePath(QStringLiteral("article-narrow.png"))) && ok;
    return ok ? 0 : 1;
}
