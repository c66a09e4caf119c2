#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "platform/Passwords.h"
#include "support/TempProgram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

namespace {

// A new database, as dossara-newdb makes it, open on the program's connection.
class FreshDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString reason;
        ASSERT_TRUE(db.open(program.databaseFile(), &reason)) << reason.toStdString();
    }

    void load(const QString& statement, DataSet& into) { db.load(statement, into); }
    int count(const QString& statement, const Params& params = {}) { return db.scalar(statement, params).toInt(); }
    QStringList column(const QString& statement, int c = 0)
    {
        DataSet result;
        load(statement, result);
        QStringList values;
        for (int r = 0; r < result.recordCount(); ++r)
            values << result.text(r, c);
        return values;
    }
    // Whether a statement runs; a refused one must leave no trace.
    bool accepted(const QString& statement, const Params& params)
    {
        try {
            db.execute(statement, params);
            return true;
        } catch (const DbError&) {
            return false;
        }
    }

    TempProgram program;
    Connection db;
};

QString repeated(const QString& unit, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

QStringList lower(QStringList names)
{
    for (QString& name : names)
        name = name.toLower();
    return names;
}

}

// ---------------------------------------------------------------------------
// The rows a new database must hold.

TEST_F(FreshDatabase, HoldsOneCompanyRowAndTheFifteenSystemValues)
{
    EXPECT_EQ(count("select count(*) from SysInfo"), 1);

    const QStringList values = column("select F_Value from KeyValue order by F_ID");
    ASSERT_EQ(values.size(), 15);
    EXPECT_EQ(values.mid(0, 11),
              QStringList({"字符项一", "字符项二", "字符项三", "字符项四", "字符项五", "数值项一", "数值项二", "数值项三",
                           "日期项一", "日期项二", "日期项三"}));
    // The decimals of quantities, prices and amounts must read as integers 0..8.
    for (int position = 12; position <= 14; ++position) {
        bool isNumber = false;
        const int decimals = values[position - 1].toInt(&isNumber);
        EXPECT_TRUE(isNumber && decimals >= 0 && decimals <= 8) << "system value " << position;
    }
}

TEST_F(FreshDatabase, TheAdministratorLogsInWithTheEmptyPassword)
{
    DataSet admin;
    load("select F_Name, F_PassWord, F_deptFlag, F_Flag from OperList", admin);
    ASSERT_EQ(admin.recordCount(), 1);
    EXPECT_EQ(admin.text(0, 0), QStringLiteral("admin"));
    const QString stored = admin.text(0, 1);
    EXPECT_FALSE(stored.isEmpty()) << "the password is kept in its stored form, not as plain text";
    EXPECT_TRUE(CheckPass(QString(), stored));
    EXPECT_FALSE(CheckPass(QStringLiteral(" "), stored));
    EXPECT_FALSE(CheckPass(QStringLiteral("admin"), stored));
    EXPECT_EQ(admin.intValue(0, 2), 0) << "restriction mode";
    EXPECT_EQ(admin.field(3).type, FieldType::Bool);
    EXPECT_FALSE(admin.value(0, 3).toBool()) << "not disabled";
}

TEST_F(FreshDatabase, OffersOneUniquelyNamedRightPerRightsCodeInCodeOrder)
{
    const QStringList expectedCodes = {"101", "102", "103", "104", "105", "106", "201", "202", "203", "204",
                                       "205", "206", "207", "208", "209", "210", "301", "302", "303", "304",
                                       "305", "306", "401", "402", "403", "404", "405", "501", "502", "503",
                                       "504", "505", "901", "902", "903", "904", "905", "906", "907"};
    // The statement of the rights editor, which lists the rights in the order they come.
    DataSet offered;
    load("select * from limits where F_flag = 1", offered);
    ASSERT_EQ(offered.recordCount(), 39);
    QStringList codes;
    QSet<QString> names;
    for (int r = 0; r < offered.recordCount(); ++r) {
        codes << offered.value(r, "F_code").toString();
        const QString name = offered.value(r, "F_name").toString();
        EXPECT_FALSE(name.trimmed().isEmpty()) << "code " << codes.back().toStdString();
        names.insert(name);
    }
    EXPECT_EQ(codes, expectedCodes);
    EXPECT_EQ(names.size(), 39) << "rights are granted by name, so every name must be unique";
    EXPECT_EQ(count("select count(*) from Limits"), 39) << "every right is offered";

    // A right granted by its name is found by the rights check for its code.
    for (const QString& name : std::as_const(names))
        db.execute("insert into OperLimit(F_OperName,F_lmtName)Values('clerk',:name)", {{"name", name}});
    for (const QString& code : expectedCodes)
        EXPECT_GT(count("Select o.F_ID from OperLimit as O left join Limits as l On O.F_lmtName = L.F_name "
                        "Where (O.F_OperName = 'clerk')And(l.F_code = '"
                        + code + "') "),
                  0)
            << code.toStdString();
}

