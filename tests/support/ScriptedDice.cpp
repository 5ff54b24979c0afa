#include "support/ScriptedDice.h"

int ScriptedDice::roll()
{
    ++rolls;
    if (draws.empty())
        return fallback;
    const int draw = draws.front();
    draws.pop_front();
    return draw;
}

int SteadyDice::roll()
{
    state = state * 1103515245u + 12345u;
    return int((state >> 1) & 0x7FFFFFFF);
}
