#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool SystemDesktop::openDocument(const QString& pathOrUrl)
{
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl)
                                                  : QUrl::fromUserInput(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

bool SystemDesktop::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString SystemDesktop::findProgram(const QStringList& candidates)
{
    for (const QString& name : candidates) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void SystemDesktop::endProgram(int exitCode)
{
    QCoreApplication::exit(exitCode);
}
