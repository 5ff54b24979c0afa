#include "game/TankCheck.h"

#include "scene/FishVisuals.h"

#include <OgreBillboardSet.h>

#include <cstring>

namespace
{
// FNV-1a, 64 bits: the same bytes give the same hash on every machine.
class Hash
{
public:
    void add(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            value = (value ^ bytes[i]) * 0x100000001b3ull;
    }
    void add(const Rect& rect)
    {
        const float sides[] = {rect.x, rect.y, rect.width, rect.height};
        add(sides, sizeof sides);
    }
    std::uint64_t value = 0xcbf29ce484222325ull;
};
} // namespace

ReplayCheck tankCheck(const Fish& player, const std::vector<Fish>& fishes)
{
    Hash hash;
    hash.add(fishRect(player));
    for (const Fish& fish : fishes)
    {
        const std::string kind = fish.leftSet != nullptr ? fish.leftSet->getMaterialName() : "";
        hash.add(kind.data(), kind.size());
        hash.add(fishRect(fish));
    }
    ReplayCheck check;
    check.hash = hash.value;
    check.score = player.score;
    check.meals = player.eatenCount;
    check.fishCount = int(fishes.size());
    return check;
}
