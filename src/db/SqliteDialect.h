#pragma once

#include "db/EngineDialect.h"

// SQLite's way of writing the windows' dialect. Dates are ISO text, so date
// literals are text literals and date arithmetic goes through julianday() and
// strftime(). Yes/no values are 0 and 1. now() is the engine's local clock.
class SqliteDialect : public EngineDialect {
public:
    QString stringLiteral(QStringView value) const override;
    QString dateLiteral(const QString& stored) const override;
    QString booleanLiteral(bool value) const override;
    QString parameter(QStringView name) const override;
    QString concatenation() const override;
    QString modulo() const override;
    QString limit(QStringView count) const override;
    QString function(DialectFunction function, const Arguments& arguments) const override;
    QString dateDiff(DateInterval interval, const Argument& from, const Argument& to) const override;
};
