#include "archive/ArchiveRecordService.h"

#include "admin/Session.h"
#include "archive/ArchiveCode.h"
#include "archive/ColumnWidths.h"
#include "db/DataModule.h"
#include "db/DbError.h"
#include "platform/Messages.h"

#include <utility>
#include <vector>

namespace {

const QString kMaxGroupKey = QStringLiteral("select max(F_mainID) from t_Files");

const QString kUpdate = QStringLiteral(
    "Update t_Files Set F_mainID = :mainID,F_code = :code,F_name = :name, F_DAtype = :DAtype,F_GDdate = :GDdate,"
    "F_DAnum = :DAnum,F_JCnum = :JCnum, F_BMjibie = :BMjibie,F_CFaddress = :CFaddress,F_GDdept = :GDdept, "
    "F_GDemp = :GDemp,F_DZpath = :DZpath,F_DZdx = :DZdx,F_memo1 = :memo1, F_editDate = :editDate,F_ZF1 = :ZF1,"
    "F_ZF2 = :ZF2,F_ZF3 = :ZF3,F_ZF4 = :ZF4, F_ZF5 = :ZF5,F_SZ1 = :SZ1,F_SZ2 = :SZ2,F_SZ3 = :SZ3,F_RQ1 = :RQ1, "
    "F_RQ2 = :RQ2,F_RQ3 = :RQ3 Where F_ID = :ID");

const QString kInsert = QStringLiteral(
    "Insert into t_Files(F_mainID,F_Code,F_Name,F_DAtype,F_GDdate, F_DAnum,F_JCnum,F_BMjibie,F_CFaddress,F_GDdept,"
    "F_GDemp,F_DZpath,F_DZdx, F_memo1,F_editDate, F_ZF1,F_ZF2,F_ZF3,F_ZF4,F_ZF5,F_SZ1,F_SZ2,F_SZ3,F_RQ1,F_RQ2,F_RQ3) "
    "Values(:mainID,:Code,:Name,:DAtype,:GDdate,:DAnum,:JCnum,:BMjibie, :CFaddress,:GDdept,:GDemp,:DZpath,:DZdx,"
    ":memo1,:editDate, :ZF1,:ZF2,:ZF3,:ZF4,:ZF5,:SZ1,:SZ2,:SZ3,:RQ1,:RQ2,:RQ3) ");

// F_DAnum and F_JCnum are text columns holding numbers: 3 is stored as "3", 2.5 as "2.5".
QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

Params rowParameters(const ArchiveRecord& values, qint64 groupKey)
{
    Params params{
        {QStringLiteral("mainID"), groupKey},
        {QStringLiteral("code"), values.code},
        {QStringLiteral("name"), values.name},
        {QStringLiteral("DAtype"), values.type},
        {QStringLiteral("GDdate"), values.filingDate},
        {QStringLiteral("DAnum"), numberText(values.copies)},
        {QStringLiteral("JCnum"), numberText(values.lent)},
        {QStringLiteral("BMjibie"), values.security},
        {QStringLiteral("CFaddress"), values.place},
        {QStringLiteral("GDdept"), values.department},
        {QStringLiteral("GDemp"), values.filedBy},
        {QStringLiteral("DZpath"), values.documentPath},
        {QStringLiteral("DZdx"), values.documentSize},
        {QStringLiteral("memo1"), values.memo},
        {QStringLiteral("editDate"), values.entryDate.toString(QStringLiteral("yyyy-MM-dd"))},
    };
    for (int i = 0; i < 5; ++i)
        params.push_back({QStringLiteral("ZF%1").arg(i + 1), values.texts[i]});
    for (int i = 0; i < 3; ++i)
        params.push_back({QStringLiteral("SZ%1").arg(i + 1), values.numbers[i]});
    for (int i = 0; i < 3; ++i)
        params.push_back({QStringLiteral("RQ%1").arg(i + 1), values.dates[i]});
    return params;
}

// The texts that go into columns of a declared width, in the editor's order.
std::vector<std::pair<ArchiveField, QString>> widthLimitedTexts(const ArchiveRecord& values)
{
    std::vector<std::pair<ArchiveField, QString>> texts{
        {ArchiveField::Code, values.code},         {ArchiveField::Type, values.type},
        {ArchiveField::Name, values.name},         {ArchiveField::Security, values.security},
        {ArchiveField::Place, values.place},       {ArchiveField::Department, values.department},
        {ArchiveField::FiledBy, values.filedBy},   {ArchiveField::DocumentPath, values.documentPath},
        {ArchiveField::DocumentSize, values.documentSize},
    };
    for (int i = 0; i < 5; ++i)
        texts.emplace_back(ArchiveFields::customItem(i + 1), values.texts[i]);
    return texts;
}

std::optional<ArchiveField> refuse(const QString& message, ArchiveField focus)
{
    ShowMess(message, MessNotice);
    return focus;
}

}

