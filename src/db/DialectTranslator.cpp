#include "db/DialectTranslator.h"

#include "db/DialectWords.h"

#include <QDate>
#include <QTime>

#include <optional>
#include <string_view>

namespace {

enum class CallKind { Engine, Today, DateDiff };

struct FunctionSignature {
    std::string_view name; // lower case
    CallKind kind;
    DialectFunction function; // for CallKind::Engine
    int minArguments;
    int maxArguments;
    ValueType result;
};

const FunctionSignature* findFunction(const LowerWord& name)
{
    using F = DialectFunction;
    using T = ValueType;
    static const FunctionSignature signatures[] = {
        {"len", CallKind::Engine, F::Length, 1, 1, T::Number},
        {"instr", CallKind::Engine, F::Position, 2, 2, T::Number},
        {"right", CallKind::Engine, F::Right, 2, 2, T::Text},
        {"left", CallKind::Engine, F::Left, 2, 2, T::Text},
        {"mid", CallKind::Engine, F::Mid, 2, 3, T::Text},
        {"ucase", CallKind::Engine, F::Upper, 1, 1, T::Text},
        {"lcase", CallKind::Engine, F::Lower, 1, 1, T::Text},
        {"trim", CallKind::Engine, F::Trim, 1, 1, T::Text},
        {"ltrim", CallKind::Engine, F::LTrim, 1, 1, T::Text},
        {"rtrim", CallKind::Engine, F::RTrim, 1, 1, T::Text},
        {"iif", CallKind::Engine, F::IIf, 3, 3, T::Unknown},
        {"nz", CallKind::Engine, F::Nz, 1, 2, T::Unknown},
        {"year", CallKind::Engine, F::Year, 1, 1, T::Number},
        {"month", CallKind::Engine, F::Month, 1, 1, T::Number},
        {"day", CallKind::Engine, F::Day, 1, 1, T::Number},
        {"now", CallKind::Engine, F::Now, 0, 0, T::Unknown},
        {"sum", CallKind::Engine, F::Sum, 1, 1, T::Number},
        {"date", CallKind::Today, F::Now, 0, 0, T::Unknown},
        {"datediff", CallKind::DateDiff, F::Now, 3, 3, T::Number},
    };
    for (const FunctionSignature& signature : signatures) {
        if (name == signature.name)
            return &signature;
    }
    return nullptr;
}

// Words that are never a column or a function. "left" and "right" are
// functions when a parenthesis follows them.
bool isKeyword(const LowerWord& word)
{
    static const std::string_view keywords[] = {
        "select", "from", "where", "and", "or", "not", "in", "is", "like", "between", "on", "as", "join", "inner",
        "outer", "left", "right", "full", "cross", "group", "order", "by", "having", "union", "except", "intersect",
        "all", "distinct", "distinctrow", "values", "set", "into", "insert", "update", "delete", "case", "when",
        "then", "else", "end", "exists", "asc", "desc", "escape", "limit", "offset",
    };
    for (const std::string_view keyword : keywords) {
        if (word == keyword)
            return true;
    }
    return false;
}

bool isCompoundKeyword(const LowerWord& word)
{
    return word == "union" || word == "except" || word == "intersect";
}

std::optional<DateInterval> intervalOf(const QString& name)
{
    static const std::pair<std::string_view, DateInterval> intervals[] = {
        {"yyyy", DateInterval::Year}, {"q", DateInterval::Quarter}, {"m", DateInterval::Month},
        {"w", DateInterval::Week}, {"y", DateInterval::Day}, {"d", DateInterval::Day},
        {"h", DateInterval::Hour}, {"n", DateInterval::Minute}, {"s", DateInterval::Second},
    };
    const LowerWord lower(name);
    for (const auto& [interval, unit] : intervals) {
        if (lower == interval)
            return unit;
    }
    return std::nullopt;
}

[[noreturn]] void fail(const QString& message)
{
    throw DialectError(message.toStdString());
}

// Reads up to maxCount unsigned numbers of at most four digits, separated
// by one of the separators; returns how many were read, 0 when text is
// anything else.
int readNumbers(QStringView text, QLatin1StringView separators, int* numbers, int* widths, int maxCount)
{
    int n = 0;
    numbers[0] = widths[0] = 0;
    for (const QChar c : text) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9') {
            numbers[n] = numbers[n] * 10 + (c.unicode() - u'0');
            if (++widths[n] > 4)
                return 0;
        } else if (separators.contains(c) && widths[n] > 0 && n + 1 < maxCount) {
            ++n;
            numbers[n] = widths[n] = 0;
        } else {
            return 0;
        }
    }
    return widths[n] > 0 ? n + 1 : 0;
}

