#include "coreresources.h"

#include <QtGlobal>

// Static libraries drop their resource initialisers unless they are referenced.
void initCoreResources()
{
    Q_INIT_RESOURCE(core);
}
