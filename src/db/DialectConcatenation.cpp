#include "db/DialectPieces.h"

#include "db/EngineDialect.h"

namespace {

// Operands joined by "*", "/" or "mod", with their signs.
struct Term {
    size_t first = 0;
    size_t last = 0;
    ValueType type = ValueType::Unknown;
    bool composite = false; // a number computed with "*", "/" or "mod"
};

// Terms joined by "+", "-" and "&".
struct Expression {
    std::vector<Term> terms;
    std::vector<size_t> operators; // the piece between terms[i] and terms[i + 1]
    size_t end = 0;                // the first piece after the expression
    bool complete = false;         // ends with an operand
};

// A run of additive terms between two "&".
struct Chain {
    size_t firstTerm = 0;
    size_t lastTerm = 0;
    ValueType type = ValueType::Unknown;
    bool composite = false; // ends in an operator that binds more loosely than concatenation
};

bool joinsTexts(ValueType left, ValueType right)
{
    return (isText(left) && right != ValueType::Number) || (isText(right) && left != ValueType::Number);
}

void parenthesize(std::vector<Piece>& pieces, size_t first, size_t last)
{
    ++pieces[first].opening;
    ++pieces[last].closing;
}

Expression readExpression(const std::vector<Piece>& pieces, size_t start)
{
    Expression expression;
    Term term;
    bool inTerm = false;
    bool expectOperand = true;
    size_t i = start;
    for (; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        if (expectOperand) {
            if (piece.role == PieceRole::Additive) { // a sign
                if (!inTerm)
                    term = Term{i, i, ValueType::Number, false};
                inTerm = true;
                continue;
            }
            if (piece.role != PieceRole::Operand)
                break;
            if (!inTerm)
                term = Term{i, i, piece.type, false};
            inTerm = true;
            term.last = i;
            expectOperand = false;
            continue;
        }
        if (piece.role == PieceRole::Multiplicative) {
            term.type = ValueType::Number;
            term.composite = true;
            expectOperand = true;
            continue;
        }
        if (piece.role != PieceRole::Additive && piece.role != PieceRole::Concatenation)
            break;
        expression.terms.push_back(term);
        expression.operators.push_back(i);
        inTerm = false;
        expectOperand = true;
    }
    if (!expectOperand) {
        expression.terms.push_back(term);
        expression.complete = true;
    }
    expression.end = i;
    return expression;
}

std::vector<Chain> chainsOf(const Expression& expression, const std::vector<Piece>& pieces)
{
    std::vector<Chain> chains{Chain{}};
    for (size_t i = 0; i < expression.operators.size(); ++i) {
        if (pieces[expression.operators[i]].role == PieceRole::Concatenation)
            chains.push_back(Chain{i + 1, i + 1});
        chains.back().lastTerm = i + 1;
    }
    return chains;
}

// Left to right, as the windows' dialect evaluates: a "+" joins texts when
// what is on its left so far or its right term is text (a term computed with
// "*" is a number, so it never stands beside a concatenation inside a chain).
void rewriteChain(Chain& chain, const Expression& expression, std::vector<Piece>& pieces, const EngineDialect& engine)
{
    const std::vector<Term>& terms = expression.terms;
    chain.type = terms[chain.firstTerm].type;
    chain.composite = terms[chain.firstTerm].composite;
    for (size_t t = chain.firstTerm + 1; t <= chain.lastTerm; ++t) {
        Piece& op = pieces[expression.operators[t - 1]];
        const Term& term = terms[t];
        if (op.plus && joinsTexts(chain.type, term.type)) {
            if (chain.composite)
                parenthesize(pieces, terms[chain.firstTerm].first, terms[t - 1].last);
            op.rewritten = engine.concatenation();
            chain.type = ValueType::Text;
            chain.composite = false;
        } else {
            const bool numbers = chain.type == ValueType::Number && term.type == ValueType::Number;
            chain.type = numbers ? ValueType::Number : ValueType::Unknown;
            chain.composite = true;
        }
    }
}

ValueType rewrite(const Expression& expression, std::vector<Piece>& pieces, const EngineDialect& engine)
{
    std::vector<Chain> chains = chainsOf(expression, pieces);
    for (Chain& chain : chains)
        rewriteChain(chain, expression, pieces, engine);
    if (chains.size() == 1)
        return chains.front().type;
    for (const Chain& chain : chains) {
        if (chain.composite)
            parenthesize(pieces, expression.terms[chain.firstTerm].first, expression.terms[chain.lastTerm].last);
    }
    return ValueType::Text;
}

}

ValueType rewriteConcatenation(std::vector<Piece>& pieces, const EngineDialect& engine)
{
    ValueType whole = ValueType::Unknown;
    size_t i = 0;
    while (i < pieces.size()) {
        if (pieces[i].role == PieceRole::Other) {
            ++i;
            continue;
        }
        const Expression expression = readExpression(pieces, i);
        if (expression.complete) {
            const ValueType type = rewrite(expression, pieces, engine);
            if (i == 0 && expression.end == pieces.size())
                whole = type;
        }
        i = std::max(expression.end, i + 1);
    }
    return whole;
}
