#include "filterconfigbox.h"

#include "clfiltersettings.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"
#include "i18nmanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

constexpr int CheckColumnWidth = 26;
constexpr int DataRole = Qt::UserRole;

const QString GroupGeneral = QStringLiteral(CL_CATEGORY_GENERAL);
const QString GroupPredefined = QStringLiteral("(f)predefined");
const QString GroupCustom = QStringLiteral("(f)customed");

/// The all-rows box: the program sets it to partly checked, but a click by
/// the user only ever checks or unchecks every row.
class AllRowsBox : public QCheckBox
{
public:
    explicit AllRowsBox(QHeaderView *header) : QCheckBox(header), m_header(header)
    {
        setTristate(true);
        header->installEventFilter(this);
        header->viewport()->installEventFilter(this);
        connect(header, &QHeaderView::sectionResized, this, &AllRowsBox::place);
        connect(header, &QHeaderView::geometriesChanged, this, &AllRowsBox::place);
    }

    /// Over the rows' check marks, which sit at the leading edge of their
    /// cells: the left, or the right in a right-to-left dialog.
    void place()
    {
        const QSize size = sizeHint();
        resize(size);
        const int start = m_header->sectionViewportPosition(0);
        const int x = m_header->isRightToLeft()
                          ? start + m_header->sectionSize(0) - 4 - size.width()
                          : start + 4;
        move(qMax(0, x), qMax(0, (m_header->sizeHint().height() - size.height()) / 2));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_header &&
            (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange))
            place();
        return QCheckBox::eventFilter(watched, event);
    }

    void nextCheckState() override
    {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }

private:
    QHeaderView *m_header;
};

QTableWidget *makeTable(const int columns, QWidget *parent)
{
    auto *table = new QTableWidget(0, columns, parent);
    table->setObjectName(QStringLiteral("DialogCommonList"));
    table->horizontalHeader()->setObjectName(QStringLiteral("DialogCommonHeader"));
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setMinimumSectionSize(CheckColumnWidth);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    table->horizontalHeader()->resizeSection(0, CheckColumnWidth);
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setSectionsClickable(false);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

QCheckBox *makeAllBox(QTableWidget *table)
{
    auto *box = new AllRowsBox(table->horizontalHeader());
    box->place();
    return box;
}

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("DialogCommonLabel"));
    return label;
}

QPushButton *makeInternalButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("DialogInternalButton"));
    // Enter in the set name or the editor must not press a button.
    button->setAutoDefault(false);
    return button;
}

QTableWidgetItem *checkItem(const bool checked)
{
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QTableWidgetItem *textItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

bool isChecked(const QTableWidget *table, const int row)
{
    const QTableWidgetItem *item = table->item(row, 0);
    return item && item->checkState() == Qt::Checked;
}

/// A name for display: the localised one, else the plain name.
QString displayName(const CLObject *object, const QString &language)
{
    const QString local = object->i18n ? localName(object->i18n, language) : QString();
    return local.isEmpty() ? object->name : local;
}

/// Keywords as the user typed them: any run of white space separates two.
QStringList splitKeywords(const QString &text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

/// A keyword as CDATA: a "]]>" inside it would end the section early, so the
/// text is cut between "]]" and ">" into sections that a reader joins again.
void appendCData(QDomDocument &document, QDomElement &parent, const QString &text)
{
    const QString terminator = QStringLiteral("]]>");
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(terminator); at >= 0; at = text.indexOf(terminator, at + 2)) {
        parent.appendChild(document.createCDATASection(text.mid(from, at + 2 - from)));
        from = at + 2;
    }
    parent.appendChild(document.createCDATASection(text.mid(from)));
}

QString customId(const int number)
{
    return QStringLiteral("(k)cust.%1").arg(number);
}

QString customFile(const int number)
{
    return QStringLiteral("ks_cust_%1.xml").arg(number);
}

} // namespace

