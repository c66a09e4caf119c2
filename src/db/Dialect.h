#pragma once

#include <QDate>
#include <QString>

#include <stdexcept>

enum class EngineKind { SQLite, PostgreSQL };

struct DialectContext {
    EngineKind engine = EngineKind::SQLite;
    QDate today; // the value of date() in the statement
};

// A statement the translator cannot read (an unclosed string literal, an
// unbalanced parenthesis in a rewritten call, ...).
class DialectError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Rewrites a statement written in the windows' dialect (Jet SQL as the program
// has always written it) into the given engine's own. Works on tokens, so the
// contents of string literals are never touched. Named parameters (":mainID")
// come out in lower case, so binding can match names without regard to case.
QString translateStatement(const QString& statement, const DialectContext& context);
