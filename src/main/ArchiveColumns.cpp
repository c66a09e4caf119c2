#include "main/ArchiveColumns.h"

namespace {

struct ColumnRow {
    const char* field;
    const char16_t* title;
    bool emptyDateRule;
};

constexpr ColumnRow kColumns[] = {
    {"F_DAtype", u"档案分类", false},   {"F_code", u"档案编号", false},    {"F_name", u"档案名称", false},
    {"F_GDdate", u"归档日期", true},    {"F_DAnum", u"档案份数", false},   {"F_JCnum", u"借出", false},
    {"F_DZpath", u"文件路径", false},   {"F_DZdx", u"档案大小", false},    {"F_BMjibie", u"保密级别", false},
    {"F_CFaddress", u"存放地点", false}, {"F_GDdept", u"归档部门", false}, {"F_GDemp", u"归档人", false},
    {"F_memo1", u"备注", false},        {"F_ZF1", u"字符项一", false},     {"F_ZF2", u"字符项二", false},
    {"F_ZF3", u"字符项三", false},      {"F_ZF4", u"字符项四", false},     {"F_ZF5", u"字符项五", false},
    {"F_SZ1", u"数值项一", false},      {"F_SZ2", u"数值项二", false},     {"F_SZ3", u"数值项三", false},
    {"F_RQ1", u"日期项一", true},       {"F_RQ2", u"日期项二", true},      {"F_RQ3", u"日期项三", true},
};

}

namespace ArchiveColumns {

QVector<GridColumn> designed()
{
    QVector<GridColumn> columns;
    for (const ColumnRow& row : kColumns) {
        GridColumn column;
        column.fieldName = QString::fromLatin1(row.field);
        column.title = QString::fromUtf16(row.title);
        column.emptyDateRule = row.emptyDateRule;
        columns << column;
    }
    return columns;
}

}
