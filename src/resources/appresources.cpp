#include "resources/appresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; it also keeps the linker
// from dropping the resources compiled into the static library.
static void initMestrelResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(productimages);
}

void ensureResourcesLoaded()
{
    static const bool loaded = (initMestrelResources(), true);
    Q_UNUSED(loaded);
}
