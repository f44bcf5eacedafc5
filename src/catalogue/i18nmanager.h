#pragma once

#include <QHash>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

class CLProcessor;

/// The user's language settings and the translated names of languages,
/// countries and categories in the current interface language.
class I18NManager : public QObject
{
    Q_OBJECT

public:
    /// Reads the settings; `systemLocale` gives the defaults (its first two letters).
    explicit I18NManager(QObject *parent = nullptr,
                         const QString &systemLocale = QLocale::system().name());

    QStringList uiLanguages;
    QStringList targetLanguages;
    QHash<QString, QString> languageTitles;
    QHash<QString, QString> countryTitles;
    QHash<QString, QString> groupTitles;
    CLProcessor *processor = nullptr; ///< not owned
    QString uiLanguage;
    QString translateTargetLanguage;
    bool autoTranslation = false;

public slots:
    /// Refills the name tables from the installed interface translation.
    void refreshI18nNames();
    /// Writes the three language settings.
    void save();
};
