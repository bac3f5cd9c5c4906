#pragma once

#include "platform/Clock.h"

// A clock standing at a given moment until moved.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime &at = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)))
        : time(at), m_previous(Clock::instance())
    {
        Clock::setInstance(this);
    }
    ~FixedClock() override { Clock::setInstance(m_previous); }

    QDateTime now() const override { return time; }

    QDateTime time;

private:
    Clock *m_previous;
};
