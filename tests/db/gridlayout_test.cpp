#include "admin/Session.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "db/GridLayout.h"
#include "platform/DataGrid.h"
#include "support/Scripted.h"
#include "support/TempProgram.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kOperationFailed = QStringLiteral("操作失败，请检查数据连接... ");

GridColumn column(const QString& field, const QString& title, int width = 80)
{
    GridColumn c;
    c.fieldName = field;
    c.title = title;
    c.width = width;
    return c;
}

QVector<GridColumn> designedColumns()
{
    QVector<GridColumn> columns = {column("F_code", "档案编号"), column("F_name", "档案名称"), column("F_GDdate", "归档日期"),
                                   column("F_DAnum", "档案份数"), column("F_memo1", "备注")};
    columns[2].emptyDateRule = true;
    return columns;
}

struct StoredColumn {
    QString field;
    QString caption;
    int width;
    int visible;
    int readOnly;
    QString format;
    QString footerValue;
    int footerType;
    int alignment;
    int order;
};

struct GridLayoutTest : ::testing::Test {
    TempProgram program;
    ScriptedSeams seams;
    TdmData data;
    DataGrid grid;

    void SetUp() override
    {
        ASSERT_TRUE(data.connection().open(program.databaseFile()));
        grid.setColumns(designedColumns());
    }

    void store(const QString& name, const QString& field, int order, const QString& caption = QStringLiteral("旧标题"))
    {
        data.connection().execute("insert into cfg_Grid(F_name,F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,"
                                  "F_FooterValue,F_FooterType,F_Alignment,F_Order) values(:n,:f,:c,80,1,1,'','',0,0,:o)",
                                  {{"n", name}, {"f", field}, {"c", caption}, {"o", order}});
    }
    void storeDesignedLayout(const QString& name)
    {
        const QVector<GridColumn> columns = designedColumns();
        for (int i = 0; i < columns.size(); ++i)
            store(name, columns[i].fieldName, 10 - i);
    }

    std::vector<StoredColumn> stored(const QString& name)
    {
        DataSet rows;
        data.connection().load("select F_FieldName,F_Caption,F_Width,F_Visible,F_ReadOnly,F_DisplayFormat,F_FooterValue,F_FooterType,"
                               "F_Alignment,F_Order from cfg_Grid where F_name = :n order by F_Order, F_FieldName",
                               rows, {{"n", name}});
        std::vector<StoredColumn> result;
        for (int r = 0; r < rows.recordCount(); ++r)
            result.push_back({rows.text(r, 0), rows.text(r, 1), int(rows.intValue(r, 2)), int(rows.intValue(r, 3)), int(rows.intValue(r, 4)),
                              rows.text(r, 5), rows.text(r, 6), int(rows.intValue(r, 7)), int(rows.intValue(r, 8)), int(rows.intValue(r, 9))});
        return result;
    }

    QStringList fields(const DataGrid& g)
    {
        QStringList names;
        for (const GridColumn& c : g.columns())
            names << c.fieldName;
        return names;
    }
};

}

