#include "updateboxes.h"

#include "clconstants.h"
#include "clupdate.h"
#include "i18nmanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString TitleIcon = QStringLiteral(":/CLOSE");

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("DialogCommonLabel"));
    // Texts here carry server messages and paths: never rich text.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

int storedInt(const char *key, int absent, int unreadable)
{
    bool ok = false;
    const int value = QSettings().value(QLatin1String(key), absent).toInt(&ok);
    return ok ? value : unreadable;
}

} // namespace

// CommonUpdateBox ----------------------------------------------------------

CommonUpdateBox::CommonUpdateBox(QWidget *parent) : ConfigBox(parent, TitleIcon, true)
{
    QWidget *frame = contentFrame();
    m_row = new QHBoxLayout;
    contentLayout()->addLayout(m_row);

    m_frequencyGroup = new QGroupBox(frame);
    auto *frequency = new QVBoxLayout(m_frequencyGroup);
    // Tight enough that the first-run dialog fits its languages above them.
    frequency->setContentsMargins(8, 2, 8, 2);
    frequency->setSpacing(0);
    m_onStart = new QRadioButton(m_frequencyGroup);
    m_daily = new QRadioButton(m_frequencyGroup);
    m_weekly = new QRadioButton(m_frequencyGroup);
    m_monthly = new QRadioButton(m_frequencyGroup);
    for (QRadioButton *button : {m_onStart, m_daily, m_weekly, m_monthly})
        frequency->addWidget(button);
    m_row->addWidget(m_frequencyGroup);

    m_notificationGroup = new QGroupBox(frame);
    auto *notification = new QVBoxLayout(m_notificationGroup);
    notification->setContentsMargins(8, 2, 8, 2);
    notification->setSpacing(0);
    m_ask = new QRadioButton(m_notificationGroup);
    m_automatic = new QRadioButton(m_notificationGroup);
    notification->addWidget(m_ask);
    notification->addWidget(m_automatic);
    notification->addStretch();
    m_row->addWidget(m_notificationGroup);

    CommonUpdateBox::retranslateUI();
}

void CommonUpdateBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    m_frequencyGroup->setTitle(tr("Check Frequency"));
    m_onStart->setText(tr("On Software Start"));
    m_onStart->setToolTip(tr("Check for update every time the software starts"));
    m_daily->setText(tr("Daily"));
    m_daily->setToolTip(
        tr("Check for update on software starts when it is is more than one day from last check"));
    m_weekly->setText(tr("Weekly"));
    m_weekly->setToolTip(
        tr("Check for update on software starts when it is is more than one week from last check"));
    m_monthly->setText(tr("Monthly"));
    m_monthly->setToolTip(tr(
        "Check for update on software starts when it is is more than one month from last check"));
    m_notificationGroup->setTitle(tr("Download Notification"));
    m_ask->setText(tr("Ask For Confirmation."));
    m_ask->setToolTip(tr("Ask for download confirmation every time updates are available"));
    m_automatic->setText(tr("Download Automatically."));
    m_automatic->setToolTip(
        tr("Download the updates automatically without asking for confirmation"));
}

void CommonUpdateBox::loadSettings()
{
    // A stored value that is no number reads as absent, as the version manager reads it.
    switch (storedInt(TS_KEY_VERSION_CHECK_INTERVAL, 1, 1)) {
    case 7:
        m_weekly->setChecked(true);
        break;
    case 30:
        m_monthly->setChecked(true);
        break;
    case 1:
        m_daily->setChecked(true);
        break;
    default:
        m_onStart->setChecked(true);
        break;
    }
    // Only an exact 0 downloads without asking, as the version manager reads it.
    if (storedInt(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 1, 1) == 0)
        m_automatic->setChecked(true);
    else
        m_ask->setChecked(true);
}

void CommonUpdateBox::storeSettings()
{
    QSettings settings;
    int interval = -1;
    if (m_onStart->isChecked())
        interval = 0;
    else if (m_daily->isChecked())
        interval = 1;
    else if (m_weekly->isChecked())
        interval = 7;
    else if (m_monthly->isChecked())
        interval = 30;
    if (interval >= 0)
        settings.setValue(QStringLiteral(TS_KEY_VERSION_CHECK_INTERVAL), interval);
    settings.setValue(QStringLiteral(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION),
                      m_automatic->isChecked() ? 0 : 1);
}

void CommonUpdateBox::accept()
{
    storeSettings();
    QDialog::accept();
}

// UpdateSettingBox ---------------------------------------------------------

