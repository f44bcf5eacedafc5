#include "clconstants.h"
#include "servicekit.h"
#include "testkit.h"

#include <QDomDocument>
#include <QTranslator>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everySourceTextIsTranslated_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code :
             QStringLiteral(TS_SUPPORTED_LANGUAGES).split(u',', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(code)) << code;
    }
    // lupdate is run over the sources into a copy of each catalogue: a text
    // added to the code without a translation shows up as unfinished.
    void everySourceTextIsTranslated()
    {
        QFETCH(QString, code);
        QTemporaryDir dir;
        const QString copy = dir.filePath(u"ui_"_s + code + u".ts"_s);
        QVERIFY(QFile::copy(
            TESSOLIN_SOURCE_DIR "/resources/translations/"_L1 + QFileInfo(copy).fileName(), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const QString output =
            servicekit::run(QStringLiteral(TESSOLIN_LUPDATE),
                            {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s,
                             TESSOLIN_SOURCE_DIR "/src"_L1, u"-ts"_s, copy});
        QVERIFY2(!output.startsWith(u"failed: "_s), qPrintable(output));
        QDomDocument document;
        QVERIFY(document.setContent(testkit::readAll(copy)));
        QStringList missing;
        const QDomNodeList messages = document.elementsByTagName(u"message"_s);
        for (int i = 0; i < messages.size(); ++i) {
            const QDomElement message = messages.at(i).toElement();
            const QDomElement translation = message.firstChildElement(u"translation"_s);
            if (translation.attribute(u"type"_s) == u"unfinished"_s ||
                translation.text().trimmed().isEmpty())
                missing << message.parentNode().firstChildElement(u"name"_s).text() + u": "_s +
                               message.firstChildElement(u"source"_s).text();
        }
        QVERIFY(messages.size() > 100);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // Misspelt source texts are the keys of the catalogues; every language,
    // English included, shows the correct name.
    void misspeltSourcesShowCorrectNames_data() { everySourceTextIsTranslated_data(); }
    void misspeltSourcesShowCorrectNames()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(u"ui_"_s + code, u":/translation"_s));
        for (const char *source : {"Frence", "Isreal", "Mixco", "Ruassia", "Tailand"}) {
            const QString shown = translator.translate("I18NManager", source);
            QVERIFY2(!shown.isEmpty() && shown != QLatin1String(source), source);
        }
        if (code == u"en"_s) {
            QCOMPARE(translator.translate("I18NManager", "Frence"), u"France"_s);
            QCOMPARE(translator.translate("MainWindow", "Netowrk Operation Canceled"),
                     u"Network Operation Canceled"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
