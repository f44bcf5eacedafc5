#include "coreresources.h"
#include "uiresources.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Every compiled-in image the code names must be there and must decode: a
// missing name shows nothing at all and fails silently at run time.
namespace {

const QStringList kLanguageCodes = {u"en"_s, u"zh_CN"_s, u"zh_TW"_s, u"es"_s, u"fr"_s, u"ru"_s,
                                    u"uk"_s, u"de"_s,    u"ja"_s,    u"kr"_s, u"it"_s, u"po"_s,
                                    u"ro"_s, u"pt"_s,    u"ar"_s,    u"iw"_s, u"tr"_s, u"id"_s,
                                    u"hi"_s, u"vi"_s,    u"fa"_s};

// The resource names in the string literals of the sources below src/. A
// literal that is only the start of a name (":/FLAG_", ":/translation/ui_")
// is completed where the code completes it: the flag prefix with every
// language code; other prefixes belong to resources built elsewhere.
QStringList namesInSources(QStringList *prefixes)
{
    static const QRegularExpression literal(QStringLiteral("\":/([^\"\\\\]*)\""));
    QSet<QString> names;
    QDirIterator it(QStringLiteral(TESSOLIN_SOURCE_DIR "/src"), {u"*.cpp"_s, u"*.h"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = literal.globalMatch(text);
        while (matches.hasNext()) {
            const QString name = matches.next().captured(1);
            if (name == u"FLAG_"_s) {
                for (const QString &code : kLanguageCodes)
                    names.insert(u"FLAG_"_s + code);
            } else if (name.isEmpty() || name.endsWith(u'_') || name.endsWith(u'/') ||
                       name.contains(u'%')) {
                prefixes->append(name);
            } else {
                names.insert(name);
            }
        }
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initCoreResources();
        initUiResources();
    }

    void namedInCode_data()
    {
        QTest::addColumn<QString>("name");
        QStringList prefixes;
        const QStringList names = namesInSources(&prefixes);
        // The walk itself must find the code's names, or the test checks nothing.
        QVERIFY(names.contains(u"LOGO"_s) || names.contains(u"UPARROW"_s));
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    // Each name a literal in src/ uses exists and decodes as an image (the
    // data files of the core library are read as documents, not images).
    void namedInCode()
    {
        QFETCH(QString, name);
        const QString path = u":/"_s + name;
        QVERIFY2(QFile::exists(path), qPrintable(path + u" is not compiled in"_s));
        if (name == u"translation"_s || name.startsWith(u"translation/"_s))
            return;
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path + u": "_s + reader.errorString()));
        QVERIFY(!reader.read().isNull());
    }

    // The names the window, the dialogs and the views take from the running
    // program's data rather than from a literal of their own (flags for every
    // language a user can pick) and those the window and dialogs will name.
    void shipped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("minimumSize");
        QTest::addColumn<bool>("animated");
        const QStringList icons = {u"MIN"_s,
                                   u"MAX"_s,
                                   u"CLOSE"_s,
                                   u"PRINT"_s,
                                   u"PDF"_s,
                                   u"MESSAGE"_s,
                                   u"HELP"_s,
                                   u"ABOUT"_s,
                                   u"UPGRADE"_s,
                                   u"USE"_s,
                                   u"ORIGINALCONTENT"_s,
                                   u"SITEMAP"_s,
                                   u"PAGEMAP"_s,
                                   u"SITESELECTION"_s,
                                   u"CONTENTSELECTION"_s,
                                   u"CONTENTCONFIG"_s,
                                   u"LANGUAGECONFIG"_s,
                                   u"PREFERENCECONFIG"_s,
                                   u"KEYWORD"_s,
                                   u"NETWORKING"_s,
                                   u"WAIT"_s,
                                   u"OK"_s,
                                   u"ERROR"_s,
                                   u"WARNING"_s,
                                   u"IDEA"_s};
        for (const QString &name : icons)
            QTest::newRow(qPrintable(name)) << name << QSize(32, 32) << false;
        for (const QString &code : kLanguageCodes)
            QTest::newRow(qPrintable(u"FLAG_"_s + code))
                << u"FLAG_"_s + code << QSize(16, 12) << false;
        // The title bar is 40 pixels high; the window icon is also the
        // desktop icon's source.
        QTest::newRow("LOGO") << u"LOGO"_s << QSize(64, 64) << false;
        QTest::newRow("LOGOTEXT") << u"LOGOTEXT"_s << QSize(100, 40) << false;
        // Played scaled to 64 x 64 while the network is busy.
        QTest::newRow("NETREADING") << u"NETREADING"_s << QSize(64, 64) << true;
        QTest::newRow("UPARROW") << u"UPARROW"_s << QSize(20, 20) << true;
        QTest::newRow("DOWNARROW") << u"DOWNARROW"_s << QSize(20, 20) << true;
        QTest::newRow("LEFTARROW") << u"LEFTARROW"_s << QSize(25, 25) << true;
        QTest::newRow("RIGHTARROW") << u"RIGHTARROW"_s << QSize(25, 25) << true;
    }

    void shipped()
    {
        QFETCH(QString, name);
        QFETCH(QSize, minimumSize);
        QFETCH(bool, animated);
        const QString path = u":/"_s + name;
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + u": "_s + reader.errorString()));
        QVERIFY2(image.width() >= minimumSize.width() && image.height() >= minimumSize.height(),
                 qPrintable(path + u" is too small"_s));
        // An icon that is fully transparent or one flat colour renders as nothing.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height() && colours.size() < 2; y += 2)
            for (int x = 0; x < image.width() && colours.size() < 2; x += 2)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() >= 2, qPrintable(path + u" shows nothing"_s));
        if (animated) {
            QMovie movie(path);
            QVERIFY(movie.isValid());
            QVERIFY2(movie.frameCount() > 1, qPrintable(path + u" does not move"_s));
        }
        // Still icons are what QIcon takes for buttons, menus and lists.
        QVERIFY(!QIcon(path).pixmap(16, 16).isNull());
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