UpdateSettingBox::UpdateSettingBox(QWidget *parent) : CommonUpdateBox(parent)
{
    setFixedSize(600, 200);
    loadSettings();
    UpdateSettingBox::retranslateUI();
}

void UpdateSettingBox::retranslateUI()
{
    CommonUpdateBox::retranslateUI();
    caption()->setText(tr("Update Settings"));
}

void UpdateSettingBox::updateItems()
{
    refreshContent();
}

void UpdateSettingBox::refreshContent()
{
    loadSettings();
}

// InitialConfigBox ---------------------------------------------------------

InitialConfigBox::InitialConfigBox(I18NManager *i18n, QWidget *parent)
    : CommonUpdateBox(parent), m_i18n(i18n)
{
    setFixedSize(600, 300);
    QWidget *frame = contentFrame();
    m_languageGroup = new QGroupBox(frame);
    auto *grid = new QGridLayout(m_languageGroup);
    grid->setContentsMargins(8, 2, 8, 2);
    m_uiLabel = makeLabel(m_languageGroup);
    m_uiBox = new QComboBox(m_languageGroup);
    m_targetLabel = makeLabel(m_languageGroup);
    m_targetBox = new QComboBox(m_languageGroup);
    grid->addWidget(m_uiLabel, 0, 0);
    grid->addWidget(m_uiBox, 0, 1);
    grid->addWidget(m_targetLabel, 1, 0);
    grid->addWidget(m_targetBox, 1, 1);
    grid->setColumnStretch(1, 1);
    m_versionHeading = makeLabel(frame);
    contentLayout()->insertWidget(0, m_languageGroup);
    contentLayout()->insertWidget(1, m_versionHeading);
    connect(m_uiBox, &QComboBox::currentIndexChanged, this, &InitialConfigBox::UILanguageSelection);

    loadSettings();
    InitialConfigBox::retranslateUI();
}

void InitialConfigBox::retranslateUI()
{
    CommonUpdateBox::retranslateUI();
    caption()->setText(tr("Initial Configurations"));
    m_languageGroup->setTitle(tr("Language Settings"));
    m_versionHeading->setText(tr("Version Check Settings"));
    m_uiLabel->setText(tr("Software UI"));
    m_targetLabel->setText(tr("Translation Target"));
    const QString uiTip =
        tr("Select the language for showing the menu text and the web site names.");
    const QString targetTip =
        tr("Select the language the original web pages to be translated into.");
    m_uiLabel->setToolTip(uiTip);
    m_uiBox->setToolTip(uiTip);
    m_targetLabel->setToolTip(targetTip);
    m_targetBox->setToolTip(targetTip);
    if (!m_i18n)
        return;

    auto fill = [this](QComboBox *box, const QStringList &codes, const QString &current) {
        box->clear();
        for (const QString &code : codes) {
            box->addItem(QIcon(QStringLiteral(":/FLAG_") + code),
                         m_i18n->languageTitles.value(code, code), code);
        }
        box->setCurrentIndex(int(codes.indexOf(current)));
    };
    ready = false;
    fill(m_uiBox, m_i18n->uiLanguages, m_i18n->uiLanguage);
    ready = true;
    fill(m_targetBox, m_i18n->targetLanguages, m_i18n->translateTargetLanguage);
}

void InitialConfigBox::showup()
{
    retranslateUI();
    exec();
}

void InitialConfigBox::UILanguageSelection(int index)
{
    if (!ready || !m_i18n || index < 0 || index >= m_i18n->uiLanguages.size())
        return;
    const QString language = m_i18n->uiLanguages.at(index);
    if (language == m_i18n->uiLanguage)
        return;
    m_i18n->uiLanguage = language;
    emit requestRetranslation();
}

void InitialConfigBox::accept()
{
    if (m_i18n) {
        // With nothing selected the target stays as it was.
        const int index = m_targetBox->currentIndex();
        if (index >= 0 && index < m_i18n->targetLanguages.size())
            m_i18n->translateTargetLanguage = m_i18n->targetLanguages.at(index);
        m_i18n->save();
    }
    CommonUpdateBox::accept();
    QSettings().setValue(QStringLiteral(TS_KEY_APP_INTERNAL_VERSION),
                         QStringLiteral(TS_APP_INTERNAL_VERSION));
    emit requestVersionCheck();
}

// UpdateConfirmationBox ----------------------------------------------------

