#include "platform/SoundPath.h"
#include "platform/SoundPlayer.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(SoundPath, TheGamesBackslashPathsNameFilesInTheWorkingDirectory)
{
    EXPECT_EQ(soundPathOnDisk(".\\resources\\gulp.wav"), "resources/gulp.wav");
    EXPECT_EQ(soundPathOnDisk(".\\resources\\boo.wav"), "resources/boo.wav");
    EXPECT_EQ(soundPathOnDisk("resources/x.wav"), "resources/x.wav");
    EXPECT_EQ(soundPathOnDisk("/tmp/a.wav"), "/tmp/a.wav");
}

// The tests run with SDL's silent "dummy" audio device.
TEST(SoundPlayer, PlaysTheGamesSoundsAndStaysSilentForBadFiles)
{
    SoundPlayer player;
    EXPECT_FALSE(player.hasDevice()); // nothing is opened before it is needed
    player.preload(FISHTANK_SOURCE_DIR "/resources/gulp.wav");
    EXPECT_TRUE(player.hasDevice());
    player.play(FISHTANK_SOURCE_DIR "/resources/gulp.wav");
    player.play(FISHTANK_SOURCE_DIR "/resources/boo.wav");
    player.play(FISHTANK_SOURCE_DIR "/resources/gulp.wav"); // cuts off boo, read once

    player.play("no/such/file.wav");
    const std::string notWav = testing::TempDir() + "not_a_sound.wav";
    std::ofstream(notWav) << "this is not a sound";
    player.play(notWav);
    player.play(notWav);
    EXPECT_TRUE(player.hasDevice());
}
