#include "rules/WindowFit.h"

#include <gtest/gtest.h>

TEST(WindowFit, AWindowThatFitsStaysAndOneThatDoesNotShrinksKeepingItsShape)
{
    struct Case
    {
        PixelSize asked, usable, made;
    };
    const Case cases[] = {
        {{1024, 768}, {1264, 976}, {1024, 768}},  // fits
        {{1024, 768}, {784, 552}, {736, 552}},    // an 800x600 screen: the height decides
        {{1024, 768}, {1350, 720}, {960, 720}},   // a 1366x768 laptop
        {{1280, 1024}, {1264, 976}, {1220, 976}}, // the dialog's screen-sized offer
        {{2000, 500}, {1000, 900}, {1000, 250}},  // the width decides
        {{1024, 768}, {0, 0}, {1, 1}},
    };
    for (const Case& c : cases)
    {
        const PixelSize made = fittedWindow(c.asked, c.usable);
        EXPECT_EQ(made.width, c.made.width) << c.usable.width << "x" << c.usable.height;
        EXPECT_EQ(made.height, c.made.height) << c.usable.width << "x" << c.usable.height;
    }
}
