#pragma once

#include "db/Dialect.h"
#include "db/DialectPieces.h"
#include "db/DialectSyntax.h"
#include "db/EngineDialect.h"

#include <QString>

#include <vector>

// Rewrites a parsed statement of the windows' dialect for one engine, one
// parenthesis level at a time: each node becomes a piece of output text, then
// the pieces that form "+"/"&" expressions and "select top n" are rewritten
// as a whole.
class DialectTranslator {
public:
    DialectTranslator(const EngineDialect& engine, const DialectContext& context);

    QString translate(const SyntaxSequence& statement) const;

private:
    struct Translation {
        QString text;
        ValueType type = ValueType::Unknown; // when the sequence is one expression
        bool simple = false;                 // a single operand
    };

    using Nodes = std::span<const SyntaxNode>;

    Translation sequence(const SyntaxSpan& sequence) const;
    size_t addPiece(Nodes nodes, size_t at, std::vector<Piece>& out) const;
    size_t addWord(Nodes nodes, size_t at, std::vector<Piece>& out) const;
    size_t addSelect(Nodes nodes, size_t at, std::vector<Piece>& out) const;
    size_t addName(Nodes nodes, size_t at, std::vector<Piece>& out) const;
    Piece group(const SyntaxNode& node) const;
    Piece call(const SyntaxNode& name, const SyntaxNode& group) const;
    Piece symbol(const SyntaxNode& node) const;
    Piece literal(const SyntaxNode& node) const;
    QString today() const;
    QString dateDiff(const std::vector<SyntaxSpan>& arguments) const;
    Argument argument(const SyntaxSpan& sequence) const;

    const EngineDialect& m_engine;
    DialectContext m_context;
};
