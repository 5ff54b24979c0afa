#include "platform/TextWrap.h"
#include "platform/ErrorBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace
{
size_t longestLine(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    size_t longest = 0;
    while (std::getline(lines, line))
        longest = std::max(longest, line.size());
    return longest;
}

std::string withoutSpacing(std::string text)
{
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }),
        text.end());
    return text;
}
} // namespace

TEST(TextWrap, LinesBreakAtSpacesAndNothingIsLost)
{
    const std::string text = "OGRE EXCEPTION(6:FileNotFoundException): Cannot locate resource "
                             "OceanBackground.png in resource group General. in "
                             "ResourceGroupManager::openResource at OgreResourceGroupManager.cpp "
                             "(line 686)";
    const std::string wrapped = wrapText(text, 40);
    EXPECT_LE(longestLine(wrapped), 40u);
    EXPECT_EQ(withoutSpacing(wrapped), withoutSpacing(text));
    EXPECT_EQ(wrapped.substr(0, 40).find('\n'), std::string::npos) << "lines are filled";
    EXPECT_EQ(wrapText("short", 80), "short");
    // The error box shows its text so: lines that fit any screen.
    const std::string boxed = errorBoxMessage(text + " " + text);
    EXPECT_LE(longestLine(boxed), 80u);
    EXPECT_EQ(withoutSpacing(boxed), withoutSpacing(text + " " + text));
}

TEST(TextWrap, ALongPathBreaksAfterASlash)
{
    const std::string path = "/home/player/.local/share/fishtank/resources/materials/"
                             "a_very_long_name_for_a_material_script.material";
    const std::string wrapped = wrapText("The folder " + path + " is missing", 40);
    EXPECT_LE(longestLine(wrapped), 40u);
    EXPECT_EQ(withoutSpacing(wrapped), withoutSpacing("The folder " + path + " is missing"));
    EXPECT_NE(wrapped.find("/\n"), std::string::npos) << wrapped;
    // With no slash in reach, a word is cut where it must be.
    const std::string word(95, 'x');
    EXPECT_EQ(wrapText(word, 40),
              std::string(40, 'x') + "\n" + std::string(40, 'x') + "\n" + std::string(15, 'x'));
}

TEST(TextWrap, LineBreaksInTheTextStay)
{
    EXPECT_EQ(wrapText("first line\n\nthird line", 80), "first line\n\nthird line");
    EXPECT_EQ(wrapText("one two three", 7), "one two\nthree");
}
