#include "db/DataSet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

struct DataSet::Column {
    FieldType type = FieldType::Text;
    std::vector<bool> nulls;
    std::vector<qint64> ints;       // Integer, Bool
    std::vector<double> reals;      // Real
    std::string bytes;              // Text, Memo, DateTime, Blob
    std::vector<uint32_t> ends;     // end offset of each value in bytes

    bool numeric() const { return type == FieldType::Integer || type == FieldType::Bool || type == FieldType::Real; }
    bool integral() const { return type == FieldType::Integer || type == FieldType::Bool; }
};

namespace {

inline unsigned char foldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

int compareFolded(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = foldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char cb = foldAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Maps numbers onto unsigned integers of the same order.
inline uint64_t orderedBits(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & (uint64_t(1) << 63)) ? ~bits : bits | (uint64_t(1) << 63);
}

inline uint64_t orderedBits(qint64 value)
{
    return static_cast<uint64_t>(value) ^ (uint64_t(1) << 63);
}

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

}

DataSet::DataSet(QObject* parent) : QObject(parent) {}
DataSet::~DataSet() = default;

// ---------------------------------------------------------------- loading

void DataSet::beginLoad(const QVector<Field>& fields)
{
    m_fields = fields;
    m_columns.clear();
    m_columns.resize(static_cast<size_t>(fields.size()));
    for (int i = 0; i < fields.size(); ++i)
        m_columns[static_cast<size_t>(i)].type = fields[i].type;
    m_physicalRows = 0;
    m_statementOrder.clear();
    m_order.clear();
    m_edits.clear();
    m_sortKeys.clear();
    m_current = -1;
}

void DataSet::addNull(int column)
{
    Column& c = m_columns[static_cast<size_t>(column)];
    c.nulls.push_back(true);
    if (c.integral())
        c.ints.push_back(0);
    else if (c.type == FieldType::Real)
        c.reals.push_back(0);
    else
        c.ends.push_back(static_cast<uint32_t>(c.bytes.size()));
}

void DataSet::addInt(int column, qint64 value)
{
    Column& c = m_columns[static_cast<size_t>(column)];
    c.nulls.push_back(false);
    if (c.integral()) {
        c.ints.push_back(value);
    } else if (c.type == FieldType::Real) {
        c.reals.push_back(static_cast<double>(value));
    } else {
        const QByteArray text = QByteArray::number(value);
        c.bytes.append(text.constData(), static_cast<size_t>(text.size()));
        c.ends.push_back(static_cast<uint32_t>(c.bytes.size()));
    }
}

void DataSet::addReal(int column, double value)
{
    Column& c = m_columns[static_cast<size_t>(column)];
    c.nulls.push_back(false);
    if (c.integral()) {
        c.ints.push_back(static_cast<qint64>(std::llround(value)));
    } else if (c.type == FieldType::Real) {
        c.reals.push_back(value);
    } else {
        const QByteArray text = numberText(value).toUtf8();
        c.bytes.append(text.constData(), static_cast<size_t>(text.size()));
        c.ends.push_back(static_cast<uint32_t>(c.bytes.size()));
    }
}

void DataSet::addBytes(int column, const char* data, size_t size)
{
    Column& c = m_columns[static_cast<size_t>(column)];
    c.nulls.push_back(false);
    if (c.numeric()) {
        const double number = QByteArray::fromRawData(data, static_cast<qsizetype>(size)).trimmed().toDouble();
        if (c.integral())
            c.ints.push_back(static_cast<qint64>(std::llround(number)));
        else
            c.reals.push_back(number);
    } else {
        c.bytes.append(data, size);
        c.ends.push_back(static_cast<uint32_t>(c.bytes.size()));
    }
}

void DataSet::endLoad()
{
    m_physicalRows = m_columns.empty() ? 0 : static_cast<uint32_t>(m_columns.front().nulls.size());
    for (Column& c : m_columns) {
        c.bytes.shrink_to_fit();
        c.ends.shrink_to_fit();
        c.ints.shrink_to_fit();
        c.reals.shrink_to_fit();
        c.nulls.shrink_to_fit();
    }
    m_statementOrder.resize(m_physicalRows);
    for (uint32_t i = 0; i < m_physicalRows; ++i)
        m_statementOrder[i] = i;
    m_order = m_statementOrder;
    m_current = m_order.empty() ? -1 : 0;
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_current);
}

