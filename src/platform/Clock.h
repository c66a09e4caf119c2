#pragma once

#include "platform/Seam.h"

#include <QDate>
#include <QDateTime>

// Every "today" and "now" of the program, including date() inside statements.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock standing still at a given moment (tests, --today of the tools).
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime moment) : m_moment(std::move(moment)) {}
    QDateTime now() const override { return m_moment; }
    void set(const QDateTime& moment) { m_moment = moment; }

private:
    QDateTime m_moment;
};

using ClockSeam = Seam<Clock, SystemClock>;

inline QDate clockToday() { return ClockSeam::get().today(); }
inline QDateTime clockNow() { return ClockSeam::get().now(); }
