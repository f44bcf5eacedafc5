#pragma once

#include "clelement.h"
#include "clobject.h"

#include <QByteArray>
#include <QString>

class CLSite;
class CLTopic;

/// Base of every step kind. A step takes one typed value and yields a new
/// one, the input itself, or null when it finds nothing.
class CLStep : public CLObject
{
public:
    CLStep(std::initializer_list<int> inputTypes, int outputType);
    virtual ~CLStep();

    /// A new value owned by the caller, `input` itself, or null. `input` is not owned.
    virtual CLData *process(CLData *input) const = 0;

    bool accepts(int type) const { return type > 0 && type < 32 && (inputTypes & (1u << type)); }

    /// The site the step's topic belongs to; null for a step outside a profile.
    const CLSite *site() const;
    /// The site's codeset, empty for a step outside a profile.
    QString codeset() const;
    /// The text of a Bytes value (decoded with the site's codeset) or of a
    /// Text value; false for any other value.
    bool textOf(const CLData *input, QString &text) const;

    CLTopic *topic = nullptr; ///< not owned
    quint32 inputTypes = 0;   ///< bit (1 << CLDataType) per accepted type
    int outputType;
};

/// Runs a topic's chain over a deep copy of the page bytes. The result is
/// owned by the caller, or null.
CLData *runChain(const CLTopic *topic, const QByteArray &bytes);

/// Decodes bytes with the codec named by `codeset`; a name no codec knows
/// (or an empty one) decodes as UTF-8.
QString decodeWith(const QString &codeset, const QByteArray &bytes);
/// Encodes text with the codec named by `codeset`, UTF-8 when unknown.
QByteArray encodeWith(const QString &codeset, const QString &text);
/// Whether `codeset` names a codec this system knows.
bool isKnownCodeset(const QString &codeset);
