#include "db/DialectSyntax.h"

#include "db/Dialect.h"

namespace {

// Extends a view over the blanks that follow it; the views are adjacent in
// the statement's text.
QStringView joined(QStringView before, QStringView after)
{
    if (before.isEmpty())
        return after;
    return QStringView(before.data(), before.size() + after.size());
}

class SyntaxBuilder {
public:
    explicit SyntaxBuilder(const std::vector<Token>& tokens) : m_tokens(tokens) {}

    SyntaxSequence build() { return sequence(false); }

private:
    // Reads nodes up to the ")" that closes the group (or the end of the
    // statement for the outermost sequence).
    SyntaxSequence sequence(bool inGroup)
    {
        SyntaxSequence result;
        QStringView space;
        while (m_next < m_tokens.size()) {
            const Token& token = m_tokens[m_next++];
            if (token.kind == TokenKind::Space) {
                space = joined(space, token.text);
                continue;
            }
            if (token.isSymbol(QLatin1Char(')'))) {
                if (!inGroup)
                    throw DialectError("括号不配对：多出一个“)”");
                result.trailing = space;
                return result;
            }
            SyntaxNode node;
            node.space = space;
            node.token = token;
            space = {};
            if (token.isSymbol(QLatin1Char('('))) {
                node.isGroup = true;
                node.inner = sequence(true);
            }
            result.nodes.push_back(std::move(node));
        }
        if (inGroup)
            throw DialectError("括号不配对：缺少“)”");
        result.trailing = space;
        return result;
    }

    const std::vector<Token>& m_tokens;
    size_t m_next = 0;
};

}

SyntaxSequence parseSyntax(const std::vector<Token>& tokens)
{
    return SyntaxBuilder(tokens).build();
}