FilterConfigBox::FilterConfigBox(QWidget *parent) : ConfigBox(parent, QStringLiteral(":/MAX"), true)
{
    setObjectName(QStringLiteral("FilterConfigBox"));
    setFixedSize(600, 450);

    tabs = new QTabWidget(contentFrame());
    contentLayout()->addWidget(tabs);

    // Site selection.
    auto *sitePage = new QWidget(tabs);
    auto *siteLayout = new QVBoxLayout(sitePage);
    siteLabel = makeLabel(sitePage);
    siteTable = makeTable(5, sitePage);
    siteTable->horizontalHeader()->resizeSection(1, 110);
    siteTable->horizontalHeader()->resizeSection(2, 190);
    siteTable->horizontalHeader()->resizeSection(3, 110);
    siteAllBox = makeAllBox(siteTable);
    siteLayout->addWidget(siteLabel);
    siteLayout->addWidget(siteTable);
    tabs->addTab(sitePage, QIcon(QStringLiteral(":/SITESELECTION")), QString());

    // Topic selection.
    auto *topicPage = new QWidget(tabs);
    auto *topicLayout = new QVBoxLayout(topicPage);
    topicLabel = makeLabel(topicPage);
    auto *topicRow = new QHBoxLayout;
    siteList = new QListWidget(topicPage);
    siteList->setObjectName(QStringLiteral("DialogCommonList"));
    siteList->setSelectionMode(QAbstractItemView::SingleSelection);
    siteList->setFixedWidth(200);
    topicTable = makeTable(2, topicPage);
    topicAllBox = makeAllBox(topicTable);
    topicRow->addWidget(siteList);
    topicRow->addWidget(topicTable, 1);
    topicLayout->addWidget(topicLabel);
    topicLayout->addLayout(topicRow);
    tabs->addTab(topicPage, QIcon(QStringLiteral(":/CONTENTSELECTION")), QString());

    // Keyword filters.
    auto *keywordPage = new QWidget(tabs);
    auto *keywordLayout = new QVBoxLayout(keywordPage);
    keywordSetLabel = makeLabel(keywordPage);
    keywordSetTable = makeTable(3, keywordPage);
    keywordSetTable->horizontalHeader()->resizeSection(1, 120);
    keywordSetAllBox = makeAllBox(keywordSetTable);
    customLabel = makeLabel(keywordPage);
    customSetBox = new QComboBox(keywordPage);
    customSetBox->setInsertPolicy(QComboBox::NoInsert);
    customSetBox->setMinimumWidth(200);
    addButton = makeInternalButton(keywordPage);
    removeButton = makeInternalButton(keywordPage);
    applyButton = makeInternalButton(keywordPage);
    clearButton = makeInternalButton(keywordPage);
    keywordEditor = new QPlainTextEdit(keywordPage);
    keywordEditor->setObjectName(QStringLiteral("DialogCommonEdit"));
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(customLabel);
    nameRow->addWidget(customSetBox, 1);
    nameRow->addWidget(addButton);
    nameRow->addWidget(removeButton);
    auto *editRow = new QHBoxLayout;
    auto *editButtons = new QVBoxLayout;
    editButtons->addWidget(applyButton);
    editButtons->addWidget(clearButton);
    editButtons->addStretch();
    editRow->addWidget(keywordEditor, 1);
    editRow->addLayout(editButtons);
    keywordLayout->addWidget(keywordSetLabel);
    keywordLayout->addWidget(keywordSetTable, 3);
    keywordLayout->addLayout(nameRow);
    keywordLayout->addLayout(editRow, 2);
    tabs->addTab(keywordPage, QIcon(QStringLiteral(":/KEYWORD")), QString());

    addButton->setEnabled(false);
    removeButton->setEnabled(false);
    applyButton->setEnabled(false);
    clearButton->setEnabled(false);

    connect(siteAllBox, &QCheckBox::stateChanged, this, &FilterConfigBox::updateSiteTableCheckBox);
    connect(topicAllBox, &QCheckBox::stateChanged, this,
            &FilterConfigBox::updateTopicTableCheckBox);
    connect(keywordSetAllBox, &QCheckBox::stateChanged, this,
            &FilterConfigBox::updateKeywordSetTableCheckBox);
    connect(siteTable, &QTableWidget::itemChanged, this,
            &FilterConfigBox::handleSiteCheckBoxChange);
    connect(siteList, &QListWidget::itemSelectionChanged, this,
            &FilterConfigBox::handleSiteListSelection);
    connect(topicTable, &QTableWidget::itemChanged, this,
            &FilterConfigBox::handleTopicCheckBoxChange);
    connect(keywordSetTable, &QTableWidget::itemChanged, this,
            &FilterConfigBox::handleKeywordSetCheckBoxChange);
    connect(customSetBox, &QComboBox::currentIndexChanged, this,
            qOverload<int>(&FilterConfigBox::handleKeywordSetSelection));
    connect(customSetBox, &QComboBox::editTextChanged, this,
            qOverload<const QString &>(&FilterConfigBox::handleKeywordSetSelection));
    connect(keywordEditor, &QPlainTextEdit::textChanged, this,
            &FilterConfigBox::handleKeywordSetEditorChange);
    connect(addButton, &QPushButton::clicked, this, &FilterConfigBox::handleKeywordSetAdd);
    connect(applyButton, &QPushButton::clicked, this, &FilterConfigBox::handleKeywordSetSave);
    connect(clearButton, &QPushButton::clicked, keywordEditor, &QPlainTextEdit::clear);
    connect(removeButton, &QPushButton::clicked, this, &FilterConfigBox::handleKeywordSetRemove);

    showMessage = [this](const QString &text) { QMessageBox::warning(this, windowTitle(), text); };

    retranslateUI();
}

