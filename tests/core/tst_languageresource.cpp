#include "coreresources.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList Locales =
    u"en zh_CN zh_TW es fr ru uk de ja kr it po ro pt ar iw tr id hi vi fa"_s.split(u' ');
const QStringList Countries = u"ae ar au bh br ca cl cn cu de eg es fr id il in it ir jp ke kp kr "
                              "lb mx my ph pl pk ro ru sa sg th tr tw ua gb us vn za"_s.split(u' ');

} // namespace

class TestLanguageResource : public QObject
{
    Q_OBJECT

    QHash<QString, QString> m_names; // "GROUP/CODE/LOCALE" -> name

private slots:
    void initTestCase()
    {
        initCoreResources();
        QFile file(u":/translation/gui.xml"_s);
        QDomDocument doc;
        QVERIFY2(file.open(QIODevice::ReadOnly) && doc.setContent(&file),
                 "resource not compiled in");
        for (const QString &group : {u"languages"_s, u"countries"_s})
            for (QDomElement e = doc.documentElement().firstChildElement(group).firstChildElement();
                 !e.isNull(); e = e.nextSiblingElement())
                for (QDomElement d = e.firstChildElement(u"i18n"_s).firstChildElement();
                     !d.isNull(); d = d.nextSiblingElement())
                    m_names.insert(group + u'/' + e.attribute(u"code"_s) + u'/' +
                                       d.attribute(u"locale"_s),
                                   d.text());
    }

    void everyNameInEveryLocale()
    {
        // A repeated code or locale would silently replace names, so the count catches it too.
        QCOMPARE(m_names.size(), (21 + 40) * 21);
        for (const QString &group : {u"languages"_s, u"countries"_s})
            for (const QString &code : group == u"languages"_s ? Locales : Countries)
                for (const QString &locale : Locales) {
                    const QString key = group + u'/' + code + u'/' + locale;
                    const QString name = m_names.value(key);
                    // A name equal to its code means the generator fell back to the raw code.
                    QVERIFY2(!name.trimmed().isEmpty() &&
                                 name.compare(code, Qt::CaseInsensitive) != 0,
                             qPrintable(key));
                }
    }

    // A site whose country has no name shows an empty place in the site index.
    void shippedSitesHaveCountryNames()
    {
        const QDir profiles(QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile"));
        const QRegularExpression country(u"<site [^>]*\\bcountry=\"([^\"]*)\""_s);
        int sites = 0;
        for (const QString &name : profiles.entryList({u"*.xml"_s}, QDir::Files)) {
            QFile file(profiles.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QRegularExpressionMatch match = country.match(QString::fromUtf8(file.readAll()));
            if (!match.hasMatch())
                continue;
            ++sites;
            const QString key = u"countries/"_s + match.captured(1) + u"/en"_s;
            QVERIFY2(m_names.contains(key), qPrintable(name + u": "_s + key));
        }
        QVERIFY(sites > 10);
    }

    void anchors_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");

        const auto row = [](const char *name, const char *key, const QString &text) {
            QTest::newRow(name) << QString(key) << text;
        };
        row("kr named as Kanuri instead of Korean", "languages/kr/en", u"Korean"_s);
        row("po named as a dialect instead of Polish", "languages/po/en", u"Polish"_s);
        row("iw named by the withdrawn ISO code", "languages/iw/en", u"Hebrew"_s);
        row("kr display locale not Korean", "languages/en/kr", u"영어"_s);
        row("iw display locale not Hebrew", "countries/jp/iw", u"יפן"_s);
        row("zh_CN display locale in traditional script", "languages/de/zh_CN", u"德语"_s);
        row("zh_TW display locale in simplified script", "countries/tw/zh_TW", u"台灣"_s);
        row("menu capitalisation lost", "languages/de/fr", u"Allemand"_s);
        row("short English country name replaced", "countries/gb/en", u"UK"_s);
        row("Lebanon (a shipped site's country) unnamed", "countries/lb/ar", u"لبنان"_s);
    }
    void anchors()
    {
        QFETCH(QString, key);
        QTEST(m_names.value(key), "name");
    }
};

QTEST_GUILESS_MAIN(TestLanguageResource)
#include "tst_languageresource.moc"
