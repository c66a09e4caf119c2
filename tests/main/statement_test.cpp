#include "admin/Session.h"
#include "main/ArchiveListStatement.h"

#include <gtest/gtest.h>

namespace {

Session sessionWithMode(int mode)
{
    Session session;
    session.operatorName = QStringLiteral("clerk");
    session.department = QStringLiteral("档案室");
    session.departmentList = QStringLiteral("'档案室','财务部'");
    session.restrictionMode = mode;
    return session;
}

}

TEST(ArchiveListStatement, StartStateOfAnUnrestrictedOperatorIsTheBareStatement)
{
    EXPECT_EQ(ArchiveListStatement::build({}, sessionWithMode(0)),
              QStringLiteral("select * from t_Files where (1=1)  order by F_code"));
}

TEST(ArchiveListStatement, RestrictionModesAppendTheirDepartmentFragment)
{
    EXPECT_EQ(ArchiveListStatement::build({}, sessionWithMode(1)),
              QStringLiteral("select * from t_Files where (1=1) and (F_GDdept = '档案室')  order by F_code"));
    EXPECT_EQ(ArchiveListStatement::build({}, sessionWithMode(2)),
              QStringLiteral("select * from t_Files where (1=1) and (F_GDdept in ('档案室','财务部'))  order by F_code"));
    EXPECT_EQ(ArchiveListStatement::build({}, sessionWithMode(7)),
              QStringLiteral("select * from t_Files where (1=1)  order by F_code"));
}

TEST(ArchiveListStatement, FragmentsFollowInTheOrderRestrictionSearchClassItem)
{
    ArchiveListFilter filter;
    filter.searchField = SearchField::Name;
    filter.searchValue = QStringLiteral("  合同 ");
    filter.classPath = QStringLiteral("\\\\文书");
    filter.hasItem = true;
    filter.itemType = ItemType::FiledBy;
    filter.itemText = QStringLiteral("王明");
    EXPECT_EQ(ArchiveListStatement::build(filter, sessionWithMode(1)),
              QStringLiteral("select * from t_Files where (1=1) and (F_GDdept = '档案室') "
                             "and f_name like '%合同%' escape '!' "
                             "and (f_DAtype = '\\\\文书' or f_DAtype like '\\\\文书\\%' escape '!') "
                             "and F_GDemp = '王明'  order by F_code"));
}

TEST(ArchiveListStatement, EachSearchFieldAndItemTypeNarrowsItsOwnColumn)
{
    struct Case {
        SearchField field;
        const char* clause;
    };
    for (const Case& c : {Case{SearchField::Code, "and f_code like '%%' escape '!' "},
                          Case{SearchField::Name, "and f_name like '%%' escape '!' "},
                          Case{SearchField::Remarks, "and F_memo1 like '%%' escape '!' "}}) {
        ArchiveListFilter filter;
        filter.searchField = c.field;
        EXPECT_TRUE(ArchiveListStatement::build(filter, Session{}).contains(QLatin1String(c.clause))) << c.clause;
    }
    struct ItemCase {
        ItemType type;
        const char* clause;
    };
    for (const ItemCase& c : {ItemCase{ItemType::StoragePlace, "and F_CFaddress = 'x' "},
                              ItemCase{ItemType::SecurityLevel, "and F_BMjibie = 'x' "},
                              ItemCase{ItemType::Department, "and F_GDdept = 'x' "},
                              ItemCase{ItemType::FiledBy, "and F_GDemp = 'x' "}}) {
        ArchiveListFilter filter;
        filter.hasItem = true;
        filter.itemType = c.type;
        filter.itemText = QStringLiteral("x");
        EXPECT_TRUE(ArchiveListStatement::build(filter, Session{}).contains(QLatin1String(c.clause))) << c.clause;
    }
}

TEST(ArchiveListStatement, TypedQuotesAndWildcardsStayValues)
{
    ArchiveListFilter filter;
    filter.searchField = SearchField::Code;
    filter.searchValue = QStringLiteral("O'Neil 50%_!");
    filter.hasItem = true;
    filter.itemText = QStringLiteral("A' or '1'='1");
    const QString statement = ArchiveListStatement::build(filter, Session{});
    EXPECT_TRUE(statement.contains(QStringLiteral("and f_code like '%O''Neil 50!%!_!!%' escape '!' "))) << qPrintable(statement);
    EXPECT_TRUE(statement.contains(QStringLiteral("and F_CFaddress = 'A'' or ''1''=''1' "))) << qPrintable(statement);
}

TEST(ItemTypes, ListStatementsReadTheirCodedListInEntryOrder)
{
    EXPECT_EQ(ItemTypes::listStatement(ItemType::StoragePlace),
              QStringLiteral("select F_name from t_code where (F_name <> '') and F_type = 'cfaddress' order by F_ID"));
    EXPECT_EQ(ItemTypes::listStatement(ItemType::SecurityLevel),
              QStringLiteral("select F_name from t_code where (F_name <> '') and F_type = 'bmjibie' order by F_ID"));
    EXPECT_EQ(ItemTypes::listStatement(ItemType::Department),
              QStringLiteral("select F_name from t_code where (F_name <> '') and F_type = 'gddept' order by F_ID"));
    EXPECT_EQ(ItemTypes::listStatement(ItemType::FiledBy),
              QStringLiteral("select F_name from t_code where (F_name <> '') and F_type = 'empname' order by F_ID"));
}
