#include "db/DataSet.h"
#include "platform/DataGrid.h"
#include "platform/DataGridFooter.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Row = std::vector<QVariant>;

void fill(DataSet& set, const QVector<Field>& fields, const std::vector<Row>& rows)
{
    set.beginLoad(fields);
    for (const Row& row : rows) {
        for (int c = 0; c < fields.size(); ++c) {
            const QVariant& v = row[static_cast<size_t>(c)];
            if (v.isNull()) {
                set.addNull(c);
            } else if (fields[c].type == FieldType::Integer) {
                set.addInt(c, v.toLongLong());
            } else if (fields[c].type == FieldType::Real) {
                set.addReal(c, v.toDouble());
            } else {
                const QByteArray bytes = v.toString().toUtf8();
                set.addBytes(c, bytes.constData(), static_cast<size_t>(bytes.size()));
            }
        }
    }
    set.endLoad();
}

// Archive-like rows: code, name, count, amount.
void fillArchives(DataSet& set, int count)
{
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({QString::asprintf("A%04d", i), QStringLiteral("档案%1").arg(i), i % 7, i * 0.5});
    fill(set, {{"F_code", FieldType::Text, 50}, {"F_name", FieldType::Text, 50}, {"F_DAnum", FieldType::Integer, 0}, {"F_SZ1", FieldType::Real, 0}},
         rows);
}

GridColumn column(const QString& field, const QString& title, int width = 80)
{
    GridColumn c;
    c.fieldName = field;
    c.title = title;
    c.width = width;
    return c;
}

QVariant null()
{
    return QVariant();
}

struct GridTest : ::testing::Test {
    DataSet rows;
    DataGrid grid;

    void show(QSize size = QSize(480, 300))
    {
        grid.resize(size);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    QPoint cellCentre(int row, int column) { return grid.visualRect(grid.model()->index(row, column)).center(); }
    // A double-click as the operator makes it: a click, then the second press.
    void doubleClick(int row, int column)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(row, column));
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(row, column));
    }
    QString shownText(int row, int column) { return grid.model()->index(row, column).data().toString(); }
};

}

TEST_F(GridTest, MarkedColumnsShowBlankForDatesBeforeTheFirstShownDate)
{
    const std::vector<std::pair<QVariant, QString>> cases = {
        {QStringLiteral("1900-08-14"), QString()},
        {QStringLiteral("1901-08-13"), QString()},
        {null(), QString()},
        {QStringLiteral(""), QString()},
        {QStringLiteral("1901-08-14"), QStringLiteral("1901-08-14")},
        {QStringLiteral("2010-03-05"), QStringLiteral("2010-03-05")},
        {QStringLiteral("2010-03-05 10:00:00"), QStringLiteral("2010-03-05 10:00:00")},
    };
    std::vector<Row> values;
    for (const auto& c : cases)
        values.push_back({c.first, c.first, c.first});
    fill(rows, {{"F_GDdate", FieldType::Text, 50}, {"F_RQ1", FieldType::DateTime, 0}, {"F_RQ2", FieldType::DateTime, 0}}, values);
    GridColumn filed = column("F_GDdate", "归档日期");
    filed.emptyDateRule = true;
    GridColumn dated = column("F_RQ1", "日期项一");
    dated.emptyDateRule = true;
    grid.setColumns({filed, dated, column("F_RQ2", "日期项二")});
    grid.setDataSet(&rows);

    for (int row = 0; row < static_cast<int>(cases.size()); ++row) {
        SCOPED_TRACE(cases[static_cast<size_t>(row)].first.toString().toStdString());
        EXPECT_EQ(grid.cellText(row, 0), cases[static_cast<size_t>(row)].second);
        EXPECT_EQ(grid.cellText(row, 1), cases[static_cast<size_t>(row)].second);
        EXPECT_EQ(shownText(row, 1), cases[static_cast<size_t>(row)].second);
        EXPECT_EQ(grid.cellText(row, 2), cases[static_cast<size_t>(row)].first.toString()) << "an unmarked column shows the value";
    }
}