void DataSet::clear()
{
    beginLoad({});
    Q_EMIT reset();
    Q_EMIT currentRowChanged(-1);
}

int DataSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// ---------------------------------------------------------------- values

std::string_view DataSet::rawBytes(const Column& column, uint32_t physicalRow) const
{
    const uint32_t begin = physicalRow == 0 ? 0 : column.ends[physicalRow - 1];
    return std::string_view(column.bytes.data() + begin, column.ends[physicalRow] - begin);
}

const QVariant* DataSet::editedValue(uint32_t physicalRow, int column) const
{
    if (m_edits.isEmpty())
        return nullptr;
    auto it = m_edits.constFind(editKey(physicalRow, column));
    return it == m_edits.constEnd() ? nullptr : &it.value();
}

bool DataSet::isNull(int row, int column) const
{
    const uint32_t p = physical(row);
    if (const QVariant* edited = editedValue(p, column))
        return edited->isNull();
    return m_columns[static_cast<size_t>(column)].nulls[p];
}

qint64 DataSet::intValue(int row, int column) const
{
    const uint32_t p = physical(row);
    const Column& c = m_columns[static_cast<size_t>(column)];
    if (const QVariant* edited = editedValue(p, column))
        return edited->toLongLong();
    if (c.integral())
        return c.ints[p];
    return static_cast<qint64>(std::llround(realValue(row, column)));
}

double DataSet::realValue(int row, int column) const
{
    const uint32_t p = physical(row);
    const Column& c = m_columns[static_cast<size_t>(column)];
    if (const QVariant* edited = editedValue(p, column))
        return edited->toDouble();
    if (c.integral())
        return static_cast<double>(c.ints[p]);
    if (c.type == FieldType::Real)
        return c.reals[p];
    const std::string_view raw = rawBytes(c, p);
    return QByteArray::fromRawData(raw.data(), static_cast<qsizetype>(raw.size())).trimmed().toDouble();
}

QString DataSet::text(int row, int column) const
{
    const uint32_t p = physical(row);
    const Column& c = m_columns[static_cast<size_t>(column)];
    if (const QVariant* edited = editedValue(p, column)) {
        if (edited->typeId() == QMetaType::Double)
            return numberText(edited->toDouble());
        return edited->toString();
    }
    if (c.nulls[p])
        return {};
    switch (c.type) {
    case FieldType::Integer:
        return QString::number(c.ints[p]);
    case FieldType::Bool:
        return c.ints[p] ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Real:
        return numberText(c.reals[p]);
    case FieldType::Blob:
        return QStringLiteral("(BLOB)");
    default: {
        const std::string_view raw = rawBytes(c, p);
        return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
    }
    }
}

QByteArray DataSet::bytes(int row, int column) const
{
    const uint32_t p = physical(row);
    const Column& c = m_columns[static_cast<size_t>(column)];
    if (const QVariant* edited = editedValue(p, column))
        return edited->typeId() == QMetaType::QByteArray ? edited->toByteArray() : edited->toString().toUtf8();
    if (c.numeric())
        return text(row, column).toUtf8();
    const std::string_view raw = rawBytes(c, p);
    return QByteArray(raw.data(), static_cast<qsizetype>(raw.size()));
}

QVariant DataSet::value(int row, int column) const
{
    const uint32_t p = physical(row);
    if (const QVariant* edited = editedValue(p, column))
        return *edited;
    const Column& c = m_columns[static_cast<size_t>(column)];
    if (c.nulls[p])
        return {};
    switch (c.type) {
    case FieldType::Integer:
        return c.ints[p];
    case FieldType::Bool:
        return c.ints[p] != 0;
    case FieldType::Real:
        return c.reals[p];
    case FieldType::Blob:
        return bytes(row, column);
    default:
        return text(row, column);
    }
}

QVariant DataSet::value(int row, const QString& fieldName) const
{
    const int column = fieldIndex(fieldName);
    return column < 0 ? QVariant() : value(row, column);
}

// ---------------------------------------------------------------- changes

