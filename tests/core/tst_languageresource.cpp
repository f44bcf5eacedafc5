#include "coreresources.h"

#include <QDomDocument>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QtTest>

namespace {

const QStringList Locales = {QStringLiteral("en"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"),
                             QStringLiteral("es"), QStringLiteral("fr"),    QStringLiteral("ru"),
                             QStringLiteral("uk"), QStringLiteral("de"),    QStringLiteral("ja"),
                             QStringLiteral("kr"), QStringLiteral("it"),    QStringLiteral("po"),
                             QStringLiteral("ro"), QStringLiteral("pt"),    QStringLiteral("ar"),
                             QStringLiteral("iw"), QStringLiteral("tr"),    QStringLiteral("id"),
                             QStringLiteral("hi"), QStringLiteral("vi"),    QStringLiteral("fa")};

const QStringList Countries =
    QStringLiteral("ae,ar,au,bh,br,ca,cl,cn,cu,de,eg,es,fr,id,il,in,it,ir,jp,ke,kp,kr,mx,my,"
                   "ph,pl,pk,ro,ru,sa,sg,th,tr,tw,ua,gb,us,vn,za")
        .split(QLatin1Char(','));

// The code -> <i18n> element map of one group ("languages" or "countries").
QHash<QString, QDomElement> entriesOf(const QDomDocument &doc, const QString &group)
{
    QHash<QString, QDomElement> entries;
    const QDomElement groupElement = doc.documentElement().firstChildElement(group);
    for (QDomElement e = groupElement.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        entries.insert(e.attribute(QStringLiteral("code")),
                       e.firstChildElement(QStringLiteral("i18n")));
    return entries;
}

QString displayOf(const QDomElement &i18n, const QString &locale)
{
    for (QDomElement d = i18n.firstChildElement(QStringLiteral("display")); !d.isNull();
         d = d.nextSiblingElement(QStringLiteral("display"))) {
        if (d.attribute(QStringLiteral("locale")) == locale)
            return d.text();
    }
    return QString();
}

} // namespace

class TestLanguageResource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyNameInEveryLocale();
    void anchors_data();
    void anchors();

private:
    QDomDocument m_doc;
};

void TestLanguageResource::initTestCase()
{
    initCoreResources();
    QFile file(QStringLiteral(":/translation/gui.xml"));
    QVERIFY2(file.open(QIODevice::ReadOnly), "resource not compiled in");
    QVERIFY(m_doc.setContent(&file));
    QCOMPARE(m_doc.documentElement().tagName(), QStringLiteral("gui"));
}

void TestLanguageResource::everyNameInEveryLocale()
{
    struct Group
    {
        QString tag;
        QStringList codes;
    };
    const Group groups[] = {{QStringLiteral("languages"), Locales},
                            {QStringLiteral("countries"), Countries}};
    int names = 0;
    for (const Group &group : groups) {
        const QDomElement groupElement = m_doc.documentElement().firstChildElement(group.tag);
        QVERIFY2(!groupElement.isNull(), qPrintable(group.tag));
        QStringList codes;
        for (QDomElement e = groupElement.firstChildElement(); !e.isNull();
             e = e.nextSiblingElement())
            codes << e.attribute(QStringLiteral("code"));
        // A repeated code would silently replace the names of the first one.
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()).size(), codes.size());
        QCOMPARE(QSet<QString>(codes.begin(), codes.end()),
                 QSet<QString>(group.codes.begin(), group.codes.end()));

        const QHash<QString, QDomElement> entries = entriesOf(m_doc, group.tag);
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const QDomElement &i18n = it.value();
            QVERIFY2(!i18n.isNull(), qPrintable(it.key()));
            const bool chineseDefault =
                group.tag == QLatin1String("countries") &&
                (it.key() == QLatin1String("ae") || it.key() == QLatin1String("th"));
            QCOMPARE(i18n.attribute(QStringLiteral("original")),
                     chineseDefault ? QStringLiteral("zh_CN") : QStringLiteral("en"));
            QStringList locales;
            for (QDomElement d = i18n.firstChildElement(QStringLiteral("display")); !d.isNull();
                 d = d.nextSiblingElement(QStringLiteral("display"))) {
                locales << d.attribute(QStringLiteral("locale"));
                QVERIFY2(!d.text().trimmed().isEmpty(),
                         qPrintable(it.key() + QLatin1Char('/') + locales.last()));
                // A name equal to its code means the generator fell back to the raw code.
                QVERIFY2(d.text().compare(it.key(), Qt::CaseInsensitive) != 0,
                         qPrintable(it.key() + QLatin1Char('/') + locales.last()));
                ++names;
            }
            QCOMPARE(locales, Locales);
        }
    }
    QCOMPARE(names, (21 + 39) * 21);
}

void TestLanguageResource::anchors_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");

    const QString languages = QStringLiteral("languages");
    const QString countries = QStringLiteral("countries");
    QTest::newRow("kr named as Kanuri instead of Korean")
        << languages << QStringLiteral("kr") << QStringLiteral("en") << QStringLiteral("Korean");
    QTest::newRow("po named as Portuguese dialect instead of Polish")
        << languages << QStringLiteral("po") << QStringLiteral("en") << QStringLiteral("Polish");
    QTest::newRow("iw named by the withdrawn ISO code")
        << languages << QStringLiteral("iw") << QStringLiteral("en") << QStringLiteral("Hebrew");
    QTest::newRow("zh_CN named without its script")
        << languages << QStringLiteral("zh_CN") << QStringLiteral("en")
        << QStringLiteral("Simplified Chinese");
    QTest::newRow("kr display locale not Korean")
        << languages << QStringLiteral("en") << QStringLiteral("kr") << QStringLiteral("영어");
    QTest::newRow("po display locale not Polish")
        << languages << QStringLiteral("de") << QStringLiteral("po") << QStringLiteral("niemiecki");
    QTest::newRow("iw display locale not Hebrew")
        << countries << QStringLiteral("jp") << QStringLiteral("iw") << QStringLiteral("יפן");
    QTest::newRow("zh_CN display locale in traditional script")
        << languages << QStringLiteral("de") << QStringLiteral("zh_CN") << QStringLiteral("德语");
    QTest::newRow("zh_TW display locale in simplified script")
        << countries << QStringLiteral("tw") << QStringLiteral("zh_TW") << QStringLiteral("台灣");
    QTest::newRow("menu capitalisation lost")
        << languages << QStringLiteral("de") << QStringLiteral("fr") << QStringLiteral("Allemand");
    QTest::newRow("country code taken as a language code")
        << countries << QStringLiteral("de") << QStringLiteral("en") << QStringLiteral("Germany");
    QTest::newRow("country in its own language")
        << countries << QStringLiteral("jp") << QStringLiteral("ja") << QStringLiteral("日本");
    QTest::newRow("short English country name replaced")
        << countries << QStringLiteral("gb") << QStringLiteral("en") << QStringLiteral("UK");
}

void TestLanguageResource::anchors()
{
    QFETCH(QString, group);
    QFETCH(QString, code);
    QFETCH(QString, locale);
    QFETCH(QString, name);

    const QHash<QString, QDomElement> entries = entriesOf(m_doc, group);
    QVERIFY(entries.contains(code));
    QCOMPARE(displayOf(entries.value(code), locale), name);
}

QTEST_GUILESS_MAIN(TestLanguageResource)
#include "tst_languageresource.moc"