QString FilterConfigBox::groupTitle(const QString &key) const
{
    const QString title = i18n ? i18n->groupTitles.value(key) : QString();
    if (!title.isEmpty())
        return title;
    if (key == GroupPredefined)
        return tr("Predefined");
    if (key == GroupCustom)
        return tr("Customed");
    return key;
}

bool FilterConfigBox::isPredefinedName(const QString &name) const
{
    for (int row = 0; row < keywordSetTable->rowCount(); ++row) {
        const QTableWidgetItem *type = keywordSetTable->item(row, 1);
        const QTableWidgetItem *package = keywordSetTable->item(row, 2);
        if (type && package && type->data(DataRole).toInt() == CLKeywordSet::Predefined &&
            package->text().trimmed() == name)
            return true;
    }
    return false;
}

void FilterConfigBox::refreshContent()
{
    if (!processor || !i18n)
        return;
    const QString language = i18n->uiLanguage;
    const CLFilterSettings *settings = processor->filterSettings;

    {
        const QSignalBlocker siteBlocker(siteTable);
        const QSignalBlocker listBlocker(siteList);
        const QSignalBlocker topicBlocker(topicTable);
        siteTable->setRowCount(0);
        siteList->clear();
        topicTable->setRowCount(0);
        shownTopics.clear();

        for (const CLSiteIndexItem *entry : std::as_const(processor->siteIndex)) {
            if (!entry->site || entry->category != GroupGeneral)
                continue;
            const CLSite *site = entry->site;
            const int row = siteTable->rowCount();
            siteTable->insertRow(row);
            QTableWidgetItem *check =
                checkItem(!settings || !settings->hiddenSites.contains(site->id));
            check->setData(DataRole, site->id);
            siteTable->setItem(row, 0, check);
            siteTable->setItem(row, 1, textItem(groupTitle(entry->category)));
            const QString name = displayName(site, language);
            siteTable->setItem(row, 2, textItem(name));
            siteTable->setItem(row, 3, textItem(i18n->languageTitles.value(site->locale)));
            siteTable->setItem(row, 4, textItem(i18n->countryTitles.value(site->country)));

            auto *listItem = new QListWidgetItem(name, siteList);
            listItem->setData(DataRole, site->id);
            listItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    }
    updateAllBox(siteTable, siteAllBox);
    disabledTopicsCopy = settings ? settings->disabledTopics : QSet<QString>();
    updateAllBox(topicTable, topicAllBox);

    {
        const QSignalBlocker tableBlocker(keywordSetTable);
        const QSignalBlocker comboBlocker(customSetBox);
        keywordSetTable->setRowCount(0);
        customSetBox->clear();
        customSetBox->setEditable(true);
        customSetBox->addItem(QString());
        customSets.clear();
        const QList<CLKeywordSet *> sets =
            settings ? settings->keywordSets : QList<CLKeywordSet *>();
        for (const CLKeywordSet *set : sets) {
            const bool predefined = set->type == CLKeywordSet::Predefined;
            // Custom sets are known by their trimmed name; a name that comes
            // twice (edited by hand) becomes one set holding both word lists,
            // so saving loses no keyword.
            const QString name = predefined ? set->name : set->name.trimmed();
            QStringList words = set->keywords
                                    ? QStringList(set->keywords->begin(), set->keywords->end())
                                    : QStringList();
            if (!predefined && customSets.contains(name)) {
                words += customSets.value(name).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                words.removeDuplicates();
                words.sort();
                customSets.insert(name, words.join(QLatin1Char(' ')));
                continue;
            }
            const int row = keywordSetTable->rowCount();
            keywordSetTable->insertRow(row);
            keywordSetTable->setItem(row, 0, checkItem(set->filterSubject));
            QTableWidgetItem *type =
                textItem(groupTitle(predefined ? GroupPredefined : GroupCustom));
            type->setData(DataRole, predefined ? CLKeywordSet::Predefined : CLKeywordSet::Custom);
            keywordSetTable->setItem(row, 1, type);
            keywordSetTable->setItem(row, 2, textItem(name));
            if (!predefined) {
                if (!name.isEmpty())
                    customSetBox->addItem(name);
                words.sort();
                customSets.insert(name, words.join(QLatin1Char(' ')));
            }
        }
        customSetBox->setCurrentIndex(0);
    }
    updateAllBox(keywordSetTable, keywordSetAllBox);
    pendingEditorUpdate = true;
    keywordEditor->clear();
    pendingEditorUpdate = false;
    addButton->setEnabled(false);
    removeButton->setEnabled(false);
    applyButton->setEnabled(false);
    clearButton->setEnabled(false);

    if (siteList->count() > 0)
        siteList->setCurrentRow(0);
}

void FilterConfigBox::updateAllBox(QTableWidget *table, QCheckBox *box)
{
    int checked = 0;
    for (int row = 0; row < table->rowCount(); ++row)
        checked += isChecked(table, row);
    Qt::CheckState state = Qt::Unchecked;
    if (checked > 0)
        state = checked == table->rowCount() ? Qt::Checked : Qt::PartiallyChecked;
    if (box->checkState() == state)
        return;
    pendingHeaderUpdate = true;
    box->setCheckState(state);
    pendingHeaderUpdate = false;
}

void FilterConfigBox::setAllRows(QTableWidget *table, const int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    const QSignalBlocker blocker(table);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem *item = table->item(row, 0))
            item->setCheckState(Qt::CheckState(state));
    }
    table->viewport()->update();
}

