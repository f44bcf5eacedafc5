#pragma once

#include "clfilter.h"
#include "clstep.h"

enum CLPointDirection { PointForward = 1, PointBackward = 2 };
enum CLPointFrom { PointFromBegin = 1, PointFromEnd = 2, PointFromPrevious = 3 };

/// One search point of a pair pointer.
class CLPoint : public CLObject
{
public:
    QString pattern;
    int direction = 0;
    int from = 0;
    int offset = 0;
    int occurrence = 1;
    bool includePattern = false;

    bool isValid() const;
    /// Why the point is invalid, or an empty string when it is valid.
    QString invalidReason() const;
};

/// The byte position a point finds in `bytes` (pattern encoded with
/// `codeset`), or -1. `base` is the position found for point A.
int findPoint(const QByteArray &bytes, const CLPoint &point, int base,
              const QString &codeset = QString());

/// Narrows bytes to the region between two points.
class CLStepPairPointer : public CLStep
{
public:
    CLStepPairPointer();
    ~CLStepPairPointer() override;
    CLData *process(CLData *input) const override;

    CLPoint *pointA = nullptr; ///< owned, required
    CLPoint *pointB = nullptr; ///< owned, may be null
    CLFilter contentFilter{Qt::CaseSensitive};
};

/// Removes regions between a start and an end pattern.
class CLStepSectionCutter : public CLStep
{
public:
    CLStepSectionCutter();
    CLData *process(CLData *input) const override;

    QString startPattern;
    QString endPattern;
    bool cutAll = true;
    bool cutPattern = true;
};
