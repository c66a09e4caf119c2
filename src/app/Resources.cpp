#include "app/Resources.h"

#include <QtGlobal>

static void initOnce()
{
    Q_INIT_RESOURCE(dossara);
    Q_INIT_RESOURCE(icons);
}

void initDossaraResources()
{
    static const bool done = (initOnce(), true);
    Q_UNUSED(done);
}
