#include "rules/StickPush.h"

#include <gtest/gtest.h>

TEST(StickPush, NothingInsideTheRoundDeadZoneThenEvenlyToFullSpeedAtTheRim)
{
    struct Case
    {
        float x, y, pushX, pushY;
    };
    const Case cases[] = {
        {0, 0, 0, 0},   {0.25f, 0, 0, 0}, {0.2f, 0.15f, 0, 0},      {0.625f, 0, 0.5f, 0},
        {0, -1, 0, -1}, {1, 0, 1, 0},     {0.6f, 0.8f, 0.6f, 0.8f}, {1, 1, 0.7071f, 0.7071f}};
    for (const Case& c : cases)
    {
        const StickPush push = stickPush(c.x, c.y);
        EXPECT_NEAR(push.x, c.pushX, 1e-4f) << c.x << ", " << c.y;
        EXPECT_NEAR(push.y, c.pushY, 1e-4f) << c.x << ", " << c.y;
    }
}