namespace {

const char* const kBorrowingHead =
    "select c.F_mainID,c.F_code,c.F_name,c.F_DAtype,c.F_GDdate,c.F_DAnum, c.F_JCnum,c.F_BMjibie,c.F_CFaddress,"
    "c.F_GDdept,c.F_GDemp, jy.F_ID,jy.F_JYdate,jy.F_JYdept,jy.F_JYemp,jy.F_GHqiXian,jy.F_GHdate, jy.F_memo1,"
    "jy.F_PZemp,jy.F_editDate%1 FROM t_JYrec as jy Left join t_Files as c on jy.F_mainID = c.F_mainID where (1<>1)";
const char* const kAttachmentHead =
    "select c.F_mainID,c.F_code,c.F_name,c.F_DAtype,c.F_GDdate,c.F_DAnum, c.F_JCnum,c.F_BMjibie,c.F_CFaddress,"
    "c.F_GDdept,c.F_GDemp, fj.F_ID,fj.F_filePos,fj.F_fileName,fj.F_fileExt, fj.F_memo1,fj.F_empName, "
    "fj.F_editDate,fj.F_fileOLE FROM t_FJrec as fj Left join t_Files as c on fj.F_mainID = c.F_mainID where (1<>1)";
const char* const kReminderHead =
    "select c.F_mainID,c.F_code,c.F_name,c.F_DAtype,c.F_GDdate,c.F_DAnum, c.F_JCnum,c.F_BMjibie,c.F_CFaddress,"
    "c.F_GDdept,c.F_GDemp, tx.F_ID,tx.F_AwokeDate,tx.F_AwokeTime,tx.F_Caption, tx.F_memo1,tx.F_OperName,"
    "tx.F_editDate FROM t_TXrec as tx Left join t_Files as c on tx.F_mainID = c.F_mainID where (1<>1)";
const char* const kDueReminderHead =
    "select c.F_mainID,c.F_code,c.F_name,c.F_DAtype,c.F_GDdate,c.F_DAnum, c.F_JCnum,c.F_BMjibie,c.F_CFaddress,"
    "c.F_GDdept,c.F_GDemp, t.F_awokeDate,t.F_awokeTime,t.F_caption,t.F_memo1,t.F_editDate,t.F_operName, "
    "0 as f_num from t_TXrec as t left join t_Files as c on t.F_mainID = c.F_mainID where (1<>1)";

struct Layout {
    const char* name;
    QString rowsStatement; // the grid's rows, reduced to their columns
    QStringList fields;
    std::vector<int> widths; // when the grid's design fixes them
};

const QStringList kArchiveList = {"F_DAtype", "F_code", "F_name", "F_GDdate", "F_DAnum", "F_JCnum",
                                  "F_DZpath", "F_DZdx", "F_BMjibie", "F_CFaddress", "F_GDdept", "F_GDemp",
                                  "F_memo1", "F_ZF1", "F_ZF2", "F_ZF3", "F_ZF4", "F_ZF5",
                                  "F_SZ1", "F_SZ2", "F_SZ3", "F_RQ1", "F_RQ2", "F_RQ3"};
const QStringList kArchiveColumns = {"F_code", "F_name", "F_DAtype", "F_GDdate", "F_DAnum",
                                     "F_JCnum", "F_BMjibie", "F_CFaddress", "F_GDdept", "F_GDemp"};
const QStringList kBorrowingColumns = kArchiveColumns + QStringList{"F_JYdate", "F_JYdept", "F_JYemp", "F_GHqiXian",
                                                                    "F_GHdate", "F_memo1", "F_PZemp", "F_editDate"};
const QStringList kAttachmentColumns = kArchiveColumns + QStringList{"F_filePos", "F_fileName", "F_fileExt",
                                                                     "F_memo1", "F_empName", "F_editDate"};

std::vector<Layout> layouts()
{
    return {
        {"DAmain", "select * from t_Files where (1<>1)", kArchiveList, std::vector<int>(24, 80)},
        {"detail2", "select * from t_JYrec where (1<>1)",
         {"F_JYdate", "F_JYdept", "F_JYemp", "F_GHqiXian", "F_GHdate", "F_memo1", "F_PZemp"}, std::vector<int>(7, 80)},
        {"detail3", "select * from t_FJrec where (1<>1)",
         {"F_fileName", "F_filePos", "F_fileExt", "F_memo1", "F_empName", "F_editDate"}, {80, 146, 80, 198, 80, 80}},
        {"detail4", "select * from t_TXrec where (1<>1)",
         {"F_awokeDate", "F_awokeTime", "F_caption", "F_memo1", "F_editDate", "F_operName"}, {80, 80, 103, 116, 80, 80}},
        {"awokegl1", QString::fromLatin1(kBorrowingHead).arg(",0 as f_num"),
         kArchiveColumns + QStringList{"F_JYdate", "F_JYdept", "F_JYemp", "F_GHqiXian", "f_num", "F_memo1", "F_PZemp",
                                       "F_editDate"},
         {}},
        {"awokegl2", kDueReminderHead,
         kArchiveColumns + QStringList{"F_awokeDate", "F_awokeTime", "F_caption", "F_memo1", "F_operName",
                                       "F_editDate", "f_num"},
         {}},
        {"JYJLman", QString::fromLatin1(kBorrowingHead).arg(""), kBorrowingColumns, {}},
        {"dlgDangAnXz", "select * from t_Files where (1<>1)", kArchiveList, {}},
        {"DAFJman", kAttachmentHead, kAttachmentColumns, {}},
        {"DAJYdetailTJ", QString::fromLatin1(kBorrowingHead).arg(""), kBorrowingColumns, {}},
        {"DAFJdetailTJ", kAttachmentHead, kAttachmentColumns, {}},
        {"DATXdetailTJ", kReminderHead,
         kArchiveColumns + QStringList{"F_AwokeDate", "F_AwokeTime", "F_Caption", "F_memo1", "F_OperName",
                                       "F_editDate"},
         {}},
    };
}

}