// "yyyy-mm-dd", "yyyy/mm/dd" or month/day/year.
QDate dateOf(QStringView text)
{
    int parts[3];
    int widths[3];
    if (readNumbers(text, QLatin1StringView("-/"), parts, widths, 3) != 3)
        return {};
    if (widths[0] == 4)
        return QDate(parts[0], parts[1], parts[2]);
    if (widths[2] == 4)
        return QDate(parts[2], parts[0], parts[1]);
    return {};
}

// "hh:mm" or "hh:mm:ss".
QTime timeOf(QStringView text)
{
    int parts[3] = {0, 0, 0};
    int widths[3];
    if (readNumbers(text, QLatin1StringView(":"), parts, widths, 3) < 2)
        return {};
    return QTime(parts[0], parts[1], parts[2]);
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

// The stored form of a date, with its time of day unless that is zero.
QString storedForm(const QDate& date, const QTime& time = QTime(0, 0))
{
    QString text = QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
    text += QLatin1Char('-') + twoDigits(date.month()) + QLatin1Char('-') + twoDigits(date.day());
    if (time != QTime(0, 0))
        text += QLatin1Char(' ') + twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute())
            + QLatin1Char(':') + twoDigits(time.second());
    return text;
}

// The stored form of a date literal "#yyyy-mm-dd#" or "#yyyy-mm-dd hh:mm:ss#"
// (also with "/" and as month/day/year).
QString storedDate(QStringView literal)
{
    const QStringView inside = literal.mid(1, literal.size() - 2).trimmed();
    const qsizetype blank = inside.indexOf(QLatin1Char(' '));
    const QDate date = dateOf(blank < 0 ? inside : inside.left(blank));
    const QTime time = blank < 0 ? QTime(0, 0) : timeOf(inside.mid(blank + 1).trimmed());
    if (!date.isValid() || !time.isValid())
        fail(QStringLiteral("无法识别的日期常量：") + literal.toString());
    return storedForm(date, time);
}

// The arguments of a call: its group's nodes split at the commas of its own level.
std::vector<SyntaxSpan> splitArguments(const SyntaxSequence& inner, QStringView function)
{
    std::vector<SyntaxSpan> arguments;
    if (inner.nodes.empty())
        return arguments;
    const std::span<const SyntaxNode> nodes(inner.nodes);
    size_t first = 0;
    for (size_t i = 0; i <= nodes.size(); ++i) {
        const bool last = i == nodes.size();
        if (!last && !nodes[i].isSymbol(QLatin1Char(',')))
            continue;
        if (i == first)
            fail(QStringLiteral("函数 %1 的参数不能为空").arg(function));
        arguments.push_back(SyntaxSpan{nodes.subspan(first, i - first), last ? inner.trailing : nodes[i].space});
        first = i + 1;
    }
    return arguments;
}

void checkArgumentCount(const FunctionSignature& signature, QStringView function, size_t count)
{
    if (count >= static_cast<size_t>(signature.minArguments) && count <= static_cast<size_t>(signature.maxArguments))
        return;
    const QString wanted = signature.minArguments == signature.maxArguments
        ? QString::number(signature.minArguments)
        : QStringLiteral("%1 到 %2").arg(signature.minArguments).arg(signature.maxArguments);
    fail(QStringLiteral("函数 %1 需要 %2 个参数").arg(function, wanted));
}

// A node that keeps its written form.
Piece writtenPiece(const SyntaxNode& node, PieceRole role, ValueType type = ValueType::Unknown)
{
    Piece piece;
    piece.space = node.space;
    piece.written = node.token.text;
    piece.role = role;
    piece.type = type;
    return piece;
}

// A node written the engine's way.
Piece rewrittenPiece(const SyntaxNode& node, QString text, PieceRole role, ValueType type = ValueType::Unknown)
{
    Piece piece = writtenPiece(node, role, type);
    piece.rewritten = std::move(text);
    return piece;
}

Piece keywordPiece(const SyntaxNode& node, const LowerWord& word)
{
    Piece piece = word == "distinctrow" ? rewrittenPiece(node, QStringLiteral("distinct"), PieceRole::Other)
                                         : writtenPiece(node, PieceRole::Other);
    piece.compound = isCompoundKeyword(word);
    piece.endsSelect = piece.compound;
    return piece;
}

QStringView bareName(const Token& token)
{
    if (token.kind == TokenKind::Name)
        return token.text.mid(1, token.text.size() - 2);
    return token.text;
}

}

DialectTranslator::DialectTranslator(const EngineDialect& engine, const DialectContext& context)
    : m_engine(engine), m_context(context)
{
}

QString DialectTranslator::translate(const SyntaxSequence& statement) const
{
    return sequence(spanOf(statement)).text;
}

