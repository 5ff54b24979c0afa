#include "platform/DrawingChoices.h"

#include <gtest/gtest.h>

#include <vector>

using Kept = std::vector<std::size_t>;

TEST(WindowConfigChoice, KeepsOnlyConfigsWithNeitherDepthNorStencilInTheDriversOrder)
{
    // A stencil buffer alone still counts as one.
    const std::vector<WindowConfigDepth> offered = {{24, 8}, {0, 0}, {0, 8}, {16, 0}, {0, 0}};
    EXPECT_EQ(windowConfigsToKeep(offered, false), (Kept{1, 4}));
}

TEST(WindowConfigChoice, KeepsEveryConfigWhenNoneIsWithoutDepthOrDepthIsAllowed)
{
    // A driver that offers only depth buffers still gives a window.
    EXPECT_EQ(windowConfigsToKeep({{24, 8}, {16, 0}, {0, 8}}, false), (Kept{0, 1, 2}));
    EXPECT_EQ(windowConfigsToKeep({{24, 8}, {0, 0}}, true), (Kept{0, 1}));
    EXPECT_EQ(windowConfigsToKeep({}, false), Kept{});
}