TEST_F(GridTest, DisplayFormatsApplyToNumbersAndDatesButNotToTexts)
{
    fill(rows, {{"F_SZ1", FieldType::Real, 0}, {"F_DAnum", FieldType::Integer, 0}, {"F_RQ1", FieldType::DateTime, 0}, {"F_code", FieldType::Text, 50}},
         {{1234.5, 3, QStringLiteral("2010-03-05 14:07:00"), QStringLiteral("12")}, {null(), null(), QStringLiteral("1900-08-14"), null()}});
    QVector<GridColumn> columns = {column("F_SZ1", "数值项一"), column("F_DAnum", "档案份数"), column("F_RQ1", "日期项一"), column("F_code", "档案编号")};
    columns[0].displayFormat = "#,##0.00";
    columns[1].displayFormat = "0.00";
    columns[2].displayFormat = "yyyy年mm月dd日 hh:nn";
    columns[2].emptyDateRule = true;
    columns[3].displayFormat = "0.00";
    grid.setColumns(columns);
    grid.setDataSet(&rows);

    EXPECT_EQ(grid.cellText(0, 0), QStringLiteral("1,234.50"));
    EXPECT_EQ(grid.cellText(0, 1), QStringLiteral("3.00"));
    EXPECT_EQ(grid.cellText(0, 2), QStringLiteral("2010年03月05日 14:07"));
    EXPECT_EQ(grid.cellText(0, 3), QStringLiteral("12")) << "a text column is shown as stored";
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(grid.cellText(1, c), QString()) << "empty values stay empty in column " << c;
}

TEST_F(GridTest, WithoutColumnsEveryFieldShowsUnderItsNameAndAMissingFieldShowsEmpty)
{
    fillArchives(rows, 3);
    grid.setDataSet(&rows);
    ASSERT_EQ(grid.gridColumnCount(), 4);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("F_name"));
    EXPECT_EQ(grid.cellText(2, 1), QStringLiteral("档案2"));

    fill(rows, {{"F_code", FieldType::Text, 50}}, {{QStringLiteral("X")}});
    EXPECT_EQ(grid.gridColumnCount(), 1) << "the columns follow the fields until a design is given";

    grid.setColumns({column("F_code", "档案编号"), column("F_gone", "不存在")});
    EXPECT_EQ(grid.cellText(0, 0), QStringLiteral("X"));
    EXPECT_EQ(grid.cellText(0, 1), QString());
    EXPECT_EQ(grid.columnOfField("f_GONE"), 1);
    EXPECT_EQ(grid.columnOfField("F_name"), -1);
}

TEST_F(GridTest, FooterShowsItsTextOrTheColumnSumForTheRowsLoaded)
{
    fillArchives(rows, 4); // counts 0+1+2+3, amounts 0+0.5+1+1.5
    QVector<GridColumn> columns = {column("F_code", "档案编号"), column("F_name", "档案名称"), column("F_DAnum", "档案份数"),
                                   column("F_SZ1", "数值项一"), column("F_gone", "不存在")};
    columns[1].footerType = FooterType::Text;
    columns[1].footerText = QStringLiteral("合计：");
    columns[2].footerType = FooterType::Sum;
    columns[3].footerType = FooterType::Sum;
    columns[3].displayFormat = "#,##0.00";
    columns[4].footerType = FooterType::Sum;
    columns[0].footerText = QStringLiteral("not shown without a footer type");
    grid.setColumns(columns);
    grid.setDataSet(&rows);

    EXPECT_EQ(grid.footerText(0), QString());
    EXPECT_EQ(grid.footerText(1), QStringLiteral("合计："));
    EXPECT_EQ(grid.footerText(2), QStringLiteral("6"));
    EXPECT_EQ(grid.footerText(3), QStringLiteral("3.00"));
    EXPECT_EQ(grid.footerText(4), QString());

    fillArchives(rows, 3000);
    EXPECT_EQ(grid.footerText(3), QStringLiteral("2,249,250.00")) << "summed again for new rows";
    rows.sortBy("F_SZ1 DESC");
    EXPECT_EQ(grid.footerText(3), QStringLiteral("2,249,250.00"));
    rows.setValue(0, 3, 0.0); // the largest amount, 1499.5
    EXPECT_EQ(grid.footerText(3), QStringLiteral("2,247,750.50")) << "an edited value counts";
}

