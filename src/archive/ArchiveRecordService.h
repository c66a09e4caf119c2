#pragma once

#include "archive/ArchiveRecord.h"

#include <QString>

#include <optional>

class TdmData;

// What the archive editor asks to save.
struct ArchiveSaveRequest {
    ArchiveRecord record;        // the values as the controls hold them
    bool modifying = false;      // an existing row is changed (else a new row is inserted)
    qint64 currentId = 0;        // F_ID of the archive list's current row while modifying
    qint64 groupKey = 0;         // the F_mainID reserved for the row
    bool automaticCode = false;  // the "自动" box is checked
};

struct ArchiveSaveResult {
    bool saved = false;
    std::optional<ArchiveField> focus; // where the operator continues after a refusal
    qint64 groupKey = 0;               // the F_mainID the saved row carries
};

// The rules of saving one archive: the checks in their order, each with its
// message, then the insert or update in one transaction. Messages go through
// ShowMess; the caller moves the focus and refreshes its list.
class ArchiveRecordService {
public:
    explicit ArchiveRecordService(TdmData& data);

    // The highest group key in t_Files plus 1 (1 in an empty table).
    qint64 newGroupKey();
    // The code after the code of the most recently inserted archive.
    QString nextArchiveCode();

    ArchiveSaveResult save(const ArchiveSaveRequest& request);

private:
    std::optional<ArchiveField> refusal(const ArchiveSaveRequest& request, const ArchiveRecord& values, qint64 currentId);
    bool isTaken(const QString& statement, const QString& parameter, const QString& value, bool modifying, qint64 currentId);
    std::optional<ArchiveField> tooWide(const ArchiveRecord& values);
    bool write(const ArchiveRecord& values, bool modifying, qint64 currentId, qint64& groupKey);

    TdmData& m_data;
};
