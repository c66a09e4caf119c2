#include "support/TempProgram.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(DOSSARA_DIST "/dossara-sql"), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        process.kill();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A fresh program database; the tool is pointed at its data folder.
class SqlTool : public ::testing::Test {
protected:
    ToolRun run(const QStringList& statements, const QStringList& options = {})
    {
        return runTool(QStringList{"--data", m_program.file("data")} + options + statements);
    }

    TempProgram m_program;
};

TEST_F(SqlTool, PrintsChangedRowsAndResultsAsTabSeparatedLines)
{
    const ToolRun result = run({
        "insert into t_code(F_name,F_type) values(\"测试部门\",'gddept')",
        "select F_name, F_type, null as empty, x'0102' as bytes, 2.5 as r from t_code where F_name = '测试部门'",
        "select F_Flag from OperList where F_Name = 'ADMIN'",
        "update t_code set F_type = 'x' where F_name = 'nobody'",
    });
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QString("1\n"
                                  "F_name\tF_type\tempty\tbytes\tr\n"
                                  "测试部门\tgddept\t\\N\t2\t2.5\n"
                                  "F_Flag\n"
                                  "0\n"
                                  "0\n"));
    EXPECT_EQ(result.err, QString());
}

TEST_F(SqlTool, AResultWithoutRowsPrintsItsColumnNames)
{
    const ToolRun result = run({"select F_ID, F_name from t_code where (1<>1)"});
    EXPECT_EQ(result.out, QString("F_ID\tF_name\n"));
}

TEST_F(SqlTool, EscapesTabsLineBreaksAndBackslashesInValues)
{
    const ToolRun result = run({"select 'a\tb\nc\\d\r' as v"});
    EXPECT_EQ(result.out, QString("v\na\\tb\\nc\\\\d\\r\n"));
}

TEST_F(SqlTool, TodayOptionSetsTheDateOfStatements)
{
    const ToolRun result = run({"select date() as today, DateDiff(\"y\", date(), #2030-01-12#) as days"},
                               {"--today", "2030-01-02"});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QString("today\tdays\n2030-01-02\t10\n"));
}

TEST_F(SqlTool, AFailingStatementIsReportedAndTheOthersStillRun)
{
    const ToolRun result = run({"select * from no_such_table", "select len('abc') as n", "select Right('x')"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QString("n\n3\n"));
    const QStringList errors = result.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errors.size(), 2) << result.err.toStdString();
    EXPECT_EQ(errors[0], QString("error: no such table: no_such_table"));
    EXPECT_EQ(errors[1], QString("error: 函数 Right 需要 2 个参数"));
}

TEST_F(SqlTool, ReadsOneStatementPerNonEmptyLineOfStandardInput)
{
    const ToolRun result = runTool({"--data", m_program.file("data")},
                                   QByteArray("select 'a' + \"b\" as ab\n\n   \ndelete from t_code where 1 = 0\n"));
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QString("ab\nab\n0\n"));
}

TEST(SqlToolStart, AMissingDatabaseIsReported)
{
    QTemporaryDir empty;
    const ToolRun result = runTool({"--data", empty.path(), "select 1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QString());
    EXPECT_TRUE(result.err.contains("Dossara.mdb")) << result.err.toStdString();
}

TEST(SqlToolStart, BadArgumentsShowTheUsage)
{
    const QStringList cases[] = {
        {},
        {"--data"},
        {"--data", "/tmp", "--today", "2030-13-01"},
        {"--data", "/tmp", "--verbose", "select 1"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun result = runTool(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains("usage: dossara-sql")) << result.err.toStdString();
    }
}

}
