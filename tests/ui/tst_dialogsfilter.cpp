#include "clfiltersettings.h"
#include "dialogfixture.h"
#include "filterconfigbox.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

using Action = std::function<void(FilterConfigBox &)>;
Q_DECLARE_METATYPE(Action)

namespace {

const char *const FilterFile = R"(<filters>
 <sites><site id="news.beta"/><site id="news.failed"/><site id="tr.gamma"/></sites>
 <topics><topic full_id="news.alpha.world"/><topic full_id="news.gone.x"/></topics>
 <keywordsets>
  <keywordset id="(k)pre.1" name="Sports" type="predefined" version="3" filter_subject="true" filter_text="false" keyword_file="pre_sports.xml"/>
  <keywordset id="(k)cust.1" name="mine" type="customed" version="N/A" filter_subject="false" filter_text="false" keyword_file="ks_cust_1.xml"/>
 </keywordsets>
</filters>
)";
const char *const SportsFile =
    "<keywordset><keyword>goal</keyword><keyword>match</keyword></keywordset>";
const char *const MineFile =
    "<keywordset><keyword><![CDATA[tax]]></keyword><keyword>vote</keyword></keywordset>";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

/// The serialiser orders attributes by hash: compare them sorted, per line.
QByteArray sortedAttributes(const QByteArray &xml)
{
    static const QRegularExpression tag(R"(^(\s*<[\w!]+)((?: [\w]+="[^"]*")*)(/?>.*)$)");
    static const QRegularExpression attribute(R"( [\w]+="[^"]*")");
    QStringList lines = QString::fromUtf8(xml).split('\n');
    for (QString &line : lines) {
        const QRegularExpressionMatch match = tag.match(line);
        if (!match.hasMatch())
            continue;
        QStringList attributes;
        for (const auto &found : attribute.globalMatch(match.captured(2)))
            attributes << found.captured(0);
        attributes.sort();
        line = match.captured(1) + attributes.join(QString()) + match.captured(3);
    }
    return lines.join('\n').toUtf8();
}

QString sorted(const QSet<QString> &values, const QString &separator)
{
    QStringList list(values.begin(), values.end());
    list.sort();
    return list.join(separator);
}

int rowOf(const QTableWidget *table, int column, const QString &text)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, column) && table->item(row, column)->text() == text)
            return row;
    }
    return -1;
}

void setRowCheck(QTableWidget *table, int column, const QString &text, Qt::CheckState state)
{
    const int row = rowOf(table, column, text);
    QVERIFY2(row >= 0, qPrintable(text));
    table->item(row, 0)->setCheckState(state);
}

void typeSetName(FilterConfigBox &box, const QString &name)
{
    box.customSetBox->setCurrentIndex(0);
    QVERIFY(box.customSetBox->isEditable());
    box.customSetBox->lineEdit()->clear();
    QTest::keyClicks(box.customSetBox->lineEdit(), name);
}

void addSet(FilterConfigBox &box, const QString &name, const QString &words)
{
    typeSetName(box, name);
    box.keywordEditor->setPlainText(words);
    QVERIFY2(box.addButton->isEnabled(), qPrintable(name));
    box.addButton->click();
}

void selectSet(FilterConfigBox &box, const QString &name)
{
    const int index = box.customSetBox->findText(name);
    QVERIFY2(index > 0, qPrintable(name));
    box.customSetBox->setCurrentIndex(index);
}

/// The reloaded filters, one line per part.
QString summary(const CLProcessor &processor)
{
    const CLFilterSettings *settings = processor.filterSettings;
    if (!settings)
        return QStringLiteral("<none>");
    QStringList sets;
    for (const CLKeywordSet *set : settings->keywordSets) {
        sets << QStringLiteral("%1|%2|%3|%4|%5|%6")
                    .arg(set->id, set->name)
                    .arg(set->type)
                    .arg(int(set->filterSubject))
                    .arg(set->keywordFile,
                         set->keywords ? sorted(*set->keywords, " ") : QStringLiteral("<null>"));
    }
    return QStringLiteral("sites %1\ntopics %2\nsets %3")
        .arg(sorted(settings->hiddenSites, ","), sorted(settings->disabledTopics, ","),
             sets.join(';'));
}

struct Setup
{
    QTemporaryDir dir;
    CLProcessor processor;
    I18NManager i18n{nullptr, QStringLiteral("en_US")};
    QStringList messages;

