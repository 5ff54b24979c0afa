#include "scene/TankView.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(TankView, TheWholeTankIsInViewAtAnyShapeAndAsLargeAsTheWindowAllows)
{
    // Window shapes from a tall phone-like one to a wide cinema one.
    for (const float aspect : {0.5f, 1.0f, 1.25f, 4.0f / 3.0f, 2.0f, 2.37f, 3.5f})
    {
        const float fov = tankFieldOfView(aspect, 500, 400, 500).valueRadians();
        const float seenHigh = 2 * 500 * std::tan(fov / 2);
        const float seenWide = seenHigh * aspect;
        EXPECT_GE(seenWide, 500 - 1e-3f) << aspect;
        EXPECT_GE(seenHigh, 400 - 1e-3f) << aspect;
        // The game's own 45 degrees where the tank fits in it, else just wide enough.
        if (aspect >= 500 / 414.2136f)
            EXPECT_NEAR(fov, Ogre::Degree(45).valueRadians(), 1e-5f) << aspect;
        else
            EXPECT_NEAR(seenWide, 500, 1e-2f) << aspect;
    }
}
