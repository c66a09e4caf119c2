#include "app/Closing.h"
#include "db/Connection.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "maintenance/Backup.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct OpenProgram {
    TempProgram program;
    ScriptedSeams seams;
    TdmData data;
    OpenProgram()
    {
        EXPECT_TRUE(data.connection().open(program.databaseFile()));
    }
    void setBackupFolder(const QString& folder)
    {
        data.connection().execute("update SysInfo set F_BakPath = :path", {{"path", folder}});
    }
};

}

TEST(BackupQuestion, DueByFrequencyWeekdayAndDayOfMonth)
{
    const QDate monday(2026, 12, 7), first(2026, 12, 1), plain(2026, 12, 10);
    struct Case {
        int frequency;
        QDate day;
        bool due;
    } cases[] = {
        {0, monday, false}, {0, first, false}, {1, plain, true}, {2, monday, true}, {2, plain, false},
        {3, first, true}, {3, monday, false}, {4, monday, false}, {-1, first, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Backup::questionDue(c.frequency, c.day), c.due) << c.frequency << " " << c.day.toString().toStdString();
}

TEST(BackupQuestion, AskedOnClosingOnlyWhenDueAndRunOnlyOnYes)
{
    OpenProgram p;
    const QString folder = p.program.file("bak");
    QDir().mkpath(folder);
    p.setBackupFolder(folder);
    p.seams.clock.set(QDateTime(QDate(2026, 12, 8), QTime(17, 0))); // a Tuesday
    Closing::offerBackup(p.data, 2);
    EXPECT_TRUE(p.seams.messages.messages.empty());

    p.seams.clock.set(QDateTime(QDate(2026, 12, 7), QTime(17, 0))); // a Monday
    p.seams.messages.answers = {MessNo};
    Closing::offerBackup(p.data, 2);
    EXPECT_EQ(p.seams.messages.texts(), QStringList{"软件关闭，要备份当前数据吗？"});
    EXPECT_FALSE(QFile::exists(Backup::targetFile(folder, QDate(2026, 12, 7))));

    p.seams.messages.answers = {MessYes};
    Closing::offerBackup(p.data, 2);
    EXPECT_TRUE(QFile::exists(Backup::targetFile(folder, QDate(2026, 12, 7))));
}

TEST(AutomaticBackup, CopiesTheOpenDatabaseOnceADayAndTheCopyIsADatabaseWithTheSameRows)
{
    OpenProgram p;
    const QString folder = p.program.file("backups");
    QDir().mkpath(folder);
    p.setBackupFolder(folder);
    p.data.connection().execute("insert into t_code(F_name,F_type) values('档案室','gddept')");

    Backup::automatic(p.data);
    const QString target = Backup::targetFile(folder, QDate(2026, 12, 11));
    EXPECT_TRUE(target.endsWith("/dp20261211.back"));
    ASSERT_TRUE(QFile::exists(target));
    EXPECT_TRUE(p.seams.messages.messages.empty()) << "no success message";

    Connection copy;
    ASSERT_TRUE(copy.open(target));
    EXPECT_EQ(copy.scalar("select F_name from t_code where F_type = 'gddept'").toString(), QStringLiteral("档案室"));
    copy.close();

    // A second backup on the same day leaves the first untouched.
    p.data.connection().execute("insert into t_code(F_name,F_type) values('财务科','gddept')");
    Backup::automatic(p.data);
    ASSERT_TRUE(copy.open(target));
    EXPECT_EQ(copy.scalar("select count(*) from t_code where F_type = 'gddept'").toInt(), 1);
}

TEST(AutomaticBackup, BacksUpTheDatabaseThatIsActuallyOpen)
{
    TempProgram program(false);
    ScriptedSeams seams;
    TempProgram::copyFreshDatabase(program.file("elsewhere/Dossara.mdb"));
    TdmData data;
    ASSERT_TRUE(data.connection().open(program.file("elsewhere/Dossara.mdb")));
    data.connection().execute("insert into t_code(F_name,F_type) values('elsewhere','gddept')");
    data.connection().execute("update SysInfo set F_BakPath = :p", {{"p", program.file("bak")}});
    QDir().mkpath(program.file("bak"));
    Backup::automatic(data);
    Connection copy;
    ASSERT_TRUE(copy.open(Backup::targetFile(program.file("bak"), QDate(2026, 12, 11))));
    EXPECT_EQ(copy.scalar("select count(*) from t_code where F_name = 'elsewhere'").toInt(), 1);
}

TEST(AutomaticBackup, MissingFolderIsCreatedAfterAskingAndNoStopsQuietly)
{
    OpenProgram p;
    const QString folder = p.program.file("new/nested");
    p.setBackupFolder(folder);
    p.seams.messages.answers = {MessNo};
    Backup::automatic(p.data);
    EXPECT_EQ(p.seams.messages.texts(), QStringList{"当前目录" + folder + " 不存在，是否创建！"});
    EXPECT_FALSE(QDir(folder).exists());

    p.seams.messages.clear();
    p.seams.messages.answers = {MessYes};
    Backup::automatic(p.data);
    EXPECT_TRUE(QFile::exists(Backup::targetFile(folder, QDate(2026, 12, 11))));
}

TEST(AutomaticBackup, AFolderThatCannotBeMadeIsReported)
{
    OpenProgram p;
    QFile blocker(p.program.file("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = p.program.file("file/sub");
    p.setBackupFolder(folder);
    p.seams.messages.answers = {MessYes};
    Backup::automatic(p.data);
    ASSERT_EQ(p.seams.messages.messages.size(), 2u);
    EXPECT_EQ(p.seams.messages.messages[1].text, "目录" + folder + " 创建失败,请检测路径是否合法!");
    EXPECT_EQ(p.seams.messages.messages[1].kind, MessFailure);
}

TEST(Compaction, ReplacesTheFileWithACheckedCompactCopyAndRefusesAMissingFile)
{
    OpenProgram p;
    p.data.connection().execute("insert into t_code(F_name,F_type) values('保留','gddept')");
    p.data.connection().close();
    EXPECT_TRUE(CompactDatabase(p.program.databaseFile()));
    ASSERT_TRUE(p.data.connection().reopen());
    EXPECT_EQ(p.data.connection().scalar("select count(*) from t_code where F_name = '保留'").toInt(), 1);
    EXPECT_FALSE(CompactDatabase(p.program.file("data/missing.mdb")));
    EXPECT_FALSE(QFile::exists(p.program.file("data/missing.mdb")));
}