void FilterConfigBox::updateSiteTableCheckBox(const int state)
{
    if (pendingHeaderUpdate) {
        pendingHeaderUpdate = false;
        return;
    }
    qDebug("Update Table Check Box");
    setAllRows(siteTable, state);
}

void FilterConfigBox::updateTopicTableCheckBox(const int state)
{
    if (pendingHeaderUpdate) {
        pendingHeaderUpdate = false;
        return;
    }
    qDebug("Update Table Check Box");
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    setAllRows(topicTable, state);
    for (const QString &path : std::as_const(shownTopics)) {
        if (state == Qt::Checked)
            disabledTopicsCopy.remove(path);
        else
            disabledTopicsCopy.insert(path);
    }
}

void FilterConfigBox::updateKeywordSetTableCheckBox(const int state)
{
    if (pendingHeaderUpdate) {
        pendingHeaderUpdate = false;
        return;
    }
    qDebug("Update Table Check Box");
    setAllRows(keywordSetTable, state);
}

void FilterConfigBox::handleSiteCheckBoxChange(QTableWidgetItem *item)
{
    if (item && (item->flags() & Qt::ItemIsUserCheckable))
        updateAllBox(siteTable, siteAllBox);
}

void FilterConfigBox::handleKeywordSetCheckBoxChange(QTableWidgetItem *item)
{
    if (item && (item->flags() & Qt::ItemIsUserCheckable))
        updateAllBox(keywordSetTable, keywordSetAllBox);
}

void FilterConfigBox::handleSiteListSelection()
{
    const QList<QListWidgetItem *> selected = siteList->selectedItems();
    const QString id = selected.isEmpty() ? QString() : selected.first()->data(DataRole).toString();
    const CLSite *site = nullptr;
    if (processor && !id.isEmpty()) {
        for (const CLSiteIndexItem *entry : std::as_const(processor->siteIndex)) {
            if (entry->site && entry->site->id == id) {
                site = entry->site;
                break;
            }
        }
    }

    const QSignalBlocker blocker(topicTable);
    topicTable->setRowCount(0);
    shownTopics.clear();
    if (!site) {
        qDebug("Can't find site information");
    } else {
        const QString language = i18n ? i18n->uiLanguage : QString();
        const QList<CLTopic *> topics = topicsOf(site, PageIndex);
        topicTable->setRowCount(int(topics.size()));
        for (int row = 0; row < topics.size(); ++row) {
            const CLTopic *topic = topics.at(row);
            shownTopics.append(topicPath(topic));
            topicTable->setItem(row, 0, checkItem(!disabledTopicsCopy.contains(shownTopics.last())));
            topicTable->setItem(row, 1, textItem(displayName(topic, language)));
        }
    }
    updateAllBox(topicTable, topicAllBox);
}