TEST_F(FreshDatabase, StoresTheDesignedColumnsOfEveryGridLayout)
{
    for (const Layout& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        // The statement with which a grid loads its layout.
        DataSet stored;
        load(QStringLiteral("Select * from cfg_Grid Where (F_name = '%1' and F_fieldname <> '') order by F_Order")
                 .arg(QString::fromLatin1(layout.name)),
             stored);
        QStringList fields;
        for (int r = 0; r < stored.recordCount(); ++r) {
            fields << stored.value(r, "F_FieldName").toString();
            EXPECT_EQ(stored.value(r, "F_Order").toInt(), r) << "positions count from 0 without gaps";
            EXPECT_TRUE(stored.value(r, "F_Visible").toBool());
            EXPECT_FALSE(stored.value(r, "F_Caption").toString().isEmpty());
            EXPECT_GT(stored.value(r, "F_Width").toInt(), 0);
            if (!layout.widths.empty() && r < static_cast<int>(layout.widths.size()))
                EXPECT_EQ(stored.value(r, "F_Width").toInt(), layout.widths[static_cast<size_t>(r)]) << fields.back().toStdString();
        }
        EXPECT_EQ(lower(fields), lower(layout.fields));

        // Every stored column names a field of the rows the grid shows.
        DataSet gridRows;
        load(layout.rowsStatement, gridRows);
        QStringList available;
        for (const Field& field : gridRows.fields())
            available << field.name.toLower();
        for (const QString& field : std::as_const(fields))
            EXPECT_TRUE(available.contains(field.toLower())) << field.toStdString();
    }
    EXPECT_EQ(column("select distinct F_name from cfg_Grid").size(), 12);
}

TEST_F(FreshDatabase, TheArchiveListStartsWithTheDefaultTitles)
{
    const QStringList titles = column("select F_Caption from cfg_Grid where F_name = 'DAmain' order by F_Order");
    EXPECT_EQ(titles, QStringList({"档案分类", "档案编号", "档案名称", "归档日期", "档案份数", "借出", "文件路径",
                                   "档案大小", "保密级别", "存放地点", "归档部门", "归档人", "备注", "字符项一",
                                   "字符项二", "字符项三", "字符项四", "字符项五", "数值项一", "数值项二",
                                   "数值项三", "日期项一", "日期项二", "日期项三"}));
}

