#include "db/NewDatabase.h"

#include "app/Resources.h"
#include "platform/Passwords.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <sqlite3.h>

namespace NewDatabase {

QString schemaText()
{
    initDossaraResources();
    QFile file(QStringLiteral(":/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

namespace {

bool exec(sqlite3* db, const QByteArray& sql, QString* reason)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    if (reason)
        *reason = QString::fromUtf8(error ? error : sqlite3_errmsg(db));
    sqlite3_free(error);
    return false;
}

bool setAdminPassword(sqlite3* db, QString* reason)
{
    sqlite3_stmt* stmt = nullptr;
    const char* sql = "update OperList set F_PassWord = ?1 where lower(F_Name) = 'admin'";
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        if (reason)
            *reason = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    const QByteArray stored = SavePass(QString()).toUtf8();
    sqlite3_bind_text(stmt, 1, stored.constData(), static_cast<int>(stored.size()), SQLITE_TRANSIENT);
    const bool ok = sqlite3_step(stmt) == SQLITE_DONE;
    if (!ok && reason)
        *reason = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(stmt);
    return ok;
}

}

bool create(const QString& databaseFile, QString* reason)
{
    const QFileInfo info(databaseFile);
    if (info.exists()) {
        if (reason)
            *reason = QStringLiteral("数据库文件已经存在，不会覆盖：") + info.absoluteFilePath();
        return false;
    }
    const QString schema = schemaText();
    if (schema.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("找不到数据库结构定义");
        return false;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        if (reason)
            *reason = QStringLiteral("无法创建目录：") + info.absolutePath();
        return false;
    }
    const QString partial = info.absoluteFilePath() + QStringLiteral(".new");
    QFile::remove(partial);
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(partial.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    if (!ok && reason)
        *reason = QString::fromUtf8(sqlite3_errmsg(db));
    ok = ok && exec(db, "BEGIN", reason) && exec(db, schema.toUtf8(), reason) && setAdminPassword(db, reason)
        && exec(db, "COMMIT", reason);
    sqlite3_close(db);
    if (ok && !QFile::rename(partial, info.absoluteFilePath())) {
        ok = false;
        if (reason)
            *reason = QStringLiteral("无法写入：") + info.absoluteFilePath();
    }
    if (!ok)
        QFile::remove(partial);
    return ok;
}

}
