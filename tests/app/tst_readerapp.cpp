// The application object's own rules: which interface language a system
// locale starts in, the report of profiles that failed to load, and a missing
// interface translation.

#include "clprocessor.h"
#include "i18nmanager.h"
#include "readerapp.h"
#include "testkit.h"

#include <QMessageBox>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestReaderApp : public QObject
{
    Q_OBJECT

public:
    explicit TestReaderApp(ReaderApp *app) : m_app(app) {}

private slots:
    void initTestCase()
    {
        m_app->quietMessages = true;
        m_app->messageBox = new QMessageBox;
        m_app->processor = new CLProcessor(m_app);
    }

    // A locale the program has no interface for starts in English rather
    // than reporting a missing translation at every start.
    void programLanguageFor()
    {
        const QString expected = u"C=en POSIX=en nl_NL=en =en de_DE=de pt_BR=pt ko_KR=kr pl_PL=po "
                                 "he_IL=iw zh_CN=zh_CN zh=zh_CN zh_TW=zh_TW zh_HK=zh_TW "
                                 "zh-Hant-MO=zh_TW"_s;
        QStringList found;
        for (const QString &pair : expected.split(u' ')) {
            const QString locale = pair.section(u'=', 0, 0);
            found.append(locale + u'=' + ReaderApp::programLanguageFor(locale));
        }
        QCOMPARE(found.join(u' '), expected);
    }

    // Three profiles that fail: the report names each file, one a line, after
    // the header and before a time stamp; the box counts them.
    void failedProfilesAreReported()
    {
        QTemporaryDir dir;
        CLProcessor *processor = m_app->processor;
        processor->profileDir = dir.path();
        processor->catalogueFile = u"sites.xml"_s;
        QVERIFY(testkit::writeAll(
            dir.filePath(u"sites.xml"_s),
            "<sites><site id='(s)GI.missing' version='1.0' file='missing.xml'/><site id='(s)GI."
            "broken' version='1.0' file='broken.xml'/><site id='(s)GI.other' version='1.0' "
            "file='other.xml'/></sites>"));
        QVERIFY(testkit::writeAll(dir.filePath(u"broken.xml"_s), "<site id="));
        QVERIFY(testkit::writeAll(dir.filePath(u"other.xml"_s), "<nothing/>"));
        m_app->shownCodes.clear();
        m_app->shownTexts.clear();
        m_app->refreshProcessor(true, false);

        QCOMPARE(m_app->shownTexts.value(m_app->shownCodes.indexOf(2009)),
                 u"3 profiles were failed for loading"_s);
        const QStringList lines =
            QString::fromUtf8(testkit::readAll(dir.filePath(u"profile_error.log"_s))).split(u'\n');
        QCOMPARE(lines.mid(0, 4).join(u'|'),
                 u"Profiles failed to be loaded:|missing.xml|broken.xml|other.xml"_s);
        QVERIFY(QDateTime::fromString(lines.value(4), u"yyyy-MM-dd hh:mm:ss"_s).isValid());
        QCOMPARE(lines.value(5), QString());
    }

    // No translation for the interface language: 2008 once, and the windows
    // still hear that the translation was (re)loaded.
    void missingTranslationIsReportedOnce()
    {
        I18NManager languages(nullptr, u"en_GB"_s);
        languages.uiLanguage = u"xx"_s;
        m_app->i18nManager = &languages;
        m_app->shownCodes.clear();
        QSignalSpy updated(m_app, &ReaderApp::translationResourceUpdated);
        m_app->refreshTranslationResource();
        QCOMPARE(m_app->shownCodes, QList<int>{2008});
        QCOMPARE(updated.size(), 1);
        languages.uiLanguage = u"de"_s;
        m_app->shownCodes.clear();
        m_app->refreshTranslationResource();
        QVERIFY(m_app->shownCodes.isEmpty());
        QCOMPARE(updated.size(), 2);
        m_app->i18nManager = nullptr;
    }

private:
    ReaderApp *m_app;
};

int main(int argc, char *argv[])
{
    ReaderApp app(argc, argv);
    TestReaderApp test(&app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_readerapp.moc"
