#include "clconstants.h"
#include "servicekit.h"
#include "testkit.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

QStringList programLanguages()
{
    return QStringLiteral(TS_SUPPORTED_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString tsPath(const QString &code)
{
    return QStringLiteral(TESSOLIN_SOURCE_DIR "/resources/translations/ui_%1.ts").arg(code);
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // lupdate is run over the sources into a copy of each catalogue: a text
    // added to the code without a translation shows up as unfinished.
    void everySourceTextIsTranslated_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : programLanguages())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everySourceTextIsTranslated()
    {
        QFETCH(QString, code);
        QVERIFY2(QFile::exists(tsPath(code)), qPrintable(tsPath(code)));
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("ui_%1.ts").arg(code));
        QVERIFY(QFile::copy(tsPath(code), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        const QString output = servicekit::run(QStringLiteral(TESSOLIN_LUPDATE),
            {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
             QStringLiteral(TESSOLIN_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        QVERIFY2(!output.startsWith(QLatin1String("failed: ")), qPrintable(output));
        QDomDocument document;
        QVERIFY(document.setContent(testkit::readAll(copy)));
        QStringList missing;
        int messages = 0;
        const QDomNodeList list = document.elementsByTagName(QStringLiteral("message"));
        for (int i = 0; i < list.size(); ++i) {
            const QDomElement message = list.at(i).toElement();
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            const QString type = translation.attribute(QStringLiteral("type"));
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            ++messages;
            const QString context =
                message.parentNode().firstChildElement(QStringLiteral("name")).text();
            const QString source = message.firstChildElement(QStringLiteral("source")).text();
            if (type == QLatin1String("unfinished") || translation.text().trimmed().isEmpty())
                missing << context + QStringLiteral(": ") + source;
        }
        QVERIFY(messages > 100);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    // Misspelt source texts are the keys of the catalogues; every language,
    // English included, shows the correct name.
    void misspeltSourcesShowCorrectNames_data() { everySourceTextIsTranslated_data(); }
    void misspeltSourcesShowCorrectNames()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("ui_") + code, QStringLiteral(":/translation")));
        const char *const misspelt[] = {"Frence", "Isreal", "Mixco", "Ruassia", "Tailand"};
        for (const char *source : misspelt) {
            const QString shown = translator.translate("I18NManager", source);
            QVERIFY2(!shown.isEmpty() && shown != QLatin1String(source),
                     qPrintable(code + QStringLiteral(": ") + QLatin1String(source)));
        }
        if (code == QLatin1String("en")) {
            QCOMPARE(translator.translate("I18NManager", "Frence"), QStringLiteral("France"));
            QCOMPARE(translator.translate("MainWindow", "Netowrk Operation Canceled"),
                     QStringLiteral("Network Operation Canceled"));
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