void DataSet::setValue(int row, int column, const QVariant& value)
{
    m_edits.insert(editKey(physical(row), column), value);
    Q_EMIT valueChanged(row, column);
}

int DataSet::appendRow()
{
    for (int i = 0; i < static_cast<int>(m_columns.size()); ++i)
        addNull(i);
    const uint32_t p = m_physicalRows++;
    m_statementOrder.push_back(p);
    m_order.push_back(p);
    const int row = recordCount() - 1;
    Q_EMIT reset();
    setCurrentRow(row);
    return row;
}

void DataSet::removeRow(int row)
{
    const uint32_t p = physical(row);
    m_order.erase(m_order.begin() + row);
    m_statementOrder.erase(std::find(m_statementOrder.begin(), m_statementOrder.end(), p));
    m_current = std::min(m_current, recordCount() - 1);
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_current);
}

// ---------------------------------------------------------------- current row

bool DataSet::setCurrentRow(int row)
{
    if (row < 0 || row >= recordCount())
        return false;
    if (row != m_current) {
        m_current = row;
        Q_EMIT currentRowChanged(row);
    }
    return true;
}

bool DataSet::next()
{
    return setCurrentRow(m_current + 1);
}

bool DataSet::prior()
{
    return setCurrentRow(m_current - 1);
}

QVariant DataSet::fieldValue(const QString& fieldName) const
{
    return m_current < 0 ? QVariant() : value(m_current, fieldName);
}

QString DataSet::fieldText(const QString& fieldName) const
{
    const int column = fieldIndex(fieldName);
    return (m_current < 0 || column < 0) ? QString() : text(m_current, column);
}

DataSet::Bookmark DataSet::bookmark(int row) const
{
    return (row < 0 || row >= recordCount()) ? kNoBookmark : static_cast<Bookmark>(physical(row));
}

int DataSet::rowOf(Bookmark mark) const
{
    if (mark < 0)
        return -1;
    const auto it = std::find(m_order.begin(), m_order.end(), static_cast<uint32_t>(mark));
    return it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
}

bool DataSet::gotoBookmark(Bookmark mark)
{
    return setCurrentRow(rowOf(mark));
}

bool DataSet::locate(const QString& fieldName, const QVariant& value)
{
    const int column = fieldIndex(fieldName);
    if (column < 0)
        return false;
    const Column& c = m_columns[static_cast<size_t>(column)];
    const QString wanted = value.toString();
    for (int row = 0; row < recordCount(); ++row) {
        if (isNull(row, column))
            continue;
        const bool equal = c.numeric() && editedValue(physical(row), column) == nullptr
            ? realValue(row, column) == value.toDouble()
            : text(row, column).compare(wanted, Qt::CaseInsensitive) == 0;
        if (equal)
            return setCurrentRow(row);
    }
    return false;
}

// ---------------------------------------------------------------- order

namespace {

// Dense ranks (from 1) of keyed rows; rows left out keep rank 0.
std::vector<uint32_t> denseRanks(std::vector<std::pair<uint64_t, uint32_t>>& keyed, size_t rows)
{
    std::sort(keyed.begin(), keyed.end());
    std::vector<uint32_t> ranks(rows, 0);
    uint32_t rank = 0;
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            ++rank;
        ranks[keyed[i].second] = rank;
    }
    return ranks;
}

uint64_t foldedWord(std::string_view text, size_t from)
{
    uint64_t word = 0;
    for (size_t i = from; i < from + 8; ++i) {
        word <<= 8;
        if (i < text.size())
            word |= foldAscii(static_cast<unsigned char>(text[i]));
    }
    return word;
}

}

