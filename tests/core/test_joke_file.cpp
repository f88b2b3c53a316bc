#include "feedback/JokeFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

std::string Repeat(std::string_view piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

struct Case {
    const char* name;
    std::string bytes;
    Lines lines;
};

const std::string k57(57, 'a');
const std::string k58(58, 'b');

const Case kCases[] = {
    { "TwoCrLfLinesGiveThree", "Was ist gelb?\r\nEine Banane.\r\n",
        { "Was ist gelb?", "Eine Banane.", "" } },
    { "NoFinalLineEnd", "eins\r\nzwei", { "eins", "zwei" } },
    { "EmptyFile", "", { "" } },
    { "BareLineFeedsLikeCrLf", "eins\nzwei\n", { "eins", "zwei", "" } },
    { "EmptyLinesKept", "a\r\n\r\nb", { "a", "", "b" } },
    { "Exactly58FollowedByEmpty", k58 + "\r\nnext", { k58, "", "next" } },
    { "Exactly58AtTheEnd", k58, { k58, "" } },
    { "FiftySevenFitsOneLine", k57 + "\r\nnext", { k57, "next" } },
    { "LongLineSplitAfter58", k58 + k58 + "xyz\r\n", { k58, k58, "xyz", "" } },
    { "MultiByteNotCut", k57 + "üü\r\n", { k57 + "ü", "ü", "" } },
    { "CountsCharactersNotBytes", Repeat("ö", 58) + "\n", { Repeat("ö", 58), "", "" } },
    { "Windows1252Decoded", "Sch\xF6n!\r\n", { "Schön!", "" } },
    { "Windows1252LongLine", std::string(60, '\xE4'), { Repeat("ä", 58), "ää" } },
    { "StrayCarriageReturnEndsText", "ab\rcd\r\nx", { "ab", "x" } },
    { "NulEndsText", "ab\0cd\r\nx"s, { "ab", "x" } },
    { "Utf8ByteOrderMarkDropped", "\xEF\xBB\xBFWitz", { "Witz" } },
};

class JokeParse : public ::testing::TestWithParam<Case> { };

TEST_P(JokeParse, DisplayLines)
{
    EXPECT_EQ(ParseJokeLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, JokeParse, ::testing::ValuesIn(kCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JokeFile, HugeFilesAreBounded)
{
    EXPECT_EQ(ParseJokeLines(std::string(50000, '\n')).size(), kJokeMaxLines);
    EXPECT_EQ(ParseJokeLines(std::string(200000, 'x')).size(), kJokeMaxLines);
}

TEST(JokeFile, ReadsFromDisk)
{
    TempDir dir;
    Lines lines;
    ASSERT_TRUE(ReadJokeFile(dir.Write("witz1.txt", "Hallo\r\nWelt\r\n"), lines));
    EXPECT_EQ(lines, (Lines { "Hallo", "Welt", "" }));
}

TEST(JokeFile, UnopenableFileGivesNoLines)
{
    TempDir dir;
    Lines lines { "alt" };
    EXPECT_FALSE(ReadJokeFile(dir.Path() / "witz9.txt", lines));
    EXPECT_TRUE(lines.empty());
    std::filesystem::create_directory(dir.Path() / "witz2.txt");
    EXPECT_FALSE(ReadJokeFile(dir.Path() / "witz2.txt", lines));
    EXPECT_TRUE(lines.empty());
}

TEST(JokeFile, FileNamePattern)
{
    EXPECT_EQ(JokeFileName(1), "witz1.txt");
    EXPECT_EQ(JokeFileName(12), "witz12.txt");
}

} // namespace
