#include "main/MainIcons.h"

#include "app/Resources.h"

#include <QFile>

namespace MainIcons {

QIcon icon(const QString& name)
{
    initDossaraResources();
    QIcon result;
    for (const int size : {16, 22, 32}) {
        const QString file = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
        if (QFile::exists(file))
            result.addFile(file, QSize(size, size));
    }
    return result;
}

}
