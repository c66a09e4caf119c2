#pragma once

#include "demo/DemoText.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <string>

// The rows the demo writes, as UTF-8 texts in their stored forms.

struct DemoArchive {                    // t_Files
    int64_t groupKey = 0;               // F_mainID
    bool startsGroup = true;            // false for the second archive of a shared key
    int year = 0;                       // the year its code and filing date belong to
    std::string classPath;              // F_DAtype
    std::string code;
    std::string name;
    std::string filedDate;              // F_GDdate, "1900-08-14" when none
    int copies = 1;                     // F_DAnum
    int lent = 0;                       // F_JCnum
    std::string documentPath;           // F_DZpath
    std::string documentSize;           // F_DZdx
    std::string securityLevel;
    std::string storagePlace;
    std::string department;             // F_GDdept
    std::string filedBy;                // F_GDemp
    std::string remarks;                // F_memo1
    std::array<std::string, 5> texts;   // F_ZF1..F_ZF5
    std::array<double, 3> numbers{};    // F_SZ1..F_SZ3
    std::array<std::string, 3> dates;   // F_RQ1..F_RQ3
    std::string enteredDate;            // F_editDate
    std::string approvedBy;             // F_SHemp
};

struct DemoLoan {                       // t_JYrec
    int64_t groupKey = 0;
    std::string borrowedDate;           // F_JYdate
    std::string department;             // F_JYdept
    std::string borrower;               // F_JYemp
    std::string dueDate;                // F_GHqiXian, "1900-08-14" when none
    std::string returnedDate;           // F_GHdate, "1900-08-14" while outstanding
    std::string remarks;
    std::string approvedBy;             // F_PZemp
    std::string approvedDate;           // F_PZdate
    std::string enteredDate;            // F_editDate
    bool outstanding() const { return returnedDate == DemoText::kNoDate; }
};

struct DemoReminder {                   // t_TXrec
    int64_t groupKey = 0;
    std::string remindDate;             // F_awokeDate
    std::string timeOfDay;              // F_awokeTime
    std::string subject;                // F_caption
    std::string details;                // F_memo1
    std::string enteredAt;              // F_editDate, "yyyy-MM-dd hh:mm:ss"
    std::string enteredBy;              // F_operName
};

struct DemoImage {                      // t_TPrec
    int64_t groupKey = 0;
    std::string name;                   // F_FileName, without extension
    std::string extension;              // F_FileExt, with its dot
    QByteArray bytes;                   // F_HTimage
};

struct DemoAttachment {                 // t_FJrec
    int64_t groupKey = 0;
    std::string origin;                 // F_filePos
    std::string fileName;               // with its extension
    std::string extension;              // with its dot
    std::string remarks;
    std::string handledBy;              // F_empName
    std::string enteredDate;            // F_editDate
    QByteArray bytes;                   // F_fileOLE
};
