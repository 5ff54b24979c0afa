#include "platform/Dice.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

void SystemDice::reseedFromClock()
{
    std::srand(static_cast<unsigned>(static_cast<std::uint64_t>(std::time(nullptr)) & 0xFFFFFFFFu));
}

int SystemDice::roll()
{
    return std::rand();
}
