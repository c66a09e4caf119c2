#include "admin/Session.h"
#include "db/CodeTree.h"
#include "db/DataModule.h"
#include "db/Query.h"
#include "db/SqlText.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <QComboBox>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kOperationFailed = QStringLiteral("操作失败，请检查数据连接... ");

struct DataModuleTest : ::testing::Test {
    TempProgram program;
    ScriptedSeams seams;
    TdmData data;

    void SetUp() override
    {
        ASSERT_TRUE(data.connection().open(program.databaseFile()));
        Session::current() = Session{};
        Session::current().operatorName = QStringLiteral("admin");
    }
    void addClasses(const QStringList& codes)
    {
        for (const QString& code : codes)
            data.connection().execute("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values(:c,:n,:p,'type')",
                                      {{"c", code}, {"n", "类" + code}, {"p", "\\\\类" + code}});
    }
    void addArchive(const QString& code, const QString& name)
    {
        data.connection().execute("insert into t_Files(F_code,F_name,F_mainID) values(:c,:n,1)", {{"c", code}, {"n", name}});
    }
};

}

TEST_F(DataModuleTest, SingleValuesAndTheirFailureValues)
{
    EXPECT_EQ(data.integerValue("select max(F_mainID) from t_Files"), 0) << "an empty maximum reads as 0";
    EXPECT_EQ(data.textValue("select F_name from t_Files"), QString());
    EXPECT_TRUE(seams.messages.messages.empty());

    EXPECT_EQ(data.integerValue("select count(*) from no_such_table"), 0);
    EXPECT_EQ(data.textValue("select F_name from no_such_table"), QString());
    EXPECT_FALSE(data.execute("delete from no_such_table"));
    EXPECT_FALSE(data.deleteByKey("no_such_table", 3));
    Query query(data.connection());
    EXPECT_FALSE(data.open("select * from no_such_table", query));
    EXPECT_FALSE(query.isActive());
    const std::vector<std::pair<QString, int>> expected = {
        {kOperationFailed, MessFailure}, {kOperationFailed, MessFailure}, {kOperationFailed, MessFailure},
        {QStringLiteral("删除操作失败，请检查数据连接... "), MessFailure},
        {QStringLiteral("打开操作失败，请检查数据连接... "), MessFailure}};
    ASSERT_EQ(seams.messages.messages.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(seams.messages.messages[i].text, expected[i].first);
        EXPECT_EQ(seams.messages.messages[i].kind, expected[i].second);
    }
}

TEST_F(DataModuleTest, FillListSkipsBlankRowsAndKeepsTheEditText)
{
    for (const QString& name : {QStringLiteral("A"), QStringLiteral(" "), QStringLiteral("B "), QString()})
        data.connection().execute("insert into t_code(F_name,F_type) values(:n,'gddept')", {{"n", name}});
    QComboBox box;
    box.setEditable(true);
    box.addItem("old");
    box.setEditText("typed");
    data.fillList("select F_name from t_code where F_type = 'gddept' order by F_ID", &box);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.itemText(0), QStringLiteral("A"));
    EXPECT_EQ(box.itemText(1), QStringLiteral("B "));
    EXPECT_EQ(box.currentText(), QStringLiteral("typed"));
}

TEST_F(DataModuleTest, CheckRightBindsTheOperatorName)
{
    data.connection().execute("insert into OperLimit(F_OperName,F_lmtName) select 'clerk', F_name from Limits where F_code = '204'");
    Session::current().operatorName = "clerk";
    EXPECT_TRUE(data.checkRight("204"));
    EXPECT_FALSE(data.checkRight("205"));
    Session::current().operatorName = "x' or '1'='1";
    EXPECT_FALSE(data.checkRight("204"));
    Session::current().operatorName = "nobody";
    EXPECT_FALSE(data.checkRight("204"));
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(DataModuleTest, WriteLogRecordsOperatorDateAndTime)
{
    Session::current().operatorName = QString();
    data.writeLog("登录失败！");
    Query log(data.connection());
    log.open("select F_EmpName,F_OperType,F_OperDate,F_OperTime from LogRec");
    ASSERT_EQ(log.recordCount(), 1);
    EXPECT_EQ(log.text(0, 0), QString());
    EXPECT_EQ(log.text(0, 1), QStringLiteral("登录失败！"));
    EXPECT_EQ(log.text(0, 2), QStringLiteral("2026-12-11"));
    EXPECT_EQ(log.text(0, 3), QStringLiteral("10:00:00"));
}

TEST_F(DataModuleTest, LoadTreePlacesEachNodeUnderItsPrefix)
{
    addClasses({"001", "001001", "001002", "002", "002001", "002001001", "003"});
    QTreeWidget tree;
    data.loadTree(&tree, "档案分类", "type");
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree.topLevelItem(0);
    EXPECT_EQ(CodeTree::record(root).path, QStringLiteral("\\\\"));
    EXPECT_EQ(CodeTree::record(root).code, QStringLiteral("000"));
    ASSERT_EQ(root->childCount(), 3);
    EXPECT_EQ(root->child(0)->childCount(), 2);
    EXPECT_TRUE(root->child(0)->isExpanded());
    EXPECT_EQ(CodeTree::record(root->child(1)->child(0)->child(0)).code, QStringLiteral("002001001"));
    EXPECT_FALSE(root->child(2)->isExpanded());
    EXPECT_EQ(TdmData::nodePath(root->child(1)->child(0), 1), QStringLiteral("\\\\类002\\类002001"));
    EXPECT_EQ(TdmData::nodePath(root->child(1)->child(0), 2), QStringLiteral("\\\\类002"));
}

TEST_F(DataModuleTest, NextCodeForSiblingsAndChildren)
{
    EXPECT_EQ(data.nextCode("001", "type", 1), QStringLiteral("001")) << "empty table";
    addClasses({"001", "001002", "001003001"});
    EXPECT_EQ(data.nextCode("001", "type", 2), QStringLiteral("001004"));
    EXPECT_EQ(data.nextCode("001002", "type", 1), QStringLiteral("001004"));
    EXPECT_EQ(data.nextCode("001", "type", 1), QStringLiteral("002"));
    addClasses({"002", "002099"});
    EXPECT_EQ(data.nextCode("002", "type", 2), QStringLiteral("002100"));
    addClasses({"003"});
    EXPECT_EQ(data.nextCode("003", "type", 2), QStringLiteral("003001")) << "no children yet";
    addClasses({"999"});
    EXPECT_EQ(data.nextCode("001", "type", 1), QString()) << "a full level has no next code";
}

TEST_F(DataModuleTest, AQuoteInASearchValueFindsTheRowThatHoldsIt)
{
    addArchive("A-1", "O'Brien 档案");
    addArchive("A-2", "100% 完成");
    addArchive("A-3", "100 完成");
    EXPECT_EQ(data.integerValue("select count(*) from t_Files where F_name like " + SqlText::containsPattern("o'brien") + SqlText::likeEscape()), 1);
    EXPECT_EQ(data.integerValue("select count(*) from t_Files where F_name like " + SqlText::containsPattern("100%") + SqlText::likeEscape()), 1);
    EXPECT_EQ(data.integerValue("select count(*) from t_Files where F_name = " + SqlText::quoted("O'Brien 档案")), 1);
    EXPECT_TRUE(seams.messages.messages.empty());
}
