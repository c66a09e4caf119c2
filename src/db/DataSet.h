#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class FieldType { Integer, Real, Bool, Text, Memo, DateTime, Blob };

struct Field {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0; // declared width of a text column; 0 when none is declared
};

// The rows of one result, held in memory column by column: numbers as numbers,
// texts, dates and blobs as UTF-8 (or raw) bytes in one buffer per column.
// Display text is made only when a value is asked for. Rows are addressed by
// their position in the present order; a bookmark names a row whatever the order.
class DataSet : public QObject {
    Q_OBJECT
public:
    using Bookmark = qint64;
    static constexpr Bookmark kNoBookmark = -1;

    explicit DataSet(QObject* parent = nullptr);
    ~DataSet() override;

    // ---- loading (used by the engines) ----
    void beginLoad(const QVector<Field>& fields);
    void addNull(int column);
    void addInt(int column, qint64 value);
    void addReal(int column, double value);
    void addBytes(int column, const char* data, size_t size);
    void endLoad();
    // Empties the data set (no fields, no rows), as a closed query.
    void clear();

    // ---- structure ----
    int fieldCount() const { return m_fields.size(); }
    const Field& field(int column) const { return m_fields[column]; }
    const QVector<Field>& fields() const { return m_fields; }
    // Without regard to case; -1 when absent.
    int fieldIndex(const QString& name) const;

    // ---- values (row = position in the present order) ----
    int recordCount() const { return static_cast<int>(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }
    bool isNull(int row, int column) const;
    qint64 intValue(int row, int column) const;
    double realValue(int row, int column) const; // texts are read as numbers
    QString text(int row, int column) const;     // numbers in their shortest form
    QByteArray bytes(int row, int column) const;
    QVariant value(int row, int column) const;   // null, qint64, double, bool, QString or QByteArray
    QVariant value(int row, const QString& fieldName) const;

    // ---- changes made in memory (grids that edit, the import review) ----
    void setValue(int row, int column, const QVariant& value);
    int appendRow();        // a row of nulls at the end; returns its position
    void removeRow(int row);

    // ---- current row ----
    int currentRow() const { return m_current; } // -1 when empty
    bool setCurrentRow(int row);
    bool first() { return setCurrentRow(0); }
    bool last() { return setCurrentRow(recordCount() - 1); }
    bool next();
    bool prior();
    QVariant fieldValue(const QString& fieldName) const; // of the current row
    QString fieldText(const QString& fieldName) const;

    Bookmark bookmark(int row) const;
    Bookmark bookmark() const { return bookmark(m_current); }
    int rowOf(Bookmark mark) const; // -1 when the row is gone
    bool gotoBookmark(Bookmark mark);
    // Moves to the first row whose field equals value (texts without regard to case).
    bool locate(const QString& fieldName, const QVariant& value);

    // ---- order ----
    // Keys such as "f_code ASC,f_name DESC," (trailing comma allowed; a key
    // without a direction is ascending; unknown fields are skipped). An empty
    // text restores the order of the statement. The current row is kept.
    void sortBy(const QString& keys);
    const QString& sortKeys() const { return m_sortKeys; }

    // ---- footers ----
    double sum(int column) const;

    // Bytes held for the values and the order (capacity, not size).
    size_t memoryBytes() const;

Q_SIGNALS:
    void reset();                     // loaded, cleared or reordered
    void currentRowChanged(int row);  // -1 when the data set became empty
    void valueChanged(int row, int column);

private:
    struct Column;

    uint32_t physical(int row) const { return m_order[static_cast<size_t>(row)]; }
    std::string_view rawBytes(const Column& column, uint32_t physicalRow) const;
    const QVariant* editedValue(uint32_t physicalRow, int column) const;
    std::vector<uint32_t> rankRows(const Column& column) const;
    void applyOrder(std::vector<uint32_t> order);
    static quint64 editKey(uint32_t physicalRow, int column) { return (quint64(physicalRow) << 16) | quint64(column); }

    QVector<Field> m_fields;
    std::vector<Column> m_columns;
    uint32_t m_physicalRows = 0;
    std::vector<uint32_t> m_statementOrder; // rows in the order of the statement (removed rows left out)
    std::vector<uint32_t> m_order;          // rows in the present order
    QHash<quint64, QVariant> m_edits;       // values changed in memory
    QString m_sortKeys;
    int m_current = -1;
};
