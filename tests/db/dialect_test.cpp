#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/Dialect.h"
#include "support/Scripted.h"

#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <ostream>

// Texts in failure messages as text (found by argument-dependent lookup).
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

static void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral("; ")).toStdString() << '}';
}

namespace {

const QDate kToday(2026, 12, 11);

QString translated(const QString& statement, const QDate& today = kToday)
{
    return translateStatement(statement, DialectContext{EngineKind::SQLite, today});
}

struct TranslationCase {
    const char* name;
    const char* statement;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TranslationCase& c)
{
    return out << c.statement;
}

class DialectTranslation : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(DialectTranslation, RewritesForSqlite)
{
    EXPECT_EQ(translated(QString::fromUtf8(GetParam().statement)), QString::fromUtf8(GetParam().expected));
}

const TranslationCase kTranslations[] = {
    // Statements the engine reads as they are.
    {"CommonConstructsPassThrough",
     "select count(*),Max(F_code) from t_Files as c left join t_JYrec as jy on c.F_mainID = jy.F_mainID "
     "where c.F_memo1 is not null and jy.F_ID is null and F_GDdept in ('A','B') group by F_GDdept order by 1 desc",
     "select count(*),Max(F_code) from t_Files as c left join t_JYrec as jy on c.F_mainID = jy.F_mainID "
     "where c.F_memo1 is not null and jy.F_ID is null and F_GDdept in ('A','B') group by F_GDdept order by 1 desc"},
    {"EmptyResultAndBracketedNames", "select * from [t_Files] where (1<>1)", "select * from [t_Files] where (1<>1)"},
    {"LikeEscapePassesThrough", "select * from t_Files where F_name like '%!%a!_%' escape '!'",
     "select * from t_Files where F_name like '%!%a!_%' escape '!'"},
    {"TokensWithoutBlanks",
     "Select o.F_ID from OperLimit as O left join Limits as l On O.F_lmtName = L.F_name "
     "Where (O.F_OperName = 'admin')And(l.F_code = '204') ",
     "Select o.F_ID from OperLimit as O left join Limits as l On O.F_lmtName = L.F_name "
     "Where (O.F_OperName = 'admin')And(l.F_code = '204') "},
    {"QuotedTextBeforeOr", "select * from t_code where (F_name = 'x')or(F_type = 'y')",
     "select * from t_code where (F_name = 'x')or(F_type = 'y')"},
    {"CommentsPassThrough", "select 1 -- it's\n, 2 /* don't */ from t_code", "select 1 -- it's\n, 2 /* don't */ from t_code"},
    {"StringLiteralsAreNeverRewritten", "select 'date() #2024-01-05# \"q\" a & b + c top 1 true :P' from t_code",
     "select 'date() #2024-01-05# \"q\" a & b + c top 1 true :P' from t_code"},

    // Literals.
    {"DateLiteral", "select * from t_JYrec where jy.F_GHdate <= #1901-08-14#",
     "select * from t_JYrec where jy.F_GHdate <= '1901-08-14'"},
    {"DateTimeLiteral", "select #2024-1-5 9:30#, #2024-01-05 00:00:00#, #2024/01/05 23:59:59#",
     "select '2024-01-05 09:30:00', '2024-01-05', '2024-01-05 23:59:59'"},
    {"MonthDayYearLiteral", "select #1/5/2024#", "select '2024-01-05'"},
    {"Booleans", "select * from OperList where F_Flag = false or F_shFlag = TRUE",
     "select * from OperList where F_Flag = 0 or F_shFlag = 1"},
    {"DoubleQuotedStrings", "select \"it's\", \"say \"\"hi\"\"\", \"\" from t_code",
     "select 'it''s', 'say \"hi\"', '' from t_code"},
    {"ParametersInLowerCase",
     "insert into t_TPrec(F_mainID,F_fileExt,F_HTimage,F_fileName)Values(:mainID,:fileExt,:HTimage,:fileName)",
     "insert into t_TPrec(F_mainID,F_fileExt,F_HTimage,F_fileName)Values(:mainid,:fileext,:htimage,:filename)"},

    // Functions.
    {"Today", "select date(), Date() from t_code", "select '2026-12-11', '2026-12-11' from t_code"},
    {"Now", "select now()", "select datetime('now', 'localtime')"},
    {"DateDiffDays", "select DateDiff(\"y\",date(),jy.F_GHqiXian) as f_num",
     "select CAST(julianday(date(jy.F_GHqiXian)) - julianday(date('2026-12-11')) AS INTEGER) as f_num"},
    {"DateDiffDaysWithSingleQuotes", "select DateDiff('d', F_JYdate, F_GHdate)",
     "select CAST(julianday(date(F_GHdate)) - julianday(date(F_JYdate)) AS INTEGER)"},
    {"Length", "select len(F_code) from t_treecode where len(F_code) = 3",
     "select length(F_code) from t_treecode where length(F_code) = 3"},
    {"PositionWithoutRegardToCase", "select inStr(F_DAtype,'\\A')", "select instr(lower(F_DAtype), lower('\\A'))"},
    {"RightOfASimpleCount", "select Right(F_code,3)", "select substr(F_code, -3, 3)"},
    {"RightOfAnExpression", "select Right(F_DAtype,len(F_DAtype)-len('\\A'))",
     "select substr(F_DAtype, -(length(F_DAtype)-length('\\A')), length(F_DAtype)-length('\\A'))"},
    {"LeftAndMid", "select Left(F_code, 2), Mid(F_code,2), Mid( F_code , 2 , 3 )",
     "select substr(F_code, 1, 2), substr(F_code, 2), substr(F_code, 2, 3)"},
    {"CaseAndTrim", "select UCase(F_name), LCase(F_name), Trim(F_name), LTrim(F_name), RTrim(F_name)",
     "select upper(F_name), lower(F_name), trim(F_name), ltrim(F_name), rtrim(F_name)"},
    {"IIfAndNz", "select IIf(F_SZ1 > 0, 'p', 'n'), Nz(F_memo1), Nz(F_SZ1, 0)",
     "select CASE WHEN F_SZ1 > 0 THEN 'p' ELSE 'n' END, ifnull(F_memo1, ''), ifnull(F_SZ1, 0)"},
    {"DateParts", "select Year(F_editDate), Month(F_editDate), Day(F_editDate)",
     "select CAST(strftime('%Y', F_editDate) AS INTEGER), CAST(strftime('%m', F_editDate) AS INTEGER), "
     "CAST(strftime('%d', F_editDate) AS INTEGER)"},
    {"NestedCalls", "select len(Right(Trim(F_code), 2))", "select length(substr(trim(F_code), -2, 2))"},
    {"UnknownFunctionsPassThrough", "select coalesce(F_name, 'x'), lower(F_code) from t_code",
     "select coalesce(F_name, 'x'), lower(F_code) from t_code"},
    {"SumOfCopyCounts", "select sum(F_DAnum) as F_DAnum, sum(c.F_JCnum) as n, sum(F_SZ1), sum(distinct F_DAnum)",
     "select sum(CAST(F_DAnum AS NUMERIC)) as F_DAnum, sum(CAST(c.F_JCnum AS NUMERIC)) as n, sum(F_SZ1), "
     "sum(distinct F_DAnum)"},

    // Concatenation.
    {"PlusBetweenTextColumnsAndLiterals", "select c.F_code + '-' + c.F_name from t_Files as c",
     "select c.F_code || '-' || c.F_name from t_Files as c"},
    {"PlusAfterATextFunction",
     "update t_Files set F_DAtype = '\\B' + Right(F_DAtype,2) where inStr(F_DAtype,'\\A') = 1 ",
     "update t_Files set F_DAtype = '\\B' || substr(F_DAtype, -2, 2) where instr(lower(F_DAtype), lower('\\A')) = 1 "},
    {"PlusBetweenTextAndParameter", "select * from t_code where F_name like '%' + :Text + '%'",
     "select * from t_code where F_name like '%' || :text || '%'"},
    {"PlusOfNumbersStays", "select F_ID + 1, F_DAnum + 1, len(F_name) + 'x', 1 + 2 from t_Files",
     "select F_ID + 1, F_DAnum + 1, length(F_name) + 'x', 1 + 2 from t_Files"},
    {"PlusOfUnknownsStays", "select a + b, :p + 1 from t", "select a + b, :p + 1 from t"},
    {"Ampersand", "select F_code & F_mainID & 'x' from t_Files", "select F_code || F_mainID || 'x' from t_Files"},
    {"ArithmeticBeforeConcatenationKeepsItsOrder", "select a - b + 'x' + c, a & b + c, F_SZ1 * 2 & 'x' from t",
     "select (a - b) || 'x' || c, a || (b + c), (F_SZ1 * 2) || 'x' from t"},
    {"PlusInsideParentheses", "select ('a' + F_name) + F_code", "select ('a' || F_name) || F_code"},
    {"Modulo", "select F_ID mod 2 from t_code", "select F_ID % 2 from t_code"},

    // select top n.
    {"TopAtTheEnd", "select top 1 F_code from t_Files order by F_ID desc ",
     "select F_code from t_Files order by F_ID desc limit 1 "},
    {"DistinctTop", "select distinct top 5 F_name from t_code", "select distinct F_name from t_code limit 5"},
    {"TopInsideASubquery", "select * from t where x in (select top 2 F_code from t_Files order by F_code) and y = 1",
     "select * from t where x in (select F_code from t_Files order by F_code limit 2) and y = 1"},
    {"TopBeforeASemicolon", "select top 3 * from t_code;", "select * from t_code limit 3;"},
    {"TopInACompoundSelect", "select top 2 a from t union select b from u",
     "select * from (select a from t limit 2) union select b from u"},
    {"DistinctRow", "select distinctrow F_name from t_code", "select distinct F_name from t_code"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DialectTranslation, ::testing::ValuesIn(kTranslations),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnreadableCase {
    const char* name;
    const char* statement;
    const char* problem; // part of the message
};

std::ostream& operator<<(std::ostream& out, const UnreadableCase& c)
{
    return out << c.statement;
}

class DialectUnreadable : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(DialectUnreadable, ThrowsAClearMessage)
{
    try {
        translated(QString::fromUtf8(GetParam().statement));
        FAIL() << "no error for " << GetParam().statement;
    } catch (const DialectError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QString::fromUtf8(GetParam().problem))) << error.what();
    }
}

const UnreadableCase kUnreadable[] = {
    {"UnclosedString", "select * from t_code where F_name = 'abc", "字符串常量没有结束：'abc"},
    {"UnclosedDoubleQuotedString", "select \"abc from t", "字符串常量没有结束"},
    {"UnclosedName", "select * from [t_code", "名称没有结束"},
    {"UnclosedDate", "select * from t where d > #2024-01-01", "日期常量没有结束"},
    {"ImpossibleDate", "select #2024-02-30#", "无法识别的日期常量：#2024-02-30#"},
    {"DateWithoutYear", "select #01-05#", "无法识别的日期常量"},
    {"MissingClosingParenthesis", "select len((F_code)", "缺少“)”"},
    {"ExtraClosingParenthesis", "select len(F_code))", "多出一个“)”"},
    {"TooFewArguments", "select Right(F_code)", "函数 Right 需要 2 个参数"},
    {"TooManyArguments", "select Mid(F_code, 1, 2, 3)", "函数 Mid 需要 2 到 3 个参数"},
    {"EmptyArgument", "select Left(F_code, )", "函数 Left 的参数不能为空"},
    {"UnknownInterval", "select DateDiff(\"x\", a, b)", "DateDiff 不支持的间隔：x"},
    {"IntervalNotALiteral", "select DateDiff(i, a, b)", "DateDiff 的间隔应是字符串常量"},
    {"TopWithoutCount", "select top F_code from t_Files", "top 后面应是行数"},
    {"TopPercent", "select top 10 percent * from t_Files", "不支持 top … percent"},
};

INSTANTIATE_TEST_SUITE_P(Cases, DialectUnreadable, ::testing::ValuesIn(kUnreadable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Dialect, TodayComesFromTheContext)
{
    EXPECT_EQ(translated("select date()", QDate(2000, 2, 29)), "select '2000-02-29'");
    EXPECT_THROW(translated("select date()", QDate()), DialectError);
    EXPECT_EQ(translated("select 1", QDate()), "select 1");
}

TEST(Dialect, PostgreSqlHasNoTranslationYet)
{
    EXPECT_THROW(translateStatement("select 1", DialectContext{EngineKind::PostgreSQL, kToday}), DialectError);
}

// A database with the program's tables (the columns the statements below
// use, in the types of the real schema) and a few rows; statements run
// through the connection as the windows run them, today being kToday.
class DialectExecution : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString file = QDir(m_folder.path()).filePath("Dossara.mdb");
        createDatabase(file);
        ASSERT_TRUE(m_connection.open(file));
    }

