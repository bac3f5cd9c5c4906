#pragma once

#include <QDateTime>

// The time of day; tests install a fixed clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    static Clock *instance();
    static void setInstance(Clock *c);
};
