#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Sound tests never need a real audio device.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
