// The section cutter builds its result in one pass; it must cut exactly
// what cutting one section at a time and searching again from the start
// cuts. Input: a flag byte, then start pattern, end pattern and text
// separated by NUL bytes, all UTF-8.
#include "clcuttingsteps.h"
#include "clelement.h"
#include "../tests/core/sectioncut.h"

#include <QByteArrayList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QByteArrayList parts = input.split('\0');
    if (parts.size() < 3)
        return 0;
    CLStepSectionCutter step;
    step.startPattern = QString::fromUtf8(parts[0]);
    step.endPattern = QString::fromUtf8(parts[1]);
    step.cutAll = data[0] & 1;
    step.cutPattern = data[0] & 2;
    const QString text = QString::fromUtf8(parts[2]);
    CLData value(text);
    const std::unique_ptr<CLData> result(step.process(&value));
    const QString expected =
        straightforwardCut(text, step.startPattern, step.endPattern, step.cutAll, step.cutPattern);
    if ((result ? result->text : QString()) != expected)
        __builtin_trap();
    return 0;
}