TEST_F(GridLayoutTest, SavedLayoutComesBackWithItsHiddenColumnInPlace)
{
    storeDesignedLayout("TestGrid");
    GridColumn code = grid.gridColumn(0);
    code.title = QStringLiteral("编号 'A'");
    code.width = 123;
    code.readOnly = false;
    code.alignment = Qt::AlignRight;
    grid.setGridColumn(0, code);
    GridColumn count = grid.gridColumn(3);
    count.displayFormat = QStringLiteral("#,##0.00");
    count.footerType = FooterType::Sum;
    count.alignment = Qt::AlignHCenter;
    grid.setGridColumn(3, count);
    GridColumn name = grid.gridColumn(1);
    name.footerType = FooterType::Text;
    name.footerText = QStringLiteral("合计'");
    grid.setGridColumn(1, name);
    grid.setColumnVisible(2, false);

    GridLayout::save(&grid, "TestGrid");
    EXPECT_TRUE(seams.messages.messages.empty()) << seams.messages.texts().join('|').toStdString();

    const std::vector<StoredColumn> rows = stored("TestGrid");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].field, "F_code");
    EXPECT_EQ(rows[0].caption, QStringLiteral("编号 'A'"));
    EXPECT_EQ(rows[0].width, 123);
    EXPECT_EQ(rows[0].readOnly, 0);
    EXPECT_EQ(rows[0].alignment, 2);
    EXPECT_EQ(rows[1].footerType, 1);
    EXPECT_EQ(rows[1].footerValue, QStringLiteral("合计'"));
    EXPECT_EQ(rows[2].field, "F_GDdate");
    EXPECT_EQ(rows[2].visible, 0) << "hidden columns are saved too";
    EXPECT_EQ(rows[2].order, 2) << "positions count the hidden columns";
    EXPECT_EQ(rows[3].format, QStringLiteral("#,##0.00"));
    EXPECT_EQ(rows[3].footerType, 2);
    EXPECT_EQ(rows[3].alignment, 1);
    EXPECT_EQ(rows[4].field, "F_memo1");
    EXPECT_EQ(rows[4].order, 4);
    EXPECT_EQ(rows[4].readOnly, 1);

    DataGrid reopened;
    QVector<GridColumn> reversed = designedColumns();
    std::reverse(reversed.begin(), reversed.end());
    reopened.setColumns(reversed);
    GridLayout::load(&reopened, "TestGrid");
    EXPECT_EQ(fields(reopened), QStringList({"F_code", "F_name", "F_GDdate", "F_DAnum", "F_memo1"}));
    EXPECT_FALSE(reopened.gridColumn(2).visible);
    EXPECT_TRUE(reopened.isColumnHidden(2));
    EXPECT_TRUE(reopened.gridColumn(2).emptyDateRule) << "the design's empty-date mark stays with its field";
    EXPECT_EQ(reopened.gridColumn(0).title, QStringLiteral("编号 'A'"));
    EXPECT_EQ(reopened.gridColumn(0).width, 123);
    EXPECT_FALSE(reopened.gridColumn(0).readOnly);
    EXPECT_EQ(reopened.gridColumn(0).alignment, Qt::AlignRight);
    EXPECT_EQ(reopened.gridColumn(1).footerType, FooterType::Text);
    EXPECT_EQ(reopened.gridColumn(1).footerText, QStringLiteral("合计'"));
    EXPECT_EQ(reopened.gridColumn(3).footerType, FooterType::Sum);
    EXPECT_EQ(reopened.gridColumn(3).displayFormat, QStringLiteral("#,##0.00"));
    EXPECT_EQ(reopened.gridColumn(3).alignment, Qt::AlignHCenter);
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(GridLayoutTest, LoadingTakesTheStoredOrderAndIgnoresRowsWithoutAField)
{
    store("TestGrid", "F_code", 2, "编号");
    store("TestGrid", "", 1, "空字段");
    store("TestGrid", "F_name", 0, "名称");
    store("OtherGrid", "F_memo1", 0, "备注");
    data.connection().execute("update cfg_Grid set F_Alignment = 7, F_FooterType = 5, F_Visible = 0 where F_FieldName = 'F_code'");

    GridLayout::load(&grid, "testGRID");
    EXPECT_EQ(fields(grid), QStringList({"F_name", "F_code"}));
    EXPECT_EQ(grid.gridColumn(0).title, QStringLiteral("名称"));
    EXPECT_EQ(grid.gridColumn(1).alignment, Qt::AlignLeft) << "an unknown alignment is left";
    EXPECT_EQ(grid.gridColumn(1).footerType, FooterType::None);
    EXPECT_FALSE(grid.gridColumn(1).visible);
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(GridLayoutTest, WithoutStoredRowsTheGridKeepsItsColumnsAndSavingStoresNothing)
{
    storeDesignedLayout("TestGrid");
    GridLayout::load(&grid, "NoSuchGrid");
    EXPECT_EQ(fields(grid), QStringList({"F_code", "F_name", "F_GDdate", "F_DAnum", "F_memo1"}));

    GridLayout::save(&grid, "NoSuchGrid");
    EXPECT_TRUE(stored("NoSuchGrid").empty());
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(GridLayoutTest, SavingFindsTheRowsWhateverTheCaseOfTheNameAndAddsNone)
{
    store("GridCase", "F_code", 5);
    store("GridCase", "F_memo1", 6);
    grid.setColumnTitle(0, QStringLiteral("新编号"));
    grid.setColumnTitle(4, QStringLiteral("新备注"));

    GridLayout::save(&grid, "GRIDcase");

    const std::vector<StoredColumn> rows = stored("GridCase");
    ASSERT_EQ(rows.size(), 2u) << "columns without a row are not stored";
    EXPECT_EQ(rows[0].caption, QStringLiteral("新编号"));
    EXPECT_EQ(rows[0].order, 0);
    EXPECT_EQ(rows[1].caption, QStringLiteral("新备注"));
    EXPECT_EQ(rows[1].order, 4);
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(GridLayoutTest, EachFailingStatementIsReportedAndTheOtherColumnsAreSaved)
{
    storeDesignedLayout("TestGrid");
    grid.setColumnTitle(0, QString(300, QLatin1Char('x'))); // wider than F_Caption
    grid.setColumnTitle(1, QStringLiteral("名称一"));
    grid.setColumnTitle(3, QString(300, QLatin1Char('y')));
    grid.setColumnTitle(4, QStringLiteral("备注一"));

    GridLayout::save(&grid, "TestGrid");

    EXPECT_EQ(seams.messages.texts(), QStringList({kOperationFailed, kOperationFailed}));
    EXPECT_EQ(seams.messages.messages[0].kind, MessFailure);
    QStringList captions;
    for (const StoredColumn& row : stored("TestGrid"))
        captions << row.caption;
    EXPECT_TRUE(captions.contains(QStringLiteral("名称一")));
    EXPECT_TRUE(captions.contains(QStringLiteral("备注一")));
    EXPECT_EQ(captions.count(QStringLiteral("旧标题")), 2);
}

TEST_F(GridLayoutTest, ALayoutNameWithAQuoteCannotBreakTheStatements)
{
    store("Grid'1", "F_code", 0, "编号");
    GridLayout::load(&grid, "Grid'1");
    EXPECT_EQ(fields(grid), QStringList({"F_code"}));
    grid.setColumnTitle(0, QStringLiteral("新'编号"));
    GridLayout::save(&grid, "Grid'1");
    EXPECT_EQ(stored("Grid'1")[0].caption, QStringLiteral("新'编号"));
    EXPECT_TRUE(seams.messages.messages.empty());
}

TEST_F(GridLayoutTest, AFailingLoadIsReportedAndTheGridKeepsItsColumns)
{
    data.connection().execute("drop table cfg_Grid");
    GridLayout::load(&grid, "DAmain");
    EXPECT_EQ(seams.messages.texts(), QStringList({kOperationFailed}));
    EXPECT_EQ(seams.messages.messages[0].kind, MessFailure);
    EXPECT_EQ(grid.gridColumnCount(), 5);
}

TEST_F(GridLayoutTest, CustomTitlesComeFromTheSystemValues)
{
    Session::current() = Session{};
    for (int n = 1; n <= 11; ++n)
        Session::current().systemValues[n - 1] = QStringLiteral("项目%1").arg(n);
    Session::current().systemValues[2] = QString();
    grid.setColumns({column("F_code", "档案编号"), column("F_ZF1", "字符项一"), column("c.f_zf3", "字符项三"), column("F_SZ2", "数值项二"),
                     column("F_RQ3", "日期项三"), column("F_memo1", "备注")});

    dmData->customTitles(&grid);

    QStringList titles;
    for (int i = 0; i < grid.gridColumnCount(); ++i)
        titles << grid.model()->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringList({"档案编号", "项目1", "", "项目7", "项目11", "备注"}));
    Session::current() = Session{};
}

// ---------------------------------------------------------------- title clicks

namespace {

struct TitleClickTest : ::testing::Test {
    DataSet rows;
    DataGrid grid;

    void SetUp() override
    {
        rows.beginLoad({{"F_code", FieldType::Text, 50}, {"F_name", FieldType::Text, 50}, {"F_memo1", FieldType::Memo, 0}});
        for (const char* row : {"B|乙|z", "C|丙|x", "A|甲|y"}) {
            const QList<QByteArray> values = QByteArray(row).split('|');
            for (int c = 0; c < 3; ++c)
                rows.addBytes(c, values[c].constData(), static_cast<size_t>(values[c].size()));
        }
        rows.endLoad();
        grid.setColumns({column("F_code", "档案编号"), column("F_name", "档案名称"), column("F_memo1", "备注")});
        grid.setDataSet(&rows);
    }
    QString codes()
    {
        QString text;
        for (int r = 0; r < rows.recordCount(); ++r)
            text += rows.text(r, 0);
        return text;
    }
};

}

TEST_F(TitleClickTest, ClicksCycleTheMarkAndOrderByThatColumnAlone)
{
    GridLayout::titleClick(&grid, 0);
    EXPECT_EQ(grid.sortMark(0), SortMark::Ascending);
    EXPECT_EQ(codes(), "ABC");
    GridLayout::titleClick(&grid, 0);
    EXPECT_EQ(grid.sortMark(0), SortMark::Descending);
    EXPECT_EQ(codes(), "CBA");

    GridLayout::titleClick(&grid, 1);
    EXPECT_EQ(grid.sortMark(1), SortMark::Ascending);
    EXPECT_EQ(grid.sortMark(0), SortMark::Descending) << "other marks stay";
    EXPECT_EQ(rows.sortKeys(), "F_name ASC") << "the earlier order is replaced";
    GridLayout::titleClick(&grid, 0);
    EXPECT_EQ(grid.sortMark(0), SortMark::Ascending) << "descending turns ascending";
    EXPECT_EQ(codes(), "ABC");
}

TEST_F(TitleClickTest, AMemoTitleOnlyChangesItsMark)
{
    GridLayout::titleClick(&grid, 0);
    GridLayout::titleClick(&grid, 0);
    GridLayout::titleClick(&grid, 2);
    EXPECT_EQ(grid.sortMark(2), SortMark::Ascending);
    EXPECT_EQ(codes(), "CBA");
    GridLayout::titleClick(&grid, 2);
    EXPECT_EQ(grid.sortMark(2), SortMark::Descending);
    EXPECT_EQ(codes(), "CBA");
}

TEST_F(TitleClickTest, NothingHappensWhileTheListIsClosed)
{
    rows.clear();
    GridLayout::titleClick(&grid, 0);
    EXPECT_EQ(grid.sortMark(0), SortMark::None);
}
