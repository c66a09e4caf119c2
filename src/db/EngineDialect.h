#pragma once

#include "db/Dialect.h"
#include "db/DialectColumns.h"

#include <QString>
#include <QStringView>

#include <vector>

// The functions of the windows' dialect that an engine writes its own way.
enum class DialectFunction {
    Length,   // len(s)
    Position, // inStr(s,t): 1-based, 0 when absent, without regard to case
    Right,    // Right(s,n)
    Left,     // Left(s,n)
    Mid,      // Mid(s,start[,length])
    Upper,    // UCase(s)
    Lower,    // LCase(s)
    Trim,
    LTrim,
    RTrim,
    IIf,      // IIf(condition,yes,no)
    Nz,       // Nz(value[,instead]): instead (or empty text) when value is null
    Year,
    Month,
    Day,
    Now,      // now()
    Sum,      // sum(x): sums numbers held as text as numbers
};

// The intervals of DateDiff: whole boundaries crossed from the first moment
// to the second, negative when the second lies before the first.
enum class DateInterval { Year, Quarter, Month, Week, Day, Hour, Minute, Second };

// One translated argument of a function.
struct Argument {
    QString text;
    bool simple = false; // a single operand: needs no parentheses inside an expression
    ValueType type = ValueType::Unknown;

    QString operand() const { return simple ? text : QLatin1Char('(') + text + QLatin1Char(')'); }
};
using Arguments = std::vector<Argument>;

// How one engine writes the constructs that the windows' dialect writes its
// own way. Every expression returned can stand as an operand without
// parentheses.
class EngineDialect {
public:
    virtual ~EngineDialect() = default;

    virtual QString stringLiteral(QStringView value) const = 0;
    // A date literal from its stored form ("yyyy-MM-dd" or "yyyy-MM-dd hh:mm:ss").
    virtual QString dateLiteral(const QString& stored) const = 0;
    virtual QString booleanLiteral(bool value) const = 0;
    // A named parameter (name without the colon); lower case, as the engine binds.
    virtual QString parameter(QStringView name) const = 0;
    virtual QString concatenation() const = 0;
    virtual QString modulo() const = 0;
    // The clause that keeps the first count rows, written at the end of a select.
    virtual QString limit(QStringView count) const = 0;
    // Arguments are given in the number the function takes (checked by the caller).
    virtual QString function(DialectFunction function, const Arguments& arguments) const = 0;
    virtual QString dateDiff(DateInterval interval, const Argument& from, const Argument& to) const = 0;
};

// The dialect of an engine. Throws DialectError for an engine that has none yet.
const EngineDialect& engineDialect(EngineKind engine);
