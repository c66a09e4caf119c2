#include "db/Dialect.h"

QString translateStatement(const QString& statement, const DialectContext&)
{
    return statement;
}
