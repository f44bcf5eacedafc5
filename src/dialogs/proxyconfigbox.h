#pragma once

#include "configbox.h"

class ProxyManager;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;

/// Direct access, an HTTP proxy or a SOCKS 5 proxy, with host, port, user and
/// password. Edits the proxy manager's fields; the application stores and
/// applies them when the dialog is accepted.
class ProxyConfigBox : public ConfigBox
{
    Q_OBJECT

public:
    explicit ProxyConfigBox(QWidget *parent = nullptr);

    QRadioButton *directButton = nullptr;
    QRadioButton *httpButton = nullptr;
    QRadioButton *socksButton = nullptr;
    QLabel *hostLabel = nullptr;
    QLabel *portLabel = nullptr;
    QLabel *userLabel = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *hostEdit = nullptr;
    QLineEdit *portEdit = nullptr;
    QLineEdit *userEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    ProxyManager *manager = nullptr; ///< not owned; set by the application

public slots:
    void accept() override;
    void retranslateUI() override;

protected:
    void refreshContent() override;
};
