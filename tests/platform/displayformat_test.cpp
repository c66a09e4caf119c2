#include "platform/DataGridFormat.h"

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    double value;
    const char* format;
    const char* shown;
};

struct DateCase {
    const char* format;
    const char* shown;
};

}

TEST(DisplayFormat, NumberFormats)
{
    const NumberCase cases[] = {
        {1234.5, "#,##0.00", "1,234.50"},
        {0, "#,##0.00", "0.00"},
        {-1234.567, "#,##0.00", "-1,234.57"},
        {1234567, "#,##0", "1,234,567"},
        {999.999, "#,##0.00", "1,000.00"},
        {3.4, "0", "3"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {-0.001, "0.00", "0.00"},
        {0.5, "#.##", ".5"},
        {5, "#,##0.##", "5"},
        {5.1, "#,##0.##", "5.1"},
        {7, "000", "007"},
        {3, "###,##0.00 MB", "3.00 MB"},
        {5, "###,##00 KB", "05 KB"},
        {12, "0.00\"元\"", "12.00元"},
        {12, "'共'0'件'", "共12件"},
        {-5, "0.00;(0.00)", "(5.00)"},
        {5, "0.00;(0.00)", "5.00"},
        {0, "0.00;-0.00;零", "零"},
        {1, "0.00;-0.00;零", "1.00"},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(DisplayFormat::number(c.value, QString::fromUtf8(c.format)), QString::fromUtf8(c.shown))
            << c.value << " in " << c.format;
}

TEST(DisplayFormat, DateFormats)
{
    const QDateTime moment(QDate(2010, 3, 5), QTime(14, 7, 9, 45));
    const DateCase cases[] = {
        {"yyyy-mm-dd", "2010-03-05"},
        {"yyyy-mm-dd hh:nn:ss", "2010-03-05 14:07:09"},
        {"yyyy-mm-dd hh:mm", "2010-03-05 14:07"},
        {"YYYY-MM-DD", "2010-03-05"},
        {"yyyy年mm月dd日", "2010年03月05日"},
        {"yy/m/d", "10-3-5"},
        {"h:n:s.zzz", "14:7:9.045"},
        {"'dd' dd", "dd 05"},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(DisplayFormat::dateTime(moment, QString::fromUtf8(c.format)), QString::fromUtf8(c.shown)) << c.format;
}
