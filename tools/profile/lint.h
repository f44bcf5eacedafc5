#pragma once

#include <QString>
#include <QStringList>

class QDomDocument;

/// What a strict reading of a profile finds beyond what the reader refuses:
/// unknown elements, attributes, keywords and types (`errors`, each listing
/// the allowed words), and likely mistakes that still load (`warnings`).
/// Each line is "LINE:COL: PATH: REASON".
void lintProfile(const QDomDocument &document, QStringList &errors, QStringList &warnings);

/// Checks a file by what its document element says it is: a site catalogue
/// or a translation engine file. Prints "OK"/"FAIL" lines like a profile
/// check; returns 0, 1 when the file fails, or -1 when it is neither.
int checkOtherDataFile(const QString &path, const QDomDocument &document);
