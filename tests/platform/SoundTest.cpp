#include "platform/SoundPath.h"
#include "platform/SoundPlayer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(SoundPath, TheGamesBackslashPathsNameFilesInTheWorkingDirectory)
{
    EXPECT_EQ(soundPathOnDisk(".\\resources\\gulp.wav"), "resources/gulp.wav");
    EXPECT_EQ(soundPathOnDisk(".\\resources\\boo.wav"), "resources/boo.wav");
    EXPECT_EQ(soundPathOnDisk("resources/x.wav"), "resources/x.wav");
    EXPECT_EQ(soundPathOnDisk("/tmp/a.wav"), "/tmp/a.wav");
}

// The tests run with SDL's silent "dummy" audio device.
TEST(SoundPlayer, PlaysTheGamesSoundsAndSaysWhyABadFileStaysSilent)
{
    SoundPlayer player;
    EXPECT_FALSE(player.hasDevice()); // nothing is opened before it is needed
    EXPECT_EQ(player.preload(FISHTANK_SOURCE_DIR "/resources/gulp.wav"), "");
    EXPECT_TRUE(player.hasDevice());
    player.play(FISHTANK_SOURCE_DIR "/resources/boo.wav");
    player.play(FISHTANK_SOURCE_DIR "/resources/gulp.wav"); // cuts off boo, read once

    const std::string notWav = testing::TempDir() + "not_a_sound.wav";
    std::ofstream(notWav) << "this is not a sound";
    // A valid header would not matter: a file this large is never read (nor its pages).
    const std::string huge = testing::TempDir() + "huge.wav";
    std::filesystem::resize_file((std::ofstream(huge), huge), 17u * 1024u * 1024u);
    const std::pair<std::string, std::string> silent[] = {
        {"no/such/file.wav", "No such file or directory"},
        {notWav, "cannot be read as a WAV sound"},
        {huge, "is larger than 16 MB"},
    };
    for (const auto& [file, why] : silent)
    {
        EXPECT_NE(player.preload(file).find(why), std::string::npos) << file;
        player.play(file);
    }
    std::filesystem::remove(huge);
}
