#pragma once

#include <QString>

class CLSite;
class QDomDocument;

/// Deepest nesting of topics a profile may have (a topic under a track is at
/// depth 1). Index groups end at depth 3; anything far deeper is a broken or
/// hostile profile.
constexpr int MaxTopicDepth = 32;
/// Bounds of the numbers a profile holds: line and space counts of the text
/// formatter, match occurrences and character offsets of cutting points.
constexpr int MaxProfileLineCount = 100;
constexpr int MaxProfileOccurrence = 10000;
constexpr int MaxProfileOffset = 1000000;

/// Where and why a profile was rejected: the first failure met.
struct CLProfileError
{
    QString
        path; ///< element path from the document element, e.g. "site/page[id=p1]/track/topic[id=t]"
    int line = -1; ///< line of the element in the file, -1 when unknown
    int column = -1;
    QString reason; ///< one line, e.g. "attribute occurrance is not a number"

    bool isEmpty() const { return reason.isEmpty(); }
    /// "LINE:COL: PATH: REASON"
    QString toString() const;
};

/// Builds the site model of a profile document; null when the document is
/// not a valid profile. When `error` is given it receives the first failure.
/// The site belongs to the caller.
CLSite *readProfile(const QDomDocument &document, CLProfileError *error = nullptr);
