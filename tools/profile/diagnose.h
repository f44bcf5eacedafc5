#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CLProcessor;
class CLStepPairPointer;
class CLTrack;

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

/// The whole output of step N (from 1) of the topic named `topic` (its id or
/// its path as traces show it) in `track`, run over `bytes`: text as it is,
/// bytes decoded with the codeset, URLs one per line. False with the reason
/// in `output` when there is no such topic or step or the chain stops before.
bool stepOutput(const CLTrack *track, const QByteArray &bytes, const QString &topic, int step,
                QString &output);