TEST_F(GridTest, FooterCellsStayUnderTheirTitlesWhenColumnsResizeAndScroll)
{
    fillArchives(rows, 200);
    QVector<GridColumn> columns;
    for (int i = 0; i < 8; ++i)
        columns << column(i % 2 ? "F_SZ1" : "F_code", QStringLiteral("列%1").arg(i), 120);
    columns[1].footerType = FooterType::Sum;
    grid.setColumns(columns);
    grid.setDataSet(&rows);
    grid.setFooterVisible(true);
    show();

    auto* footer = grid.findChild<DataGridFooter*>();
    ASSERT_NE(footer, nullptr);
    ASSERT_TRUE(footer->isVisible());
    const QRect area = grid.viewport()->geometry();
    EXPECT_EQ(footer->geometry().top(), area.bottom() + 1);
    EXPECT_EQ(footer->height(), grid.uniformRowHeight());
    EXPECT_LT(footer->geometry().bottom(), grid.horizontalScrollBar()->mapTo(&grid, QPoint(0, 0)).y()) << "the footer sits above the scroll bar";

    auto titleLeft = [&](int c) { return grid.horizontalHeader()->mapTo(&grid, QPoint(grid.horizontalHeader()->sectionViewportPosition(c), 0)).x(); };
    auto footerLeft = [&](int c) { return footer->mapTo(&grid, footer->cellRect(c).topLeft()).x(); };
    EXPECT_EQ(footerLeft(3), titleLeft(3));
    grid.horizontalHeader()->resizeSection(1, 200);
    EXPECT_EQ(footer->cellRect(1).width(), 200);
    EXPECT_EQ(footerLeft(3), titleLeft(3));
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    EXPECT_EQ(footerLeft(7), titleLeft(7));
    EXPECT_LT(footerLeft(0), footer->mapTo(&grid, QPoint(0, 0)).x()) << "the first column scrolled out of sight";

    grid.scrollToBottom();
    QCoreApplication::processEvents();
    const QRect last = grid.visualRect(grid.model()->index(rows.recordCount() - 1, 0));
    EXPECT_LE(last.bottom(), grid.viewport()->height() - 1) << "the last row is not hidden by the footer";

    grid.setFooterVisible(false);
    EXPECT_FALSE(footer->isVisible());
    EXPECT_EQ(grid.viewport()->geometry().bottom(), footer->geometry().top() - 1 + grid.uniformRowHeight());
}

TEST_F(GridTest, CurrentRowIsSharedWithTheDataSet)
{
    fillArchives(rows, 100);
    grid.setDataSet(&rows);
    show();

    rows.setCurrentRow(40);
    EXPECT_EQ(grid.currentIndex().row(), 40);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(rows.currentRow(), 41);
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(rows.currentRow(), 99);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(rows.currentRow(), 0);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_GT(rows.currentRow(), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(3, 1));
    EXPECT_EQ(rows.currentRow(), 3);

    rows.sortBy("F_code DESC");
    EXPECT_EQ(rows.fieldText("F_code"), QStringLiteral("A0003")) << "the data set keeps its record";
    EXPECT_EQ(grid.currentIndex().row(), rows.currentRow());
    EXPECT_EQ(grid.cellText(grid.currentIndex().row(), 0), QStringLiteral("A0003"));
}

