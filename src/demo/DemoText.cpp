#include "demo/DemoText.h"

#include <cmath>
#include <cstdio>

namespace DemoText {

namespace {

std::string groupThousands(int64_t whole)
{
    std::string digits = std::to_string(whole);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), 1, ',');
    return digits;
}

std::string withTwoDecimals(double value, const char* unit)
{
    const auto hundredths = static_cast<int64_t>(std::llround(value * 100));
    char decimals[16];
    std::snprintf(decimals, sizeof decimals, ".%02d ", static_cast<int>(hundredths % 100));
    return groupThousands(hundredths / 100) + decimals + unit;
}

}

std::string date(const QDate& day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year(), day.month(), day.day());
    return text;
}

std::string dateTime(const QDate& day, int secondOfDay)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", day.year(), day.month(), day.day(),
                  secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return text;
}

std::string padded(int64_t number, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", digits, static_cast<long long>(number));
    return text;
}

std::string sizeText(int64_t bytes)
{
    constexpr int64_t kKiB = 1024, kMiB = kKiB * 1024;
    if (bytes > kMiB)
        return withTwoDecimals(static_cast<double>(bytes) / kMiB, "MB");
    return groupThousands(std::llround(static_cast<double>(bytes) / kKiB)) + " KB";
}

}
