// Compressed data files come from a download server: a corrupt or hostile
// stream must fail without allocating what its header claims.
#include "htmltext.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray packed(reinterpret_cast<const char *>(data), qsizetype(size));
    bool ok = false;
    const QByteArray xml = unpackXml(packed, &ok);
    if (ok && unpackXml(packXml(xml), &ok) != xml)
        __builtin_trap();
    return 0;
}
