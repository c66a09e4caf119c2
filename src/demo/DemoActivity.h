#pragma once

#include "demo/DemoDeck.h"
#include "demo/DemoRandom.h"
#include "demo/DemoRecords.h"

#include <QDate>

#include <span>
#include <string_view>
#include <vector>

// Makes the borrowings and reminders of an archive group, dated around today
// so that the overview of due returns and reminders has something to show:
// borrowings returned, out and due later, due within a week, overdue and out
// without a due date; reminders past, today, within a week and later.
class ActivityMaker {
public:
    ActivityMaker(std::span<const std::string_view> operators, QDate today, uint64_t seed);

    std::vector<DemoLoan> loansOf(int64_t groupKey);
    std::vector<DemoReminder> remindersOf(int64_t groupKey);

private:
    enum class LoanState { Returned, OutDueLater, DueWithinAWeek, Overdue, OutWithoutDueDate };
    enum class ReminderDay { Past, Today, WithinAWeek, Later };

    DemoLoan loan(int64_t groupKey, LoanState state);
    DemoReminder reminder(int64_t groupKey, ReminderDay when);
    QDate daysFromToday(int low, int high);

    DemoRandom m_random;
    std::span<const std::string_view> m_operators;
    QDate m_today;
    DemoDeck<LoanState> m_loanStates;
    DemoDeck<ReminderDay> m_reminderDays;
};
