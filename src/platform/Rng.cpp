#include "platform/Rng.h"

#include <QRandomGenerator>

namespace {

class SystemRng : public Rng
{
public:
    int random(int range) override
    {
        return range <= 0 ? 0 : QRandomGenerator::global()->bounded(range);
    }
    // The global generator is seeded from the system's entropy source and needs no new seed.
    void randomize() override {}
};

Rng *installed = nullptr;

} // namespace

Rng *Rng::instance()
{
    static SystemRng systemRng;
    return installed ? installed : &systemRng;
}

void Rng::setInstance(Rng *r)
{
    installed = r;
}
