#include "app/GamePictures.h"

#include <gtest/gtest.h>

#include <OgreColourValue.h>
#include <OgrePixelFormat.h>

namespace
{
Ogre::ColourValue colourAt(const Ogre::Image& image, size_t x, size_t y, size_t level)
{
    return image.getPixelBox(0, level).getColourAt(x, y, 0);
}

void expectNear(const Ogre::ColourValue& actual, const Ogre::ColourValue& expected)
{
    const float tolerance = 1.5f / 255;
    EXPECT_NEAR(actual.r, expected.r, tolerance);
    EXPECT_NEAR(actual.g, expected.g, tolerance);
    EXPECT_NEAR(actual.b, expected.b, tolerance);
    EXPECT_NEAR(actual.a, expected.a, tolerance);
}
} // namespace

TEST(GamePictures, EachLevelHalvesTheOneBeforeByAveragingDownToOnePixel)
{
    // 4x2: a red and a see-through blue 2x2 block.
    Ogre::Image picture(Ogre::PF_BYTE_RGBA, 4, 2);
    const Ogre::ColourValue red(1, 0, 0, 1), clearBlue(0, 0, 1, 0);
    for (size_t y = 0; y < 2; ++y)
        for (size_t x = 0; x < 4; ++x)
            picture.setColourAt(x < 2 ? red : clearBlue, x, y, 0);

    const Ogre::Image chain = withMipmaps(picture);
    ASSERT_EQ(chain.getNumMipmaps(), 2u);
    EXPECT_EQ(chain.getFormat(), picture.getFormat());
    EXPECT_EQ(chain.getWidth(), 4u);
    EXPECT_EQ(chain.getPixelBox(0, 1).getWidth(), 2u);
    EXPECT_EQ(chain.getPixelBox(0, 1).getHeight(), 1u);
    EXPECT_EQ(chain.getPixelBox(0, 2).getWidth(), 1u);

    expectNear(colourAt(chain, 3, 1, 0), clearBlue);
    expectNear(colourAt(chain, 0, 0, 1), red);
    expectNear(colourAt(chain, 1, 0, 1), clearBlue);
    expectNear(colourAt(chain, 0, 0, 2), Ogre::ColourValue(0.5f, 0, 0.5f, 0.5f));
}

TEST(GamePictures, AnOddOrOnePixelPictureStillEndsAtOnePixel)
{
    Ogre::Image tall(Ogre::PF_BYTE_RGBA, 3, 10);
    tall.setTo(Ogre::ColourValue(0.2f, 0.4f, 0.6f, 1));
    const Ogre::Image chain = withMipmaps(tall);
    EXPECT_EQ(chain.getNumMipmaps(), 3u); // 10 -> 5 -> 2 -> 1
    EXPECT_EQ(chain.getPixelBox(0, 3).getHeight(), 1u);
    expectNear(colourAt(chain, 0, 0, 3), Ogre::ColourValue(0.2f, 0.4f, 0.6f, 1));

    Ogre::Image dot(Ogre::PF_BYTE_RGBA, 1, 1);
    dot.setTo(Ogre::ColourValue::White);
    EXPECT_EQ(withMipmaps(dot).getNumMipmaps(), 0u);
}
