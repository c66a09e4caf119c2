#include "MainFixture.h"

#include <QHeaderView>

namespace {

class ArchiveListTest : public MainWindowTest {
protected:
    DataGrid* grid() const { return child<DataGrid>("gridArchives"); }
    int columnOf(const char* field) const { return grid()->columnOfField(QString::fromLatin1(field)); }
    void clickTitle(const char* field)
    {
        QHeaderView* header = grid()->horizontalHeader();
        const int column = columnOf(field);
        grid()->scrollTo(grid()->model()->index(0, column));
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
    int storedVisible(const char* field)
    {
        DataSet rows;
        data.connection().load("select F_Visible from cfg_Grid where F_name = 'DAmain' and F_FieldName = :field", rows,
                               {{"field", QString::fromLatin1(field)}});
        return rows.value(0, 0).toInt();
    }
};

}

TEST_F(ArchiveListTest, StoredLayoutAndCustomTitlesReplaceTheDesignedColumns)
{
    data.connection().execute("update cfg_Grid set F_Visible = 0 where F_name = 'DAmain' and F_FieldName = 'F_DZpath'");
    data.connection().execute("update cfg_Grid set F_Order = -1, F_Caption = '编号' where F_name = 'DAmain' and F_FieldName = 'F_code'");
    Session::current().systemValues[0] = "合同号";
    Session::current().systemValues[8] = "到期日";
    showWindow();
    ASSERT_EQ(grid()->gridColumnCount(), 24);
    EXPECT_EQ(grid()->gridColumn(0).fieldName, QStringLiteral("F_code"));
    EXPECT_EQ(grid()->gridColumn(0).title, QStringLiteral("编号"));
    EXPECT_FALSE(grid()->gridColumn(columnOf("F_DZpath")).visible);
    EXPECT_EQ(grid()->gridColumn(columnOf("F_ZF1")).title, QStringLiteral("合同号"));
    EXPECT_EQ(grid()->gridColumn(columnOf("F_RQ1")).title, QStringLiteral("到期日"));
    EXPECT_TRUE(grid()->gridColumn(columnOf("F_GDdate")).emptyDateRule);
    EXPECT_TRUE(grid()->gridColumn(columnOf("F_RQ3")).emptyDateRule);
}

TEST_F(ArchiveListTest, WithoutAStoredLayoutTheDesignedColumnsStay)
{
    data.connection().execute("delete from cfg_Grid where F_name = 'DAmain'");
    showWindow();
    QStringList fields, titles;
    for (const GridColumn& column : grid()->columns()) {
        fields << column.fieldName;
        titles << column.title;
        EXPECT_EQ(column.width, 80);
    }
    EXPECT_EQ(fields.mid(0, 13), QStringList({"F_DAtype", "F_code", "F_name", "F_GDdate", "F_DAnum", "F_JCnum", "F_DZpath",
                                              "F_DZdx", "F_BMjibie", "F_CFaddress", "F_GDdept", "F_GDemp", "F_memo1"}));
    EXPECT_EQ(titles.mid(0, 13), QStringList({"档案分类", "档案编号", "档案名称", "归档日期", "档案份数", "借出", "文件路径",
                                              "档案大小", "保密级别", "存放地点", "归档部门", "归档人", "备注"}));
    EXPECT_EQ(fields.mid(13), QStringList({"F_ZF1", "F_ZF2", "F_ZF3", "F_ZF4", "F_ZF5", "F_SZ1", "F_SZ2", "F_SZ3", "F_RQ1",
                                           "F_RQ2", "F_RQ3"}));
}

TEST_F(ArchiveListTest, TitleClickOrdersTheRowsOnShowUntilTheNextQuery)
{
    addArchive({.code = "1", .name = "乙", .memo = "b"});
    addArchive({.code = "2", .name = "丙", .memo = "a"});
    addArchive({.code = "3", .name = "甲", .memo = "c"});
    showWindow();
    clickTitle("F_name");
    EXPECT_EQ(grid()->sortMark(columnOf("F_name")), SortMark::Ascending);
    const QStringList ascending = listedCodes();
    EXPECT_NE(ascending, QStringList({"1", "2", "3"}));
    clickTitle("F_name");
    EXPECT_EQ(grid()->sortMark(columnOf("F_name")), SortMark::Descending);
    const QStringList descending = listedCodes();
    EXPECT_EQ(descending, QStringList(ascending.rbegin(), ascending.rend()));
    clickTitle("F_memo1");
    EXPECT_EQ(grid()->sortMark(columnOf("F_memo1")), SortMark::Ascending);
    EXPECT_EQ(listedCodes(), descending) << "a memo title only changes its mark";
    window->queryArchiveList();
    EXPECT_EQ(listedCodes(), QStringList({"1", "2", "3"}));
}

TEST_F(ArchiveListTest, SavingTheLayoutAsksFirstAndStoresHiddenColumns)
{
    showWindow();
    grid()->setColumnVisible(columnOf("F_memo1"), false);
    seams.messages.answers = {MessNo};
    action("Action206")->trigger();
    EXPECT_EQ(seams.messages.texts(), QStringList({"真的要保存当前网格设置吗？"}));
    EXPECT_EQ(storedVisible("F_memo1"), 1);
    seams.messages.answers = {MessYes};
    action("Action206")->trigger();
    EXPECT_EQ(storedVisible("F_memo1"), 0);
    EXPECT_EQ(storedVisible("F_name"), 1);
}
