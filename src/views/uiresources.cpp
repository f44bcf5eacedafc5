#include "uiresources.h"

#include <QtGlobal>

// Static libraries drop their resource initialisers unless they are referenced.
void initUiResources()
{
    Q_INIT_RESOURCE(ui);
}
