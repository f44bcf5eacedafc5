#include "aboutbox.h"

#include "clconstants.h"
#include "clupdate.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSettings>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget *parent) : ConfigBox(parent, QStringLiteral(":/CLOSE"), false)
{
    setFixedSize(450, 220);
    auto *row = new QHBoxLayout;
    m_logo = new QLabel(contentFrame());
    m_logo->setPixmap(QPixmap(QStringLiteral(":/LOGO"))
                          .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_logo->setFixedSize(72, 72);
    row->addWidget(m_logo, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    for (QLabel **label : {&m_version, &m_lastCheck, &m_address, &m_credits}) {
        *label = new QLabel(contentFrame());
        (*label)->setObjectName(QStringLiteral("DialogCommonLabel"));
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setWordWrap(true);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(*label);
    }
    texts->addStretch();
    row->addLayout(texts, 1);
    contentLayout()->addLayout(row, 1);
    AboutBox::retranslateUI();
}

void AboutBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("About Tessolin"));
    m_version->setText(QStringLiteral(TS_APP_NAME " " TS_APP_VERSION));
    m_address->setText(QStringLiteral("http://" TS_ORGANIZATION_DOMAIN));
    m_credits->setText(tr("Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); "
                          "flags: iso-flags-svg (public domain)."));
    refreshContent();
}

void AboutBox::refreshContent()
{
    const QString stored =
        QSettings().value(QStringLiteral(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP)).toString();
    const QDateTime time = QDateTime::fromString(stored, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    // Only a successful check stores a time; anything else means there was none.
    const QString when = time.isValid() ? updateTimestampText(time) : tr("Never");
    m_lastCheck->setText(tr("Last update check: %1").arg(when));
}
