#include "demo/DemoDatabase.h"

#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/NewDatabase.h"
#include "db/SqliteEngine.h"
#include "demo/DeferredIndexes.h"
#include "demo/DemoActivity.h"
#include "demo/DemoArchives.h"
#include "demo/DemoClasses.h"
#include "demo/DemoMedia.h"
#include "demo/DemoOperators.h"
#include "demo/DemoStore.h"
#include "platform/Clock.h"

#include <QFile>

#include <algorithm>

#include <sqlite3.h>

namespace DemoDatabase {

namespace {

// Names of the custom items (KeyValue rows 1 to 11); empty keeps the default.
const char* const kCustomItemNames[] = {
    "项目编号", "合同编号", "盒号", "载体形式", "", "金额", "页数", "", "保管期限至", "鉴定日期", "",
};

void writeCompany(Connection& connection)
{
    connection.execute(
        QStringLiteral("update SysInfo set F_Code = :company,F_Name = :address,F_Manager = :manager,"
                       "F_Phone = :phone,F_HandPhone = :mobile,F_Email = :email,F_Homepage = :homepage,"
                       "F_Enroler = :representative,F_Mem = :profile"),
        {{QStringLiteral("company"), QStringLiteral("东方示范集团有限公司")},
         {QStringLiteral("address"), QStringLiteral("上海市浦东新区")},
         {QStringLiteral("manager"), QStringLiteral("张伟")},
         {QStringLiteral("phone"), QStringLiteral("021-5888 0000")},
         {QStringLiteral("mobile"), QStringLiteral("138 0000 0000")},
         {QStringLiteral("email"), QStringLiteral("archives@example.com")},
         {QStringLiteral("homepage"), QStringLiteral("https://www.example.com")},
         {QStringLiteral("representative"), QStringLiteral("陈静")},
         {QStringLiteral("profile"), QStringLiteral("档案管理示范单位，演示数据")}});
}

void nameCustomItems(Connection& connection)
{
    DataSet rows;
    connection.load(QStringLiteral("select F_ID from KeyValue order by F_ID"), rows);
    const int count = std::min(rows.recordCount(), static_cast<int>(std::size(kCustomItemNames)));
    for (int row = 0; row < count; ++row) {
        const QString name = QString::fromUtf8(kCustomItemNames[row]);
        if (name.isEmpty())
            continue;
        connection.execute(QStringLiteral("update KeyValue set F_Value = :value where F_ID = :id"),
                           {{QStringLiteral("value"), name}, {QStringLiteral("id"), rows.intValue(row, 0)}});
    }
}

// The fill writes hundreds of megabytes into a file that nobody else uses
// yet: no syncing, and a page cache large enough for the indexes.
void tuneForBulkWriting(sqlite3* db)
{
    sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size = -262144", nullptr, nullptr, nullptr);
}

// Writes the tree, the coded lists and the archives one by one, each followed
// by the records of its group.
class Filler {
public:
    Filler(sqlite3* db, const DemoOptions& options, const QDate& today)
        : m_options(options),
          m_classes(DemoClasses::tree()),
          m_store(db),
          m_archives(m_classes, DemoOperators::namesWithAdmin(), today, options.seed),
          m_activity(DemoOperators::namesWithAdmin(), today, options.seed),
          m_media(options.seed)
    {
    }

    void fill()
    {
        m_store.writeClasses(m_classes);
        m_store.writeCodedLists();
        for (int i = 0; i < m_options.archives; ++i)
            writeArchive(i < m_options.archivesWithMedia);
    }

private:
    void writeArchive(bool withMedia)
    {
        DemoArchive archive = m_archives.next();
        if (!archive.startsGroup) {
            m_store.write(archive);
            return;
        }
        const std::vector<DemoLoan> loans = m_activity.loansOf(archive.groupKey);
        archive.lent = static_cast<int>(std::min<ptrdiff_t>(
            archive.copies, std::count_if(loans.begin(), loans.end(), [](const DemoLoan& l) { return l.outstanding(); })));
        m_store.write(archive);
        for (const DemoLoan& loan : loans)
            m_store.write(loan);
        for (const DemoReminder& reminder : m_activity.remindersOf(archive.groupKey))
            m_store.write(reminder);
        if (!withMedia)
            return;
        for (const DemoImage& image : m_media.imagesOf(archive))
            m_store.write(image);
        for (const DemoAttachment& attachment : m_media.attachmentsOf(archive))
            m_store.write(attachment);
    }

    const DemoOptions& m_options;
    std::vector<DemoClass> m_classes;
    DemoStore m_store;
    ArchiveMaker m_archives;
    ActivityMaker m_activity;
    MediaMaker m_media;
};

bool fillDatabase(const QString& databaseFile, const DemoOptions& options, QString* reason)
{
    Connection connection;
    if (!connection.open(databaseFile, reason))
        return false;
    try {
        sqlite3* db = static_cast<SqliteEngine&>(connection.engine()).handle();
        tuneForBulkWriting(db);
        Transaction transaction(connection);
        writeCompany(connection);
        nameCustomItems(connection);
        DemoOperators::write(connection);
        DeferredIndexes indexes(db, {"t_Files", "t_JYrec", "t_TXrec", "t_TPrec", "t_FJrec"});
        Filler(db, options, clockToday()).fill();
        indexes.rebuild();
        transaction.commit();
        return true;
    } catch (const DbError& error) {
        if (reason)
            *reason = error.message();
        return false;
    }
}

}

bool create(const QString& databaseFile, const DemoOptions& options, QString* reason)
{
    if (options.archives < 0 || options.archives > kMaxArchives) {
        if (reason)
            *reason = QStringLiteral("档案数量须在 0 到 %1 之间").arg(kMaxArchives);
        return false;
    }
    if (!NewDatabase::create(databaseFile, reason))
        return false;
    if (fillDatabase(databaseFile, options, reason))
        return true;
    QFile::remove(databaseFile);
    return false;
}

}
