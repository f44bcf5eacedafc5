#pragma once

#include <QString>

class CLSite;
class QDomDocument;

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