// The rank of every row's value in one column: equal values share a rank,
// nulls rank 0 (before everything). Sorting then compares integers only.
std::vector<uint32_t> DataSet::rankRows(const Column& column) const
{
    if (column.numeric()) {
        std::vector<std::pair<uint64_t, uint32_t>> keyed;
        keyed.reserve(m_physicalRows);
        for (uint32_t p = 0; p < m_physicalRows; ++p) {
            if (!column.nulls[p])
                keyed.push_back({column.integral() ? orderedBits(column.ints[p]) : orderedBits(column.reals[p]), p});
        }
        return denseRanks(keyed, m_physicalRows);
    }
    // Texts: by their first sixteen case-folded bytes, longer values compared in full on a tie.
    struct Entry {
        uint64_t head;
        uint64_t tail;
        uint32_t row;
        bool longer;
    };
    std::vector<Entry> entries;
    entries.reserve(m_physicalRows);
    for (uint32_t p = 0; p < m_physicalRows; ++p) {
        if (column.nulls[p])
            continue;
        const std::string_view value = rawBytes(column, p);
        entries.push_back({foldedWord(value, 0), foldedWord(value, 8), p, value.size() > 16});
    }
    const auto compare = [&](const Entry& a, const Entry& b) {
        if (a.head != b.head)
            return a.head < b.head ? -1 : 1;
        if (a.tail != b.tail)
            return a.tail < b.tail ? -1 : 1;
        if (!a.longer && !b.longer)
            return 0;
        return compareFolded(rawBytes(column, a.row), rawBytes(column, b.row));
    };
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
    std::vector<uint32_t> ranks(m_physicalRows, 0);
    uint32_t rank = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == 0 || compare(entries[i - 1], entries[i]) != 0)
            ++rank;
        ranks[entries[i].row] = rank;
    }
    return ranks;
}

void DataSet::sortBy(const QString& keys)
{
    struct Key {
        int column;
        bool descending;
    };
    std::vector<Key> sortKeys;
    for (const QString& part : keys.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const int column = fieldIndex(words.front());
        if (column < 0)
            continue;
        const bool descending = words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        sortKeys.push_back({column, descending});
    }
    m_sortKeys = keys;
    if (sortKeys.empty()) {
        applyOrder(m_statementOrder);
        return;
    }

    // Fold the keys into one combined rank, key by key; rows changed in memory
    // are ordered by what the statement read.
    std::vector<uint32_t> combined(m_physicalRows, 0);
    for (const Key& key : sortKeys) {
        std::vector<uint32_t> ranks = rankRows(m_columns[static_cast<size_t>(key.column)]);
        if (key.descending) {
            const uint32_t highest = ranks.empty() ? 0 : *std::max_element(ranks.begin(), ranks.end());
            for (uint32_t& rank : ranks)
                rank = highest - rank;
        }
        std::vector<std::pair<uint64_t, uint32_t>> keyed(m_physicalRows);
        for (uint32_t p = 0; p < m_physicalRows; ++p)
            keyed[p] = {(uint64_t(combined[p]) << 32) | ranks[p], p};
        combined = denseRanks(keyed, m_physicalRows);
    }
    // Equal rows keep the order of the statement.
    std::vector<std::pair<uint64_t, uint32_t>> ordered;
    ordered.reserve(m_statementOrder.size());
    for (size_t position = 0; position < m_statementOrder.size(); ++position) {
        const uint32_t p = m_statementOrder[position];
        ordered.push_back({(uint64_t(combined[p]) << 32) | uint32_t(position), p});
    }
    std::sort(ordered.begin(), ordered.end());
    std::vector<uint32_t> order;
    order.reserve(ordered.size());
    for (const auto& entry : ordered)
        order.push_back(entry.second);
    applyOrder(std::move(order));
}

void DataSet::applyOrder(std::vector<uint32_t> order)
{
    const Bookmark current = bookmark();
    m_order = std::move(order);
    const int row = rowOf(current);
    m_current = row >= 0 ? row : (m_order.empty() ? -1 : 0);
    Q_EMIT reset();
    Q_EMIT currentRowChanged(m_current);
}

// ---------------------------------------------------------------- footers

double DataSet::sum(int column) const
{
    double total = 0;
    for (int row = 0; row < recordCount(); ++row) {
        if (!isNull(row, column))
            total += realValue(row, column);
    }
    return total;
}

size_t DataSet::memoryBytes() const
{
    size_t total = (m_order.capacity() + m_statementOrder.capacity()) * sizeof(uint32_t);
    for (const Column& c : m_columns) {
        total += c.bytes.capacity() + c.ends.capacity() * sizeof(uint32_t)
            + c.ints.capacity() * sizeof(qint64) + c.reals.capacity() * sizeof(double)
            + c.nulls.capacity() / 8;
    }
    return total;
}
