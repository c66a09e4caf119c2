#pragma once

#include <QString>
#include <QStringView>

#include <vector>

enum class TokenKind {
    Space,        // blanks, line breaks and comments
    Word,         // a name or a keyword
    Number,
    String,       // 'text', quotes inside doubled
    QuotedString, // "text": a string literal in the windows' dialect
    Name,         // [name] or `name`
    Date,         // #...#
    Parameter,    // :name
    Symbol,       // operators and punctuation; "<>", "<=", ">=", "!=", "||" are one token
};

// One token of a statement: a view into the statement's text, which must
// outlive it.
struct Token {
    TokenKind kind = TokenKind::Space;
    QStringView text;
    qsizetype position = 0;

    bool isSymbol(QChar symbol) const { return kind == TokenKind::Symbol && text.size() == 1 && text.front() == symbol; }
    bool isWord(QLatin1StringView word) const { return kind == TokenKind::Word && text.compare(word, Qt::CaseInsensitive) == 0; }
};

// Splits a statement into tokens that together cover all of its text.
// Throws DialectError for a string, name, date or comment that is not closed.
std::vector<Token> tokenize(QStringView statement);

// The value of a String or QuotedString token, its doubled quotes undone.
QString literalValue(const Token& token);