void FilterConfigBox::handleTopicCheckBoxChange(QTableWidgetItem *item)
{
    if (!item || !(item->flags() & Qt::ItemIsUserCheckable))
        return;
    const int row = item->row();
    if (row < 0 || row >= shownTopics.size())
        return;
    const QString path = shownTopics.at(row);
    if (item->checkState() == Qt::Checked)
        disabledTopicsCopy.remove(path);
    else
        disabledTopicsCopy.insert(path);
    updateAllBox(topicTable, topicAllBox);
}

void FilterConfigBox::handleKeywordSetSelection(const int index)
{
    if (index < 0)
        return;
    addButton->setEnabled(false);
    applyButton->setEnabled(false);
    const QString name = customSetBox->itemText(index);
    if (name.isEmpty()) {
        keywordEditor->clear();
        customSetBox->setEditable(true);
        customSetBox->setInsertPolicy(QComboBox::NoInsert);
        removeButton->setEnabled(false);
    } else {
        pendingEditorUpdate = true;
        keywordEditor->setPlainText(customSets.value(name.trimmed()));
        pendingEditorUpdate = false;
        customSetBox->setEditable(false);
        removeButton->setEnabled(true);
    }
}

void FilterConfigBox::handleKeywordSetSelection(const QString &text)
{
    removeButton->setEnabled(false);
    const QString name = text.trimmed();
    addButton->setEnabled(!name.isEmpty() && !customSets.contains(name) && !isPredefinedName(name));
}

void FilterConfigBox::handleKeywordSetEditorChange()
{
    if (pendingEditorUpdate) {
        pendingEditorUpdate = false;
        return;
    }
    clearButton->setEnabled(!keywordEditor->toPlainText().trimmed().isEmpty());
    // Apply changes an existing custom set only; a new name goes through "Add".
    applyButton->setEnabled(!addButton->isEnabled() &&
                            customSets.contains(customSetBox->currentText().trimmed()));
}

void FilterConfigBox::handleKeywordSetAdd()
{
    const QString name = customSetBox->currentText().trimmed();
    if (name.isEmpty() || customSets.contains(name) || isPredefinedName(name))
        return;
    customSets.insert(name, keywordEditor->toPlainText().trimmed());

    {
        const QSignalBlocker blocker(keywordSetTable);
        const int row = keywordSetTable->rowCount();
        keywordSetTable->insertRow(row);
        keywordSetTable->setItem(row, 0, checkItem(false));
        QTableWidgetItem *type = textItem(groupTitle(GroupCustom));
        type->setData(DataRole, CLKeywordSet::Custom);
        keywordSetTable->setItem(row, 1, type);
        keywordSetTable->setItem(row, 2, textItem(name));
    }
    customSetBox->insertItem(1, name);
    customSetBox->setCurrentIndex(1);
    updateAllBox(keywordSetTable, keywordSetAllBox);
}

void FilterConfigBox::handleKeywordSetSave()
{
    const QString name = customSetBox->currentText().trimmed();
    if (customSets.contains(name))
        customSets.insert(name, keywordEditor->toPlainText().trimmed());
    applyButton->setEnabled(false);
}

void FilterConfigBox::handleKeywordSetRemove()
{
    const QString name = customSetBox->currentText().trimmed();
    if (name.isEmpty())
        return;
    for (int row = 0; row < keywordSetTable->rowCount(); ++row) {
        const QTableWidgetItem *type = keywordSetTable->item(row, 1);
        const QTableWidgetItem *package = keywordSetTable->item(row, 2);
        if (type && package && type->data(DataRole).toInt() == CLKeywordSet::Custom &&
            package->text().trimmed() == name) {
            keywordSetTable->removeRow(row);
            break;
        }
    }
    customSets.remove(name);
    customSetBox->removeItem(customSetBox->currentIndex());
    customSetBox->setCurrentIndex(0);
    removeButton->setEnabled(false);
    updateAllBox(keywordSetTable, keywordSetAllBox);
}

