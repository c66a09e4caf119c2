#include "db/Dialect.h"

#include "db/DialectSyntax.h"
#include "db/DialectTokens.h"
#include "db/DialectTranslator.h"
#include "db/EngineDialect.h"

QString translateStatement(const QString& statement, const DialectContext& context)
{
    const EngineDialect& engine = engineDialect(context.engine);
    const std::vector<Token> tokens = tokenize(statement);
    return DialectTranslator(engine, context).translate(parseSyntax(tokens));
}
