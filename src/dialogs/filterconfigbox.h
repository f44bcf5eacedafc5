#pragma once

#include "configbox.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class CLProcessor;
class CLTopic;
class I18NManager;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

/// Chooses the visible sites, the extracted topics and the keyword sets that
/// hide headlines, and edits the user's own keyword sets. Works on copies and
/// writes the filter file and the custom keyword files only on "Save".
class FilterConfigBox : public ConfigBox
{
    Q_OBJECT

public:
    explicit FilterConfigBox(QWidget *parent = nullptr);

    // Site selection.
    QTableWidget *siteTable = nullptr;
    QCheckBox *siteAllBox = nullptr;
    QLabel *siteLabel = nullptr;
    // Topic selection.
    QListWidget *siteList = nullptr;
    QTableWidget *topicTable = nullptr;
    QCheckBox *topicAllBox = nullptr;
    QLabel *topicLabel = nullptr;
    // Keyword filters.
    QTableWidget *keywordSetTable = nullptr;
    QCheckBox *keywordSetAllBox = nullptr;
    QLabel *keywordSetLabel = nullptr;
    QLabel *customLabel = nullptr;
    QComboBox *customSetBox = nullptr;
    QPlainTextEdit *keywordEditor = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *removeButton = nullptr;
    QPushButton *applyButton = nullptr;
    QPushButton *clearButton = nullptr;
    QTabWidget *tabs = nullptr;

    bool pendingHeaderUpdate = false;
    bool pendingEditorUpdate = false;
    QSet<QString> disabledTopicsCopy;
    /// The paths of the topic rows; paths, not pointers, as update downloads
    /// may replace the site model while the dialog is open.
    QStringList shownTopics;
    QMap<QString, QString> customSets; ///< name -> keywords joined by single spaces
    CLProcessor *processor = nullptr;  ///< not owned
    I18NManager *i18n = nullptr;       ///< not owned

    /// Tells the user why saving failed; a message box unless replaced (tests).
    std::function<void(const QString &)> showMessage;

    /// The text of one custom keyword file.
    static QByteArray keywordFileText(int number, const QString &name, const QString &keywords);

public slots:
    void updateSiteTableCheckBox(int state);
    void updateTopicTableCheckBox(int state);
    void updateKeywordSetTableCheckBox(int state);
    void handleSiteCheckBoxChange(QTableWidgetItem *item);
    void handleSiteListSelection();
    void handleTopicCheckBoxChange(QTableWidgetItem *item);
    void handleKeywordSetCheckBoxChange(QTableWidgetItem *item);
    void handleKeywordSetSelection(int index);
    void handleKeywordSetSelection(const QString &text);
    void handleKeywordSetEditorChange();
    void handleKeywordSetAdd();
    void handleKeywordSetSave();
    void handleKeywordSetRemove();
    void accept() override;
    void retranslateUI() override;

protected:
    void refreshContent() override;

private:
    void updateAllBox(QTableWidget *table, QCheckBox *box);
    void setAllRows(QTableWidget *table, int state);
    QString groupTitle(const QString &key) const;
    bool isPredefinedName(const QString &name) const;
    QByteArray filterFileText() const;
};