    static void createDatabase(const QString& file)
    {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &handle), SQLITE_OK);
        char* message = nullptr;
        const int rc = sqlite3_exec(handle, kFixture, nullptr, nullptr, &message);
        const std::string problem = message ? message : "";
        sqlite3_free(message);
        sqlite3_close(handle);
        ASSERT_EQ(rc, SQLITE_OK) << problem;
    }

    // Every row as its values joined by "|", NULL for a null value.
    QStringList rows(const QString& statement, const Params& params = {})
    {
        DataSet result;
        m_connection.load(statement, result, params);
        QStringList lines;
        for (int r = 0; r < result.recordCount(); ++r) {
            QStringList values;
            for (int c = 0; c < result.fieldCount(); ++c)
                values << (result.isNull(r, c) ? QStringLiteral("NULL") : result.text(r, c));
            lines << values.join('|');
        }
        return lines;
    }

    static constexpr const char* kFixture = R"sql(
        BEGIN;
        CREATE TABLE t_Files (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_DAtype VARCHAR(50) COLLATE NOCASE,
            F_code VARCHAR(50) COLLATE NOCASE, F_name VARCHAR(50) COLLATE NOCASE, F_GDdate VARCHAR(50) COLLATE NOCASE,
            F_DAnum VARCHAR(50) COLLATE NOCASE, F_JCnum VARCHAR(50) COLLATE NOCASE,
            F_BMjibie VARCHAR(50) COLLATE NOCASE, F_CFaddress VARCHAR(255) COLLATE NOCASE,
            F_GDdept VARCHAR(50) COLLATE NOCASE, F_GDemp VARCHAR(50) COLLATE NOCASE, F_memo1 LONGTEXT COLLATE NOCASE,
            F_SZ1 DOUBLE, F_mainID INTEGER, F_editDate DATETIME);
        CREATE TABLE t_JYrec (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_mainID INTEGER, F_JYdate DATETIME,
            F_JYdept VARCHAR(50) COLLATE NOCASE, F_JYemp VARCHAR(50) COLLATE NOCASE, F_GHqiXian DATETIME,
            F_GHdate DATETIME, F_memo1 LONGTEXT COLLATE NOCASE, F_PZemp VARCHAR(50) COLLATE NOCASE, F_editDate DATETIME);
        CREATE TABLE t_TPrec (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_FileName VARCHAR(50) COLLATE NOCASE,
            F_FileExt VARCHAR(50) COLLATE NOCASE, F_HTimage BLOB, F_mainID INTEGER);
        CREATE TABLE t_FJrec (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_mainID INTEGER,
            F_fileName VARCHAR(50) COLLATE NOCASE, F_editDate DATETIME);
        CREATE TABLE t_TXrec (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_mainID INTEGER, F_awokeDate DATETIME,
            F_awokeTime VARCHAR(50) COLLATE NOCASE, F_caption VARCHAR(255) COLLATE NOCASE,
            F_memo1 LONGTEXT COLLATE NOCASE, F_editDate VARCHAR(50) COLLATE NOCASE, F_operName VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE t_code (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_name VARCHAR(50) COLLATE NOCASE,
            F_type VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE t_treecode (F_code VARCHAR(50) COLLATE NOCASE, F_name VARCHAR(50) COLLATE NOCASE,
            F_likecode VARCHAR(255) COLLATE NOCASE, F_flag VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE OperList (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_Name VARCHAR(50) COLLATE NOCASE,
            F_Flag BOOLEAN, F_dept VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE Limits (F_code VARCHAR(50) COLLATE NOCASE, F_name VARCHAR(50) COLLATE NOCASE, F_flag BOOLEAN);
        CREATE TABLE OperLimit (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_OperName VARCHAR(50) COLLATE NOCASE,
            F_lmtName VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE LogRec (F_EmpName VARCHAR(50) COLLATE NOCASE, F_OperType VARCHAR(50) COLLATE NOCASE,
            F_OperDate VARCHAR(50) COLLATE NOCASE, F_OperTime VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE cfg_Grid (F_name VARCHAR(50) COLLATE NOCASE, F_FieldName VARCHAR(50) COLLATE NOCASE,
            F_Caption VARCHAR(50) COLLATE NOCASE, F_Width INTEGER, F_Visible BOOLEAN, F_Order INTEGER);
        CREATE TABLE SysInfo (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_Code VARCHAR(50) COLLATE NOCASE);
        CREATE TABLE KeyValue (F_ID INTEGER PRIMARY KEY AUTOINCREMENT, F_Value VARCHAR(50) COLLATE NOCASE);

        INSERT INTO t_Files (F_DAtype, F_code, F_name, F_GDdate, F_DAnum, F_JCnum, F_BMjibie, F_CFaddress, F_GDdept,
                             F_GDemp, F_memo1, F_SZ1, F_mainID, F_editDate) VALUES
            ('\档案\合同', 'A-001', 'Alpha report', '2024-01-05', '3', '1', '秘密', 'Room 1', 'Sales', 'Li',
             'pure 100% cotton', 2.5, 1, '2024-01-05'),
            ('\档案\合同\子', 'a-002', 'beta', '2024-02-10', '2', '', '普通', 'Room 1', 'SALES', 'Wang',
             'pure 100 cotton', NULL, 2, '2024-02-10 10:00:00'),
            ('\档案\合同甲', 'B-003', 'Gamma', '1900-08-14', '5', '2', '普通', 'Room 2', 'Hr', 'li',
             NULL, 0.5, 3, '2024-03-01');
        INSERT INTO t_JYrec (F_mainID, F_JYdate, F_JYemp, F_GHqiXian, F_GHdate, F_editDate) VALUES
            (1, '2026-12-01', 'Zhao', '2026-12-11', '1900-08-14', '2026-12-01'),
            (2, '2026-12-02', 'Qian', '2026-12-14 09:00:00', '1900-08-14', '2026-12-02'),
            (3, '2026-12-03', 'Sun', '2026-12-10', '1900-08-14', '2026-12-03'),
            (1, '2026-12-04', 'Zhao', '2026-12-12', '2026-12-05', '2026-12-04'),
            (99, '2026-12-05', 'Li', '1900-08-14', '1900-08-14', '2026-12-05');
        INSERT INTO t_TXrec (F_mainID, F_awokeDate, F_caption, F_editDate) VALUES
            (1, '2026-12-11', 'today', '2026-12-01'), (2, '2026-12-13', 'in two days', '2026-12-01'),
            (3, '2026-12-20', 'later', '2026-12-01'), (1, '2026-11-30', 'past', '2026-11-01');
        INSERT INTO t_code (F_name, F_type) VALUES ('Sales', 'gddept'), ('', 'gddept'), ('Hr', 'gddept'),
            ('Room 1', 'cfaddress'), ('Sales', 'gddept');
        INSERT INTO t_treecode (F_code, F_name, F_likecode, F_flag) VALUES
            ('001', '合同', '\档案\合同', 'type'), ('001001', '子', '\档案\合同\子', 'type'),
            ('002', '其他', '\档案\其他', 'type'), ('003', 'x', '\x', 'other');
        INSERT INTO OperList (F_Name, F_Flag, F_dept) VALUES ('admin', 0, 'Sales'), ('blocked', 1, 'Hr');
        INSERT INTO Limits (F_code, F_name, F_flag) VALUES ('204', '档案修改', 1), ('205', '档案删除', 0);
        INSERT INTO OperLimit (F_OperName, F_lmtName) VALUES ('admin', '档案修改');
        INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_Order) VALUES
            ('DAmain', 'F_name', '名称', 100, 1, 1), ('DAmain', 'F_code', '编号', 80, 1, 0), ('DAmain', '', 'x', 1, 1, 2);
        INSERT INTO SysInfo (F_Code) VALUES ('');
        COMMIT;
    )sql";

    ScriptedSeams m_seams{QDateTime(kToday, QTime(10, 0))};
    QTemporaryDir m_folder;
    Connection m_connection;
};

struct ExecutionCase {
    const char* name;
    const char* statement;
    std::vector<const char*> rows;
};

std::ostream& operator<<(std::ostream& out, const ExecutionCase& c)
{
    return out << c.statement;
}

class DialectStatements : public DialectExecution, public ::testing::WithParamInterface<ExecutionCase> {};

TEST_P(DialectStatements, GiveTheRowsTheWindowsExpect)
{
    QStringList expected;
    for (const char* row : GetParam().rows)
        expected << QString::fromUtf8(row);
    EXPECT_EQ(rows(QString::fromUtf8(GetParam().statement)), expected);
}

const ExecutionCase kStatements[] = {
    // Dates: a time of day on a day is after that day's literal, a date alone equals it.
    {"DateTimeColumnAgainstADateLiteral", "select F_code from t_Files where F_editDate <= #2024-02-10# order by F_ID",
     {"A-001"}},
    {"DateTimeColumnAfterADateLiteral", "select F_code from t_Files where F_editDate >= #2024-02-10# order by F_ID",
     {"a-002", "B-003"}},
    {"TextDateColumnAgainstDateLiterals",
     "select F_code from t_Files where F_GDdate >= #2024-01-01# and F_GDdate <= #2024-12-31# order by F_ID",
     {"A-001", "a-002"}},
    {"Today", "select date()", {"2026-12-11"}},
    {"DaysFromTodayToTheDueDate", "select F_mainID, DateDiff(\"y\",date(),F_GHqiXian) from t_JYrec order by F_ID",
     {"1|0", "2|3", "3|-1", "1|1", "99|-46140"}},
    {"DaysAcrossMidnightAndLeapDay",
     "select DateDiff(\"d\", '2024-03-01 23:59:59', '2024-03-02 00:00:01'), DateDiff('d', #2024-03-02#, #2024-02-28#)",
     {"1|-3"}},
    {"MonthsAndYears", "select DateDiff('m', #2024-01-31#, #2024-03-01#), DateDiff('yyyy', #2024-12-31#, #2026-01-01#)",
     {"2|2"}},
    {"OtherIntervals",
     "select DateDiff('h', '2024-01-01 10:59:00', '2024-01-01 11:00:00'), DateDiff('n', '2024-01-01 10:59:59', "
     "'2024-01-01 11:00:00'), DateDiff('s', #2024-01-01#, '2024-01-01 00:01:00'), DateDiff('q', #2024-03-31#, "
     "#2024-04-01#), DateDiff('w', #2024-01-15#, #2024-01-01#)",
     {"1|1|60|1|-2"}},

    // Text functions.
    {"LengthInCharacters", "select len(F_name), len(F_DAtype) from t_Files where F_ID = 1", {"12|6"}},
    {"PositionWithoutRegardToCase", "select inStr(F_name, 'REPORT'), inStr(F_name, 'x') from t_Files where F_ID = 1",
     {"7|0"}},
    {"RightLeftMid",
     "select Right(F_code, 3), Right(F_code, 0), Right(F_code, 10), Left(F_code, 1), Mid(F_code, 3), Mid(F_code, 3, 2) "
     "from t_Files where F_ID = 1",
     {"001||A-001|A|001|00"}},
    {"CaseAndTrim", "select UCase(F_name), LCase(F_code), Trim('  x  '), LTrim('  x'), RTrim('x  ') from t_Files where F_ID = 2",
     {"BETA|a-002|x|x|x"}},
    {"IIfAndNz", "select IIf(F_SZ1 > 1, 'big', 'small'), Nz(F_SZ1, 0), Nz(F_memo1) from t_Files order by F_ID",
     {"big|2.5|pure 100% cotton", "small|0|pure 100 cotton", "small|0.5|"}},
    {"DateParts", "select Year(F_editDate), Month(F_editDate), Day(F_editDate) from t_Files where F_ID = 2",
     {"2024|2|10"}},

    // Concatenation and numbers held as text.
    {"PlusJoinsTexts", "select c.F_code + '-' + c.F_name from t_Files as c where c.F_ID = 1", {"A-001-Alpha report"}},
    {"PlusAddsToANumberHeldAsText", "select F_DAnum + 1 from t_Files where F_ID = 1", {"4"}},
    {"AmpersandJoinsAnything", "select F_code & F_mainID from t_Files where F_ID = 1", {"A-0011"}},
    {"ArithmeticThenText", "select n - 1 + 'x' from (select F_mainID as n from t_Files where F_ID = 3)", {"2x"}},
    {"StatisticsSumCopyCounts",
     "select F_CFaddress as F_name,count(*) as F_num,sum(F_DAnum) as F_DAnum, sum(F_JCnum) as F_JCnum from t_Files "
     "where (F_editDate >= #1900-08-14# and F_editDate <= #3000-08-14#)  group by F_CFaddress order by F_CFaddress",
     {"Room 1|2|5|1", "Room 2|1|5|2"}},

    // Text comparison without regard to case.
    {"EqualsIgnoresCase", "select F_code from t_Files where F_code = 'A-002'", {"a-002"}},
    {"LikeIgnoresCase", "select F_code from t_Files where F_name like 'ALPHA%'", {"A-001"}},
    {"InIgnoresCase", "select F_code from t_Files where F_GDdept in ('sales') order by F_ID", {"A-001", "a-002"}},
    {"LikeWithEscapedWildcard", "select F_code from t_Files where F_memo1 like '%100!%%' escape '!'", {"A-001"}},
    {"DoubleQuotedText", "select F_code from t_Files where F_name = \"BETA\"", {"a-002"}},

    // Other constructs.
    {"TopOfAnOrder", "select top 1 F_code from t_Files order by F_ID desc ", {"B-003"}},
    {"DistinctTop", "select distinct top 5 F_CFaddress from t_Files order by F_CFaddress", {"Room 1", "Room 2"}},
    {"TopInASubquery",
     "select F_code from t_Files where F_mainID in (select top 1 F_mainID from t_JYrec order by F_GHqiXian desc)",
     {"a-002"}},
    {"Booleans", "select F_Name from OperList where F_Flag = false", {"admin"}},
    {"LeftJoinIsNull",
     "select jy.F_mainID from t_JYrec as jy left join t_Files as c on jy.F_mainID = c.F_mainID where c.F_ID is null",
     {"99"}},
    {"QuotedTextBeforeOr", "select F_code from t_Files where (F_code = 'B-003')or(F_code = 'a-001') order by F_ID",
     {"A-001", "B-003"}},

    // Statements as the windows build them.
    {"CheckRight",
     "Select o.F_ID from OperLimit as O left join Limits as l On O.F_lmtName = L.F_name "
     "Where (O.F_OperName = 'ADMIN')And(l.F_code = '204') ",
     {"1"}},
    {"NextTopLevelCode", "select Max(F_code) from t_treecode where len(F_code) = 3 and f_flag = 'type' ", {"002"}},
    {"NextChildCode", "select Max(F_code) from t_treecode where F_code like '001%' and f_flag = 'TYPE' ", {"001001"}},
    {"LoadTree", "select F_code,F_name,F_likecode from t_treecode where F_flag = 'type' order by F_code",
     {"001|合同|\\档案\\合同", "001001|子|\\档案\\合同\\子", "002|其他|\\档案\\其他"}},
    {"GridLayoutInLowerCase",
     "Select F_FieldName from cfg_Grid Where (F_name = 'damain' and F_fieldname <> '') order by F_Order",
     {"F_code", "F_name"}},
    {"CodedListForOneDepartment",
     "select distinct F_name from t_code where (F_name <> '') and (F_type = 'gddept')and (F_name in ('sales','x')) ",
     {"Sales"}},
    {"GroupingList", "select F_name from t_code where (F_name <> '') and F_type = 'gddept' order by F_ID",
     {"Sales", "Hr", "Sales"}},
    {"ArchiveListWithRestrictionAndSearch",
     "select F_code from t_Files where (1=1) and (F_GDdept = 'sales') and f_code like '%00%' "
     "and f_DAtype like '\\档案\\合同%' order by F_code",
     {"A-001", "a-002"}},
    {"AdvancedQueryDates",
     "select F_code from t_Files where (1=1) and F_GDdate >= #2024-01-05# and F_GDdate <= #2024-01-05# "
     "and F_editDate >= #2024-01-01# and F_editDate <= #2024-12-31# ",
     {"A-001"}},
    {"OutstandingBorrowingsDueWithinThreeDays",
     "select c.F_mainID,c.F_code,jy.F_JYemp,DateDiff(\"y\",date(),jy.F_GHqiXian) as f_num  "
     "FROM t_JYrec as jy Left join t_Files as c on jy.F_mainID = c.F_mainID "
     "where (jy.F_GHdate <= #1901-08-14#)and(jy.F_GHqiXian > #1901-08-14#) and (c.F_GDdept = 'Sales') "
     "and DateDiff(\"y\",date(),jy.F_GHqiXian) >= 0 and DateDiff(\"y\",date(),jy.F_GHqiXian) <= 3 ",
     {"1|A-001|Zhao|0", "2|a-002|Qian|3"}},
    {"RemindersWithinTwoDays",
     "select c.F_code,t.F_awokeDate,t.F_caption, DateDiff(\"y\",date(),t.F_awokeDate) as f_num from t_TXrec as t "
     "left join t_Files as c on t.F_mainID = c.F_mainID where DateDiff(\"y\",date(),t.F_awokeDate) >= 0 "
     "and DateDiff(\"y\",date(),t.F_awokeDate) <= 2 ",
     {"A-001|2026-12-11|today|0", "a-002|2026-12-13|in two days|2"}},
    {"BorrowingQueryByEntryDate",
     "select jy.F_ID,c.F_name FROM t_JYrec as jy Left join t_Files as c on jy.F_mainID = c.F_mainID Where (1=1) "
     "and jy.F_editdate >= #2026-12-02# and jy.F_editdate <= #2026-12-03# And c.F_name Like '%a%' order by jy.F_editdate ",
     {"2|beta", "3|Gamma"}},
    {"DisabledOperatorsLeftOut", "select F_Name from OperList where (1=1) and F_flag = false order by F_ID", {"admin"}},
    {"OfferedRights", "select F_name from limits where F_flag = true", {"档案修改"}},
    {"EmptyResult", "select * from t_Files where (1<>1)", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DialectStatements, ::testing::ValuesIn(kStatements),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialectExecution, SumsOfCopyCountsAreIntegers)
{
    DataSet result;
    m_connection.load("select sum(F_DAnum) as F_DAnum, sum(c.F_JCnum) as F_JCnum from t_Files as c", result);
    ASSERT_EQ(result.recordCount(), 1);
    EXPECT_EQ(result.value(0, "F_DAnum"), QVariant(qint64(10)));
    EXPECT_EQ(result.value(0, "F_JCnum"), QVariant(qint64(3)));
}

TEST_F(DialectExecution, AnEmptyResultStillCarriesTheColumns)
{
    DataSet result;
    m_connection.load("select * from t_Files where (1<>1)", result);
    EXPECT_EQ(result.recordCount(), 0);
    EXPECT_EQ(result.fieldCount(), 15);
    EXPECT_EQ(result.fieldIndex("f_editdate"), 14);
}

TEST_F(DialectExecution, RenamingAClassRewritesThePathsBelowIt)
{
    const int changed = m_connection.execute(
        R"(update t_Files set F_DAtype = '\档案\契约' + Right(F_DAtype,len(F_DAtype)-len('\档案\合同')) )"
        R"(where (inStr(F_DAtype,'\档案\合同\') = 1 or F_DAtype = '\档案\合同') )");
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(rows("select F_DAtype from t_Files order by F_ID"),
              QStringList({R"(\档案\契约)", R"(\档案\契约\子)", R"(\档案\合同甲)"}));
}

TEST_F(DialectExecution, NamedParametersBindWhateverTheirCase)
{
    m_connection.execute(
        "insert into t_TPrec(F_mainID,F_fileExt,F_HTimage,F_fileName)Values(:mainID,:fileExt,:HTimage,:fileName)",
        {{"mainID", 7}, {"fileExt", ".jpg"}, {"HTimage", QByteArray("\x01\x02\x03", 3)}, {"fileName", "第一页"}});
    m_connection.execute("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) values(:EmpName,:OperType,:OperDate,:OperTime)",
                         {{"EmpName", "admin"}, {"OperType", "登录失败！"}, {"OperDate", "2026-12-11"}, {"OperTime", "10:00:00"}});
    EXPECT_EQ(rows("select F_fileName + F_FileExt, length(F_HTimage) from t_TPrec where F_mainID = :MainID", {{"mainid", 7}}),
              QStringList({"第一页.jpg|3"}));
    EXPECT_EQ(rows("select F_OperType from LogRec where F_EmpName = 'ADMIN'"), QStringList({"登录失败！"}));
}

TEST_F(DialectExecution, LayoutUpdatesFindRowsWithoutRegardToCase)
{
    EXPECT_EQ(m_connection.execute("update cfg_grid set F_caption = '档案编号',F_width = 90,F_visible = false,F_order = 0 "
                                   "where (F_name = 'damain' and F_fieldname = 'f_code') "),
              1);
    EXPECT_EQ(rows("select F_Caption, F_Width, F_Visible from cfg_Grid where F_FieldName = 'F_code'"),
              QStringList({"档案编号|90|False"}));
}

}