ArchiveRecordService::ArchiveRecordService(TdmData& data) : m_data(data) {}

qint64 ArchiveRecordService::newGroupKey()
{
    return m_data.integerValue(kMaxGroupKey) + 1;
}

QString ArchiveRecordService::nextArchiveCode()
{
    // The most recently inserted row is the one with the highest counter.
    return ArchiveCode::after(
        m_data.textValue(QStringLiteral("select F_code from t_Files where F_ID = (select max(F_ID) from t_Files) ")));
}

ArchiveSaveResult ArchiveRecordService::save(const ArchiveSaveRequest& request)
{
    const ArchiveRecord values = request.record.trimmed();
    const qint64 currentId = request.modifying ? request.currentId : 0;
    ArchiveSaveResult result;
    result.focus = refusal(request, values, currentId);
    if (result.focus)
        return result;
    // A row without a group key receives its own F_ID.
    result.groupKey = request.groupKey < 1 ? currentId : request.groupKey;
    result.saved = write(values, request.modifying, currentId, result.groupKey);
    return result;
}

std::optional<ArchiveField> ArchiveRecordService::refusal(const ArchiveSaveRequest& request, const ArchiveRecord& values,
                                                          qint64 currentId)
{
    if (values.code.isEmpty())
        return refuse(QStringLiteral("当前档案编号不能为空！"), ArchiveField::Code);
    if (request.automaticCode && !ArchiveCode::endsInCounter(values.code))
        return refuse(QStringLiteral("采用自动编号，档案编号最后四位必须全为数字！"), ArchiveField::Code);
    if (values.name.isEmpty())
        return refuse(QStringLiteral("当前档案名称不能为空！"), ArchiveField::Name);
    if (Session::current().autoArchiveCode
        && isTaken(QStringLiteral("Select F_ID From t_Files Where F_Code = :code "), QStringLiteral("code"), values.code,
                   request.modifying, currentId))
        return refuse(QStringLiteral("档案编号重复，请重新输入！"), ArchiveField::Code);
    if (isTaken(QStringLiteral("Select F_ID From t_Files Where F_name = :name "), QStringLiteral("name"), values.name,
                request.modifying, currentId)
        && ShowMess(QStringLiteral("档案名称“") + request.record.name + QStringLiteral("”重复，重新输入吗？"), MessQuestion)
            == MessYes)
        return ArchiveField::Name;
    return tooWide(values);
}

bool ArchiveRecordService::isTaken(const QString& statement, const QString& parameter, const QString& value,
                                   bool modifying, qint64 currentId)
{
    const qint64 found = m_data.integerValue(statement, {{parameter, value}});
    return found > 0 && (!modifying || found != currentId);
}

std::optional<ArchiveField> ArchiveRecordService::tooWide(const ArchiveRecord& values)
{
    const ColumnWidths widths = ColumnWidths::of(m_data.connection(), QStringLiteral("t_Files"));
    for (const auto& [field, text] : widthLimitedTexts(values)) {
        const QString column = ArchiveFields::column(field);
        if (!widths.fits(column, text))
            return refuse(ColumnWidths::tooWideMessage(ArchiveFields::label(field), widths.width(column)), field);
    }
    return std::nullopt;
}

bool ArchiveRecordService::write(const ArchiveRecord& values, bool modifying, qint64 currentId, qint64& groupKey)
{
    Connection& connection = m_data.connection();
    try {
        // The transaction holds the write lock from its start, so a key found
        // free here stays free until the row is written.
        Transaction transaction(connection);
        qint64 key = groupKey;
        if (!modifying
            && connection.scalar(QStringLiteral("Select F_ID From t_Files Where F_mainID = ") + QString::number(key)
                                 + QLatin1Char(' '))
                       .toLongLong()
                > 0)
            key = connection.scalar(kMaxGroupKey).toLongLong() + 1;
        Params params = rowParameters(values, key);
        if (modifying)
            params.push_back({QStringLiteral("ID"), currentId});
        connection.execute(modifying ? kUpdate : kInsert, params);
        transaction.commit();
        groupKey = key;
        return true;
    } catch (const DbError&) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), MessFailure);
        return false;
    }
}
