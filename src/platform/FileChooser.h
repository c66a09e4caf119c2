#pragma once

#include "platform/Seam.h"

#include <QString>

// File and folder choice. Filters are written as the windows give them,
// "描述|*.EXT|描述|*.*" pairs separated by '|'. An empty result means cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString openFile(const QString& title, const QString& filter, const QString& startFolder) = 0;
    virtual QString saveFile(const QString& title, const QString& filter, const QString& startPath) = 0;
    virtual QString pickFolder(const QString& title, const QString& startFolder) = 0;
    virtual QString pickPicture(const QString& title, const QString& startFolder) = 0;
};

class DialogFileChooser : public FileChooser {
public:
    QString openFile(const QString& title, const QString& filter, const QString& startFolder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& startPath) override;
    QString pickFolder(const QString& title, const QString& startFolder) override;
    QString pickPicture(const QString& title, const QString& startFolder) override;
};

using FileChooserSeam = Seam<FileChooser, DialogFileChooser>;

// "Access数据库|*.MDB" -> "Access数据库 (*.MDB)" in Qt's own filter form.
QString qtFileFilter(const QString& pipeFilter);
