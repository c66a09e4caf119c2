#pragma once

#include <QtGlobal>

class Connection;

// Deletes an archive with everything that belongs to it, all or nothing: the
// borrowing records, scanned images, attachments and reminders of its group
// key, and every archive that shares the key. An archive without a group key
// (0 or empty) owns no records; only its own row goes.
class ArchiveDeletion {
public:
    explicit ArchiveDeletion(Connection& connection);

    // False when a statement failed; nothing is deleted then.
    bool remove(qint64 groupKey, qint64 id);

private:
    Connection& m_connection;
};