TEST_F(FreshDatabase, SavingALayoutUnderItsLowerCaseNameUpdatesExactlyOneRowPerColumn)
{
    Transaction transaction(db);
    for (const Layout& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        int position = 0;
        for (const QString& field : layout.fields) {
            // The statement with which a grid saves one column of its layout.
            const QString save = QStringLiteral("update cfg_grid set F_caption = '标题',F_width = 99,F_readonly = 1,"
                                                "F_visible = 0,F_order = %1,F_alignMent = 2,F_displayFormat = '0.00',"
                                                "F_footerValue = '',F_footerType = 2 where (F_name = '%2' and "
                                                "F_fieldname = '%3') ")
                                     .arg(position++)
                                     .arg(QString::fromLatin1(layout.name).toLower(), field);
            EXPECT_EQ(db.execute(save), 1) << field.toStdString();
        }
    }
    transaction.commit();
    EXPECT_EQ(count("select count(*) from cfg_Grid where F_Visible = 0 and F_Width = 99"),
              count("select count(*) from cfg_Grid"));
}

TEST_F(FreshDatabase, ArchiveImportMappingsNameArchiveColumns)
{
    DataSet mappings;
    load("select * from cfg_import where (F_tablename = 't_Files')and(F_iFlag = 1) ", mappings);
    ASSERT_GT(mappings.recordCount(), 0);
    DataSet archive;
    load("select * from t_Files where (1<>1)", archive);
    QSet<QString> targets;
    for (int r = 0; r < mappings.recordCount(); ++r) {
        const QString target = mappings.value(r, "S_Field").toString();
        EXPECT_GE(archive.fieldIndex(target), 0) << target.toStdString();
        EXPECT_FALSE(mappings.value(r, "F_FieldName").toString().isEmpty()) << target.toStdString();
        targets.insert(target.toLower());
    }
    EXPECT_EQ(targets.size(), mappings.recordCount()) << "each column is mapped once";
    EXPECT_TRUE(targets.contains("f_code") && targets.contains("f_name"));
    EXPECT_FALSE(targets.contains("f_id") || targets.contains("f_mainid")) << "keys are given after the import";
}

// ---------------------------------------------------------------------------
// Columns, types and widths.

