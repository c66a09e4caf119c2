// grid_scroll_500k: milliseconds per page when the archive list grid, with
// the archive list's designed columns and a footer with a sum, is paged
// through with Page Down from the first to the last of the 500,000 archives
// of the demo database ("select * from t_Files"), each page painted on the
// offscreen platform. Baseline: the same grid paged through the first 5,000
// archives, so the ratio shows what the row count adds to each page. The time
// to show the 500,000 rows (reset, sums and first paint) is noted on stderr.
#include "db/Connection.h"
#include "db/DataSet.h"
#include "demo/GuiPlatform.h"
#include "platform/DataGrid.h"
#include "support/BenchData.h"
#include "support/BenchReport.h"
#include "support/BenchTiming.h"

#include <QApplication>
#include <QKeyEvent>

#include <string>

namespace {

constexpr int kBaselineRows = 5000;

GridColumn column(const char* field, const char* title, bool emptyDateRule = false)
{
    GridColumn c;
    c.fieldName = QString::fromLatin1(field);
    c.title = QString::fromUtf8(title);
    c.emptyDateRule = emptyDateRule;
    return c;
}

QVector<GridColumn> archiveListColumns()
{
    QVector<GridColumn> columns = {
        column("F_DAtype", "档案分类"), column("F_code", "档案编号"), column("F_name", "档案名称"),
        column("F_GDdate", "归档日期", true), column("F_DAnum", "档案份数"), column("F_JCnum", "借出"),
        column("F_DZpath", "文件路径"), column("F_DZdx", "档案大小"), column("F_BMjibie", "保密级别"),
        column("F_CFaddress", "存放地点"), column("F_GDdept", "归档部门"), column("F_GDemp", "归档人"),
        column("F_memo1", "备注"), column("F_ZF1", "字符项一"), column("F_ZF2", "字符项二"),
        column("F_ZF3", "字符项三"), column("F_ZF4", "字符项四"), column("F_ZF5", "字符项五"),
        column("F_SZ1", "数值项一"), column("F_SZ2", "数值项二"), column("F_SZ3", "数值项三"),
        column("F_RQ1", "日期项一", true), column("F_RQ2", "日期项二", true), column("F_RQ3", "日期项三", true),
    };
    columns[2].footerType = FooterType::Text;
    columns[2].footerText = QStringLiteral("合计：");
    columns[4].footerType = FooterType::Sum;
    columns[4].displayFormat = QStringLiteral("#,##0");
    return columns;
}

struct Paging {
    double secondsToShow = 0;
    double secondsPerPage = 0;
    int pages = 0;
};

// Shows the rows in a fresh grid, then pages down to the last row.
Paging pageThrough(DataSet& rows)
{
    DataGrid grid;
    grid.setColumns(archiveListColumns());
    grid.setFooterVisible(true);
    grid.resize(1024, 600);
    grid.show();
    QCoreApplication::processEvents();

    Paging paging;
    paging.secondsToShow = secondsOf([&] {
        grid.setDataSet(&rows);
        grid.repaint();
    });
    const int last = rows.recordCount() - 1;
    const double total = secondsOf([&] {
        while (rows.currentRow() < last) {
            QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            QCoreApplication::sendEvent(&grid, &pageDown);
            grid.repaint();
            QCoreApplication::processEvents();
            ++paging.pages;
        }
    });
    paging.secondsPerPage = paging.pages > 0 ? total / paging.pages : 0;
    return paging;
}

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(14);
    QApplication::setFont(font);

    Connection connection;
    QString reason;
    if (!connection.open(BenchData::demoDatabase500k(), &reason)) {
        BenchReport::note("grid_scroll_500k: " + reason.toStdString());
        return 1;
    }
    DataSet archives;
    DataSet firstArchives;
    connection.load(QStringLiteral("select * from t_Files"), archives);
    connection.load(QStringLiteral("select top %1 * from t_Files").arg(kBaselineRows), firstArchives);
    if (firstArchives.recordCount() != kBaselineRows || archives.recordCount() < kBaselineRows) {
        BenchReport::note("grid_scroll_500k: the demo database holds too few archives");
        return 1;
    }

    const Paging baseline = pageThrough(firstArchives);
    const Paging measured = pageThrough(archives);
    BenchReport::note("grid_scroll_500k: " + std::to_string(measured.pages) + " pages over " + std::to_string(archives.recordCount())
                      + " rows; showing the rows took " + std::to_string(measured.secondsToShow * 1000) + " ms ("
                      + std::to_string(baseline.secondsToShow * 1000) + " ms for " + std::to_string(kBaselineRows) + ")");
    BenchReport::figure("grid_scroll_500k", measured.secondsPerPage * 1000, "ms", baseline.secondsPerPage * 1000);
    return 0;
}
