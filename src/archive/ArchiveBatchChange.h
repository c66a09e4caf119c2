#pragma once

#include <QString>
#include <QVector>

class Query;
class TdmData;

// Writes one value into one column of several archives of a list, in one
// transaction: either every row takes the value or none does.
class ArchiveBatchChange {
public:
    enum class Column { Classification, Department }; // F_DAtype, F_GDdept

    explicit ArchiveBatchChange(TdmData& data);

    // rows: positions in the list. After success the rows show the value in
    // place (the list is not queried again) and the last of them is current.
    // A value too wide for the column is refused with a message; a failing
    // statement rolls everything back, shows a message and reopens the list,
    // so that it shows only what is stored. False unless everything was written.
    bool apply(Query& list, const QVector<int>& rows, Column column, const QString& value);

private:
    bool fits(Column column, const QString& value);
    bool write(Query& list, const QVector<int>& rows, const QString& columnName, const QString& value);

    TdmData& m_data;
};
