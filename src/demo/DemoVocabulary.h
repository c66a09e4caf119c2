#pragma once

#include <span>
#include <string_view>

// The words the demo data is made of, as UTF-8 text. The coded lists hold the
// first six; the others fill archive names, remarks and record texts.
namespace DemoVocabulary {

std::span<const std::string_view> departments();     // coded list gddept
std::span<const std::string_view> people();          // coded list empname
std::span<const std::string_view> securityLevels();  // coded list bmjibie, most secret first
std::span<const int> securityLevelWeights();         // how often each level is given
std::span<const std::string_view> storagePlaces();   // coded list cfaddress
std::span<const std::string_view> reminderTimes();   // coded list awoketime
std::span<const std::string_view> reminderSubjects();// coded list txcaption

std::span<const std::string_view> topics();          // what a document is about
std::span<const std::string_view> buildings();       // construction projects
std::span<const std::string_view> customers();       // contract partners
std::span<const std::string_view> archiveRemarks();  // sentences of an archive's remarks
std::span<const std::string_view> loanRemarks();     // remarks of a borrowing
std::span<const std::string_view> reminderDetails(); // details of a reminder

}
