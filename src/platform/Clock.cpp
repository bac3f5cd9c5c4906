#include "platform/Clock.h"

namespace {

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

Clock *installed = nullptr;

} // namespace

Clock *Clock::instance()
{
    static SystemClock systemClock;
    return installed ? installed : &systemClock;
}

void Clock::setInstance(Clock *c)
{
    installed = c;
}