UpdateConfirmationBox::UpdateConfirmationBox(QWidget *parent) : ConfigBox(parent, TitleIcon, true)
{
    setFixedSize(450, 150);
    m_text = makeLabel(contentFrame());
    m_automatic = new QCheckBox(contentFrame());
    contentLayout()->addWidget(m_text, 1);
    contentLayout()->addWidget(m_automatic);
    UpdateConfirmationBox::retranslateUI();
}

void UpdateConfirmationBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("Update Download Confirmation"));
    m_automatic->setText(tr("Automatically download in the furture."));
    saveButton()->setText(tr("OK"));
    cancelButton()->setText(tr("Not Now"));
    setInfo(m_count, m_bytes);
}

void UpdateConfirmationBox::setInfo(int count, qint64 bytes)
{
    m_count = count;
    m_bytes = bytes;
    m_text->setText(tr("There are updates available for %1 web sites, download size is %2 KB.  "
                       "Do you like to update now?")
                        .arg(count)
                        .arg(bytes / 1024));
}

bool UpdateConfirmationBox::confirmUpdate(int count, qint64 bytes)
{
    setInfo(count, bytes);
    return exec() == QDialog::Accepted;
}

void UpdateConfirmationBox::accept()
{
    if (m_automatic->isChecked())
        QSettings().setValue(QStringLiteral(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION), 0);
    QDialog::accept();
}

// UpgradeConfirmationBox ---------------------------------------------------

UpgradeConfirmationBox::UpgradeConfirmationBox(QWidget *parent) : ConfigBox(parent, TitleIcon, true)
{
    setFixedSize(450, 200);
    m_offer = makeLabel(contentFrame());
    m_message = makeLabel(contentFrame());
    m_remind = new QToolButton(contentFrame());
    m_remind->setObjectName(QStringLiteral("DialogCommonButton"));
    m_remind->setIcon(QIcon(QStringLiteral(":/WAIT")));
    m_remind->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_remind->setFixedHeight(30);
    m_remind->setAutoRaise(true);
    contentLayout()->addWidget(m_offer);
    contentLayout()->addWidget(m_message, 1);
    contentLayout()->addWidget(m_remind, 0, Qt::AlignLeft);
    connect(m_remind, &QToolButton::clicked, this, &UpgradeConfirmationBox::deferReminder);
    fileChooser = [](QWidget *parent, const QString &start) {
        return QFileDialog::getSaveFileName(parent, QString(), start, QString());
    };
    UpgradeConfirmationBox::retranslateUI();
}

void UpgradeConfirmationBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("Upgrade Download Confirmation"));
    m_remind->setText(tr("Remind me in a week"));
    saveButton()->setText(tr("Download"));
    cancelButton()->setText(tr("Not Now"));
    textTemplate = tr("A new version (%1) of software is available, the file size is %2Mb.  You "
                      "can either download with current software or download from the website ") +
                   QStringLiteral("http://" TS_ORGANIZATION_DOMAIN ".");
    fillOffer();
}

void UpgradeConfirmationBox::fillOffer()
{
    // One pass, so a "%2" inside the server's version text stays as it is.
    m_offer->setText(textTemplate.arg(m_version, QString::number(m_bytes / 1048576)));
}

int UpgradeConfirmationBox::ask(const QString &version, qint64 bytes, const QString &fileName,
                                const QString &message)
{
    m_version = version;
    m_bytes = bytes;
    fillOffer();
    m_message->setText(message);
    chosenPath = fileName;
    return exec();
}

void UpgradeConfirmationBox::accept()
{
    const QString path = fileChooser ? fileChooser(this, chosenPath) : QString();
    if (path.isEmpty())
        return;
    chosenPath = path;
    QDialog::accept();
}

void UpgradeConfirmationBox::deferReminder()
{
    QSettings().setValue(QStringLiteral(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP),
                         updateTimestampText(QDateTime::currentDateTime()));
    reject();
}

// AppDownloadCompleteBox ---------------------------------------------------

AppDownloadCompleteBox::AppDownloadCompleteBox(QWidget *parent)
    : ConfigBox(parent, TitleIcon, false)
{
    setFixedSize(450, 200);
    m_text = makeLabel(contentFrame());
    contentLayout()->addWidget(m_text, 1);
    AppDownloadCompleteBox::retranslateUI();
}

void AppDownloadCompleteBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("Download Completed"));
    textTemplate = tr("Software upgrade download has completed.  The installer file is at %1, "
                      "please manually uninstall the current version and install the new one.");
    m_text->setText(textTemplate.arg(m_path));
}

void AppDownloadCompleteBox::showDownloadComplete(const QString &path)
{
    m_path = path;
    m_text->setText(textTemplate.arg(path));
    show();
}
