#include "db/DataSet.h"
#include "main/ArchiveSummary.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

const QStringList kFields = {"F_code", "F_name", "F_DAtype", "F_GDdate", "F_DAnum", "F_JCnum", "F_BMjibie", "F_CFaddress",
                             "F_GDdept", "F_GDemp", "F_DZpath", "F_DZdx", "F_editDate", "F_memo1"};

// One archive row with the given filing date; every other field holds its own name.
void loadArchive(DataSet& rows, const QString& filingDate)
{
    QVector<Field> fields;
    for (const QString& name : kFields)
        fields.push_back({name, FieldType::Text, 50});
    rows.beginLoad(fields);
    for (int column = 0; column < kFields.size(); ++column) {
        const QByteArray value = (kFields[column] == "F_GDdate" ? filingDate : kFields[column]).toUtf8();
        rows.addBytes(column, value.constData(), size_t(value.size()));
    }
    rows.endLoad();
}

}

TEST(ArchiveSummary, ListsTheLabelledValuesAfterAnEmptyLine)
{
    DataSet rows;
    loadArchive(rows, "2019-03-04");
    EXPECT_EQ(ArchiveSummary::lines(rows),
              QStringList({"", "  档案编号:F_code", "  档案名称:F_name", "  档案分类:F_DAtype", "  归档日期:2019-03-04",
                           "  档案份数:F_DAnum", "  借    出:F_JCnum", "  保密级别:F_BMjibie", "  存放地点:F_CFaddress",
                           "  归档部门:F_GDdept", "  归 档 人:F_GDemp", "  电子文档:F_DZpath", "  文件大小:F_DZdx",
                           "  录入日期:F_editDate", "  备    注:F_memo1"}));
}

TEST(ArchiveSummary, LeavesOutAFilingDateThatSortsBeforeTheFirstRealDate)
{
    for (const char* date : {"1900-08-14", "1901-08-13", ""}) {
        DataSet rows;
        loadArchive(rows, date);
        const QStringList lines = ArchiveSummary::lines(rows);
        EXPECT_EQ(lines.size(), 14) << date;
        EXPECT_FALSE(lines.join('\n').contains("归档日期")) << date;
    }
    DataSet rows;
    loadArchive(rows, "1901-08-14");
    EXPECT_TRUE(ArchiveSummary::lines(rows).contains("  归档日期:1901-08-14"));
}

TEST(ArchiveSummary, ReplacesWhatTheBoxHeld)
{
    DataSet rows;
    loadArchive(rows, "2020-01-01");
    QPlainTextEdit box;
    box.setPlainText("earlier text");
    ArchiveSummary::fill(&box, rows);
    EXPECT_EQ(box.toPlainText(), ArchiveSummary::lines(rows).join('\n'));
    EXPECT_TRUE(box.toPlainText().startsWith("\n  档案编号:F_code"));
}
