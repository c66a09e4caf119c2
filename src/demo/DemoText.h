#pragma once

#include <QDate>

#include <cstdint>
#include <string>

// Texts in the stored forms, made straight into UTF-8 without a QString per
// value (the demo writes millions of them).
namespace DemoText {

inline constexpr const char* kNoDate = "1900-08-14";

// "yyyy-MM-dd".
std::string date(const QDate& day);
// "yyyy-MM-dd hh:mm:ss", secondOfDay from 0 to 86399.
std::string dateTime(const QDate& day, int secondOfDay);
// The number with at least the given count of digits, leading zeros added.
std::string padded(int64_t number, int digits);
// The size text the archive editor shows for a document of that many bytes,
// for sizes from 1 KiB to 1 GiB: "1,234 KB" up to a MiB, "12.34 MB" above.
std::string sizeText(int64_t bytes);

}
