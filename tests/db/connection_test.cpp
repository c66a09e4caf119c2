#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

struct OpenDatabase {
    TempProgram program;
    ScriptedSeams seams;
    Connection connection;
    OpenDatabase() { EXPECT_TRUE(connection.open(program.databaseFile())); }
    int count(const QString& where) { return connection.scalar("select count(*) from t_code where " + where).toInt(); }
};

}

TEST(Connection, NamedParametersMatchWithoutRegardToCaseAndBlobsRoundTrip)
{
    OpenDatabase db;
    QByteArray blob(70000, '\0');
    for (int i = 0; i < blob.size(); ++i)
        blob[i] = static_cast<char>(i * 7);
    db.connection.execute("insert into t_TPrec(F_FileName,F_FileExt,F_HTimage,F_mainID) values(:Name,:EXT,:image,:mainID)",
                          {{"name", QStringLiteral("第一页'")}, {"ext", ".jpg"}, {"IMAGE", blob}, {"MAINid", 42}});
    DataSet rows;
    db.connection.load("select F_FileName,F_HTimage,F_mainID from t_TPrec where F_mainID = :MainID", rows, {{"mainid", 42}});
    ASSERT_EQ(rows.recordCount(), 1);
    EXPECT_EQ(rows.text(0, 0), QStringLiteral("第一页'"));
    EXPECT_EQ(rows.field(1).type, FieldType::Blob);
    EXPECT_EQ(rows.bytes(0, 1), blob);
    EXPECT_EQ(rows.intValue(0, 2), 42);
}

TEST(Connection, AMissingParameterValueIsAnError)
{
    OpenDatabase db;
    EXPECT_THROW(db.connection.execute("delete from t_code where F_ID = :id"), DbError);
}

TEST(Connection, ATransactionThatFailsMidwayLeavesNothing)
{
    OpenDatabase db;
    try {
        Transaction transaction(db.connection);
        db.connection.execute("insert into t_code(F_name,F_type) values('甲','gddept')");
        db.connection.execute("insert into no_such_table values(1)");
        transaction.commit();
        FAIL() << "the second statement must fail";
    } catch (const DbError&) {
    }
    EXPECT_EQ(db.count("F_name = '甲'"), 0);

    {
        Transaction transaction(db.connection);
        db.connection.execute("insert into t_code(F_name,F_type) values('乙','gddept')");
        transaction.commit();
    }
    EXPECT_EQ(db.count("F_name = '乙'"), 1);
}

TEST(Connection, ClosedConnectionOpensAgainOnTheNextStatement)
{
    OpenDatabase db;
    db.connection.close();
    EXPECT_FALSE(db.connection.isOpen());
    EXPECT_EQ(db.count("1=1"), 0);
    EXPECT_TRUE(db.connection.isOpen());
}

TEST(Connection, RefusesMissingFilesAndFilesThatAreNotItsDatabase)
{
    TempProgram program(false);
    Connection connection;
    QString reason;
    EXPECT_FALSE(connection.open(program.file("data/Dossara.mdb"), &reason));
    EXPECT_FALSE(QFile::exists(program.file("data/Dossara.mdb")));

    QFile other(program.file("data/Dossara.mdb"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("Standard Jet DB");
    other.close();
    EXPECT_FALSE(connection.open(program.file("data/Dossara.mdb"), &reason));
    EXPECT_FALSE(reason.isEmpty());
}

TEST(Connection, TwoConnectionsOnOneFileWaitForEachOther)
{
    OpenDatabase db;
    Connection second;
    ASSERT_TRUE(second.open(db.program.databaseFile()));
    db.connection.begin();
    db.connection.execute("insert into t_code(F_name,F_type) values('锁','gddept')");
    // The reader sees the committed state while the writer holds its lock.
    EXPECT_EQ(second.scalar("select count(*) from t_code where F_name = '锁'").toInt(), 0);
    db.connection.commit();
    second.execute("insert into t_code(F_name,F_type) values('二','gddept')");
    EXPECT_EQ(db.count("F_type = 'gddept'"), 2);
}
