#pragma once

// The game's source of chance: the spawner reseeds it from the calendar clock and
// draws from it, and the hook draws its timings and places from the same sequence.
class Dice
{
public:
    virtual ~Dice() = default;
    // Seeds the sequence from the current calendar time in whole seconds.
    virtual void reseedFromClock() = 0;
    // The next draw, never negative.
    virtual int roll() = 0;
};

// The C library's generator, seeded from time(): two spawns in one second look alike.
class SystemDice : public Dice
{
public:
    void reseedFromClock() override;
    int roll() override;
};
