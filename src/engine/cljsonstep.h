#pragma once

#include "clstep.h"

/// Bytes or text holding the inside of a JSON string literal to the text it
/// stands for: "\n", "\"", "\\", "\/", "\t", "\uXXXX" and the rest are decoded.
/// Engines that answer in JSON need it; an escape that is not valid JSON
/// stays as written, and a NUL or a lone surrogate becomes U+FFFD.
class CLStepJsonString : public CLStep
{
public:
    CLStepJsonString();
    CLData *process(CLData *input) const override;

    /// The decoding on its own.
    static QString decode(const QString &escaped);
};
