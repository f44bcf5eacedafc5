#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CLProcessor;
class CLStepPairPointer;

/// The profile's word for a page type ("news.article"), or its number.
QString pageTypeName(int pageType);

/// Why processing made no tree: the URL patterns tried, the track patterns
/// found or missing, or the page type; one or more lines.
QString whyNoTree(const CLProcessor &processor, const QString &url, const QByteArray &bytes,
                  int pageType, const QString &siteId);

/// Why a pair pointer found nothing in `bytes`: which point was missing and
/// where the other one stood.
QString whyPairMissed(const CLStepPairPointer *step, const QByteArray &bytes);

/// Warnings about how a page's bytes read with the site's codeset: a charset
/// the page declares otherwise, or text full of replacement characters.
QStringList codesetWarnings(const QString &codeset, const QByteArray &bytes);
