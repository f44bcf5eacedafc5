#pragma once

#include "clfilter.h"
#include "clstep.h"

/// Bytes or text to plain text.
class CLStepTextExtractor : public CLStep
{
public:
    CLStepTextExtractor();
    CLData *process(CLData *input) const override;

    bool filterSpace = false;
};

/// Bytes to the list of links and images of a region.
class CLStepURLExtractor : public CLStep
{
public:
    enum URLType { Link = 0, NonLink = 1, Any = 2 };

    CLStepURLExtractor();
    CLData *process(CLData *input) const override;

    CLFilter urlFilter{Qt::CaseInsensitive};
    CLFilter contentFilter{Qt::CaseInsensitive};
    int urlType = Any;
    QString prefix;
    QString cutTail;
};

/// Reduces a URL list by the duplicate rule of a topic's merge_dup number.
/// Dropped records are deleted; the list keeps the others in order.
void mergeDuplicates(QList<CLURLData *> &list, int mergeDup);

/// Bytes to the value of one attribute.
class CLStepAttributeExtractor : public CLStep
{
public:
    CLStepAttributeExtractor();
    CLData *process(CLData *input) const override;

    QString attributeName;
};

/// Text to a URL record.
class CLStepTextToURL : public CLStep
{
public:
    CLStepTextToURL();
    CLData *process(CLData *input) const override;

    int urlKind = URLHtml;
};

/// Lays text out as paragraphs.
class CLStepTextFormater : public CLStep
{
public:
    CLStepTextFormater();
    CLData *process(CLData *input) const override;

    int insertLine = 0;
    int appendLine = 0;
    int paragraphLine = 0;
    int paragraphSpaceBegin = 0;
    int paragraphSpaceEnd = 0;
};