    Setup()
    {
        fixture::fillCatalogue(processor);
        processor.filterDir = dir.filePath("filter");
        processor.filterFile = QStringLiteral("filters.xml");
        i18n.refreshI18nNames();
    }
    void writeFilters()
    {
        QDir().mkpath(processor.filterDir);
        writeFile(path("filters.xml"), FilterFile);
        writeFile(path("pre_sports.xml"), SportsFile);
        writeFile(path("ks_cust_1.xml"), MineFile);
    }
    QString path(const QString &name) const { return processor.filterDir + '/' + name; }
    void prepare(FilterConfigBox &box)
    {
        box.processor = &processor;
        box.i18n = &i18n;
        box.showMessage = [this](const QString &text) { messages << text; };
        box.show();
    }
};

const QString Unchanged = "sites news.beta,news.failed,tr.gamma\n"
                          "topics news.alpha.world,news.gone.x\n"
                          "sets (k)pre.1|Sports|1|1|pre_sports.xml|goal match;"
                          "(k)cust.1|mine|2|0|ks_cust_1.xml|tax vote";

} // namespace

class TestDialogsFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::isolateSettings(); }

    void siteRows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("rows");
        const QString beta = "news.beta|Beta|French|Frence|0";
        QTest::newRow("English interface")
            << "en" << QStringList{"news.alpha|Alpha News|English|USA|1", beta};
        QTest::newRow("German interface names the site in German")
            << "de" << QStringList{"news.alpha|Alpha Nachrichten|English|USA|1", beta};
        QTest::newRow("a language without a name falls back to the original")
            << "ja" << QStringList{"news.alpha|Alpha News|English|USA|1", beta};
    }

    void siteRows()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, rows);
        Setup setup;
        setup.writeFilters();
        QVERIFY(setup.processor.loadFilterFiles());
        setup.i18n.uiLanguage = language;
        FilterConfigBox box;
        setup.prepare(box);
        // Other categories and profiles that did not load have no row.
        QStringList shown;
        for (int row = 0; row < box.siteTable->rowCount(); ++row) {
            QTableWidgetItem *check = box.siteTable->item(row, 0);
            QCOMPARE(box.siteTable->item(row, 1)->text(), "General News");
            QVERIFY(!(box.siteTable->item(row, 2)->flags() & Qt::ItemIsEditable));
            shown << QStringList{check->data(Qt::UserRole).toString(),
                                 box.siteTable->item(row, 2)->text(),
                                 box.siteTable->item(row, 3)->text(),
                                 box.siteTable->item(row, 4)->text(),
                                 QString::number(check->checkState() == Qt::Checked)}
                         .join('|');
        }
        QCOMPARE(shown, rows);
        QCOMPARE(box.siteList->count(), 2);
        QCOMPARE(box.siteAllBox->checkState(), Qt::PartiallyChecked);
        // The first site's index topics are shown; the article topic is not.
        QCOMPARE(box.topicTable->rowCount(), 3);
        QCOMPARE(box.topicTable->item(2, 1)->text(), "World");
        QCOMPARE(box.topicTable->item(2, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(box.topicAllBox->checkState(), Qt::PartiallyChecked);
    }

    void accept_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("expected");

        const auto replaced = [](QString text, const QString &from, const QString &to) {
            return text.replace(from, to);
        };
        const QString mine = "(k)cust.1|mine|2|0|ks_cust_1.xml|tax vote";

        QTest::newRow("unchanged: hidden ids without a row survive")
            << Action([](FilterConfigBox &) {}) << true << Unchanged;
        QTest::newRow("cancel writes nothing") << Action([](FilterConfigBox &box) {
            box.siteAllBox->setCheckState(Qt::Unchecked);
            addSet(box, "zeta", "z");
        }) << false << Unchanged;
        QTest::newRow("unchecking every site hides the whole category")
            << Action([](FilterConfigBox &box) { box.siteAllBox->setCheckState(Qt::Unchecked); })
            << true << replaced(Unchanged, "sites news.beta", "sites news.alpha,news.beta");
        QTest::newRow("a click on the all-rows box shows every site")
            << Action([](FilterConfigBox &box) { box.siteAllBox->click(); }) << true
            << replaced(Unchanged, "sites news.beta,", "sites ");
        QTest::newRow("checking a hidden site shows it") << Action([](FilterConfigBox &box) {
            setRowCheck(box.siteTable, 2, "Beta", Qt::Checked);
            QCOMPARE(box.siteAllBox->checkState(), Qt::Checked);
        }) << true << replaced(Unchanged, "sites news.beta,", "sites ");
        QTest::newRow("an unchecked topic is disabled") << Action([](FilterConfigBox &box) {
            setRowCheck(box.topicTable, 1, "Headlines", Qt::Unchecked);
        }) << true << replaced(Unchanged, "topics ", "topics news.alpha.head,");
        QTest::newRow("all topics on enables every shown topic")
            << Action([](FilterConfigBox &box) { box.topicAllBox->setCheckState(Qt::Checked); })
            << true << replaced(Unchanged, "news.alpha.world,", "");
        QTest::newRow("all topics off disables every shown topic")
            << Action([](FilterConfigBox &box) { box.topicAllBox->setCheckState(Qt::Unchecked); })
            << true
            << replaced(Unchanged, "topics ", "topics news.alpha.head,news.alpha.head.more,");
        QTest::newRow("topic choices of another site are kept") << Action([](FilterConfigBox &box) {
            box.siteList->setCurrentRow(1);
            setRowCheck(box.topicTable, 1, "A la une", Qt::Unchecked);
            box.siteList->setCurrentRow(0);
            QCOMPARE(box.topicTable->rowCount(), 3);
        }) << true << replaced(Unchanged, "news.alpha.world,", "news.alpha.world,news.beta.une,");
        QTest::newRow("two spaces between words give two keywords")
            << Action([](FilterConfigBox &box) { addSet(box, "zeta", "alpha  beta"); }) << true
            << Unchanged + ";(k)cust.2|zeta|2|0|ks_cust_2.xml|alpha beta";
        QTest::newRow("tabs and line breaks separate keywords")
            << Action([](FilterConfigBox &box) { addSet(box, "zeta", "one\ttwo\n\nthree "); })
            << true << Unchanged + ";(k)cust.2|zeta|2|0|ks_cust_2.xml|one three two";
        QTest::newRow("a CDATA end inside a keyword survives")
            << Action([](FilterConfigBox &box) { addSet(box, "zeta", "a]]>b x]]>]]>y ]]"); })
            << true << Unchanged + ";(k)cust.2|zeta|2|0|ks_cust_2.xml|]] a]]>b x]]>]]>y";
        QTest::newRow("markup in names and keywords is kept as text")
            << Action([](FilterConfigBox &box) { addSet(box, "<b>&\"", "<i> &amp; \"q\""); })
            << true
            << replaced(Unchanged, mine,
                        "(k)cust.1|<b>&\"|2|0|ks_cust_1.xml|\"q\" &amp; <i>;"
                        "(k)cust.2|mine|2|0|ks_cust_2.xml|tax vote");
        QTest::newRow("custom sets are numbered in name order")
            << Action([](FilterConfigBox &box) {
                   addSet(box, "b", "bee");
                   addSet(box, "a", "ay");
               })
            << true
            << replaced(Unchanged, mine,
                        "(k)cust.1|a|2|0|ks_cust_1.xml|ay;(k)cust.2|b|2|0|ks_cust_2.xml|bee;"
                        "(k)cust.3|mine|2|0|ks_cust_3.xml|tax vote");
        QTest::newRow("removing a set renumbers the others from 1")
            << Action([](FilterConfigBox &box) {
                   addSet(box, "zeta", "zz");
                   selectSet(box, "mine");
                   QVERIFY(box.removeButton->isEnabled());
                   box.removeButton->click();
                   QCOMPARE(box.customSetBox->currentIndex(), 0);
                   QCOMPARE(rowOf(box.keywordSetTable, 2, "mine"), -1);
               })
            << true << replaced(Unchanged, mine, "(k)cust.1|zeta|2|0|ks_cust_1.xml|zz");
        QTest::newRow("a padded name is trimmed")
            << Action([](FilterConfigBox &box) { addSet(box, "  zeta ", "z"); }) << true
            << Unchanged + ";(k)cust.2|zeta|2|0|ks_cust_2.xml|z";
        QTest::newRow("checks of predefined and custom sets are written")
            << Action([](FilterConfigBox &box) {
                   setRowCheck(box.keywordSetTable, 2, "Sports", Qt::Unchecked);
                   setRowCheck(box.keywordSetTable, 2, "mine", Qt::Checked);
                   QCOMPARE(box.keywordSetAllBox->checkState(), Qt::PartiallyChecked);
               })
            << true
            << replaced(replaced(Unchanged, "Sports|1|1", "Sports|1|0"), "mine|2|0", "mine|2|1");
        QTest::newRow("apply replaces the keywords of the selected set")
            << Action([](FilterConfigBox &box) {
                   selectSet(box, "mine");
                   QCOMPARE(box.keywordEditor->toPlainText(), "tax vote");
                   QVERIFY(!box.applyButton->isEnabled());
                   box.keywordEditor->setPlainText("levy ballot");
                   QVERIFY(box.applyButton->isEnabled());
                   box.applyButton->click();
               })
            << true << replaced(Unchanged, "tax vote", "ballot levy");
        QTest::newRow("an edit that is not applied is not saved")
            << Action([](FilterConfigBox &box) {
                   selectSet(box, "mine");
                   box.keywordEditor->setPlainText("levy");
               })
            << true << Unchanged;
    }

    void accept()
    {
        QFETCH(Action, action);
        QFETCH(bool, save);
        QFETCH(QString, expected);
        Setup setup;
        setup.writeFilters();
        QVERIFY(setup.processor.loadFilterFiles());
        FilterConfigBox box;
        setup.prepare(box);
        action(box);
        if (QTest::currentTestFailed())
            return;
        QSignalSpy reloaded(&setup.processor, &CLProcessor::filterReloaded);
        if (save)
            box.saveButton()->click();
        else
            box.cancelButton()->click();
        QCOMPARE(box.isVisible(), false);
        QCOMPARE(box.result(), save ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(setup.messages, QStringList());
        QCOMPARE(reloaded.size(), save ? 1 : 0);
        if (!save)
            QCOMPARE(readFile(setup.path("filters.xml")), QByteArray(FilterFile));
        // What the reader loads from the written files.
        QVERIFY(setup.processor.loadFilterFiles());
        QCOMPARE(summary(setup.processor), expected);

        // Showing the dialog again shows what was saved.
        box.show();
        QCOMPARE(box.customSets.size(), expected.count("|2|"));
    }

    void loadedCustomSets_data()
    {
        QTest::addColumn<QByteArray>("sets");
        QTest::addColumn<QString>("expected");
        const QByteArray padded =
            R"(<keywordset name=" mine " type="customed" keyword_file="ks_cust_1.xml"/>)";
        QTest::newRow("a padded name is one set that can be removed") << padded << "";
        QTest::newRow("a name that comes twice keeps the words of both")
            << padded +
                   R"(<keywordset name="mine" type="customed" filter_subject="true" keyword_file="other.xml"/>)"
            << "(k)cust.1|mine|2|0|ks_cust_1.xml|levy tax vote";
    }

    void loadedCustomSets()
    {
        QFETCH(QByteArray, sets);
        QFETCH(QString, expected);
        Setup setup;
        setup.writeFilters();
        writeFile(setup.path("filters.xml"),
                  "<filters><keywordsets>" + sets + "</keywordsets></filters>");
        writeFile(setup.path("other.xml"),
                  "<keywordset><keyword>levy</keyword><keyword>tax</keyword></keywordset>");
        QVERIFY(setup.processor.loadFilterFiles());
        FilterConfigBox box;
        setup.prepare(box);
        QCOMPARE(box.keywordSetTable->rowCount(), 1);
        QCOMPARE(box.customSetBox->count(), 2);
        selectSet(box, "mine");
        if (expected.isEmpty()) {
            QCOMPARE(box.keywordEditor->toPlainText(), "tax vote");
            box.removeButton->click();
        }
        box.saveButton()->click();
        QCOMPARE(box.result(), QDialog::Accepted);
        QCOMPARE(summary(setup.processor), "sites \ntopics \nsets " + expected);
    }

    void writtenLayout()
    {
        // The files as the reader's tools and older versions expect them.
        const QByteArray keywords = FilterConfigBox::keywordFileText(2, "a&b", "x  y]]>z");
        QCOMPARE(sortedAttributes(keywords),
                 QByteArray("<!DOCTYPE ks_cust_2.xml>\n"
                            "<keywordset author=\"local user\" id=\"(k)cust.2\" "
                            "name=\"a&amp;b\" version=\"N/A\">\n"
                            " <keyword><![CDATA[x]]></keyword>\n"
                            " <keyword><![CDATA[y]]]]><![CDATA[>z]]></keyword>\n"
                            "</keywordset>\n"));
        Setup setup;
        setup.writeFilters();
        QVERIFY(setup.processor.loadFilterFiles());
        FilterConfigBox box;
        setup.prepare(box);
        box.saveButton()->click();
        QCOMPARE(sortedAttributes(readFile(setup.path("filters.xml"))),
                 QByteArray("<filters>\n"
                            " <sites>\n"
                            "  <site id=\"news.beta\"/>\n"
                            "  <site id=\"news.failed\"/>\n"
                            "  <site id=\"tr.gamma\"/>\n"
                            " </sites>\n"
                            " <topics>\n"
                            "  <topic full_id=\"news.alpha.world\"/>\n"
                            "  <topic full_id=\"news.gone.x\"/>\n"
                            " </topics>\n"
                            " <keywordsets>\n"
                            "  <keywordset filter_subject=\"true\" filter_text=\"false\" "
                            "id=\"(k)pre.1\" keyword_file=\"pre_sports.xml\" name=\"Sports\" "
                            "type=\"predefined\" version=\"3\"/>\n"
                            "  <keywordset filter_subject=\"false\" filter_text=\"false\" "
                            "id=\"(k)cust.1\" keyword_file=\"ks_cust_1.xml\" name=\"mine\" "
                            "type=\"customed\" version=\"N/A\"/>\n"
                            " </keywordsets>\n"
                            "</filters>\n"));
    }

    void customNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("addable");
        QTest::newRow("new name") << "zeta" << true;
        QTest::newRow("padded new name") << "  zeta " << true;
        QTest::newRow("existing custom set") << "mine" << false;
        QTest::newRow("padded existing custom set") << " mine  " << false;
        QTest::newRow("name of a predefined set") << "Sports" << false;
        QTest::newRow("padded name of a predefined set") << " Sports " << false;
        QTest::newRow("blank") << "   " << false;
    }

    void customNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, addable);
        Setup setup;
        setup.writeFilters();
        QVERIFY(setup.processor.loadFilterFiles());
        FilterConfigBox box;
        setup.prepare(box);
        typeSetName(box, name);
        QCOMPARE(box.addButton->isEnabled(), addable);
        // Enter never turns the typed name into a set of its own.
        QTest::keyClick(box.customSetBox->lineEdit(), Qt::Key_Return);
        QCOMPARE(box.customSetBox->count(), 2);
        QCOMPARE(box.keywordSetTable->rowCount(), 2);
        box.keywordEditor->setPlainText("words");
        QVERIFY(!box.applyButton->isEnabled() || name.trimmed() == "mine");
        box.handleKeywordSetAdd();
        QCOMPARE(box.keywordSetTable->rowCount(), addable ? 3 : 2);
        QCOMPARE(box.customSets.size(), addable ? 2 : 1);
        if (addable) {
            QCOMPARE(box.customSetBox->currentText(), name.trimmed());
            QVERIFY(!box.customSetBox->isEditable());
            QVERIFY(box.removeButton->isEnabled());
            QCOMPARE(box.keywordSetTable->item(2, 0)->checkState(), Qt::Unchecked);
            QCOMPARE(box.keywordSetTable->item(2, 1)->text(), "Customed");
        }
    }

    void unreadableFilterFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loadFirst");
        QTest::newRow("not well-formed") << QByteArray("<filters><sites>") << true;
        QTest::newRow("another root") << QByteArray("<filter/>") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("readable but never loaded") << QByteArray(FilterFile) << false;
    }

    void unreadableFilterFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loadFirst);
        Setup setup;
        setup.writeFilters();
        if (loadFirst)
            QVERIFY(setup.processor.loadFilterFiles());
        writeFile(setup.path("filters.xml"), bytes);
        FilterConfigBox box;
        setup.prepare(box);
        addSet(box, "zeta", "z");
        box.saveButton()->click();
        QVERIFY(box.isVisible());
        QCOMPARE(setup.messages.size(), 1);
        QVERIFY2(setup.messages.first().contains("filters.xml"),
                 qPrintable(setup.messages.first()));
        QCOMPARE(readFile(setup.path("filters.xml")), bytes);
        QCOMPARE(readFile(setup.path("ks_cust_1.xml")), QByteArray(MineFile));
        QVERIFY(!QFile::exists(setup.path("ks_cust_2.xml")));
    }

    void writeFailure_data()
    {
        QTest::addColumn<bool>("folderIsFile");
        QTest::newRow("filter folder is a file") << true;
        QTest::newRow("a keyword file name is taken by a folder") << false;
    }

    void writeFailure()
    {
        QFETCH(bool, folderIsFile);
        Setup setup;
        if (folderIsFile) {
            writeFile(setup.processor.filterDir, "not a folder");
        } else {
            setup.writeFilters();
            QVERIFY(setup.processor.loadFilterFiles());
            QVERIFY(QDir().mkpath(setup.path("ks_cust_2.xml")));
        }
        FilterConfigBox box;
        setup.prepare(box);
        addSet(box, "zeta", "z");
        box.saveButton()->click();
        QVERIFY(box.isVisible());
        QCOMPARE(setup.messages.size(), 1);
        if (!folderIsFile) {
            // Nothing is half written: the old files stay as they were.
            QVERIFY2(setup.messages.first().contains("ks_cust_2.xml"),
                     qPrintable(setup.messages.first()));
            QCOMPARE(readFile(setup.path("filters.xml")), QByteArray(FilterFile));
            QCOMPARE(readFile(setup.path("ks_cust_1.xml")), QByteArray(MineFile));
        }
    }

    // The all-rows box sits over the column of check marks, which is at the
    // right of a right-to-left dialog.
    void allRowsBoxOverCheckColumn_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
    void allRowsBoxOverCheckColumn()
    {
        QFETCH(Qt::LayoutDirection, direction);
        FilterConfigBox box;
        box.setLayoutDirection(direction);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QList<std::pair<QTableWidget *, QCheckBox *>> pairs = {
            {box.siteTable, box.siteAllBox},
            {box.topicTable, box.topicAllBox},
            {box.keywordSetTable, box.keywordSetAllBox}};
        for (const auto &[table, all] : pairs) {
            QHeaderView *header = table->horizontalHeader();
            const int start = header->sectionViewportPosition(0);
            const QRect column(start, 0, header->sectionSize(0), header->height());
            QVERIFY2(column.contains(all->geometry().center()),
                     qPrintable(QStringLiteral("box at %1, column %2..%3")
                                    .arg(all->geometry().center().x())
                                    .arg(column.left())
                                    .arg(column.right())));
        }
    }

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("TESSOLIN_SCREENSHOTS"))
            QSKIP("TESSOLIN_SCREENSHOTS is not set");
        Setup setup;
        setup.writeFilters();
        QVERIFY(setup.processor.loadFilterFiles());
        FilterConfigBox box;
        setup.prepare(box);
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (int tab = 0; tab < 3; ++tab) {
            box.tabs->setCurrentIndex(tab);
            if (tab == 2)
                addSet(box, "local", "alpha beta gamma");
            QVERIFY(fixture::screenshot(&box, QStringLiteral("filter%1").arg(tab)));
        }
    }

    void missingFolderIsCreated()
    {
        Setup setup;
        setup.processor.filterDir = setup.dir.filePath("conf/filter");
        FilterConfigBox box;
        setup.prepare(box);
        QCOMPARE(box.siteAllBox->checkState(), Qt::Checked);
        setRowCheck(box.siteTable, 2, "Beta", Qt::Unchecked);
        addSet(box, "zeta", "z");
        box.saveButton()->click();
        QCOMPARE(setup.messages, QStringList());
        QCOMPARE(box.result(), QDialog::Accepted);
        QCOMPARE(summary(setup.processor),
                 "sites news.beta\ntopics \nsets (k)cust.1|zeta|2|0|ks_cust_1.xml|z");
    }

    // Update downloads reload the catalogue while the dialog is open: the
    // topic rows shown before still work and save what they say.
    void catalogueReloadedWhileOpen()
    {
        Setup setup;
        setup.writeFilters();
        QVERIFY(setup.processor.loadFilterFiles());
        FilterConfigBox box;
        setup.prepare(box);
        setup.processor.clearCatalogue();
        fixture::fillCatalogue(setup.processor);
        box.topicAllBox->setCheckState(Qt::Unchecked);
        setRowCheck(box.topicTable, 1, "World", Qt::Checked);
        box.saveButton()->click();
        QCOMPARE(sorted(setup.processor.filterSettings->disabledTopics, ","),
                 "news.alpha.head,news.alpha.head.more,news.gone.x");
    }
};

QTEST_MAIN(TestDialogsFilter)
#include "tst_dialogsfilter.moc"
