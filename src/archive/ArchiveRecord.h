#pragma once

#include <QDate>
#include <QString>

#include <array>

class DataSet;

// The fields of one archive (a t_Files row) as the editor holds them.
enum class ArchiveField {
    Code, Type, Name, FilingDate, Copies, Lent, Security, Place, Department, FiledBy,
    DocumentPath, DocumentSize, EntryDate, Memo,
    Text1, Text2, Text3, Text4, Text5,
    Number1, Number2, Number3,
    Date1, Date2, Date3,
};

// The values of one archive. Dates are kept in their stored text form
// ("yyyy-MM-dd", or "1900-08-14" for no date); texts as typed.
struct ArchiveRecord {
    QString code;
    QString type;          // classification path (F_DAtype)
    QString name;
    QString filingDate;    // F_GDdate
    double copies = 0;     // F_DAnum
    double lent = 0;       // F_JCnum
    QString security;      // F_BMjibie
    QString place;         // F_CFaddress
    QString department;    // F_GDdept
    QString filedBy;       // F_GDemp
    QString documentPath;  // F_DZpath
    QString documentSize;  // F_DZdx
    QDate entryDate;       // F_editDate
    QString memo;          // F_memo1
    std::array<QString, 5> texts;   // F_ZF1..F_ZF5, kept untrimmed
    std::array<double, 3> numbers{}; // F_SZ1..F_SZ3
    std::array<QString, 3> dates;   // F_RQ1..F_RQ3

    // The record as it is written: every text trimmed except the five custom texts.
    ArchiveRecord trimmed() const;

    // A new archive: no texts, numbers 0, no dates, entered on the given day.
    static ArchiveRecord blank(const QDate& today);
    // The current row of a t_Files result (an unreadable entry date gives the given day).
    static ArchiveRecord fromCurrentRow(const DataSet& rows, const QDate& today);
};

namespace ArchiveFields {

// The t_Files column a field is written to.
QString column(ArchiveField field);
// The field's name in messages: the editor's label without its colon; the
// custom items carry the names configured for them.
QString label(ArchiveField field);

// Custom item n (1..11) as a field.
ArchiveField customItem(int n);
// The default names of the custom items, "字符项一" … "日期项三".
QString defaultCustomName(int n);

}
