#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class CLObject;
class CLURLData;
class QDomDocument;

/// Value types of a CLData.
enum CLDataType {
    DataText = 1,
    DataBytes = 2,
    DataURL = 3,
    DataURLList = 4,
};

/// Kinds of a URL record.
enum CLURLKind {
    URLHtml = 1,
    URLImage = 2,
    URLFlash = 3,
    URLBinary = 4,
};

/// Kinds of an element tree node.
enum CLElementKind {
    KindNone = 0,
    IndexPage = 1,
    IndexGroup1 = 4,
    IndexGroup2 = 5,
    IndexGroup3 = 6,
    IndexEntry1 = 7,
    IndexEntry2 = 8,
    IndexEntry3 = 9,
    ArticlePage = 10,
    ArticleTitle = 11,
    ArticleSource = 12,
    ArticleDatetime = 13,
    ArticleText = 14,
    ArticleImage = 15,
    ArticleFlash = 16,
    ArticlePreviousPage = 17,
    ArticleNextPage = 18,
    TranslatorEntry = 21,
    TranslateText = 22,
};

/// A typed value flowing through a step chain and held by an element.
/// Deleting a value deletes what it owns (a URL list deletes its records).
class CLData
{
public:
    explicit CLData(const QString &text);
    explicit CLData(const QByteArray &bytes);
    explicit CLData(const QList<CLURLData *> &urls); ///< takes ownership of the records
    virtual ~CLData();
    CLData(const CLData &) = delete;
    CLData &operator=(const CLData &) = delete;

    int type;
    QString text;            ///< DataText payload
    QByteArray bytes;        ///< DataBytes payload
    QList<CLURLData *> urls; ///< DataURLList payload, owned

    /// The record of a DataURL value, else null.
    CLURLData *asURL();
    const CLURLData *asURL() const;

protected:
    explicit CLData(int type);
};

/// One URL found in a page; a CLData of type DataURL.
class CLURLData : public CLData
{
public:
    CLURLData(const QString &url, const QString &titleHtml, int urlKind);
    ~CLURLData() override;

    QString url;   ///< as given; characters beyond Latin-1 percent-encoded as UTF-8
    QString title; ///< plain text of the link; null when there is none
    int urlKind;
    CLURLData *enclosingLink = nullptr; ///< not owned
};

/// A node of an extracted tree or of a translation clone.
class CLElement
{
public:
    CLElement(int kind, const QString &language, const CLObject *origin, CLData *value,
              CLElement *parent);
    /// Translation clone of `source` and all its children, without values.
    CLElement(CLElement *source, const QString &language, CLElement *parent);
    virtual ~CLElement();
    CLElement(const CLElement &) = delete;
    CLElement &operator=(const CLElement &) = delete;

    /// The node's text: a Text value's text, a URL record's title, else null.
    QString text() const;

    int kind;
    CLData *value = nullptr; ///< owned
    CLElement *parent = nullptr;
    QList<CLElement *> children; ///< owned
    CLElement *source = nullptr;
    QString language;
    const CLObject *origin = nullptr;
};

/// Carries the clone node of a pending translation request.
class CLElementCarrier : public QObject
{
    Q_OBJECT
public:
    explicit CLElementCarrier(CLElement *element, QObject *parent = nullptr);

    CLElement *element; ///< not owned
    QString text;       ///< appended to the translated text
};

/// Adds a clone tree's progress to the two counters; true when nothing is pending.
bool countTranslation(const CLElement *element, int &done, int &pending);

/// The history hash of a URL (the string hash the history file was written with).
quint32 historyHash(const QString &url);

/// Reads the history file into `set`; the number of integers read, 0 when unreadable.
int loadHistory(QSet<quint32> &set, const QString &path);
/// Replaces the history file; the number written, 0 when it can't be written.
int saveHistory(const QSet<quint32> &set, const QString &path);
/// Replaces a file with raw bytes; false when nothing was written.
bool saveBytes(const QByteArray &bytes, const QString &path);
/// Replaces a file with a DOM document indented by 1; false when nothing was written.
bool saveDocument(const QDomDocument &document, const QString &path);
