#pragma once

#include <QByteArray>
#include <QStringList>

class CLElement;
class CLProcessor;
class CLTrack;

/// The tree as indented JSON text: per node kind, kindName, language, origin
/// (the producing profile object's id, or null), value and children.
QByteArray elementToJson(const CLElement *element);

/// Name of an element kind ("ArticleTitle"), empty for a number without one.
QString kindName(int kind);

/// One block per topic of the track, in processing order: the topic's path
/// and what each step of its chain yielded, up to where the chain stopped;
/// `full` shows each value whole instead of its start.
QStringList traceTrack(const CLProcessor &processor, const CLTrack *track, const QByteArray &bytes,
                       bool full = false);
