#pragma once

#include "platform/Rng.h"

#include <QList>

// Gives the queued numbers in turn (reduced into the range asked for), then 0; records the ranges
// and counts the reseeds.
class ScriptedRng : public Rng
{
public:
    explicit ScriptedRng(const QList<int> &values = {})
        : values(values), m_previous(Rng::instance())
    {
        Rng::setInstance(this);
    }
    ~ScriptedRng() override { Rng::setInstance(m_previous); }

    int random(int range) override
    {
        ranges.append(range);
        if (range <= 0 || values.isEmpty())
            return 0;
        return values.takeFirst() % range;
    }

    void randomize() override { ++reseeds; }

    QList<int> values;
    QList<int> ranges;
    int reseeds = 0;

private:
    Rng *m_previous;
};