DialectTranslator::Translation DialectTranslator::sequence(const SyntaxSpan& sequence) const
{
    std::vector<Piece> pieces;
    pieces.reserve(sequence.nodes.size());
    for (size_t at = 0; at < sequence.nodes.size();)
        at = addPiece(sequence.nodes, at, pieces);

    Translation translation;
    translation.type = rewriteConcatenation(pieces, m_engine);
    translation.simple = pieces.size() == 1 && pieces.front().role == PieceRole::Operand;
    placeLimits(pieces, m_engine);
    qsizetype size = sequence.trailing.size();
    for (const Piece& piece : pieces)
        size += piece.size();
    translation.text.reserve(size);
    for (const Piece& piece : pieces)
        piece.appendTo(translation.text);
    translation.text += sequence.trailing;
    return translation;
}

size_t DialectTranslator::addPiece(Nodes nodes, size_t at, std::vector<Piece>& out) const
{
    const SyntaxNode& node = nodes[at];
    if (node.isGroup) {
        out.push_back(group(node));
        return at + 1;
    }
    switch (node.token.kind) {
    case TokenKind::Word:
        return addWord(nodes, at, out);
    case TokenKind::Name:
        return addName(nodes, at, out);
    case TokenKind::Symbol:
        out.push_back(symbol(node));
        return at + 1;
    default:
        out.push_back(literal(node));
        return at + 1;
    }
}

size_t DialectTranslator::addWord(Nodes nodes, size_t at, std::vector<Piece>& out) const
{
    const SyntaxNode& node = nodes[at];
    const LowerWord word(node.token.text);
    const bool called = at + 1 < nodes.size() && nodes[at + 1].isGroup;
    if (called && (findFunction(word) || !isKeyword(word))) {
        out.push_back(call(node, nodes[at + 1]));
        return at + 2;
    }
    if (word == "select")
        return addSelect(nodes, at, out);
    if (word == "true" || word == "false")
        out.push_back(rewrittenPiece(node, m_engine.booleanLiteral(word == "true"), PieceRole::Operand, ValueType::Number));
    else if (word == "null")
        out.push_back(writtenPiece(node, PieceRole::Operand));
    else if (word == "mod")
        out.push_back(rewrittenPiece(node, m_engine.modulo(), PieceRole::Multiplicative));
    else if (isKeyword(word))
        out.push_back(keywordPiece(node, word));
    else
        return addName(nodes, at, out);
    return at + 1;
}

// "select [distinct] top n": the select carries n, and "top n" is dropped.
size_t DialectTranslator::addSelect(Nodes nodes, size_t at, std::vector<Piece>& out) const
{
    Piece select = writtenPiece(nodes[at], PieceRole::Other);
    size_t next = at + 1;
    std::optional<Piece> quantifier;
    if (next < nodes.size()) {
        const LowerWord word(nodes[next].isGroup ? QStringView() : nodes[next].token.text);
        if (word == "distinct" || word == "distinctrow" || word == "all") {
            quantifier = keywordPiece(nodes[next], word);
            ++next;
        }
    }
    if (next >= nodes.size() || !nodes[next].isWord(QLatin1StringView("top"))) {
        out.push_back(std::move(select));
        return at + 1;
    }
    const SyntaxNode* count = next + 1 < nodes.size() ? &nodes[next + 1] : nullptr;
    if (!count || count->isGroup || (count->token.kind != TokenKind::Number && count->token.kind != TokenKind::Parameter))
        fail(QStringLiteral("top 后面应是行数"));
    if (next + 2 < nodes.size() && nodes[next + 2].isWord(QLatin1StringView("percent")))
        fail(QStringLiteral("不支持 top … percent"));
    const Piece countPiece = literal(*count);
    select.limit = countPiece.rewritten.isNull() ? countPiece.written.toString() : countPiece.rewritten;
    out.push_back(std::move(select));
    if (quantifier)
        out.push_back(std::move(*quantifier));
    return next + 2;
}

// A name, or a qualified name such as c.F_code, [t].[F_name] or c.*.
size_t DialectTranslator::addName(Nodes nodes, size_t at, std::vector<Piece>& out) const
{
    const SyntaxNode& first = nodes[at];
    const Token* last = &first.token;
    size_t next = at + 1;
    while (next + 1 < nodes.size() && nodes[next].isSymbol(QLatin1Char('.'))) {
        const SyntaxNode& part = nodes[next + 1];
        const bool namePart = !part.isGroup
            && (part.token.kind == TokenKind::Word || part.token.kind == TokenKind::Name || part.token.isSymbol(QLatin1Char('*')));
        if (!namePart)
            break;
        last = &part.token;
        next += 2;
    }
    const ValueType type = last->kind == TokenKind::Symbol ? ValueType::Unknown : columnType(bareName(*last));
    Piece piece = writtenPiece(first, PieceRole::Operand, type);
    // The parts are adjacent in the statement: the name as written runs from the first to the last.
    piece.written = QStringView(first.token.text.data(), last->text.data() + last->text.size());
    out.push_back(std::move(piece));
    return next;
}

