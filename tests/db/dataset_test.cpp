#include "db/DataSet.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

// Rows: code, name, number (nullable).
void fill(DataSet& set, const std::vector<std::tuple<QString, QString, std::optional<qint64>>>& rows)
{
    set.beginLoad({{"F_code", FieldType::Text, 50}, {"F_name", FieldType::Text, 50}, {"F_num", FieldType::Integer, 0}});
    for (const auto& [code, name, number] : rows) {
        const QByteArray c = code.toUtf8(), n = name.toUtf8();
        set.addBytes(0, c.constData(), static_cast<size_t>(c.size()));
        set.addBytes(1, n.constData(), static_cast<size_t>(n.size()));
        if (number)
            set.addInt(2, *number);
        else
            set.addNull(2);
    }
    set.endLoad();
}

QStringList column(const DataSet& set, int c)
{
    QStringList values;
    for (int r = 0; r < set.recordCount(); ++r)
        values << set.text(r, c);
    return values;
}

}

TEST(DataSet, ValuesAndFieldsByNameWithoutRegardToCase)
{
    DataSet set;
    fill(set, {{"0001", "档案甲", 3}, {"0002", "", std::nullopt}});
    EXPECT_EQ(set.recordCount(), 2);
    EXPECT_EQ(set.fieldIndex("f_NAME"), 1);
    EXPECT_EQ(set.text(0, 1), QStringLiteral("档案甲"));
    EXPECT_TRUE(set.isNull(1, 2));
    EXPECT_FALSE(set.isNull(1, 1));
    EXPECT_EQ(set.value(0, "F_NUM").toLongLong(), 3);
    EXPECT_EQ(set.currentRow(), 0);
}

TEST(DataSet, SortsByKeysAndRestoresTheStatementOrder)
{
    DataSet set;
    fill(set, {{"b", "x", 1}, {"A", "y", 2}, {"a", "z", 3}, {"c", "y", std::nullopt}});
    set.sortBy("f_code ASC,f_name DESC,");
    EXPECT_EQ(column(set, 1), QStringList({"z", "y", "x", "y"}));
    set.sortBy("f_name DESC,f_num ASC,");
    EXPECT_EQ(column(set, 0), QStringList({"a", "c", "A", "b"}));
    set.sortBy("f_num DESC");
    EXPECT_EQ(column(set, 2), QStringList({"3", "2", "1", ""}));
    set.sortBy(QString());
    EXPECT_EQ(column(set, 0), QStringList({"b", "A", "a", "c"}));
}

TEST(DataSet, SortKeepsTheCurrentRowAndBookmarksFollowRows)
{
    DataSet set;
    fill(set, {{"3", "c", 1}, {"1", "a", 2}, {"2", "b", 3}});
    set.setCurrentRow(1);
    const DataSet::Bookmark mark = set.bookmark();
    set.sortBy("f_code");
    EXPECT_EQ(set.fieldText("F_name"), QStringLiteral("a"));
    EXPECT_EQ(set.currentRow(), 0);
    set.last();
    EXPECT_TRUE(set.gotoBookmark(mark));
    EXPECT_EQ(set.fieldText("F_code"), QStringLiteral("1"));
}

TEST(DataSet, LocateSumAndMemoryEdits)
{
    DataSet set;
    fill(set, {{"X-1", "甲", 2}, {"x-2", "乙", 5}, {"x-3", "丙", std::nullopt}});
    EXPECT_TRUE(set.locate("F_code", "X-2"));
    EXPECT_EQ(set.currentRow(), 1);
    EXPECT_FALSE(set.locate("F_code", "none"));
    EXPECT_DOUBLE_EQ(set.sum(2), 7.0);
    set.setValue(0, 1, QStringLiteral("改"));
    EXPECT_EQ(set.text(0, 1), QStringLiteral("改"));
    const int added = set.appendRow();
    EXPECT_EQ(set.recordCount(), 4);
    EXPECT_TRUE(set.isNull(added, 0));
    set.removeRow(0);
    EXPECT_EQ(set.recordCount(), 3);
    EXPECT_EQ(set.text(0, 0), QStringLiteral("x-2"));
}

TEST(DataSet, SortComparesLongTextsInFullAndKeepsTiesInStatementOrder)
{
    DataSet set;
    const QString path = QStringLiteral("\\\\文书档案\\行政类\\");
    fill(set, {{path + "发文", "1", 1}, {path + "收文", "2", 1}, {path + "发文", "3", 1}, {path + "发文B", "4", 1}, {path + "发", "5", 1}});
    set.sortBy("f_code ASC,f_num DESC");
    EXPECT_EQ(column(set, 1), QStringList({"5", "1", "3", "4", "2"}));
    set.sortBy("f_code DESC");
    EXPECT_EQ(column(set, 1), QStringList({"2", "4", "1", "3", "5"}));
}
