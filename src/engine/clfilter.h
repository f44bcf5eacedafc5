#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class CLFilterCache;

/// An include/exclude pair of pattern lists with a case rule. Text filters
/// use Qt wildcard patterns found anywhere in the text; byte filters split
/// their patterns at "*" and look for the pieces in order.
class CLFilter
{
public:
    explicit CLFilter(Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive);
    ~CLFilter();
    CLFilter(const CLFilter &other);
    CLFilter &operator=(const CLFilter &other);

    void addInclude(const QString &pattern);
    void addExclude(const QString &pattern);
    bool isEmpty() const { return include.isEmpty() && exclude.isEmpty(); }

    QStringList include;
    QStringList exclude;
    int caseSensitivity; ///< 0 insensitive, 1 sensitive

private:
    friend bool matchText(const CLFilter &, const QString &);
    friend bool matchBytes(const CLFilter &, const QByteArray &);
    // Compiled patterns, built on first use and dropped when the lists change
    // through addInclude/addExclude or assignment.
    mutable std::unique_ptr<CLFilterCache> m_cache;
};

bool matchText(const CLFilter &filter, const QString &text);
bool matchBytes(const CLFilter &filter, const QByteArray &bytes);

/// The runs of plain characters a text pattern needs, in pattern order, as
/// written (before case folding); false when the pattern can match nothing.
bool literalRunsOf(const QString &pattern, QStringList *runs);

/// Index of `needle` in `haystack` at or after `from` (Boyer-Moore-Horspool,
/// exact bytes), or -1.
qsizetype searchBytes(const QByteArray &haystack, const QByteArray &needle, qsizetype from = 0);
