#include "engine/OwnExerciseFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Entries = std::vector<std::string>;

struct Case {
    const char* name;
    std::string bytes;
    Entries entries;
    int pairs;
    std::size_t greatestLength;
};

std::string Repeat(std::string_view piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const std::string k40 = std::string(40, 'x');

const Case kCases[] = {
    { "TwoLinesCrLf", "2 + 2 =\r\n4\r\n", { "2 + 2 =", "4", "" }, 1, 7 },
    { "TwoLinesWithoutFinalLineEnd", "2 + 2 =\r\n4", { "2 + 2 =", "4" }, 1, 7 },
    { "ThreeLinesLastAnswerEmpty", "1 + 1 =\r\n2\r\n3 + 3 =\r\n", { "1 + 1 =", "2", "3 + 3 =", "" },
        2, 7 },
    { "EmptyFile", "", { "" }, 0, 0 },
    { "SingleLineWithoutLineEnd", "nur eine Zeile", { "nur eine Zeile" }, 0, 14 },
    { "SingleLineCrLfGivesEmptyAnswer", "Frage\r\n", { "Frage", "" }, 1, 5 },
    { "MixedCaseKept", "Hauptstadt?\r\nBerlin\r\nberlin?\r\nBERLIN\r\n",
        { "Hauptstadt?", "Berlin", "berlin?", "BERLIN", "" }, 2, 11 },
    { "FortyBytesStayOneEntry", k40 + "\r\n40\r\nweiter\r\nja\r\n",
        { k40, "40", "weiter", "ja", "" }, 2, 40 },
    { "BareLineFeedsLikeCrLf", "2 + 2 =\n4\n", { "2 + 2 =", "4", "" }, 1, 7 },
    { "MixedLineEnds", "a\r\nb\nc\r\nd", { "a", "b", "c", "d" }, 2, 1 },
    { "EmptyLinesAreEntries", "\r\n\r\nx\r\n", { "", "", "x", "" }, 2, 1 },
    { "Windows1252Umlaut", "Was ist das?\r\nL\xF6sung\r\n", { "Was ist das?", "Lösung", "" }, 1,
        12 },
    { "Utf8Umlaut", "Lösung\r\nja\r\n", { "Lösung", "ja", "" }, 1, 7 },
    { "Utf8ByteOrderMarkDropped",
        "\xEF\xBB\xBF"
        "Frage\r\nAntwort",
        { "Frage", "Antwort" }, 1, 7 },
    { "StrayCarriageReturnEndsEntry", "ab\rcd\r\nx", { "ab", "x" }, 1, 2 },
    { "NulEndsEntry", "ab\0cd\r\nx\r\n"s, { "ab", "x", "" }, 1, 2 },
    { "OnlyNulBytes", std::string(100, '\0'), { "" }, 0, 0 },
    { "BlanksKept", " 4 \r\n4\r\n", { " 4 ", "4", "" }, 1, 3 },
    { "VeryLongLineCutNotSplit", std::string(25000, 'y') + "\r\nantwort",
        { std::string(kOwnEntryMaxBytes, 'y'), "antwort" }, 1, kOwnEntryMaxBytes },
    { "CutKeepsWholeCharacters", "a" + Repeat("ö", 6000) + "\nok",
        { "a" + Repeat("ö", 4999), "ok" }, 1, kOwnEntryMaxBytes - 1 },
};

class OwnExerciseParse : public ::testing::TestWithParam<Case> { };

TEST_P(OwnExerciseParse, EntriesPairsAndLength)
{
    const Case& c = GetParam();
    const OwnExerciseList list = ParseOwnExercises(c.bytes);
    EXPECT_EQ(list.entries, c.entries);
    EXPECT_EQ(list.PairCount(), c.pairs);
    EXPECT_EQ(list.greatestLength, c.greatestLength);
}

INSTANTIATE_TEST_SUITE_P(Files, OwnExerciseParse, ::testing::ValuesIn(kCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OwnExerciseFile, ReadsTheFileAsParsed)
{
    TempDir dir;
    const auto path = dir.Write("Pilo Eigene Eins.txt", "1 + 1 =\r\n2\r\nL\xF6sung?\r\nja\r\n");
    OwnExerciseList list;
    ASSERT_TRUE(ReadOwnExerciseFile(path, list));
    EXPECT_EQ(list.entries, (Entries { "1 + 1 =", "2", "Lösung?", "ja", "" }));
    EXPECT_EQ(list.PairCount(), 2);
}

TEST(OwnExerciseFile, EmptyFileOpensWithoutPairs)
{
    TempDir dir;
    OwnExerciseList list;
    ASSERT_TRUE(ReadOwnExerciseFile(dir.Write("leer.txt", ""), list));
    EXPECT_EQ(list.PairCount(), 0);
    EXPECT_EQ(list.greatestLength, 0u);
}

TEST(OwnExerciseFile, UnopenableFilesFail)
{
    TempDir dir;
    OwnExerciseList list;
    list.entries = { "alt", "alt" };
    EXPECT_FALSE(ReadOwnExerciseFile(dir.Path() / "fehlt.txt", list));
    EXPECT_TRUE(list.entries.empty());
    std::filesystem::create_directory(dir.Path() / "Pilo Eigene Zwei.txt");
    EXPECT_FALSE(ReadOwnExerciseFile(dir.Path() / "Pilo Eigene Zwei.txt", list));
}

TEST(OwnExerciseFile, PipeIsRefusedWithoutWaiting)
{
    TempDir dir;
    const auto fifo = dir.Path() / "pipe.txt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    OwnExerciseList list;
    EXPECT_FALSE(ReadOwnExerciseFile(fifo, list));
}

TEST(OwnExerciseFile, UnreadableFileFails)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads files regardless of their permissions";
    TempDir dir;
    const auto path = dir.Write("geheim.txt", "a\r\nb\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    OwnExerciseList list;
    EXPECT_FALSE(ReadOwnExerciseFile(path, list));
}

// Every pair the draw can reach (0..32767) is kept; the longest line counts
// even where it lies beyond them.
TEST(OwnExerciseFile, LargeFileKeepsEveryReachablePair)
{
    TempDir dir;
    std::string bytes;
    const int pairs = 300000;
    for (int i = 0; i < pairs; ++i)
        bytes += std::to_string(i) + " + 1 =\r\n" + std::to_string(i + 1) + "\r\n";
    bytes += std::string(500, 'z') + "\r\n";
    OwnExerciseList list;
    ASSERT_TRUE(ReadOwnExerciseFile(dir.Write("gross.txt", bytes), list));
    EXPECT_EQ(list.PairCount(), RandomSource::kMax + 1);
    EXPECT_EQ(PickOwnExercise(list, RandomSource::kMax).task, "32767 + 1 =");
    EXPECT_EQ(PickOwnExercise(list, RandomSource::kMax).answer, "32768");
    EXPECT_EQ(list.greatestLength, 500u);
}

// A file of nothing but line ends must not cost gigabytes.
TEST(OwnExerciseFile, MillionsOfEmptyLinesStayBounded)
{
    const OwnExerciseList list = ParseOwnExercises(std::string(20'000'000, '\n'));
    EXPECT_EQ(list.entries.size(), kOwnEntriesKept);
    EXPECT_EQ(list.PairCount(), RandomSource::kMax + 1);
    EXPECT_EQ(list.greatestLength, 0u);
}

TEST(OwnExerciseFile, PickTakesThePairStartingAtTwiceR)
{
    const OwnExerciseList list = ParseOwnExercises("a\r\n1\r\nb\r\n2\r\nc");
    ASSERT_EQ(list.PairCount(), 2);
    EXPECT_EQ(PickOwnExercise(list, 0).task, "a");
    EXPECT_EQ(PickOwnExercise(list, 0).answer, "1");
    EXPECT_EQ(PickOwnExercise(list, 1).task, "b");
    EXPECT_EQ(PickOwnExercise(list, 1).answer, "2");
    for (int r : { -1, 2, 1000 }) {
        EXPECT_EQ(PickOwnExercise(list, r).task, "") << r;
        EXPECT_EQ(PickOwnExercise(list, r).answer, "") << r;
    }
}

} // namespace
