#pragma once

#include "configbox.h"
#include "updateprompts.h"

#include <functional>

class I18NManager;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;

/// The update settings controls shared by the settings and first-run dialogs:
/// how often to check, and whether to ask before downloading.
class CommonUpdateBox : public ConfigBox
{
    Q_OBJECT

public:
    explicit CommonUpdateBox(QWidget *parent = nullptr);

    QRadioButton *onStartButton() const { return m_onStart; }
    QRadioButton *dailyButton() const { return m_daily; }
    QRadioButton *weeklyButton() const { return m_weekly; }
    QRadioButton *monthlyButton() const { return m_monthly; }
    QRadioButton *askButton() const { return m_ask; }
    QRadioButton *automaticButton() const { return m_automatic; }

signals:
    void requestVersionCheck();

public slots:
    void accept() override;
    void retranslateUI() override;

protected:
    /// Checks the buttons of the stored settings.
    void loadSettings();
    /// Writes the checked settings.
    void storeSettings();
    /// The row holding the two groups; subclasses may put more above it.
    QHBoxLayout *settingsRow() const { return m_row; }

private:
    QHBoxLayout *m_row = nullptr;
    QGroupBox *m_frequencyGroup = nullptr;
    QGroupBox *m_notificationGroup = nullptr;
    QRadioButton *m_onStart = nullptr;
    QRadioButton *m_daily = nullptr;
    QRadioButton *m_weekly = nullptr;
    QRadioButton *m_monthly = nullptr;
    QRadioButton *m_ask = nullptr;
    QRadioButton *m_automatic = nullptr;
};

/// The update settings dialog of the main window.
class UpdateSettingBox : public CommonUpdateBox
{
    Q_OBJECT

public:
    explicit UpdateSettingBox(QWidget *parent = nullptr);

public slots:
    void retranslateUI() override;
    void updateItems();

protected:
    void refreshContent() override;
};

/// The first-run dialog: interface and translation languages plus the update settings.
class InitialConfigBox : public CommonUpdateBox
{
    Q_OBJECT

public:
    explicit InitialConfigBox(I18NManager *i18n, QWidget *parent = nullptr);

    QComboBox *uiLanguageBox() const { return m_uiBox; }
    QComboBox *targetLanguageBox() const { return m_targetBox; }

    bool ready = false; ///< false while the combo boxes are being filled

signals:
    void requestRetranslation();

public slots:
    void retranslateUI() override;
    void showup();
    void UILanguageSelection(int index);
    void accept() override;

private:
    I18NManager *m_i18n = nullptr; ///< not owned
    QGroupBox *m_languageGroup = nullptr;
    QLabel *m_versionHeading = nullptr;
    QLabel *m_uiLabel = nullptr;
    QLabel *m_targetLabel = nullptr;
    QComboBox *m_uiBox = nullptr;
    QComboBox *m_targetBox = nullptr;
};

/// Asks before engine and site updates are downloaded.
class UpdateConfirmationBox : public ConfigBox, public UpdatePrompt
{
    Q_OBJECT

public:
    explicit UpdateConfirmationBox(QWidget *parent = nullptr);

    void setInfo(int count, qint64 bytes);
    bool confirmUpdate(int count, qint64 bytes) override;

    QLabel *textLabel() const { return m_text; }
    QCheckBox *automaticBox() const { return m_automatic; }

public slots:
    void retranslateUI() override;
    void accept() override;

private:
    QLabel *m_text = nullptr;
    QCheckBox *m_automatic = nullptr;
    int m_count = 0;
    qint64 m_bytes = 0;
};

/// Offers a new installer and asks where to save it.
class UpgradeConfirmationBox : public ConfigBox, public UpgradePrompt
{
    Q_OBJECT

public:
    explicit UpgradeConfirmationBox(QWidget *parent = nullptr);

    int ask(const QString &version, qint64 bytes, const QString &fileName,
            const QString &message) override;
    QString upgradePath() const override { return chosenPath; }

    QLabel *offerLabel() const { return m_offer; }
    QLabel *messageLabel() const { return m_message; }
    QToolButton *remindButton() const { return m_remind; }

    QString textTemplate;
    QString chosenPath;
    /// Picks the installer's path, starting at the given one; empty when
    /// cancelled. A save-file dialog unless replaced (tests do).
    std::function<QString(QWidget *parent, const QString &start)> fileChooser;

public slots:
    void deferReminder();
    void retranslateUI() override;
    void accept() override;

private:
    void fillOffer();

    QLabel *m_offer = nullptr;
    QLabel *m_message = nullptr;
    QToolButton *m_remind = nullptr;
    QString m_version;
    qint64 m_bytes = 0;
};

/// Tells where the downloaded installer is, without blocking.
class AppDownloadCompleteBox : public ConfigBox, public DownloadCompletePrompt
{
    Q_OBJECT

public:
    explicit AppDownloadCompleteBox(QWidget *parent = nullptr);

    void showDownloadComplete(const QString &path) override;
    QLabel *textLabel() const { return m_text; }

    QString textTemplate;

public slots:
    void retranslateUI() override;

private:
    QLabel *m_text = nullptr;
    QString m_path;
};