QByteArray FilterConfigBox::keywordFileText(const int number, const QString &name,
                                            const QString &keywords)
{
    QDomDocument document(customFile(number));
    QDomElement root = document.createElement(QStringLiteral("keywordset"));
    root.setAttribute(QStringLiteral("id"), customId(number));
    root.setAttribute(QStringLiteral("name"), name);
    root.setAttribute(QStringLiteral("author"), QStringLiteral("local user"));
    root.setAttribute(QStringLiteral("version"), QStringLiteral("N/A"));
    document.appendChild(root);
    const QStringList words = splitKeywords(keywords);
    for (const QString &word : words) {
        QDomElement keyword = document.createElement(QStringLiteral("keyword"));
        appendCData(document, keyword, word);
        root.appendChild(keyword);
    }
    return document.toByteArray(1);
}

QByteArray FilterConfigBox::filterFileText() const
{
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("filters"));
    document.appendChild(root);
    const CLFilterSettings *settings = processor->filterSettings;

    // Sites: the unchecked rows, plus hidden ids that have no row here (other
    // categories, profiles that failed to load this time).
    QSet<QString> hidden = settings ? settings->hiddenSites : QSet<QString>();
    for (int row = 0; row < siteTable->rowCount(); ++row) {
        const QString id = siteTable->item(row, 0)->data(DataRole).toString();
        if (isChecked(siteTable, row))
            hidden.remove(id);
        else
            hidden.insert(id);
    }
    QStringList hiddenIds(hidden.begin(), hidden.end());
    hiddenIds.sort();
    QDomElement sites = document.createElement(QStringLiteral("sites"));
    for (const QString &id : std::as_const(hiddenIds)) {
        QDomElement site = document.createElement(QStringLiteral("site"));
        site.setAttribute(QStringLiteral("id"), id);
        sites.appendChild(site);
    }
    root.appendChild(sites);

    QStringList paths(disabledTopicsCopy.begin(), disabledTopicsCopy.end());
    paths.sort();
    QDomElement topics = document.createElement(QStringLiteral("topics"));
    for (const QString &path : std::as_const(paths)) {
        QDomElement topic = document.createElement(QStringLiteral("topic"));
        topic.setAttribute(QStringLiteral("full_id"), path);
        topics.appendChild(topic);
    }
    root.appendChild(topics);

    // The check of the first row of a kind with a name; -1 when there is none.
    const auto rowCheck = [this](const int kind, const QString &name) {
        for (int row = 0; row < keywordSetTable->rowCount(); ++row) {
            const QTableWidgetItem *type = keywordSetTable->item(row, 1);
            const QTableWidgetItem *package = keywordSetTable->item(row, 2);
            if (type && package && type->data(DataRole).toInt() == kind && package->text() == name)
                return int(isChecked(keywordSetTable, row));
        }
        return -1;
    };
    const auto boolText = [](const bool value) {
        return value ? QStringLiteral("true") : QStringLiteral("false");
    };

    QDomElement keywordSets = document.createElement(QStringLiteral("keywordsets"));
    const QList<CLKeywordSet *> loaded = settings ? settings->keywordSets : QList<CLKeywordSet *>();
    for (const CLKeywordSet *set : loaded) {
        if (set->type != CLKeywordSet::Predefined)
            continue;
        QDomElement element = document.createElement(QStringLiteral("keywordset"));
        element.setAttribute(QStringLiteral("id"), set->id);
        element.setAttribute(QStringLiteral("name"), set->name);
        element.setAttribute(QStringLiteral("type"), QStringLiteral("predefined"));
        element.setAttribute(QStringLiteral("version"), set->version);
        const int check = rowCheck(CLKeywordSet::Predefined, set->name);
        if (check >= 0)
            element.setAttribute(QStringLiteral("filter_subject"), boolText(check == 1));
        element.setAttribute(QStringLiteral("filter_text"), boolText(false));
        element.setAttribute(QStringLiteral("keyword_file"), set->keywordFile);
        keywordSets.appendChild(element);
    }
    int number = 0;
    for (auto it = customSets.cbegin(); it != customSets.cend(); ++it) {
        ++number;
        QDomElement element = document.createElement(QStringLiteral("keywordset"));
        element.setAttribute(QStringLiteral("id"), customId(number));
        element.setAttribute(QStringLiteral("name"), it.key());
        element.setAttribute(QStringLiteral("type"), QStringLiteral("customed"));
        element.setAttribute(QStringLiteral("version"), QStringLiteral("N/A"));
        element.setAttribute(QStringLiteral("filter_subject"),
                             boolText(rowCheck(CLKeywordSet::Custom, it.key()) == 1));
        element.setAttribute(QStringLiteral("filter_text"), boolText(false));
        element.setAttribute(QStringLiteral("keyword_file"), customFile(number));
        keywordSets.appendChild(element);
    }
    root.appendChild(keywordSets);
    return document.toByteArray(1);
}

