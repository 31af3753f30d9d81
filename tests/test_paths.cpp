// Bounded path text and the Shift-JIS backslash question.
#include <gtest/gtest.h>

#include "state/PathText.h"

TEST(PathText, RefusesTextThatDoesNotFitAndLeavesTheBufferAlone)
{
    char buffer[8] = "keep";
    EXPECT_FALSE(PathText::copy(buffer, sizeof buffer, "12345678"));
    EXPECT_STREQ(buffer, "keep");
    EXPECT_TRUE(PathText::copy(buffer, sizeof buffer, "1234567"));
    EXPECT_STREQ(buffer, "1234567");

    char joined[8] = "abc";
    EXPECT_FALSE(PathText::append(joined, sizeof joined, "defgh"));
    EXPECT_STREQ(joined, "abc");
    EXPECT_TRUE(PathText::append(joined, sizeof joined, "defg"));
    EXPECT_STREQ(joined, "abcdefg");

    EXPECT_FALSE(PathText::concat(buffer, sizeof buffer, "abc", "def", "gh"));
    EXPECT_STREQ(buffer, "1234567");
    EXPECT_TRUE(PathText::concat(buffer, sizeof buffer, "abc", "def", "g"));
    EXPECT_STREQ(buffer, "abcdefg");
}

TEST(PathText, ADoubleByteCharacterEndingIn0x5CIsNoBackslash)
{
    // "ソ" is 83 5C, "表" 95 5C, "能" 94 5C in Shift-JIS.
    ASSERT_EQ(std::string("ソ"), std::string("\x83\x5C"));
    EXPECT_FALSE(PathText::endsWithBackslash("C:\\ゲーム\\ソ"));
    EXPECT_FALSE(PathText::endsWithBackslash("D:\\表"));
    EXPECT_FALSE(PathText::endsWithBackslash("D:\\機能"));
    EXPECT_TRUE(PathText::endsWithBackslash("D:\\"));
    EXPECT_TRUE(PathText::endsWithBackslash("D:\\ソ\\"));
    EXPECT_FALSE(PathText::endsWithBackslash(""));

    EXPECT_TRUE(PathText::endsWithDoubledBackslash("Q:\\\\"));
    EXPECT_FALSE(PathText::endsWithDoubledBackslash("C:\\ソ\\"));
    EXPECT_FALSE(PathText::endsWithDoubledBackslash("\\"));
    EXPECT_TRUE(PathText::endsWithDoubledBackslash("C:\\ソ\\\\"));

    // A file in a folder gets one backslash before its name, never two.
    char path[12] = "keep";
    EXPECT_TRUE(PathText::join(path, sizeof path, "C:\\ソ", "A.DAT"));
    EXPECT_STREQ(path, "C:\\ソ\\A.DAT");
    EXPECT_TRUE(PathText::join(path, sizeof path, "C:\\ソ\\", "A.DAT"));
    EXPECT_STREQ(path, "C:\\ソ\\A.DAT");
    EXPECT_FALSE(PathText::join(path, sizeof path, "C:\\ソ", "AB.DAT"));
}

TEST(PathText, DriveAbsolutePathsNeedLetterColonAndBackslash)
{
    EXPECT_TRUE(PathText::isDriveAbsolute("C:\\Velnora\\"));
    EXPECT_TRUE(PathText::isDriveAbsolute("d:\\"));
    EXPECT_FALSE(PathText::isDriveAbsolute(""));
    EXPECT_FALSE(PathText::isDriveAbsolute("Velnora\\"));
    EXPECT_FALSE(PathText::isDriveAbsolute("C:Velnora"));
    EXPECT_FALSE(PathText::isDriveAbsolute("\\\\server\\share\\"));
}
