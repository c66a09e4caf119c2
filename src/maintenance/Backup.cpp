#include "maintenance/Backup.h"

#include "db/DataModule.h"
#include "db/DbError.h"
#include "db/SqliteEngine.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Moves a finished file over its target; the old target is kept until the move succeeded.
bool replaceFile(const QString& finished, const QString& target)
{
    const QString previous = target + QStringLiteral(".old");
    QFile::remove(previous);
    const bool hadTarget = QFileInfo::exists(target);
    if (hadTarget && !QFile::rename(target, previous))
        return false;
    if (!QFile::rename(finished, target)) {
        if (hadTarget)
            QFile::rename(previous, target);
        return false;
    }
    QFile::remove(previous);
    return true;
}

void checkCopy(const QString& file)
{
    QString reason;
    if (!checkDatabaseFile(EngineKind::SQLite, file, &reason))
        throw DbError(reason);
}

}

namespace Backup {

bool questionDue(int frequency, const QDate& day)
{
    switch (frequency) {
    case 1:
        return true;
    case 2:
        return day.dayOfWeek() == Qt::Monday;
    case 3:
        return day.day() == 1;
    default:
        return false;
    }
}

QString targetFile(const QString& folder, const QDate& day)
{
    return QDir(folder).filePath(QStringLiteral("dp") + day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".back"));
}

bool ensureFolder(const QString& folder)
{
    const QString trimmed = folder.trimmed();
    if (!trimmed.isEmpty() && QFileInfo(trimmed).isDir())
        return true;
    if (ShowMess(QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"), MessQuestion) != MessYes)
        return false;
    if (trimmed.isEmpty() || !QDir().mkpath(trimmed)) {
        ShowMess(QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"), MessFailure);
        return false;
    }
    return true;
}

void copyOpenDatabase(TdmData& data, const QString& target)
{
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        if (!data.connection().isOpen() && !data.connection().reopen())
            throw DbError(QStringLiteral("数据库未打开"));
        data.connection().engine().backupTo(partial);
        checkCopy(partial);
        if (!replaceFile(partial, target))
            throw DbError(QStringLiteral("cannot write ") + target);
    } catch (const DbError&) {
        QFile::remove(partial);
        throw;
    }
}

void automatic(TdmData& data)
{
    const QString folder = data.textValue(QStringLiteral("select f_BakPath from sysInfo"));
    if (!ensureFolder(folder))
        return;
    const QString target = targetFile(folder.trimmed(), clockToday());
    if (QFileInfo::exists(target))
        return;
    try {
        copyOpenDatabase(data, target);
    } catch (const DbError&) {
        ShowMess(QStringLiteral("数据备份失败！"), MessFailure);
    }
}

}

bool CompactDatabase(const QString& databaseFile)
{
    const QFileInfo info(databaseFile);
    const QString compacted = info.absoluteFilePath() + QStringLiteral(".compact");
    QFile::remove(compacted);
    try {
        {
            SqliteEngine engine;
            QString reason;
            if (!engine.open(info.absoluteFilePath(), &reason))
                throw DbError(reason);
            engine.compactInto(compacted);
        }
        checkCopy(compacted);
        if (!replaceFile(compacted, info.absoluteFilePath()))
            throw DbError(QStringLiteral("cannot replace ") + databaseFile);
        return true;
    } catch (const DbError&) {
        QFile::remove(compacted);
        return false;
    }
}
