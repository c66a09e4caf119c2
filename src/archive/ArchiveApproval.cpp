#include "archive/ArchiveApproval.h"

#include "admin/Session.h"
#include "db/DataModule.h"
#include "db/Query.h"

ArchiveApproval::ArchiveApproval(TdmData& data) : m_data(data) {}

std::optional<ApprovalOutcome> ArchiveApproval::toggle(Query& list)
{
    if (list.isEmpty())
        return std::nullopt;
    const bool approve = list.fieldText(QStringLiteral("F_SHemp")).trimmed().isEmpty();
    const QString approver = approve ? Session::current().operatorName : QString();
    if (!m_data.execute(QStringLiteral("update t_Files set F_SHemp = :emp where F_ID = :id"),
                        {{QStringLiteral("emp"), approver}, {QStringLiteral("id"), list.fieldValue(QStringLiteral("F_ID"))}}))
        return std::nullopt;
    list.setValue(list.currentRow(), list.fieldIndex(QStringLiteral("F_SHemp")), approver);
    if (approve)
        return ApprovalOutcome{true, QStringLiteral("撤消"), 15};
    return ApprovalOutcome{false, QStringLiteral("批准"), 1};
}
