#include "platform/FileChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

QString qtFileFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QLatin1String(";;"));
}

QString DialogFileChooser::openFile(const QString& title, const QString& filter, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startFolder, qtFileFilter(filter));
}

QString DialogFileChooser::saveFile(const QString& title, const QString& filter, const QString& startPath)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, startPath, qtFileFilter(filter));
}

QString DialogFileChooser::pickFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder);
}

QString DialogFileChooser::pickPicture(const QString& title, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startFolder,
        QStringLiteral("图片文件 (*.bmp *.jpg *.jpeg *.gif);;所有文件 (*)"));
}
