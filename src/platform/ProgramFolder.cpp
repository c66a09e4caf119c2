#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overridden()
{
    static QString folder;
    return folder;
}
}

namespace ProgramFolder {

QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    return QCoreApplication::applicationDirPath();
}

QString file(const QString& relative)
{
    return QDir(path()).filePath(relative);
}

void set(const QString& folder)
{
    overridden() = QDir::cleanPath(QDir(folder).absolutePath());
}

void reset()
{
    overridden().clear();
}

}
