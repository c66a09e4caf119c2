#include "db/SqliteEngine.h"

#include "db/DataSet.h"
#include "db/DateText.h"
#include "db/DbError.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUuid>

#include <sqlite3.h>

#include <memory>

namespace {

constexpr int kBusyTimeoutMs = 15000;

// Tables every database of this program has.
const char* const kCheckStatement =
    "select count(*) from sqlite_master where type = 'table' and lower(name) in "
    "('t_files','t_jyrec','t_tprec','t_fjrec','t_txrec','t_code','t_treecode','operlist','sysinfo','keyvalue')";
constexpr int kCheckedTables = 10;

struct StatementDeleter {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Field fieldOf(sqlite3_stmt* stmt, int column, int firstRowType)
{
    Field field;
    field.name = QString::fromUtf8(sqlite3_column_name(stmt, column));
    const char* declared = sqlite3_column_decltype(stmt, column);
    if (!declared) {
        switch (firstRowType) {
        case SQLITE_INTEGER: field.type = FieldType::Integer; break;
        case SQLITE_FLOAT: field.type = FieldType::Real; break;
        case SQLITE_BLOB: field.type = FieldType::Blob; break;
        default: field.type = FieldType::Text; break;
        }
        return field;
    }
    const QString type = QString::fromLatin1(declared).toUpper();
    if (type.startsWith(QLatin1String("INT")) || type == QLatin1String("COUNTER"))
        field.type = FieldType::Integer;
    else if (type.startsWith(QLatin1String("BOOL")) || type == QLatin1String("YESNO"))
        field.type = FieldType::Bool;
    else if (type.startsWith(QLatin1String("REAL")) || type.startsWith(QLatin1String("DOUBLE")) || type.startsWith(QLatin1String("FLOAT")))
        field.type = FieldType::Real;
    else if (type.startsWith(QLatin1String("DATE")))
        field.type = FieldType::DateTime;
    else if (type.startsWith(QLatin1String("BLOB")))
        field.type = FieldType::Blob;
    else if (type.startsWith(QLatin1String("MEMO")) || type == QLatin1String("LONGTEXT"))
        field.type = FieldType::Memo;
    else
        field.type = FieldType::Text;
    static const QRegularExpression width(QStringLiteral("\\((\\d+)\\)"));
    const QRegularExpressionMatch match = width.match(type);
    if (match.hasMatch())
        field.width = match.captured(1).toInt();
    return field;
}

QString boundText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return DateText::fromVariant(value);
    default:
        return value.toString();
    }
}

}

