#include "rules/Settings.h"

#include <gtest/gtest.h>

TEST(Settings, ReadsEachKnownLineAndNamesEveryLineItCannotUse)
{
    struct Case
    {
        const char* text;
        bool soundOn, cuesShown, fullScreen;
        std::size_t problems;
        int pace = 100;
        std::size_t keyLines = 0;
        const char* name = "";
    };
    const Case cases[] = {
        {"", true, true, false, 0},
        {"sound = off\ncues=no\n  fullscreen =  yes  \n", false, false, true, 0},
        {"# kept\n\nsound = 0\r\ncues = true\r\n", false, true, false, 0},
        {"volume = 11\nsound\nsound = loud\ncues = off\n", true, false, false, 3},
        {"sound = off\nsound = on\n", true, true, false, 0}, // the last line counts
        {"marks = off\n", true, false, false, 0},
        {"cues = off\nmarks = on\n", true, true, false, 0}, // the old name still reads
        {"pace = 75\n", true, true, false, 0, 75},
        {"pace = 50 %\npace=100%", true, true, false, 0, 100},
        {"pace = 60\npace = 50\npace = fast\npace = 75%%", true, true, false, 3, 50},
        // Key lines are kept for the input layer, which knows the keys' names.
        {"key.pause = K\nkey.up = Up, W\nkey.nothing = 1\nkey = P", true, true, false, 1, 100, 3},
        {"name =  Ada  Lovelace \nname=", true, true, false, 0, 100, 0, ""},
        {"name = Ada = Countess\n", true, true, false, 0, 100, 0, "Ada = Countess"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        const SettingsRead read = parseSettings(c.text);
        EXPECT_EQ(read.settings.soundOn, c.soundOn);
        EXPECT_EQ(read.settings.cuesShown, c.cuesShown);
        EXPECT_EQ(read.settings.fullScreen, c.fullScreen);
        EXPECT_EQ(read.problems.size(), c.problems);
        EXPECT_EQ(read.settings.pacePercent, c.pace);
        EXPECT_EQ(read.settings.keys.size(), c.keyLines);
        EXPECT_EQ(read.settings.playerName, c.name);
    }
    EXPECT_EQ(parseSettings("volume = 11").problems[0], "line 1 \"volume = 11\": no such setting");

    // What is written reads back as it was.
    const GameSettings odd{false, true, true, false, 75, {{"up", "Up, W", ""}}, "Ada"};
    const SettingsRead again = parseSettings(settingsText(odd));
    EXPECT_TRUE(again.problems.empty());
    EXPECT_EQ(settingsText(again.settings), settingsText(odd));
    EXPECT_NE(settingsText(odd).find("\nkey.up = Up, W\n"), std::string::npos);
}
