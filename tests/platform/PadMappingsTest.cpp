#include "platform/PadMappings.h"

#include <gtest/gtest.h>

namespace
{
const std::string kPad = "03000000de280000ff11000001000000";
const std::string kLine = kPad + ",Homemade Pad,a:b0,start:b7,leftx:a0,lefty:a1,platform:Linux,";
} // namespace

TEST(PadMappings, KeepsThisSystemsLinesAndCountsAndNamesTheRest)
{
    struct Case
    {
        std::string text;
        std::size_t kept;
        std::string firstNote; // how the first note starts
    };
    const Case cases[] = {
        {"", 0, ""},
        {"# my pads\n\n" + kLine + "\r\n", 1, "db.txt: 1 pad mappings"},
        {kPad + ",Windows Pad,a:b0,platform:Windows,\n", 0, ""}, // another system's: quiet
        {kPad + ",No Platform Pad,a:b0\n", 1, "db.txt: 1 pad"},
        {"not a mapping line\n" + kLine, 1, "db.txt, line 1 skipped: it does not start with"},
        {kPad + ",,a:b0\n", 0, "db.txt, line 1 skipped: it names no pad"},
        {kPad + ",Pad,platform:Linux\n", 0, "db.txt, line 1 skipped: it binds no button"},
        {kPad + ",Pad,a-b0\n", 0, "db.txt, line 1 skipped: 'a-b0' is not a binding"},
        {kPad + ",Pad,a:b0," + std::string(5000, 'x') + "\n", 0,
         "db.txt, line 1 skipped: longer than 1024 characters: " + kPad},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text.substr(0, 80));
        const PadMappings read = readPadMappings(c.text, "db.txt");
        EXPECT_EQ(read.byGuid.size(), c.kept);
        if (c.firstNote.empty())
            EXPECT_TRUE(read.notes.empty()) << read.notes[0];
        else
            EXPECT_EQ(read.notes.at(0).rfind(c.firstNote, 0), 0u) << read.notes[0];
    }

    // Thousands of bad lines: the first three named, cut short, and all counted.
    std::string garbage;
    for (int i = 0; i < 2000; ++i)
        garbage += std::string(200, char('a' + i % 26)) + "\n";
    const PadMappings flood = readPadMappings(garbage + kLine + "\n", "db.txt");
    ASSERT_EQ(flood.notes.size(), 5u);
    EXPECT_EQ(flood.notes[2], "db.txt, line 3 skipped: it does not start with a pad's GUID (32 "
                              "hex digits): " +
                                  std::string(60, 'c') + "...");
    EXPECT_EQ(flood.notes[3], "db.txt: 2000 lines skipped in all (the first 3 are named above)");
    EXPECT_EQ(flood.byGuid.size(), 1u);
}

TEST(PadMappings, APadFindsTheLineWrittenForItWithOrWithoutItsChecksumAndVersion)
{
    const std::string later = kPad + ",Later Pad,a:b1,";
    const PadMappings read = readPadMappings(kLine + "\n" + later + "\n", "db.txt");
    ASSERT_NE(findPadMapping(read, kPad), nullptr);
    EXPECT_EQ(*findPadMapping(read, kPad), later) << "the last line for a GUID counts";
    // The pad's own GUID carries a name checksum (digits 5-8) and a version (25-28).
    for (const char* own : {"0300abcdde280000ff11000001000000", "0300ABCDDE280000FF11000002000000"})
    {
        ASSERT_NE(findPadMapping(read, own), nullptr) << own;
        EXPECT_EQ(*findPadMapping(read, own), later) << own;
    }
    EXPECT_EQ(findPadMapping(read, "03000000de280000ff12000001000000"), nullptr) << "another pad";
    EXPECT_EQ(findPadMapping(read, "not a guid"), nullptr);
}
