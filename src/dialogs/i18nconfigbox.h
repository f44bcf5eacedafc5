#pragma once

#include "configbox.h"

class CLProcessor;
class I18NManager;
class QCheckBox;
class QLabel;
class QListWidget;
class QToolButton;

/// The interface language, the translation target language, automatic
/// translation and the priority order of the translation engines.
class I18NConfigBox : public ConfigBox
{
    Q_OBJECT

public:
    explicit I18NConfigBox(QWidget *parent = nullptr);

    QListWidget *uiLanguageList = nullptr;
    QListWidget *targetLanguageList = nullptr;
    QListWidget *translatorList = nullptr;
    QCheckBox *autoTranslationBox = nullptr;
    QCheckBox *darkThemeBox = nullptr; ///< light or dark theme for the whole window
    QLabel *languagesLabel = nullptr;
    QLabel *interfaceLabel = nullptr;
    QLabel *targetLabel = nullptr;
    QLabel *enginesLabel = nullptr;
    QToolButton *upButton = nullptr;
    QToolButton *downButton = nullptr;
    I18NManager *i18n = nullptr;      ///< not owned
    CLProcessor *processor = nullptr; ///< not owned

signals:
    void UILanguageChanged();
    void translationLanguageChanged();

public slots:
    void translatorMoveUp();
    void translatorMoveDown();
    void accept() override;
    void retranslateUI() override;

protected:
    void refreshContent() override;

private:
    void moveTranslator(int step);
};
