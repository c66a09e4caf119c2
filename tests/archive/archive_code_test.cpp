#include "archive/ArchiveFixture.h"

#include "archive/ArchiveCode.h"
#include "archive/ArchiveRecordService.h"

namespace {

struct NextCodeCase {
    const char* last;
    const char* next;
};

class NextArchiveCode : public ::testing::TestWithParam<NextCodeCase> {};

TEST_P(NextArchiveCode, CountsOnTheLastFourDigits)
{
    EXPECT_EQ(ArchiveCode::after(QString::fromUtf8(GetParam().last)), QString::fromUtf8(GetParam().next));
}

INSTANTIATE_TEST_SUITE_P(Codes, NextArchiveCode,
                         ::testing::Values(NextCodeCase{"WS-2023-0041", "WS-2023-0042"}, NextCodeCase{"0099", "0100"},
                                           NextCodeCase{"A9999", "A0000"}, NextCodeCase{"档案0009", "档案0010"},
                                           NextCodeCase{"AB", "0001"}, NextCodeCase{"123", "0001"},
                                           NextCodeCase{"X12a", "0001"}, NextCodeCase{"12３4", "0001"},
                                           NextCodeCase{"", "0001"}));

TEST(ArchiveCounter, AcceptsOnlyCodesEndingInDigits)
{
    EXPECT_TRUE(ArchiveCode::endsInCounter("A-0001"));
    EXPECT_TRUE(ArchiveCode::endsInCounter("12")) << "a short code is judged as a whole";
    EXPECT_FALSE(ArchiveCode::endsInCounter("A-001x"));
    EXPECT_FALSE(ArchiveCode::endsInCounter("1a"));
}

class ArchiveKeysTest : public ArchiveTest {};

TEST_F(ArchiveKeysTest, NextCodeFollowsTheMostRecentlyInsertedArchive)
{
    ArchiveRecordService service(data);
    EXPECT_EQ(service.nextArchiveCode(), QStringLiteral("0001"));
    EXPECT_EQ(service.newGroupKey(), 1);
    insert({"B-0009", "后录入的较大编号", 6});
    insert({"A-0002", "最近录入", 2});
    EXPECT_EQ(service.nextArchiveCode(), QStringLiteral("A-0003")) << "not the largest code";
    EXPECT_EQ(service.newGroupKey(), 7);
}

}