namespace {

struct Column {
    const char* name;
    FieldType type;
    int width = 0;
};

Column text(const char* name, int width) { return {name, FieldType::Text, width}; }
Column memo(const char* name) { return {name, FieldType::Memo}; }
Column integer(const char* name) { return {name, FieldType::Integer}; }
Column real(const char* name) { return {name, FieldType::Real}; }
Column date(const char* name) { return {name, FieldType::DateTime}; }
Column yesNo(const char* name) { return {name, FieldType::Bool}; }
Column blob(const char* name) { return {name, FieldType::Blob}; }

struct Table {
    const char* name;
    std::vector<Column> columns;
};

std::vector<Table> tables()
{
    return {
        {"t_Files",
         {integer("F_ID"), text("F_DAtype", 50), text("F_code", 50), text("F_name", 50), text("F_GDdate", 50),
          text("F_DAnum", 50), text("F_JCnum", 50), text("F_DZpath", 255), blob("F_DZfile"), text("F_DZdx", 50),
          text("F_BMjibie", 50), text("F_CFaddress", 255), text("F_GDdept", 50), text("F_GDemp", 50),
          memo("F_memo1"), text("F_ZF1", 50), text("F_ZF2", 50), text("F_ZF3", 50), text("F_ZF4", 50),
          text("F_ZF5", 50), real("F_SZ1"), real("F_SZ2"), real("F_SZ3"), date("F_RQ1"), date("F_RQ2"),
          date("F_RQ3"), integer("F_mainID"), date("F_editDate"), text("F_SHemp", 50)}},
        {"t_JYrec",
         {integer("F_ID"), integer("F_mainID"), date("F_JYdate"), text("F_JYdept", 50), text("F_JYemp", 50),
          date("F_GHqiXian"), date("F_GHdate"), memo("F_memo1"), text("F_PZemp", 50), date("F_PZdate"),
          date("F_editDate")}},
        {"t_TPrec",
         {integer("F_ID"), text("F_FileName", 50), text("F_imagePath", 255), text("F_FileExt", 50),
          blob("F_HTimage"), integer("F_mainID")}},
        {"t_FJrec",
         {integer("F_ID"), integer("F_mainID"), text("F_fileName", 255), text("F_filePos", 255),
          text("F_fileExt", 50), memo("F_memo1"), text("F_empName", 50), date("F_editDate"), blob("F_fileOLE")}},
        {"t_TXrec",
         {integer("F_ID"), integer("F_mainID"), date("F_awokeDate"), text("F_awokeTime", 50),
          text("F_caption", 255), memo("F_memo1"), text("F_editDate", 50), text("F_operName", 50)}},
        {"t_code", {integer("F_ID"), text("F_name", 255), text("F_type", 50)}},
        {"t_treecode", {text("F_code", 255), text("F_name", 50), text("F_likecode", 50), text("F_flag", 50)}},
        {"OperList",
         {integer("F_ID"), text("F_Name", 50), text("F_PassWord", 255), memo("F_Mem"), yesNo("F_Flag"),
          text("F_dept", 50), integer("F_deptFlag"), text("F_deptQX", 255), yesNo("F_shFlag")}},
        {"Limits", {text("F_code", 50), text("F_name", 50), yesNo("F_flag")}},
        {"OperLimit", {integer("F_ID"), text("F_OperName", 50), text("F_lmtName", 50)}},
        {"LogRec", {text("F_EmpName", 50), text("F_OperType", 255), text("F_OperDate", 50), text("F_OperTime", 50)}},
        {"cfg_Grid",
         {text("F_name", 50), text("F_FieldName", 50), text("F_Caption", 255), integer("F_Width"),
          yesNo("F_Visible"), yesNo("F_ReadOnly"), text("F_DisplayFormat", 255), text("F_FooterValue", 255),
          integer("F_FooterType"), integer("F_Alignment"), integer("F_Order")}},
        {"cfg_import",
         {text("F_tablename", 50), integer("F_iFlag"), text("S_Field", 50), text("F_FieldName", 255),
          text("F_Field", 255)}},
        {"SysInfo",
         {integer("F_ID"), text("F_Code", 50), text("F_Name", 255), text("F_BakPath", 255), text("F_Manager", 50),
          text("F_Phone", 50), text("F_HandPhone", 50), text("F_Email", 255), text("F_Homepage", 255),
          text("F_Enroler", 50), text("F_Mem", 255)}},
        {"KeyValue", {integer("F_ID"), text("F_Value", 255)}},
    };
}

}

TEST_F(FreshDatabase, EveryTableHasItsColumnsInOrderWithTheirTypesAndWidths)
{
    for (const Table& table : tables()) {
        SCOPED_TRACE(table.name);
        // "where (1<>1)": no rows, yet every column with its type.
        DataSet result;
        load(QStringLiteral("select * from %1 where (1<>1)").arg(QString::fromLatin1(table.name)), result);
        ASSERT_EQ(result.fieldCount(), static_cast<int>(table.columns.size()));
        for (int c = 0; c < result.fieldCount(); ++c) {
            const Column& expected = table.columns[static_cast<size_t>(c)];
            EXPECT_EQ(result.field(c).name, QString::fromLatin1(expected.name));
            EXPECT_EQ(result.field(c).type, expected.type) << expected.name;
            EXPECT_EQ(result.field(c).width, expected.width) << expected.name;
        }
    }
}

