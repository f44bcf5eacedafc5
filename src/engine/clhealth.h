#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QStringList>

class CLElement;
class CLProcessor;

/// A page whose profile found nothing a reader could use: which site and
/// profile, what kind of page, and the first stage that lost the content.
struct CLProfileMiss
{
    QString siteId;  ///< empty when no profile claims the URL
    QString siteName;
    QString version;
    QString pageKind; ///< "index" or "article"
    QString stage;    ///< one line, e.g. "topic Body (text), step 2/4 step_pair_point found nothing"
};
Q_DECLARE_METATYPE(CLProfileMiss)

/// Whether `tree` holds anything a reader could use: more than empty groups
/// for an index page, a title or a text for an article. Other trees count
/// as whole. (An article that lacks one of its parts is judged by the reader.)
bool treeHasContent(const CLElement *tree);

/// Why processing `bytes` from `url` gave no usable tree (`tree` is what it
/// gave, possibly null): the page definition, track or step that lost it.
CLProfileMiss diagnoseMiss(const CLProcessor &processor, const QString &url,
                           const QByteArray &bytes, int pageType, const QString &siteId,
                           const CLElement *tree);

/// Largest size of the profile health log; older lines go first.
constexpr qint64 MaxHealthLogBytes = 64 * 1024;

/// What a shown article tree lacks, for an article the reader cannot show:
/// site and version from the tree's origin, the missing parts as the stage.
CLProfileMiss describeIncompleteArticle(const CLElement *tree);

/// One log line: date (ISO, UTC), site id, profile version, page kind and
/// stage, separated by tabs; tabs and line breaks of the fields become spaces.
QString healthLogLine(const CLProfileMiss &miss, const QString &dateTime);

/// Appends `line` to the log at `path` (its folder is made when missing),
/// dropping the oldest lines so that the file stays within `maxBytes`.
bool appendHealthLog(const QString &path, const QString &line, qint64 maxBytes = MaxHealthLogBytes);

/// The log read per site: one line per site with the number of misses, the
/// profile versions seen, the last date and the most frequent stage.
QStringList summarizeHealthLog(const QByteArray &log);