Piece DialectTranslator::group(const SyntaxNode& node) const
{
    const Translation inner = sequence(spanOf(node.inner));
    return rewrittenPiece(node, QLatin1Char('(') + inner.text + QLatin1Char(')'), PieceRole::Operand, inner.type);
}

Piece DialectTranslator::call(const SyntaxNode& name, const SyntaxNode& group) const
{
    const QStringView function = name.token.text;
    const FunctionSignature* signature = findFunction(LowerWord(function));
    if (!signature) {
        QString text = function.toString();
        text += group.space;
        text += QLatin1Char('(') + sequence(spanOf(group.inner)).text + QLatin1Char(')');
        return rewrittenPiece(name, std::move(text), PieceRole::Operand);
    }
    const std::vector<SyntaxSpan> arguments = splitArguments(group.inner, function);
    checkArgumentCount(*signature, function, arguments.size());
    QString text;
    switch (signature->kind) {
    case CallKind::Today:
        text = today();
        break;
    case CallKind::DateDiff:
        text = dateDiff(arguments);
        break;
    case CallKind::Engine: {
        Arguments translated;
        translated.reserve(arguments.size());
        for (const SyntaxSpan& argument : arguments)
            translated.push_back(this->argument(argument));
        text = m_engine.function(signature->function, translated);
        break;
    }
    }
    return rewrittenPiece(name, std::move(text), PieceRole::Operand, signature->result);
}

Piece DialectTranslator::symbol(const SyntaxNode& node) const
{
    const Token& token = node.token;
    if (token.isSymbol(QLatin1Char('+')) || token.isSymbol(QLatin1Char('-'))) {
        Piece piece = writtenPiece(node, PieceRole::Additive);
        piece.plus = token.isSymbol(QLatin1Char('+'));
        return piece;
    }
    if (token.isSymbol(QLatin1Char('&')) || token.text == QLatin1String("||"))
        return rewrittenPiece(node, m_engine.concatenation(), PieceRole::Concatenation);
    if (token.isSymbol(QLatin1Char('*')) || token.isSymbol(QLatin1Char('/')) || token.isSymbol(QLatin1Char('%')))
        return writtenPiece(node, PieceRole::Multiplicative);
    Piece piece = writtenPiece(node, PieceRole::Other);
    piece.endsSelect = token.isSymbol(QLatin1Char(';'));
    return piece;
}

Piece DialectTranslator::literal(const SyntaxNode& node) const
{
    const Token& token = node.token;
    switch (token.kind) {
    case TokenKind::String:
        return writtenPiece(node, PieceRole::Operand, ValueType::Text);
    case TokenKind::QuotedString:
        return rewrittenPiece(node, m_engine.stringLiteral(literalValue(token)), PieceRole::Operand, ValueType::Text);
    case TokenKind::Number:
        return writtenPiece(node, PieceRole::Operand, ValueType::Number);
    case TokenKind::Date:
        return rewrittenPiece(node, m_engine.dateLiteral(storedDate(token.text)), PieceRole::Operand);
    case TokenKind::Parameter:
        return rewrittenPiece(node, m_engine.parameter(token.text.mid(1)), PieceRole::Operand);
    default:
        return writtenPiece(node, PieceRole::Other);
    }
}

QString DialectTranslator::today() const
{
    if (!m_context.today.isValid())
        fail(QStringLiteral("没有今天的日期，无法翻译 date()"));
    return m_engine.dateLiteral(storedForm(m_context.today));
}

QString DialectTranslator::dateDiff(const std::vector<SyntaxSpan>& arguments) const
{
    const Nodes interval = arguments[0].nodes;
    const bool literalInterval = interval.size() == 1 && !interval[0].isGroup
        && (interval[0].token.kind == TokenKind::String || interval[0].token.kind == TokenKind::QuotedString);
    if (!literalInterval)
        fail(QStringLiteral("DateDiff 的间隔应是字符串常量"));
    const QString name = literalValue(interval[0].token);
    const std::optional<DateInterval> unit = intervalOf(name);
    if (!unit)
        fail(QStringLiteral("DateDiff 不支持的间隔：") + name);
    return m_engine.dateDiff(*unit, argument(arguments[1]), argument(arguments[2]));
}

Argument DialectTranslator::argument(const SyntaxSpan& sequence) const
{
    const Translation translation = this->sequence(sequence);
    return Argument{translation.text.trimmed(), translation.simple, translation.type};
}
