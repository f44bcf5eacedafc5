#include "proxyconfigbox.h"

#include "proxymanager.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

ProxyConfigBox::ProxyConfigBox(QWidget *parent) : ConfigBox(parent, QStringLiteral(":/MIN"), true)
{
    setObjectName(QStringLiteral("ProxyConfigBox"));
    setFixedSize(450, 200);
    QWidget *frame = contentFrame();

    directButton = new QRadioButton(frame);
    httpButton = new QRadioButton(frame);
    socksButton = new QRadioButton(frame);
    for (QRadioButton *button : {directButton, httpButton, socksButton})
        contentLayout()->addWidget(button);

    const auto label = [frame] {
        auto *l = new QLabel(frame);
        l->setObjectName(QStringLiteral("DialogCommonLabel"));
        return l;
    };
    hostLabel = label();
    portLabel = label();
    userLabel = label();
    passwordLabel = label();
    hostEdit = new QLineEdit(frame);
    portEdit = new QLineEdit(frame);
    portEdit->setFixedWidth(70);
    userEdit = new QLineEdit(frame);
    passwordEdit = new QLineEdit(frame);
    passwordEdit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    passwordEdit->setFixedWidth(120);

    auto *grid = new QGridLayout;
    grid->addWidget(hostLabel, 0, 0);
    grid->addWidget(hostEdit, 0, 1);
    grid->addWidget(portLabel, 0, 2);
    grid->addWidget(portEdit, 0, 3);
    grid->addWidget(userLabel, 1, 0);
    grid->addWidget(userEdit, 1, 1);
    grid->addWidget(passwordLabel, 1, 2);
    grid->addWidget(passwordEdit, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(6);
    contentLayout()->addSpacing(6);
    contentLayout()->addLayout(grid);
    contentLayout()->addStretch();

    const QList<QWidget *> gridWidgets{hostLabel, hostEdit, portLabel,     portEdit,
                                       userLabel, userEdit, passwordLabel, passwordEdit};
    for (QWidget *widget : gridWidgets) {
        connect(directButton, &QRadioButton::clicked, widget, &QWidget::hide);
        connect(httpButton, &QRadioButton::clicked, widget, &QWidget::show);
        connect(socksButton, &QRadioButton::clicked, widget, &QWidget::show);
    }
    directButton->click();
    retranslateUI();
}

void ProxyConfigBox::refreshContent()
{
    if (!manager)
        return;
    hostEdit->setText(manager->host);
    portEdit->setText(QString::number(manager->port));
    userEdit->setText(manager->user);
    passwordEdit->setText(manager->password);
    // Every mode other than 0 and 1 is applied as SOCKS 5, so it shows as
    // SOCKS; accepting unchanged must not turn a working proxy off.
    if (manager->mode == 0)
        directButton->click();
    else if (manager->mode == 1)
        httpButton->click();
    else
        socksButton->click();
}

void ProxyConfigBox::accept()
{
    if (!manager) {
        QDialog::accept();
        return;
    }
    if (directButton->isChecked()) {
        manager->mode = 0;
        QDialog::accept();
        return;
    }

    const QString host = hostEdit->text().trimmed();
    bool portOk = false;
    const int port = portEdit->text().toInt(&portOk, 10);
    const QString user = userEdit->text().trimmed();
    // Spaces can be part of a password: it is taken as typed.
    QString password = passwordEdit->text();

    if (host.isEmpty()) {
        hostEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!portOk || port < 1 || port > 65534) {
        portEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!user.isEmpty() && password.isEmpty()) {
        passwordEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (user.isEmpty())
        password.clear();

    manager->host = host;
    manager->port = port;
    manager->user = user;
    manager->password = password;
    manager->mode = httpButton->isChecked() ? 1 : 2;
    QDialog::accept();
}

void ProxyConfigBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("Proxy Settings"));
    directButton->setText(tr("No Proxy (Direct Internet Access)"));
    httpButton->setText(tr("HTTP Proxy"));
    socksButton->setText(tr("Socket 5 Proxy"));
    hostLabel->setText(tr("Host"));
    portLabel->setText(tr("Port"));
    userLabel->setText(tr("User"));
    passwordLabel->setText(tr("Password"));
}
