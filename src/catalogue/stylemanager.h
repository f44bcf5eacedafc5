#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

/// One skin directory below the skin root.
struct StyleSkin
{
    QString name;
    QString title;
};

/// Finds the skins, keeps the style sheets of the loaded ones and answers which
/// sheet applies to a language.
class StyleManager : public QObject
{
    Q_OBJECT

public:
    /// The skin root of an installation: "skin" beside the executable.
    static QString defaultSkinRoot();

    explicit StyleManager(const QString &skinRoot = defaultSkinRoot());

    /// Lists the skins and loads "default"; false when the root, the "default"
    /// skin or its base sheet is missing.
    bool loadSkins();
    /// Reads one skin's sheets over the ones already loaded.
    bool loadSkin(const QString &name);
    /// The sheet under `key`, else the one under `fallbackKey`, else "".
    static QString sheetFor(const QHash<QString, QString> &table, const QString &key,
                            const QString &fallbackKey);

    QString skinRoot;
    QString baseSheet;
    QHash<QString, QString> uiSheets;
    QHash<QString, QString> indexSheets;
    QHash<QString, QString> articleSheets;
    QList<StyleSkin> skins;
};
