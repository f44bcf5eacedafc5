#include "configbox.h"

#include "titlebar.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int TitleIconSize = 20;
}

ConfigBox::ConfigBox(QWidget *parent, const QString &titleIconPath, bool twoButtons)
    : QDialog(parent)
{
    setWindowIcon(QIcon(QStringLiteral(":/LOGO")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setContentsMargins(0, 0, 0, 0);

    m_mainLayout = new QVBoxLayout(this);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->setSpacing(0);

    m_titleStrip = new QToolBar(this);
    m_titleStrip->setObjectName(QStringLiteral("DialogCfgTitle"));
    m_titleStrip->setFixedHeight(30);
    m_titleStrip->setMovable(false);
    m_mainLayout->addWidget(m_titleStrip);

    auto *iconBar = new TitleBar(titleIconPath, m_titleStrip);
    // Icons come at their drawn size; the strip shows them at a size it can hold.
    if (iconBar->image().height() > TitleIconSize)
        iconBar->setImage(iconBar->image().scaled(TitleIconSize, TitleIconSize, Qt::KeepAspectRatio,
                                                  Qt::SmoothTransformation));
    iconBar->setMinimumWidth(10);
    m_titleStrip->addWidget(iconBar);
    m_caption = new QLabel(m_titleStrip);
    m_caption->setObjectName(QStringLiteral("DialogTitleCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_titleStrip->addWidget(m_caption);
    auto *dragBar = new TitleBar(QString(), m_titleStrip);
    dragBar->setFixedHeight(30);
    dragBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_titleStrip->addWidget(dragBar);
    for (TitleBar *bar : {iconBar, dragBar}) {
        connect(bar, &TitleBar::mouseMoveEvent, this, &ConfigBox::moveDialog);
        connect(bar, &TitleBar::mousePressEvent, this, &ConfigBox::resetMousePosition);
    }

    m_contentFrame = new QFrame(this);
    m_contentFrame->setObjectName(QStringLiteral("DialogCfgFrame"));
    m_contentFrame->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->addWidget(m_contentFrame);
    m_frameLayout = new QVBoxLayout(m_contentFrame);
    m_frameLayout->setSpacing(0);
    // Subclasses fill the content layout after this constructor has run; it
    // is nested first so that the button row always stays below it.
    m_contentLayout = new QVBoxLayout;
    m_contentLayout->setSpacing(0);
    m_frameLayout->addLayout(m_contentLayout, 1);

    m_buttonRow = new QHBoxLayout;
    m_frameLayout->addLayout(m_buttonRow);
    m_buttonRow->addStretch();
    if (twoButtons) {
        m_saveButton = makeButton(QStringLiteral(":/OK"));
        connect(m_saveButton, &QToolButton::clicked, this, &ConfigBox::accept);
        m_cancelButton = makeButton(QStringLiteral(":/ERROR"));
        connect(m_cancelButton, &QToolButton::clicked, this, &ConfigBox::reject);
    } else {
        m_okButton = makeButton(QStringLiteral(":/OK"));
        connect(m_okButton, &QToolButton::clicked, this, &ConfigBox::accept);
        m_buttonRow->addStretch();
    }

    // Not virtual dispatch here: subclasses call their own retranslateUI()
    // at the end of their constructors.
    ConfigBox::retranslateUI();
}

QToolButton *ConfigBox::makeButton(const QString &iconPath)
{
    auto *button = new QToolButton(m_contentFrame);
    button->setObjectName(QStringLiteral("DialogCommonButton"));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFixedHeight(30);
    button->setAutoRaise(true);
    button->setIcon(QIcon(iconPath));
    m_buttonRow->addWidget(button);
    return button;
}

void ConfigBox::resetMousePosition(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    m_pressX = position.x();
    m_pressY = position.y();
}

void ConfigBox::moveDialog(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    const QPoint offset(position.x() - m_pressX, position.y() - m_pressY);
    if (offset.isNull())
        return;
    move(pos() + offset);
}

void ConfigBox::retranslateUI()
{
    setWindowTitle(tr("Tessolin Config"));
    if (m_saveButton)
        m_saveButton->setText(tr("Save"));
    if (m_cancelButton)
        m_cancelButton->setText(tr("Cancel"));
    if (m_okButton)
        m_okButton->setText(tr("OK"));
    // A label lines its text up by the text's own direction, so an address or
    // a version number would sit at the left of a right-to-left dialog while
    // the translated lines around it sit at the right. They all follow the
    // interface instead.
    const Qt::Alignment side =
        Qt::AlignAbsolute | (QGuiApplication::isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
    for (QLabel *label : findChildren<QLabel *>(QStringLiteral("DialogCommonLabel")))
        label->setAlignment(side | (label->alignment() & Qt::AlignVertical_Mask));
}

void ConfigBox::showEvent(QShowEvent *event)
{
    // A spontaneous show is the window system restoring a minimised dialog:
    // reloading then would throw away what the user has entered so far.
    if (!event->spontaneous())
        refreshContent();
    QDialog::showEvent(event);
}