SqliteEngine::SqliteEngine()
    : m_connectionName(QStringLiteral("dossara-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

SqliteEngine::~SqliteEngine()
{
    close();
}

bool SqliteEngine::open(const QString& databaseFile, QString* reason)
{
    close();
    const QFileInfo info(databaseFile);
    if (!info.isFile()) {
        if (reason)
            *reason = QStringLiteral("文件不存在：") + databaseFile;
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(info.absoluteFilePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.open()) {
            if (reason)
                *reason = db.lastError().text();
        } else {
            const QVariant native = db.driver()->handle();
            if (native.isValid() && qstrcmp(native.typeName(), "sqlite3*") == 0)
                m_handle = *static_cast<sqlite3* const*>(native.constData());
        }
    }
    if (!m_handle) {
        close();
        return false;
    }
    try {
        DataSet check;
        run(QString::fromLatin1(kCheckStatement), {}, &check, nullptr);
        if (check.recordCount() == 1 && check.intValue(0, 0) == kCheckedTables)
            return true;
        if (reason)
            *reason = QStringLiteral("不是本程序的数据库：") + databaseFile;
    } catch (const DbError& error) {
        if (reason)
            *reason = error.message();
    }
    close();
    return false;
}

void SqliteEngine::close()
{
    m_handle = nullptr;
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void SqliteEngine::fail(const QString& statement)
{
    throw DbError(m_handle ? QString::fromUtf8(sqlite3_errmsg(m_handle)) : QStringLiteral("数据库未打开"), statement);
}

sqlite3_stmt* SqliteEngine::prepare(const QString& statement)
{
    if (!m_handle)
        fail(statement);
    const QByteArray text = statement.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_handle, text.constData(), static_cast<int>(text.size()), &stmt, &tail) != SQLITE_OK)
        fail(statement);
    if (!stmt)
        throw DbError(QStringLiteral("空语句"), statement);
    if (tail && !QByteArray(tail).trimmed().isEmpty() && QByteArray(tail).trimmed() != ";") {
        sqlite3_finalize(stmt);
        throw DbError(QStringLiteral("一次只能执行一条语句"), statement);
    }
    return stmt;
}

void SqliteEngine::bind(sqlite3_stmt* stmt, const Params& params, const QString& statement)
{
    const int count = sqlite3_bind_parameter_count(stmt);
    if (count == 0)
        return;
    QHash<QString, const QVariant*> byName;
    for (const Param& param : params)
        byName.insert(param.name.toLower(), &param.value);
    for (int i = 1; i <= count; ++i) {
        const char* rawName = sqlite3_bind_parameter_name(stmt, i);
        const QString name = rawName ? QString::fromUtf8(rawName + 1).toLower() : QString();
        const QVariant* value = byName.value(name, nullptr);
        if (!value)
            throw DbError(QStringLiteral("参数 :%1 没有值").arg(name), statement);
        int rc;
        if (value->isNull()) {
            rc = sqlite3_bind_null(stmt, i);
        } else {
            switch (value->typeId()) {
            case QMetaType::QByteArray: {
                const QByteArray blob = value->toByteArray();
                rc = sqlite3_bind_blob64(stmt, i, blob.constData(), static_cast<sqlite3_uint64>(blob.size()), SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(stmt, i, value->toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(stmt, i, value->toDouble());
                break;
            default: {
                const QByteArray text = boundText(*value).toUtf8();
                rc = sqlite3_bind_text64(stmt, i, text.constData(), static_cast<sqlite3_uint64>(text.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            fail(statement);
    }
}

int SqliteEngine::run(const QString& statement, const Params& params, DataSet* into, int* resultColumns)
{
    StatementPtr stmt(prepare(statement));
    bind(stmt.get(), params, statement);
    const int columns = sqlite3_column_count(stmt.get());
    if (resultColumns)
        *resultColumns = columns;
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(statement);
    if (columns > 0) {
        if (into)
            load(stmt.get(), rc, *into, statement);
        return 0;
    }
    return sqlite3_changes(m_handle);
}

void SqliteEngine::load(sqlite3_stmt* stmt, int firstStep, DataSet& into, const QString& statement)
{
    const int columns = sqlite3_column_count(stmt);
    QVector<Field> fields;
    fields.reserve(columns);
    for (int c = 0; c < columns; ++c)
        fields.push_back(fieldOf(stmt, c, firstStep == SQLITE_ROW ? sqlite3_column_type(stmt, c) : SQLITE_NULL));
    into.beginLoad(fields);
    std::vector<FieldType> types;
    for (const Field& f : fields)
        types.push_back(f.type);

    int rc = firstStep;
    while (rc == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const int valueType = sqlite3_column_type(stmt, c);
            if (valueType == SQLITE_NULL) {
                into.addNull(c);
                continue;
            }
            switch (types[static_cast<size_t>(c)]) {
            case FieldType::Integer:
            case FieldType::Bool:
                if (valueType == SQLITE_FLOAT)
                    into.addReal(c, sqlite3_column_double(stmt, c));
                else
                    into.addInt(c, sqlite3_column_int64(stmt, c));
                break;
            case FieldType::Real:
                into.addReal(c, sqlite3_column_double(stmt, c));
                break;
            case FieldType::Blob: {
                const void* data = sqlite3_column_blob(stmt, c);
                into.addBytes(c, static_cast<const char*>(data), static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
                break;
            }
            default: {
                const unsigned char* text = sqlite3_column_text(stmt, c);
                into.addBytes(c, reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
                break;
            }
            }
        }
        rc = sqlite3_step(stmt);
    }
    if (rc != SQLITE_DONE) {
        into.clear();
        fail(statement);
    }
    into.endLoad();
}

void SqliteEngine::begin()
{
    run(QStringLiteral("BEGIN IMMEDIATE"), {}, nullptr, nullptr);
}

void SqliteEngine::commit()
{
    run(QStringLiteral("COMMIT"), {}, nullptr, nullptr);
}

void SqliteEngine::rollback()
{
    if (m_handle && !sqlite3_get_autocommit(m_handle))
        run(QStringLiteral("ROLLBACK"), {}, nullptr, nullptr);
}

void SqliteEngine::backupTo(const QString& targetFile)
{
    if (!m_handle)
        fail(QString());
    sqlite3* target = nullptr;
    const QByteArray path = targetFile.toUtf8();
    if (sqlite3_open_v2(path.constData(), &target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(target));
        sqlite3_close(target);
        throw DbError(message);
    }
    sqlite3_busy_timeout(target, kBusyTimeoutMs);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", m_handle, "main");
    int rc = SQLITE_ERROR;
    if (backup) {
        do {
            rc = sqlite3_backup_step(backup, -1);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                sqlite3_sleep(50);
        } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
        sqlite3_backup_finish(backup);
    }
    const QString message = QString::fromUtf8(sqlite3_errmsg(target));
    sqlite3_close(target);
    if (rc != SQLITE_DONE)
        throw DbError(message);
}

void SqliteEngine::compactInto(const QString& targetFile)
{
    QString literal = targetFile;
    literal.replace(QLatin1Char('\''), QLatin1String("''"));
    run(QStringLiteral("VACUUM INTO '%1'").arg(literal), {}, nullptr, nullptr);
}

bool checkDatabaseFile(EngineKind, const QString& file, QString* reason)
{
    SqliteEngine engine;
    if (!engine.open(file, reason))
        return false;
    try {
        DataSet result;
        engine.run(QStringLiteral("PRAGMA integrity_check"), {}, &result, nullptr);
        if (result.recordCount() == 1 && result.text(0, 0) == QLatin1String("ok"))
            return true;
        if (reason)
            *reason = result.recordCount() > 0 ? result.text(0, 0) : QStringLiteral("integrity check failed");
    } catch (const DbError& error) {
        if (reason)
            *reason = error.message();
    }
    return false;
}