void FilterConfigBox::accept()
{
    if (!processor) {
        QDialog::accept();
        return;
    }
    const QString directory = processor->filterDir;
    const QString fileName =
        processor->filterFile.isEmpty() ? QStringLiteral("filters.xml") : processor->filterFile;
    const QString filterPath = directory + QLatin1Char('/') + fileName;
    if (directory.isEmpty()) {
        showMessage(tr("The filter settings could not be saved to \"%1\".").arg(filterPath));
        return;
    }

    // A filter file that exists but was not read holds sets this dialog never
    // saw; writing over it would lose them.
    if (QFileInfo::exists(filterPath)) {
        const auto current = loadXmlDocument(filterPath);
        if (!processor->filterSettings || !current ||
            current->documentElement().tagName() != QLatin1String("filters")) {
            showMessage(tr("The filter file \"%1\" cannot be read, so it is left unchanged.")
                            .arg(QDir::toNativeSeparators(filterPath)));
            return;
        }
    }

    if (!QDir().mkpath(directory)) {
        showMessage(tr("The filter settings could not be saved to \"%1\".")
                        .arg(QDir::toNativeSeparators(filterPath)));
        return;
    }

    // Everything is written to temporary files first and only then put in
    // place, so a failure leaves the old files as they were.
    std::vector<std::unique_ptr<QSaveFile>> files;
    const auto stage = [&files](const QString &path, const QByteArray &bytes) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size())
            return false;
        files.push_back(std::move(file));
        return true;
    };
    QString failed;
    int number = 0;
    for (auto it = customSets.cbegin(); it != customSets.cend() && failed.isEmpty(); ++it) {
        ++number;
        const QString path = directory + QLatin1Char('/') + customFile(number);
        if (!stage(path, keywordFileText(number, it.key(), it.value())))
            failed = path;
    }
    if (failed.isEmpty() && !stage(filterPath, filterFileText()))
        failed = filterPath;
    for (auto &file : files) {
        if (failed.isEmpty() && !file->commit())
            failed = file->fileName();
    }
    if (!failed.isEmpty()) {
        for (auto &file : files)
            file->cancelWriting();
        showMessage(tr("The filter settings could not be saved to \"%1\".")
                        .arg(QDir::toNativeSeparators(failed)));
        return;
    }

    processor->loadFilterFiles();
    QDialog::accept();
}

void FilterConfigBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("Filter Configurations"));
    tabs->setTabText(0, tr("Site Selection"));
    tabs->setTabText(1, tr("Topic Selection"));
    tabs->setTabText(2, tr("Keyword Filters"));
    tabs->setTabToolTip(0, tr("Set site visibility in the sites index"));
    tabs->setTabToolTip(1, tr("Set topic visibility in the page index"));
    tabs->setTabToolTip(2, tr("Hide news entries in the page index by keywords"));
    siteTable->setHorizontalHeaderLabels(
        {QString(), tr("Category"), tr("Name"), tr("Language"), tr("Country/Region")});
    topicTable->setHorizontalHeaderLabels({QString(), tr("Topic")});
    keywordSetTable->setHorizontalHeaderLabels({QString(), tr("Type"), tr("Package")});
    siteLabel->setText(tr("Site List:"));
    topicLabel->setText(tr("Topic List:"));
    keywordSetLabel->setText(tr("Keyword Packages:"));
    customLabel->setText(tr("Keyword Customization:"));
    addButton->setText(tr("Add"));
    removeButton->setText(tr("Remove"));
    applyButton->setText(tr("Apply"));
    clearButton->setText(tr("Clear"));
}
