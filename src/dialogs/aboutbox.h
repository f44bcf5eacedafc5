#pragma once

#include "configbox.h"

class QLabel;

/// The program's name and version, the last successful update check, the
/// maker's web address and the credits of the icon and flag sets.
class AboutBox : public ConfigBox
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

    QLabel *versionLabel() const { return m_version; }
    QLabel *lastCheckLabel() const { return m_lastCheck; }

public slots:
    void retranslateUI() override;

protected:
    void refreshContent() override;

private:
    QLabel *m_logo = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_lastCheck = nullptr;
    QLabel *m_address = nullptr;
    QLabel *m_credits = nullptr;
};
