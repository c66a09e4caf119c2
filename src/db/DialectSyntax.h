#pragma once

#include "db/DialectTokens.h"

#include <span>
#include <vector>

struct SyntaxNode;

// The nodes of one parenthesis level, and the blanks after its last node.
struct SyntaxSequence {
    std::vector<SyntaxNode> nodes;
    QStringView trailing;
};

// A token, or a parenthesised group holding a sequence of its own. Blanks and
// comments are kept with the node that follows them, so that the statement
// can be written out again as it was.
struct SyntaxNode {
    QStringView space;   // blanks and comments before the node
    Token token;         // for a group: its "("
    bool isGroup = false;
    SyntaxSequence inner; // a group's contents

    bool isSymbol(QChar symbol) const { return !isGroup && token.isSymbol(symbol); }
    bool isWord(QLatin1StringView word) const { return !isGroup && token.isWord(word); }
};

// A run of nodes of one level, and the blanks after it.
struct SyntaxSpan {
    std::span<const SyntaxNode> nodes;
    QStringView trailing;
};

inline SyntaxSpan spanOf(const SyntaxSequence& sequence)
{
    return SyntaxSpan{sequence.nodes, sequence.trailing};
}

// Nests the tokens of a statement by its parentheses. Throws DialectError
// when they do not pair up.
SyntaxSequence parseSyntax(const std::vector<Token>& tokens);
