#include "archive/ArchiveRecord.h"

#include "admin/Session.h"
#include "db/DataSet.h"
#include "db/DateText.h"

ArchiveRecord ArchiveRecord::trimmed() const
{
    ArchiveRecord copy = *this;
    for (QString* text : {&copy.code, &copy.type, &copy.name, &copy.security, &copy.place, &copy.department,
                          &copy.filedBy, &copy.documentPath, &copy.documentSize, &copy.memo})
        *text = text->trimmed();
    return copy;
}

ArchiveRecord ArchiveRecord::blank(const QDate& today)
{
    ArchiveRecord record;
    record.filingDate = DateText::kNoDate;
    record.dates.fill(DateText::kNoDate);
    record.entryDate = today;
    return record;
}

ArchiveRecord ArchiveRecord::fromCurrentRow(const DataSet& rows, const QDate& today)
{
    const auto text = [&rows](const char* column) { return rows.fieldText(QString::fromLatin1(column)); };
    const auto number = [&rows](const char* column) {
        const int index = rows.fieldIndex(QString::fromLatin1(column));
        return index < 0 || rows.currentRow() < 0 ? 0.0 : rows.realValue(rows.currentRow(), index);
    };
    ArchiveRecord record;
    record.code = text("F_Code");
    record.type = text("F_DAtype");
    record.name = text("F_Name");
    record.filingDate = text("F_GDdate");
    record.copies = number("F_DAnum");
    record.lent = number("F_JCnum");
    record.security = text("F_BMjibie");
    record.place = text("F_CFaddress");
    record.department = text("F_GDdept");
    record.filedBy = text("F_GDemp");
    record.documentPath = text("F_DZpath");
    record.documentSize = text("F_DZdx");
    const QDate entered = DateText::toDateTime(text("F_editDate")).date();
    record.entryDate = entered.isValid() ? entered : today;
    record.memo = text("F_memo1");
    static const char* const kTexts[] = {"F_ZF1", "F_ZF2", "F_ZF3", "F_ZF4", "F_ZF5"};
    static const char* const kNumbers[] = {"F_SZ1", "F_SZ2", "F_SZ3"};
    static const char* const kDates[] = {"F_RQ1", "F_RQ2", "F_RQ3"};
    for (int i = 0; i < 5; ++i)
        record.texts[i] = text(kTexts[i]);
    for (int i = 0; i < 3; ++i) {
        record.numbers[i] = number(kNumbers[i]);
        record.dates[i] = text(kDates[i]);
    }
    return record;
}

namespace ArchiveFields {

namespace {

struct FieldInfo {
    ArchiveField field;
    const char* column;
    const char* label;
};

const FieldInfo kFields[] = {
    {ArchiveField::Code, "F_code", "档案编号"},
    {ArchiveField::Type, "F_DAtype", "档案分类"},
    {ArchiveField::Name, "F_name", "档案名称"},
    {ArchiveField::FilingDate, "F_GDdate", "归档日期"},
    {ArchiveField::Copies, "F_DAnum", "档案份数"},
    {ArchiveField::Lent, "F_JCnum", "借出"},
    {ArchiveField::Security, "F_BMjibie", "保密级别"},
    {ArchiveField::Place, "F_CFaddress", "存放地点"},
    {ArchiveField::Department, "F_GDdept", "归档部门"},
    {ArchiveField::FiledBy, "F_GDemp", "归档人"},
    {ArchiveField::DocumentPath, "F_DZpath", "电子文档"},
    {ArchiveField::DocumentSize, "F_DZdx", "文件大小"},
    {ArchiveField::EntryDate, "F_editDate", "录入日期"},
    {ArchiveField::Memo, "F_memo1", "备注"},
    {ArchiveField::Text1, "F_ZF1", nullptr},
    {ArchiveField::Text2, "F_ZF2", nullptr},
    {ArchiveField::Text3, "F_ZF3", nullptr},
    {ArchiveField::Text4, "F_ZF4", nullptr},
    {ArchiveField::Text5, "F_ZF5", nullptr},
    {ArchiveField::Number1, "F_SZ1", nullptr},
    {ArchiveField::Number2, "F_SZ2", nullptr},
    {ArchiveField::Number3, "F_SZ3", nullptr},
    {ArchiveField::Date1, "F_RQ1", nullptr},
    {ArchiveField::Date2, "F_RQ2", nullptr},
    {ArchiveField::Date3, "F_RQ3", nullptr},
};

const FieldInfo& info(ArchiveField field)
{
    return kFields[static_cast<int>(field)];
}

}

QString column(ArchiveField field)
{
    return QString::fromLatin1(info(field).column);
}

QString label(ArchiveField field)
{
    const int custom = static_cast<int>(field) - static_cast<int>(ArchiveField::Text1) + 1;
    if (custom >= 1)
        return Session::current().systemValue(custom);
    return QString::fromUtf8(info(field).label);
}

ArchiveField customItem(int n)
{
    return static_cast<ArchiveField>(static_cast<int>(ArchiveField::Text1) + n - 1);
}

QString defaultCustomName(int n)
{
    static const char* const kNames[] = {"字符项一", "字符项二", "字符项三", "字符项四", "字符项五", "数值项一",
                                         "数值项二", "数值项三", "日期项一", "日期项二", "日期项三"};
    return QString::fromUtf8(kNames[n - 1]);
}

}
