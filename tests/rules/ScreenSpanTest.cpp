#include "rules/ScreenSpan.h"

#include <gtest/gtest.h>

TEST(ColumnsBetween, MapsTheTanksEdgesToTheNearestColumnEdges)
{
    // -1 is the picture's left edge and +1 its right one.
    PixelSpan whole = columnsBetween(-1.0f, 1.0f, 1920);
    EXPECT_EQ(whole.first, 0);
    EXPECT_EQ(whole.end, 1920);

    // The tank at 1920x1080: about 0.68 of the width, centred. 0.3207 of the half width
    // left of the middle lands at column 652.1 -> 652; right, 1267.9 -> 1268.
    PixelSpan tank = columnsBetween(-0.3207f, 0.3207f, 1920);
    EXPECT_EQ(tank.first, 652);
    EXPECT_EQ(tank.end, 1268);
}

TEST(ColumnsBetween, StaysInsideThePictureAndIsEmptyWhenTheEdgesCross)
{
    // A window narrower than the tank: both panels are out of sight, nothing is cut.
    PixelSpan narrow = columnsBetween(-1.7f, 1.4f, 640);
    EXPECT_EQ(narrow.first, 0);
    EXPECT_EQ(narrow.end, 640);

    // Only the right panel in sight.
    PixelSpan right = columnsBetween(-3.0f, 0.5f, 800);
    EXPECT_EQ(right.first, 0);
    EXPECT_EQ(right.end, 600);

    // Edges the wrong way round, or the whole tank off to one side: no column at all.
    PixelSpan crossed = columnsBetween(0.5f, -0.5f, 800);
    EXPECT_EQ(crossed.end - crossed.first, 0);
    PixelSpan offRight = columnsBetween(1.2f, 2.0f, 800);
    EXPECT_EQ(offRight.first, 800);
    EXPECT_EQ(offRight.end, 800);
}
