#pragma once

// Random numbers; tests install a scripted source.
class Rng
{
public:
    virtual ~Rng() = default;
    // A number in 0 .. range-1 (0 when range <= 0).
    virtual int random(int range) = 0;
    // Reseeds the generator (the link menu does so before it draws its number).
    virtual void randomize() = 0;

    static Rng *instance();
    static void setInstance(Rng *r);
};
