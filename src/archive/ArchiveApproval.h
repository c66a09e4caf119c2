#pragma once

#include <QString>

#include <optional>

class Query;
class TdmData;

// What the approve button shows after a click.
struct ApprovalOutcome {
    bool approved = false; // F_SHemp now holds the operator's name
    QString caption;       // "撤消" after approving, "批准" after withdrawing
    int picture = 0;       // 15 after approving, 1 after withdrawing
};

// Approving the current archive of a list, or withdrawing its approval: the
// approver's name (F_SHemp) is set to the operator's or cleared, and written
// to the archive's row at once.
class ArchiveApproval {
public:
    explicit ArchiveApproval(TdmData& data);

    // Nothing happens with an empty list, nor when the row cannot be written
    // (the data module reports that).
    std::optional<ApprovalOutcome> toggle(Query& list);

private:
    TdmData& m_data;
};
