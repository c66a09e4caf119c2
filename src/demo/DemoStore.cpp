#include "demo/DemoStore.h"

#include "demo/DemoVocabulary.h"

#include <span>
#include <string>
#include <string_view>

DemoStore::DemoStore(sqlite3* db)
    : m_db(db),
      m_archives(db, "t_Files",
                 {"F_mainID", "F_code", "F_name", "F_DAtype", "F_GDdate", "F_DAnum", "F_JCnum", "F_DZpath", "F_DZdx",
                  "F_BMjibie", "F_CFaddress", "F_GDdept", "F_GDemp", "F_memo1", "F_ZF1", "F_ZF2", "F_ZF3", "F_ZF4",
                  "F_ZF5", "F_SZ1", "F_SZ2", "F_SZ3", "F_RQ1", "F_RQ2", "F_RQ3", "F_editDate", "F_SHemp"}),
      m_loans(db, "t_JYrec",
              {"F_mainID", "F_JYdate", "F_JYdept", "F_JYemp", "F_GHqiXian", "F_GHdate", "F_memo1", "F_PZemp",
               "F_PZdate", "F_editDate"}),
      m_reminders(db, "t_TXrec",
                  {"F_mainID", "F_awokeDate", "F_awokeTime", "F_caption", "F_memo1", "F_editDate", "F_operName"}),
      m_images(db, "t_TPrec", {"F_mainID", "F_FileName", "F_FileExt", "F_HTimage"}),
      m_attachments(db, "t_FJrec",
                    {"F_mainID", "F_filePos", "F_fileName", "F_fileExt", "F_memo1", "F_empName", "F_editDate",
                     "F_fileOLE"})
{
}

void DemoStore::writeClasses(const std::vector<DemoClass>& classes)
{
    BulkInsert insert(m_db, "t_treecode", {"F_code", "F_name", "F_likecode", "F_flag"});
    for (const DemoClass& c : classes)
        insert.text(c.code).text(c.name).text(c.path).text("type").insert();
}

void DemoStore::writeCodedLists()
{
    using namespace DemoVocabulary;
    const std::pair<std::string_view, std::span<const std::string_view>> lists[] = {
        {"gddept", departments()},     {"empname", people()},          {"bmjibie", securityLevels()},
        {"cfaddress", storagePlaces()}, {"awoketime", reminderTimes()}, {"txcaption", reminderSubjects()},
    };
    BulkInsert insert(m_db, "t_code", {"F_name", "F_type"});
    for (const auto& [type, entries] : lists) {
        for (std::string_view entry : entries)
            insert.text(entry).text(type).insert();
    }
}

void DemoStore::write(const DemoArchive& a)
{
    const std::string copies = std::to_string(a.copies);
    const std::string lent = std::to_string(a.lent);
    m_archives.integer(a.groupKey).text(a.code).text(a.name).text(a.classPath).text(a.filedDate)
        .text(copies).text(lent).text(a.documentPath).text(a.documentSize)
        .text(a.securityLevel).text(a.storagePlace).text(a.department).text(a.filedBy).text(a.remarks);
    for (const std::string& item : a.texts)
        m_archives.text(item);
    for (double item : a.numbers)
        m_archives.real(item);
    for (const std::string& item : a.dates)
        m_archives.text(item);
    m_archives.text(a.enteredDate).text(a.approvedBy).insert();
}

void DemoStore::write(const DemoLoan& l)
{
    m_loans.integer(l.groupKey).text(l.borrowedDate).text(l.department).text(l.borrower).text(l.dueDate)
        .text(l.returnedDate).text(l.remarks).text(l.approvedBy).text(l.approvedDate).text(l.enteredDate).insert();
}

void DemoStore::write(const DemoReminder& r)
{
    m_reminders.integer(r.groupKey).text(r.remindDate).text(r.timeOfDay).text(r.subject).text(r.details)
        .text(r.enteredAt).text(r.enteredBy).insert();
}

void DemoStore::write(const DemoImage& i)
{
    m_images.integer(i.groupKey).text(i.name).text(i.extension).blob(i.bytes).insert();
}

void DemoStore::write(const DemoAttachment& a)
{
    m_attachments.integer(a.groupKey).text(a.origin).text(a.fileName).text(a.extension).text(a.remarks)
        .text(a.handledBy).text(a.enteredDate).blob(a.bytes).insert();
}
