#include "db/DialectColumns.h"

#include "db/DialectWords.h"

#include <QString>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using ColumnTypes = std::vector<std::pair<std::string, ValueType>>;

ColumnTypes makeColumnTypes()
{
    static const char* const texts[] = {
        // t_Files
        "F_DAtype", "F_code", "F_name", "F_GDdate", "F_DZpath", "F_DZdx", "F_BMjibie", "F_CFaddress",
        "F_GDdept", "F_GDemp", "F_memo1", "F_ZF1", "F_ZF2", "F_ZF3", "F_ZF4", "F_ZF5", "F_SHemp",
        // t_JYrec
        "F_JYdept", "F_JYemp", "F_PZemp",
        // t_TPrec, t_FJrec
        "F_FileName", "F_imagePath", "F_FileExt", "F_filePos", "F_empName",
        // t_TXrec
        "F_awokeTime", "F_caption", "F_operName",
        // t_code, t_treecode
        "F_type", "F_likecode",
        // OperList, OperLimit, LogRec
        "F_PassWord", "F_Mem", "F_dept", "F_deptQX", "F_lmtName", "F_OperType", "F_OperDate", "F_OperTime",
        // cfg_Grid, cfg_import
        "F_FieldName", "F_Caption", "F_DisplayFormat", "F_FooterValue", "F_tablename", "S_Field", "F_Field",
        // SysInfo, KeyValue
        "F_BakPath", "F_Manager", "F_Phone", "F_HandPhone", "F_Email", "F_Homepage", "F_Enroler", "F_Value",
    };
    static const char* const numberTexts[] = {"F_DAnum", "F_JCnum"};
    static const char* const numbers[] = {
        "F_ID", "F_mainID", "F_SZ1", "F_SZ2", "F_SZ3", "F_shFlag", "F_deptFlag", "F_Width", "F_Visible",
        "F_ReadOnly", "F_FooterType", "F_Alignment", "F_Order", "F_iFlag",
    };
    ColumnTypes types;
    const auto add = [&types](const char* name, ValueType type) {
        types.emplace_back(std::string(LowerWord(QString::fromLatin1(name)).view()), type);
    };
    for (const char* name : texts)
        add(name, ValueType::Text);
    for (const char* name : numberTexts)
        add(name, ValueType::NumberText);
    for (const char* name : numbers)
        add(name, ValueType::Number);
    std::sort(types.begin(), types.end());
    return types;
}

}

ValueType columnType(QStringView column)
{
    static const ColumnTypes types = makeColumnTypes();
    const LowerWord name(column);
    const auto found = std::lower_bound(types.begin(), types.end(), name.view(),
        [](const std::pair<std::string, ValueType>& entry, std::string_view key) { return entry.first < key; });
    return found != types.end() && found->first == name.view() ? found->second : ValueType::Unknown;
}