TEST_F(FreshDatabase, ATextWiderThanItsColumnIsRefused)
{
    struct Case {
        const char* table;
        const char* column;
        QString value;
        bool fits;
    };
    const Case cases[] = {
        {"t_Files", "F_code", repeated("x", 50), true},
        {"t_Files", "F_code", repeated("x", 51), false},
        {"t_Files", "F_name", repeated("档", 50), true}, // characters, not bytes, are counted
        {"t_Files", "F_name", repeated("档", 51), false},
        {"t_Files", "F_DZpath", "C:\\" + repeated("文", 252), true},
        {"t_Files", "F_DZpath", repeated("/", 256), false},
        {"t_Files", "F_CFaddress", repeated("库", 255), true},
        {"t_Files", "F_GDdate", repeated("9", 51), false},
        {"t_JYrec", "F_JYemp", repeated("x", 51), false},
        {"t_FJrec", "F_fileName", repeated("f", 251) + ".doc", true},
        {"t_FJrec", "F_fileName", repeated("f", 252) + ".doc", false},
        {"t_TXrec", "F_editDate", repeated("2", 51), false},
        {"t_treecode", "F_likecode", "\\\\" + repeated("类", 49), false}, // no wider than F_DAtype of an archive
        {"OperList", "F_Name", repeated("员", 51), false},
        {"cfg_Grid", "F_Caption", repeated("题", 255), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1.%2, %3 characters").arg(c.table, c.column).arg(c.value.size()).toStdString());
        const QString table = QString::fromLatin1(c.table);
        const int before = count("select count(*) from " + table);
        const bool ok = accepted(QStringLiteral("insert into %1 (%2) values (:value)").arg(table, c.column), {{"value", c.value}});
        EXPECT_EQ(ok, c.fits);
        EXPECT_EQ(count("select count(*) from " + table), before + (c.fits ? 1 : 0));
    }

    // Widening an existing value fails as well, and the row keeps its value.
    EXPECT_FALSE(accepted("update SysInfo set F_Code = :value", {{"value", repeated("司", 51)}}));
    EXPECT_TRUE(accepted("update SysInfo set F_Name = :value", {{"value", repeated("址", 255)}}));
    EXPECT_EQ(db.scalar("select F_Code from SysInfo").toString(), QString());
    EXPECT_EQ(db.scalar("select F_Name from SysInfo").toString().size(), 255);
}

TEST_F(FreshDatabase, AValueOfTheWrongTypeIsRefused)
{
    struct Case {
        const char* table;
        const char* column;
        QVariant value;
        bool fits;
    };
    const Case cases[] = {
        {"t_Files", "F_SZ1", QStringLiteral("12.5"), true}, // a number given as text is a number
        {"t_Files", "F_SZ1", 3, true},
        {"t_Files", "F_SZ1", QStringLiteral("abc"), false},
        {"t_Files", "F_SZ1", QStringLiteral(""), false},
        {"t_Files", "F_mainID", QStringLiteral("7"), true},
        {"t_Files", "F_mainID", 2.5, false},
        {"t_Files", "F_mainID", QStringLiteral("x"), false},
        {"t_Files", "F_RQ1", QDate(2010, 3, 5), true},
        {"t_Files", "F_RQ1", QDateTime(QDate(2010, 3, 5), QTime(10, 0)), true},
        {"t_Files", "F_RQ1", QStringLiteral("1900-08-14"), true},
        {"t_Files", "F_RQ1", QStringLiteral("2010-03-05 10:00:00"), true},
        {"t_Files", "F_RQ1", QStringLiteral("yesterday"), false},
        {"t_Files", "F_RQ1", QStringLiteral("2010-3-5"), false},
        {"t_Files", "F_RQ1", QStringLiteral(""), false},
        {"t_Files", "F_RQ1", 2010, false},
        {"t_JYrec", "F_GHdate", QStringLiteral("2010-03-05T10:00:00"), false},
        {"OperList", "F_Flag", true, true},
        {"OperList", "F_Flag", QStringLiteral("yes"), false},
        {"OperList", "F_deptFlag", QStringLiteral("two"), false},
        {"cfg_Grid", "F_Width", QStringLiteral("wide"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1.%2 = %3").arg(c.table, c.column, c.value.toString()).toStdString());
        const QString table = QString::fromLatin1(c.table);
        const int before = count("select count(*) from " + table);
        EXPECT_EQ(accepted(QStringLiteral("insert into %1 (%2) values (:value)").arg(table, c.column), {{"value", c.value}}),
                  c.fits);
        EXPECT_EQ(count("select count(*) from " + table), before + (c.fits ? 1 : 0));
    }
    DataSet numbers;
    load("select F_SZ1 from t_Files where F_SZ1 > 10", numbers);
    ASSERT_EQ(numbers.recordCount(), 1);
    EXPECT_DOUBLE_EQ(numbers.realValue(0, 0), 12.5);
}

// ---------------------------------------------------------------------------
// Behaviour the statements rely on.

TEST_F(FreshDatabase, DigitsInTextAndMemoColumnsKeepTheirForm)
{
    // Archive codes, copy counts and remarks are texts: leading zeros and
    // decimals stay as typed, whatever the value looks like.
    db.execute("insert into t_Files (F_code, F_DAnum, F_memo1, F_GDdate) values (:code, :num, :memo, :date)",
               {{"code", QStringLiteral("007")}, {"num", QStringLiteral("02")}, {"memo", QStringLiteral("1.50")},
                {"date", QStringLiteral("2010-03-05")}});
    db.execute("insert into t_TXrec (F_memo1, F_editDate) values ('0012', '20100305')");
    DataSet archive;
    load("select F_code, F_DAnum, F_memo1, F_GDdate from t_Files", archive);
    ASSERT_EQ(archive.recordCount(), 1);
    EXPECT_EQ(archive.text(0, 0), QStringLiteral("007"));
    EXPECT_EQ(archive.text(0, 1), QStringLiteral("02"));
    EXPECT_EQ(archive.text(0, 2), QStringLiteral("1.50"));
    EXPECT_EQ(archive.text(0, 3), QStringLiteral("2010-03-05"));
    DataSet reminder;
    load("select F_memo1, F_editDate from t_TXrec", reminder);
    EXPECT_EQ(reminder.text(0, 0), QStringLiteral("0012"));
    EXPECT_EQ(reminder.text(0, 1), QStringLiteral("20100305"));
    // Copies held as text are still summed as numbers.
    EXPECT_EQ(count("select sum(F_DAnum) from t_Files"), 2);
}

TEST_F(FreshDatabase, TextComparisonsIgnoreCase)
{
    for (const char* dept : {"Sales", "sales", "SALES", "Other"})
        db.execute("insert into t_Files (F_name, F_GDdept, F_memo1) values ('a', :dept, :dept)", {{"dept", QString::fromLatin1(dept)}});
    EXPECT_EQ(count("select count(*) from t_Files where F_GDdept = 'sAlEs'"), 3);
    EXPECT_EQ(count("select count(*) from t_Files where (F_GDdept in ('SALES','nobody'))"), 3);
    EXPECT_EQ(count("select count(*) from t_Files where F_GDdept <> 'sales'"), 1);
    EXPECT_EQ(count("select count(*) from t_Files where F_memo1 like '%ALE%'"), 3);
    EXPECT_EQ(count("select count(distinct F_GDdept) from t_Files"), 2);
    DataSet groups;
    load("select F_GDdept, count(*) from t_Files group by F_GDdept", groups);
    EXPECT_EQ(groups.recordCount(), 2);

    EXPECT_EQ(count("select count(*) from OperList where F_name = 'ADMIN' "), 1);
    EXPECT_EQ(count("select count(*) from cfg_Grid where F_name = 'damain'"), 24);
    EXPECT_EQ(count("select count(*) from cfg_Grid where F_name = 'DAMAIN' and F_fieldname = 'f_gddate'"), 1);
}

TEST_F(FreshDatabase, ColumnsLeftOutOfAnInsertHoldTheEmptyValues)
{
    db.execute("insert into t_Files (F_name) values ('甲')");
    EXPECT_EQ(count("select count(*) from t_Files where F_GDdept = '' and F_code = '' and F_memo1 = ''"), 1);
    EXPECT_EQ(count("select count(*) from t_Files where F_GDdept is null"), 0);
    EXPECT_EQ(count("select count(*) from t_Files where F_GDdate = '1900-08-14' and F_RQ1 = '1900-08-14'"), 1);
    EXPECT_EQ(count("select count(*) from t_Files where F_mainID is null and F_SZ1 is null"), 1);

    // A borrowing entered without return dates is outstanding and has no due date.
    db.execute("insert into t_JYrec (F_mainID, F_JYdate) values (1, '2026-12-01')");
    EXPECT_EQ(count("select count(*) from t_JYrec where F_GHdate <= '1901-08-14'"), 1);
    EXPECT_EQ(count("select count(*) from t_JYrec where F_GHqiXian > '1901-08-14'"), 0);

    // An operator entered without flags is listed among the operators not disabled.
    db.execute("insert into OperList (F_Name) values ('clerk')");
    EXPECT_EQ(count("select count(*) from OperList where (1=1) and F_flag = 0 and F_deptFlag = 0"), 2);

    // A layout column entered with its names only is shown.
    db.execute("insert into cfg_Grid (F_name, F_FieldName) values ('x', 'F_code')");
    EXPECT_EQ(count("select count(*) from cfg_Grid where F_name = 'x' and F_Visible = 1 and F_Width > 0 and F_Order = 0"), 1);
}

TEST_F(FreshDatabase, RecordKeysAreNeverGivenTwice)
{
    db.execute("insert into t_Files (F_name) values ('一')");
    db.execute("insert into t_Files (F_name) values ('二')");
    const int second = count("select max(F_ID) from t_Files");
    db.execute("delete from t_Files where F_ID = " + QString::number(second));
    db.execute("insert into t_Files (F_name) values ('三')");
    EXPECT_EQ(count("select F_ID from t_Files where F_name = '三'"), second + 1);
}

TEST_F(FreshDatabase, FrequentLookupsUseAnIndex)
{
    struct Case {
        const char* statement;
        const char* table; // the table (or alias) that must be searched through an index
    };
    const Case cases[] = {
        {"select * from t_Files where F_mainID = 5", "t_Files"},
        {"select * from t_JYrec where F_mainID = 5", "t_JYrec"},
        {"select * from t_TPrec where F_mainID = 5", "t_TPrec"},
        {"select * from t_FJrec where F_mainID = 5", "t_FJrec"},
        {"select * from t_TXrec where F_mainID = 5", "t_TXrec"},
        {"select F_ID from t_Files where F_code = 'A-1'", "t_Files"},
        {"select * from t_Files where (1=1) and F_DAtype like '\\\\甲\\乙%' ", "t_Files"},
        {"select * from t_Files where (1=1) and F_CFaddress = '一号库' ", "t_Files"},
        {"select F_name from t_code where (F_name <> '') and F_type = 'gddept' order by F_ID", "t_code"},
        {"select F_code,F_name,F_likecode from t_treecode where F_flag = 'type' order by F_code", "t_treecode"},
        {"delete from t_treecode where F_code like '001%' and F_flag = 'type' ", "t_treecode"},
        {"Select * from cfg_Grid Where (F_name = 'damain' and F_fieldname <> '') order by F_Order", "cfg_Grid"},
        {"select F_ID from OperList where F_name = 'admin' ", "OperList"},
        {"select jy.F_ID, c.F_code FROM t_JYrec as jy Left join t_Files as c on jy.F_mainID = c.F_mainID "
         "where (jy.F_GHdate <= '1901-08-14')and(jy.F_GHqiXian > '1901-08-14') ",
         "jy"},
        {"select jy.F_ID, c.F_code FROM t_JYrec as jy Left join t_Files as c on jy.F_mainID = c.F_mainID "
         "where (1=1) and jy.F_editdate >= '2026-12-01' order by jy.F_editdate ",
         "c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        DataSet plan;
        db.engine().run(QStringLiteral("EXPLAIN QUERY PLAN ") + QString::fromUtf8(c.statement), {}, &plan, nullptr);
        const int detail = plan.fieldIndex("detail");
        ASSERT_GE(detail, 0);
        bool searched = false;
        QStringList steps;
        for (int r = 0; r < plan.recordCount(); ++r) {
            const QString step = plan.text(r, detail);
            steps << step;
            if (step.startsWith("SEARCH " + QString::fromLatin1(c.table) + " ") && step.contains("INDEX"))
                searched = true;
        }
        EXPECT_TRUE(searched) << steps.join(" | ").toStdString();
    }
}

// ---------------------------------------------------------------------------
// The tool that makes a new database.

TEST(NewDatabaseTool, CreatesAnOpenableDatabaseAndRefusesToOverwriteIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString tool = QDir(QStringLiteral(DOSSARA_DIST)).filePath(QStringLiteral("dossara-newdb"));
    const QString file = QDir(folder.path()).filePath(QStringLiteral("Dossara.mdb"));

    QProcess first;
    first.start(tool, {folder.path()});
    ASSERT_TRUE(first.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    ASSERT_TRUE(QFile::exists(file));
    {
        Connection db;
        QString reason;
        ASSERT_TRUE(db.open(file, &reason)) << reason.toStdString();
        EXPECT_EQ(db.scalar("select count(*) from KeyValue").toInt(), 15);
        db.execute("insert into t_code (F_name, F_type) values ('kept', 'gddept')");
    }

    QFile before(file);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray digest = QCryptographicHash::hash(before.readAll(), QCryptographicHash::Sha256);
    before.close();

    QProcess second;
    second.start(tool, {folder.path()});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_FALSE(second.readAllStandardError().isEmpty()) << "the refusal says why";

    QFile after(file);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(QCryptographicHash::hash(after.readAll(), QCryptographicHash::Sha256), digest);
    Connection db;
    ASSERT_TRUE(db.open(file));
    EXPECT_EQ(db.scalar("select count(*) from t_code where F_name = 'kept'").toInt(), 1);
}