TEST_F(GridTest, RowsAreSelectedWholeOneOrSeveral)
{
    fillArchives(rows, 10);
    grid.setDataSet(&rows);
    show();
    EXPECT_EQ(grid.selectedRows(), QVector<int>({0})) << "the current row when nothing else is selected";

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(1, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(6, 0));
    EXPECT_EQ(grid.selectedRows(), QVector<int>({6})) << "single selection";
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(6, {}));

    grid.setMultiSelect(true);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(1, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(6, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(3, 3));
    EXPECT_EQ(grid.selectedRows(), QVector<int>({1, 3, 6}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(5, 1));
    EXPECT_EQ(grid.selectedRows(), QVector<int>({2, 3, 4, 5}));
    EXPECT_EQ(rows.currentRow(), 5);
}

TEST_F(GridTest, TitleClicksAndDoubleClicksNameTheirColumnAndRow)
{
    fillArchives(rows, 10);
    grid.setDataSet(&rows);
    show();
    QSignalSpy titles(&grid, &DataGrid::titleClicked);
    QSignalSpy doubles(&grid, &DataGrid::rowDoubleClicked);

    QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(2) + 10, header->height() / 2));
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles.at(0).at(0).toInt(), 2);
    EXPECT_EQ(grid.sortMark(2), SortMark::None) << "the grid does not sort by itself";
    EXPECT_EQ(grid.cellText(0, 0), QStringLiteral("A0000"));

    doubleClick(4, 1);
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles.at(0).at(0).toInt(), 4);

    grid.setSortMark(0, SortMark::Ascending);
    grid.setSortMark(3, SortMark::Descending);
    EXPECT_EQ(grid.sortMark(0), SortMark::Ascending);
    EXPECT_EQ(grid.sortMark(3), SortMark::Descending);
    EXPECT_EQ(grid.sortMark(1), SortMark::None);
}

TEST_F(GridTest, ColumnWidthsAndHiddenColumnsOutliveNewRows)
{
    fillArchives(rows, 5);
    QVector<GridColumn> columns = {column("F_code", "档案编号", 120), column("F_name", "档案名称", 90), column("F_DAnum", "档案份数", 70)};
    columns[1].visible = false;
    grid.setColumns(columns);
    grid.setDataSet(&rows);
    show();
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(0), 120);
    EXPECT_TRUE(grid.isColumnHidden(1));

    grid.horizontalHeader()->resizeSection(0, 150);
    EXPECT_EQ(grid.gridColumn(0).width, 150) << "the operator's width is the column's width";
    fillArchives(rows, 7);
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(0), 150);
    EXPECT_TRUE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.gridColumn(1).width, 90);

    grid.setColumnVisible(1, true);
    EXPECT_FALSE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.horizontalHeader()->sectionSize(1), 90);
    EXPECT_TRUE(grid.gridColumn(1).visible);
    grid.setColumnTitle(2, QStringLiteral("份数"));
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("份数"));
}

TEST_F(GridTest, AClosedOrDestroyedDataSetLeavesAnEmptyGrid)
{
    auto* owned = new DataSet;
    fillArchives(*owned, 5);
    grid.setDataSet(owned);
    show();
    owned->clear();
    EXPECT_EQ(grid.model()->rowCount(), 0);
    fillArchives(*owned, 5);
    EXPECT_EQ(grid.model()->rowCount(), 5);
    delete owned;
    EXPECT_EQ(grid.dataSet(), nullptr);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    grid.repaint();
}

TEST_F(GridTest, EditableGridsChangeTheDataSetInMemory)
{
    fillArchives(rows, 3);
    QVector<GridColumn> columns = {column("F_code", "档案编号"), column("F_name", "档案名称")};
    columns[1].readOnly = false;
    grid.setColumns(columns);
    grid.setDataSet(&rows);
    show();
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 1)) & Qt::ItemIsEditable) << "grids are not edited by default";

    grid.setEditable(true);
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable) << "read-only column";
    doubleClick(1, 1);
    auto* editor = grid.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("Renamed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands its text over once the key is done
    EXPECT_EQ(rows.text(1, 1), QStringLiteral("Renamed"));
    EXPECT_EQ(grid.cellText(1, 1), QStringLiteral("Renamed"));
}
