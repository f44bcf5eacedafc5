#pragma once

#include <QList>
#include <QSet>
#include <QString>

class QDomDocument;

/// One keyword set that hides headlines.
class CLKeywordSet
{
public:
    enum Type { Predefined = 1, Custom = 2 };
    CLKeywordSet() = default;
    ~CLKeywordSet();
    // The set owns its keywords; a copy would delete them twice.
    CLKeywordSet(const CLKeywordSet &) = delete;
    CLKeywordSet &operator=(const CLKeywordSet &) = delete;

    bool filterSubject = false;
    bool filterText = false;
    int type = Custom;
    QString id;
    QString name;
    QString version;
    QString keywordFile;
    QSet<QString> *keywords = nullptr; ///< owned; null until the keyword file was read
};

/// Hidden sites, disabled topics and keyword sets.
class CLFilterSettings
{
public:
    CLFilterSettings() = default;
    ~CLFilterSettings();
    CLFilterSettings(const CLFilterSettings &) = delete;
    CLFilterSettings &operator=(const CLFilterSettings &) = delete;

    QSet<QString> hiddenSites;
    QSet<QString> disabledTopics;
    QList<CLKeywordSet *> keywordSets; ///< owned, file order
};

/// Fills one set's keywords from a keyword-set document. Keywords that are
/// empty or white space only are left out: they would hide every headline.
bool loadKeywords(CLKeywordSet *set, const QDomDocument &document);
/// False when a keyword set hides an entry with this subject (and text).
bool passesKeywords(const CLFilterSettings *settings, const QString &subject,
                    const QString &text = QString());
