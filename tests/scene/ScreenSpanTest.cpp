#include "scene/ScreenSpan.h"

#include <gtest/gtest.h>

namespace
{
void expectColumns(float leftNdc, float rightNdc, int width, int first, int end)
{
    SCOPED_TRACE(testing::Message() << leftNdc << " to " << rightNdc << " of " << width);
    const PixelSpan span = columnsBetween(leftNdc, rightNdc, width);
    EXPECT_EQ(span.first, first);
    EXPECT_EQ(span.end, end);
}
} // namespace

TEST(ColumnsBetween, MapsTheTanksEdgesToTheNearestColumnEdges)
{
    // -1 is the picture's left edge and +1 its right one.
    expectColumns(-1.0f, 1.0f, 1920, 0, 1920);
    // The tank at 1920x1080: about 0.68 of the width, centred. 0.3207 of the half width
    // left of the middle lands at column 652.1 -> 652; right, 1267.9 -> 1268.
    expectColumns(-0.3207f, 0.3207f, 1920, 652, 1268);
}

TEST(ColumnsBetween, StaysInsideThePictureAndIsEmptyWhenTheEdgesCross)
{
    // A window narrower than the tank: both panels are out of sight, nothing is cut.
    expectColumns(-1.7f, 1.4f, 640, 0, 640);
    // Only the right panel in sight.
    expectColumns(-3.0f, 0.5f, 800, 0, 600);
    // Edges the wrong way round, or the whole tank off to one side: no column at all.
    expectColumns(0.5f, -0.5f, 800, 600, 600);
    expectColumns(1.2f, 2.0f, 800, 800, 800);
}
