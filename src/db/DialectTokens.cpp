#include "db/DialectTokens.h"

#include "db/Dialect.h"

#include <QString>

namespace {

constexpr int kExcerptLength = 20;

bool startsWord(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool continuesWord(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Splits one statement; each scan function starts at the first character of
// its token and returns the position after it.
class Tokenizer {
public:
    explicit Tokenizer(QStringView text) : m_text(text) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        tokens.reserve(static_cast<size_t>(m_text.size() / 3 + 1));
        qsizetype at = 0;
        while (at < m_text.size()) {
            const auto [kind, end] = scan(at);
            tokens.push_back(Token{kind, m_text.mid(at, end - at), at});
            at = end;
        }
        return tokens;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text[i] : QChar(); }

    std::pair<TokenKind, qsizetype> scan(qsizetype start) const
    {
        const QChar c = m_text[start];
        const QChar next = at(start + 1);
        if (c.isSpace())
            return {TokenKind::Space, spaceEnd(start)};
        if (c == QLatin1Char('-') && next == QLatin1Char('-'))
            return {TokenKind::Space, lineCommentEnd(start)};
        if (c == QLatin1Char('/') && next == QLatin1Char('*'))
            return {TokenKind::Space, blockCommentEnd(start)};
        if (c == QLatin1Char('\''))
            return {TokenKind::String, quotedEnd(start, c, "字符串常量没有结束：")};
        if (c == QLatin1Char('"'))
            return {TokenKind::QuotedString, quotedEnd(start, c, "字符串常量没有结束：")};
        if (c == QLatin1Char('`'))
            return {TokenKind::Name, quotedEnd(start, c, "名称没有结束：")};
        if (c == QLatin1Char('['))
            return {TokenKind::Name, closedEnd(start, QLatin1Char(']'), "名称没有结束：")};
        if (c == QLatin1Char('#'))
            return {TokenKind::Date, closedEnd(start, QLatin1Char('#'), "日期常量没有结束：")};
        if (isDigit(c) || (c == QLatin1Char('.') && isDigit(next)))
            return {TokenKind::Number, numberEnd(start)};
        if (startsWord(c))
            return {TokenKind::Word, wordEnd(start + 1)};
        if (c == QLatin1Char(':') && startsWord(next))
            return {TokenKind::Parameter, wordEnd(start + 2)};
        return {TokenKind::Symbol, symbolEnd(start)};
    }

    qsizetype spaceEnd(qsizetype i) const
    {
        while (i < m_text.size() && m_text[i].isSpace())
            ++i;
        return i;
    }

    qsizetype lineCommentEnd(qsizetype i) const
    {
        while (i < m_text.size() && m_text[i] != QLatin1Char('\n'))
            ++i;
        return i;
    }

    qsizetype blockCommentEnd(qsizetype start) const
    {
        const qsizetype close = m_text.indexOf(QLatin1String("*/"), start + 2);
        if (close < 0)
            fail("注释没有结束：", start);
        return close + 2;
    }

    // A literal between two equal quotes; a doubled quote stands for one.
    qsizetype quotedEnd(qsizetype start, QChar quote, const char* problem) const
    {
        qsizetype i = start + 1;
        while (i < m_text.size()) {
            if (m_text[i] == quote) {
                if (at(i + 1) != quote)
                    return i + 1;
                ++i;
            }
            ++i;
        }
        fail(problem, start);
    }

    qsizetype closedEnd(qsizetype start, QChar close, const char* problem) const
    {
        const qsizetype end = m_text.indexOf(close, start + 1);
        if (end < 0)
            fail(problem, start);
        return end + 1;
    }

    qsizetype numberEnd(qsizetype i) const
    {
        while (isDigit(at(i)))
            ++i;
        if (at(i) == QLatin1Char('.')) {
            ++i;
            while (isDigit(at(i)))
                ++i;
        }
        const QChar e = at(i);
        if (e == QLatin1Char('e') || e == QLatin1Char('E')) {
            qsizetype exponent = i + 1;
            if (at(exponent) == QLatin1Char('+') || at(exponent) == QLatin1Char('-'))
                ++exponent;
            if (isDigit(at(exponent))) {
                i = exponent;
                while (isDigit(at(i)))
                    ++i;
            }
        }
        return i;
    }

    qsizetype wordEnd(qsizetype i) const
    {
        while (i < m_text.size() && continuesWord(m_text[i]))
            ++i;
        return i;
    }

    // "<>", "<=", ">=", "!=", "==" and "||" are one symbol.
    qsizetype symbolEnd(qsizetype start) const
    {
        const char16_t first = m_text[start].unicode();
        const char16_t second = at(start + 1).unicode();
        const bool pair = (first == u'<' && (second == u'>' || second == u'='))
            || ((first == u'>' || first == u'!' || first == u'=') && second == u'=')
            || (first == u'|' && second == u'|');
        return start + (pair ? 2 : 1);
    }

    [[noreturn]] void fail(const char* problem, qsizetype start) const
    {
        QString excerpt = m_text.mid(start, kExcerptLength).toString();
        if (start + kExcerptLength < m_text.size())
            excerpt += QStringLiteral("…");
        throw DialectError((QString::fromUtf8(problem) + excerpt).toStdString());
    }

    QStringView m_text;
};

}

std::vector<Token> tokenize(QStringView statement)
{
    return Tokenizer(statement).run();
}

QString literalValue(const Token& token)
{
    const QChar quote = token.text.front();
    QString value = token.text.mid(1, token.text.size() - 2).toString();
    value.replace(QString(2, quote), QString(quote));
    return value;
}
