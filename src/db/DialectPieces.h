#pragma once

#include "db/DialectColumns.h"

#include <QString>
#include <QStringView>

#include <vector>

class EngineDialect;

enum class PieceRole {
    Operand,        // a name, literal, call or parenthesised group
    Additive,       // "+" or "-"
    Concatenation,  // "&" (already written as the engine's concatenation)
    Multiplicative, // "*", "/", "mod"
    Other,          // keywords, comparisons, commas, ...
};

// One translated node of a parenthesis level, with the blanks written before it.
struct Piece {
    QStringView space;
    QStringView written;  // the node as written
    QString rewritten;    // the engine's form, when it differs from the written one
    int opening = 0;      // parentheses added before it
    int closing = 0;      // parentheses added after it
    PieceRole role = PieceRole::Other;
    ValueType type = ValueType::Unknown; // of an operand
    bool plus = false;                   // an additive "+": joins texts
    bool compound = false;               // "union", "except", "intersect"
    bool endsSelect = false;             // a compound keyword or ";"
    QString limit;                       // a "select" with "top n": the translated n

    QStringView text() const { return rewritten.isNull() ? written : QStringView(rewritten); }
    qsizetype size() const { return space.size() + opening + text().size() + closing; }

    void appendTo(QString& out) const
    {
        out += space;
        for (int i = 0; i < opening; ++i)
            out += QLatin1Char('(');
        out += text();
        for (int i = 0; i < closing; ++i)
            out += QLatin1Char(')');
    }
};

// Rewrites each "+" that joins texts into the engine's concatenation, with
// the parentheses that keep the windows' precedence ("&" binds more loosely
// than "+" and "-"). A "+" joins texts when one side is text and the other is
// not a number. Returns the type of the pieces when they are one expression.
ValueType rewriteConcatenation(std::vector<Piece>& pieces, const EngineDialect& engine);

// Writes the row count of each "select top n" as a limit clause at the end of
// its select. A limited member of a compound select becomes a subquery.
void placeLimits(std::vector<Piece>& pieces, const EngineDialect& engine);
