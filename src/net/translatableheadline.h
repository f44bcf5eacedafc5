#pragma once

class CLI18n;
class QObject;

/// A headline that can be sent for translation: the index view's entries
/// implement it, so the network layer needs no widgets.
class TranslatableHeadline
{
public:
    virtual ~TranslatableHeadline();

    /// The object whose lifetime bounds the headline's pending request.
    virtual QObject *headlineObject() = 0;
    /// The headline's texts by language; its `original` names the source language.
    virtual const CLI18n *headlineNames() const = 0;
};
