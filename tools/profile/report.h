#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

class CLElement;
class CLProcessor;
class CLTrack;

/// The tree as a JSON object: kind, kind name, language, value and children.
QJsonObject elementToJson(const CLElement *element);

/// Name of an element kind ("ArticleTitle"), empty for a number without one.
QString kindName(int kind);

/// One block per topic of the track, in processing order: the topic's path
/// and what each step of its chain yielded, up to where the chain stopped.
QStringList traceTrack(const CLProcessor &processor, const CLTrack *track, const QByteArray &bytes);
