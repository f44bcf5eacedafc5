#pragma once

#include "clupdate.h"

#include <QObject>

/// One target of a version-check answer with what the update run decided
/// and did about it (fields in CLUpdateTarget).
class DownloadTarget : public QObject, public CLUpdateTarget
{
    Q_OBJECT

public:
    explicit DownloadTarget(const CLUpdateTarget &target, QObject *parent = nullptr)
        : QObject(parent), CLUpdateTarget(target)
    {
    }
};
