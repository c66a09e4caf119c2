#include "app/Resources.h"

#include <QtGlobal>

static void initOnce()
{
    Q_INIT_RESOURCE(dossara);
}

void initDossaraResources()
{
    static const bool done = (initOnce(), true);
    Q_UNUSED(done);
}
