#pragma once

#include <QStringView>

// What the translator knows of a value's type: enough to tell a "+" that
// joins texts from one that adds numbers.
enum class ValueType {
    Unknown,
    Text,
    NumberText, // a number held as text (copy counts): text, but summed as a number
    Number,
};

inline bool isText(ValueType type)
{
    return type == ValueType::Text || type == ValueType::NumberText;
}

// The type of a column of the program's tables, by name without regard to
// case. Unknown for names that are not columns, and for the names whose type
// differs between tables (F_editDate, F_flag).
ValueType columnType(QStringView column);
