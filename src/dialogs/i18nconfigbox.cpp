#include "i18nconfigbox.h"

#include "clconstants.h"
#include "clprocessor.h"
#include "cltranslator.h"
#include "i18nmanager.h"
#include "viewtheme.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int CodeRole = Qt::UserRole;

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("DialogCommonLabel"));
    return label;
}

QListWidget *makeList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("DialogCommonList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QToolButton *makeMoveButton(const QString &icon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("DialogInternalButton"));
    button->setIcon(QIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    return button;
}

/// Fills a language list with each language named in itself.
void fillLanguages(QListWidget *list, const QStringList &codes, const QString &selected,
                   const CLProcessor *processor)
{
    list->clear();
    for (const QString &code : codes) {
        const QString name =
            processor ? localName(processor->languageNames, code, code) : QString();
        auto *item = new QListWidgetItem(QIcon(QStringLiteral(":/FLAG_") + code), name, list);
        item->setData(CodeRole, code);
        if (code == selected) {
            list->setCurrentItem(item);
            item->setSelected(true);
        }
    }
}

/// The code of the selected row; empty when none is selected.
QString selectedCode(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(CodeRole).toString();
}

} // namespace

I18NConfigBox::I18NConfigBox(QWidget *parent) : ConfigBox(parent, QStringLiteral(":/MIN"), true)
{
    setObjectName(QStringLiteral("I18NConfgiBox"));
    setFixedSize(600, 450);
    QWidget *frame = contentFrame();
    QVBoxLayout *content = contentLayout();

    languagesLabel = makeLabel(frame);
    interfaceLabel = makeLabel(frame);
    targetLabel = makeLabel(frame);
    enginesLabel = makeLabel(frame);
    uiLanguageList = makeList(frame);
    targetLanguageList = makeList(frame);
    translatorList = makeList(frame);
    autoTranslationBox = new QCheckBox(frame);
    upButton = makeMoveButton(QStringLiteral(":/UPARROW"), frame);
    downButton = makeMoveButton(QStringLiteral(":/DOWNARROW"), frame);

    content->addWidget(languagesLabel);
    content->addSpacing(4);
    auto *languages = new QHBoxLayout;
    auto *interfaceColumn = new QVBoxLayout;
    interfaceColumn->addWidget(interfaceLabel);
    interfaceColumn->addWidget(uiLanguageList);
    auto *targetColumn = new QVBoxLayout;
    targetColumn->addWidget(targetLabel);
    targetColumn->addWidget(targetLanguageList);
    languages->addLayout(interfaceColumn);
    languages->addLayout(targetColumn);
    content->addLayout(languages, 3);
    content->addSpacing(6);
    content->addWidget(enginesLabel);
    auto *engines = new QHBoxLayout;
    auto *moves = new QVBoxLayout;
    moves->addWidget(upButton);
    moves->addWidget(downButton);
    moves->addStretch();
    engines->addWidget(translatorList, 1);
    engines->addLayout(moves);
    content->addLayout(engines, 2);
    content->addSpacing(6);
    content->addWidget(autoTranslationBox);
    darkThemeBox = new QCheckBox(frame);
    darkThemeBox->setObjectName(QStringLiteral("DarkThemeBox"));
    content->addWidget(darkThemeBox);

    connect(upButton, &QToolButton::clicked, this, &I18NConfigBox::translatorMoveUp);
    connect(downButton, &QToolButton::clicked, this, &I18NConfigBox::translatorMoveDown);

    retranslateUI();
}

void I18NConfigBox::refreshContent()
{
    if (!i18n)
        return;
    fillLanguages(uiLanguageList, i18n->uiLanguages, i18n->uiLanguage, processor);
    fillLanguages(targetLanguageList, i18n->targetLanguages, i18n->translateTargetLanguage,
                  processor);
    autoTranslationBox->setChecked(i18n->autoTranslation);
    darkThemeBox->setChecked(ViewTheme::instance()->isDark());

    translatorList->clear();
    if (!processor)
        return;
    for (const CLTranslator *translator : std::as_const(processor->translators)) {
        const QString local =
            translator->i18n ? localName(translator->i18n, i18n->uiLanguage) : QString();
        auto *item =
            new QListWidgetItem(local.isEmpty() ? translator->name : local, translatorList);
        item->setData(CodeRole, translator->id);
    }
}

void I18NConfigBox::moveTranslator(const int step)
{
    const QList<QListWidgetItem *> selected = translatorList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = translatorList->row(selected.first());
    const int target = row + step;
    if (target < 0 || target >= translatorList->count())
        return;
    QListWidgetItem *item = translatorList->takeItem(row);
    translatorList->insertItem(target, item);
    translatorList->setCurrentItem(item);
    item->setSelected(true);
}

void I18NConfigBox::translatorMoveUp()
{
    moveTranslator(-1);
}

void I18NConfigBox::translatorMoveDown()
{
    moveTranslator(1);
}

void I18NConfigBox::accept()
{
    bool interfaceChanged = false;
    bool targetChanged = false;
    if (i18n) {
        const QString interfaceCode = selectedCode(uiLanguageList);
        if (!interfaceCode.isEmpty() && interfaceCode != i18n->uiLanguage) {
            i18n->uiLanguage = interfaceCode;
            interfaceChanged = true;
        }
        const QString targetCode = selectedCode(targetLanguageList);
        if (!targetCode.isEmpty() && targetCode != i18n->translateTargetLanguage) {
            i18n->translateTargetLanguage = targetCode;
            targetChanged = true;
        }
        i18n->autoTranslation = autoTranslationBox->isChecked();
        i18n->save();
    }

    if (processor) {
        QStringList ids;
        for (int row = 0; row < translatorList->count(); ++row)
            ids << translatorList->item(row)->data(CodeRole).toString();
        const QString sequence = processor->applyTranslatorSequence(ids.join(QLatin1Char(' ')));
        // Without engines (their file failed to load) the stored order is all
        // that remains of the user's choice; an empty one must not replace it.
        if (!sequence.isEmpty())
            QSettings().setValue(QStringLiteral(TS_KEY_TRANSLATOR_SEQUENCE), sequence);
    }

    ViewTheme::instance()->setDark(darkThemeBox->isChecked());

    QDialog::accept();
    if (interfaceChanged)
        emit UILanguageChanged();
    if (targetChanged)
        emit translationLanguageChanged();
}

void I18NConfigBox::retranslateUI()
{
    ConfigBox::retranslateUI();
    caption()->setText(tr("Language Configurations"));
    languagesLabel->setText(tr("Languages"));
    interfaceLabel->setText(tr("Software Interface"));
    targetLabel->setText(tr("Translation Target"));
    enginesLabel->setText(tr("Translation Engines"));
    // Each label and its list explain themselves with the same tool tip.
    const QString interfaceTip =
        tr("Select the language for showing the menu text and the web site names.");
    const QString targetTip =
        tr("Select the language the original web pages to be translated into.");
    const QString enginesTip = tr("Set the priority that the translation engine to be used");
    interfaceLabel->setToolTip(interfaceTip);
    uiLanguageList->setToolTip(interfaceTip);
    targetLabel->setToolTip(targetTip);
    targetLanguageList->setToolTip(targetTip);
    enginesLabel->setToolTip(enginesTip);
    translatorList->setToolTip(enginesTip);
    autoTranslationBox->setText(tr("Automatic Translation"));
    darkThemeBox->setText(tr("Dark theme"));
    autoTranslationBox->setToolTip(
        tr("Automatically or manually translate the original web pages"));
    upButton->setText(tr("Up"));
    downButton->setText(tr("Down"));
}
