#include "demo/DemoActivity.h"

#include "demo/DemoText.h"
#include "demo/DemoVocabulary.h"

#include <algorithm>

namespace {

constexpr int kLoansPerGroupWeights[] = {70, 20, 7, 3}; // 0 to 3 borrowings
constexpr int kRemindersPercent = 10;
constexpr int kApprovedLoansPercent = 70;

}

ActivityMaker::ActivityMaker(std::span<const std::string_view> operators, QDate today, uint64_t seed)
    : m_random(seed, 2),
      m_operators(operators),
      m_today(today),
      m_loanStates({{LoanState::Returned, 9}, {LoanState::OutDueLater, 3}, {LoanState::DueWithinAWeek, 3},
                    {LoanState::Overdue, 3}, {LoanState::OutWithoutDueDate, 2}}),
      m_reminderDays({{ReminderDay::Past, 3}, {ReminderDay::Today, 1}, {ReminderDay::WithinAWeek, 3},
                      {ReminderDay::Later, 3}})
{
}

std::vector<DemoLoan> ActivityMaker::loansOf(int64_t groupKey)
{
    std::vector<DemoLoan> loans(m_random.weighted(kLoansPerGroupWeights));
    for (DemoLoan& l : loans)
        l = loan(groupKey, m_loanStates.draw(m_random));
    return loans;
}

std::vector<DemoReminder> ActivityMaker::remindersOf(int64_t groupKey)
{
    std::vector<DemoReminder> reminders;
    if (m_random.percent(kRemindersPercent))
        reminders.push_back(reminder(groupKey, m_reminderDays.draw(m_random)));
    return reminders;
}

QDate ActivityMaker::daysFromToday(int low, int high)
{
    return m_today.addDays(m_random.between(low, high));
}

DemoLoan ActivityMaker::loan(int64_t groupKey, LoanState state)
{
    QDate borrowed, due, returned;
    switch (state) {
    case LoanState::Returned:
        borrowed = daysFromToday(-1000, -10);
        due = borrowed.addDays(m_random.between(7, 60));
        returned = std::min(m_today, borrowed.addDays(m_random.between(1, 75)));
        break;
    case LoanState::OutDueLater:
        borrowed = daysFromToday(-30, 0);
        due = daysFromToday(8, 60);
        break;
    case LoanState::DueWithinAWeek:
        due = daysFromToday(0, 7);
        borrowed = due.addDays(-m_random.between(7, 30));
        break;
    case LoanState::Overdue:
        due = daysFromToday(-90, -1);
        borrowed = due.addDays(-m_random.between(7, 30));
        break;
    case LoanState::OutWithoutDueDate:
        borrowed = daysFromToday(-200, 0);
        break;
    }
    DemoLoan loan;
    loan.groupKey = groupKey;
    loan.borrowedDate = DemoText::date(borrowed);
    loan.department = m_random.pick(DemoVocabulary::departments());
    loan.borrower = m_random.pick(DemoVocabulary::people());
    loan.dueDate = due.isValid() ? DemoText::date(due) : DemoText::kNoDate;
    loan.returnedDate = returned.isValid() ? DemoText::date(returned) : DemoText::kNoDate;
    loan.remarks = m_random.pick(DemoVocabulary::loanRemarks());
    const bool approved = m_random.percent(kApprovedLoansPercent);
    loan.approvedBy = approved ? std::string(m_random.pick(m_operators)) : std::string();
    loan.approvedDate = approved ? loan.borrowedDate : DemoText::kNoDate;
    loan.enteredDate = loan.borrowedDate;
    return loan;
}

DemoReminder ActivityMaker::reminder(int64_t groupKey, ReminderDay when)
{
    QDate day;
    switch (when) {
    case ReminderDay::Past: day = daysFromToday(-30, -1); break;
    case ReminderDay::Today: day = m_today; break;
    case ReminderDay::WithinAWeek: day = daysFromToday(1, 7); break;
    case ReminderDay::Later: day = daysFromToday(8, 60); break;
    }
    DemoReminder reminder;
    reminder.groupKey = groupKey;
    reminder.remindDate = DemoText::date(day);
    reminder.timeOfDay = m_random.pick(DemoVocabulary::reminderTimes());
    reminder.subject = m_random.pick(DemoVocabulary::reminderSubjects());
    reminder.details = m_random.pick(DemoVocabulary::reminderDetails());
    reminder.enteredBy = m_random.pick(m_operators);
    const QDate entered = std::min(day, m_today).addDays(-m_random.between(0, 20));
    reminder.enteredAt = DemoText::dateTime(entered, m_random.between(8 * 3600, 18 * 3600));
    return reminder;
}
