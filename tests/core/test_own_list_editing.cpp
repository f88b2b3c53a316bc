// The parents' editor of own lists: the pairs it shows, the checks it runs,
// what it saves, and the tasks it makes.
#include "engine/Catalogue.h"
#include "engine/OwnListCheck.h"
#include "engine/OwnListFile.h"
#include "engine/RandomSource.h"
#include "engine/TaskSets.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

using Pairs = std::vector<OwnTask>;
using namespace OwnListCheck;

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// --- What the editor shows -------------------------------------------------

TEST(OwnListDocument, MissingLineIsShownAsTheReaderPairsItAndFlagged)
{
    // The answer of "2 · 3 =" is missing, so every later line moves up one:
    // the next task becomes its answer, with a wrong result and a "·".
    const OwnListDocument document
        = ParseOwnListDocument("1 · 3 =\r\n3\r\n2 · 3 =\r\n3 · 3 =\r\n9\r\n");
    const Pairs expected = { { "1 · 3 =", "3" }, { "2 · 3 =", "3 · 3 =" }, { "9", "" } };
    EXPECT_EQ(document.pairs, expected);
    EXPECT_EQ(Check(document.pairs[0], document.format.encoding), 0u);
    EXPECT_EQ(Check(document.pairs[1], document.format.encoding), WrongResult | UntypeableAnswer);
    EXPECT_EQ(Check(document.pairs[2], document.format.encoding), EmptyAnswer);
}

TEST(OwnListDocument, LastLineWithoutPartnerIsNamed)
{
    EXPECT_EQ(ParseOwnListDocument("a\nb\nc").unpairedLine, "c");
    EXPECT_EQ(ParseOwnListDocument("a\nb\n").unpairedLine, "");
}

struct FormatCase {
    const char* name;
    std::string bytes;
    OwnListFormat format;
};

class OwnListFormatTest : public testing::TestWithParam<FormatCase> { };

TEST_P(OwnListFormatTest, IsDetected)
{
    EXPECT_EQ(DetectOwnListFormat(GetParam().bytes), GetParam().format);
}

using E = OwnListEncoding;
using L = OwnListLineEnd;

INSTANTIATE_TEST_SUITE_P(Files, OwnListFormatTest,
    testing::Values(FormatCase { "EmptyFileIsNew", "", { E::Utf8, L::CrLf, true } },
        FormatCase { "Utf8Lf", "Lösung\nja\n", { E::Utf8, L::Lf, true } },
        FormatCase { "Utf8CrLfNoFinalLineEnd", "a\r\nb", { E::Utf8, L::CrLf, false } },
        FormatCase { "Windows1252", "L\xF6sung\r\nja\r\n", { E::Windows1252, L::CrLf, true } },
        FormatCase { "Bom",
            "\xEF\xBB\xBF"
            "a\nb\n",
            { E::Utf8WithBom, L::Lf, true } },
        FormatCase { "OneLineKeepsNewDefaults", "a", { E::Utf8, L::CrLf, true } }),
    [](const auto& info) { return std::string(info.param.name); });

// --- Saving keeps pairs, encoding and line ends -----------------------------

struct RoundTripCase {
    const char* name;
    std::string original;
    Pairs edited;
    std::string saved;
};

class OwnListSaveTest : public testing::TestWithParam<RoundTripCase> { };

TEST_P(OwnListSaveTest, KeepsEveryPairAndTheFilesForm)
{
    const RoundTripCase& c = GetParam();
    TempDir dir;
    const auto path = dir.Write("Pilo Eigene Eins.txt", c.original);
    OwnListDocument document;
    bool exists = false;
    std::string error;
    ASSERT_TRUE(LoadOwnListFile(path, document, exists, error));
    ASSERT_TRUE(exists);
    OwnListFormat format = document.format;
    ASSERT_TRUE(SaveOwnListFile(path, c.edited, format, error)) << error;
    EXPECT_EQ(ReadAll(path), c.saved);
    Pairs kept = c.edited;
    for (OwnTask& pair : kept)
        for (std::string* text : { &pair.task, &pair.answer })
            std::erase_if(*text, [](char ch) { return ch == '\r' || ch == '\n'; });
    EXPECT_EQ(ParseOwnListDocument(ReadAll(path)).pairs, kept);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(Files, OwnListSaveTest,
    testing::Values(
        RoundTripCase { "Utf8LfUnchanged", "2 · 3 =\n6\n", { { "2 · 3 =", "6" } }, "2 · 3 =\n6\n" },
        RoundTripCase { "CrLfWithoutFinalLineEnd", "a\r\nb", { { "a", "b" }, { "c", "d" } },
            "a\r\nb\r\nc\r\nd" },
        RoundTripCase { "Windows1252StaysWindows1252",
            "Gr\xFC\xDF"
            "e\r\nja\r\n",
            { { "Grüße", "ja" }, { "Äpfel", "€" } },
            "Gr\xFC\xDF"
            "e\r\nja\r\n\xC4pfel\r\n\x80\r\n" },
        RoundTripCase { "Windows1252CannotHoldAnArrowSoUtf8",
            "Gr\xFC\xDF"
            "e\r\nja\r\n",
            { { "2 → 4", "6" }, { "Grüße", "ja" } }, "2 → 4\r\n6\r\nGrüße\r\nja\r\n" },
        RoundTripCase { "Windows1252HoldsTheMiddleDot", "x\xFC\r\ny\r\n", { { "2 · 3 =", "6" } },
            "2 \xB7 3 =\r\n6\r\n" },
        RoundTripCase { "Windows1252WhoseBytesWouldReadAsUtf8", "\xFC\r\nx\r\n", { { "Ã¤", "x" } },
            "Ã¤\r\nx\r\n" },
        RoundTripCase { "BomKept",
            "\xEF\xBB\xBF"
            "a\nb\n",
            { { "ä", "b" } },
            "\xEF\xBB\xBF"
            "ä\nb\n" },
        RoundTripCase { "EmptyAnswersAndTasksKeepTheirPlaces", "a\nb\n",
            { { "", "x" }, { "y", "" }, { "", "" } }, "\nx\ny\n\n\n\n" },
        RoundTripCase { "LineBreaksInTextsAreDropped", "a\nb\n", { { "ein\nzwei", "dr\rei" } },
            "einzwei\ndrei\n" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OwnListSave, NewFileIsUtf8WithCrLf)
{
    TempDir dir;
    const auto path = dir.Path() / "Pilo Eigene Zwei.txt";
    OwnListDocument document;
    bool exists = true;
    std::string error;
    ASSERT_TRUE(LoadOwnListFile(path, document, exists, error));
    EXPECT_FALSE(exists);
    ASSERT_TRUE(SaveOwnListFile(
        path, { { "Hauptstadt von Österreich?", "Wien" } }, document.format, error));
    EXPECT_EQ(ReadAll(path), "Hauptstadt von Österreich?\r\nWien\r\n");
}

TEST(OwnListSave, FailureLeavesTheOldFileWholeAndSaysWhy)
{
    TempDir dir;
    const auto path = dir.Write("Pilo Eigene Drei.txt", "a\r\nb\r\n");
    // A folder where the new file would be written: not even root can
    // replace it.
    std::filesystem::create_directories(dir.Path() / "Pilo Eigene Drei.txt.tmp" / "x");
    OwnListFormat format;
    std::string error;
    EXPECT_FALSE(SaveOwnListFile(path, { { "x", "y" } }, format, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadAll(path), "a\r\nb\r\n");
}

// --- Checks ------------------------------------------------------------------

struct CheckCase {
    const char* name;
    OwnTask pair;
    OwnListEncoding encoding;
    unsigned findings;
};

class OwnListCheckTest : public testing::TestWithParam<CheckCase> { };

TEST_P(OwnListCheckTest, FlagsItsCaseAndOnlyIt)
{
    const CheckCase& c = GetParam();
    EXPECT_EQ(Check(c.pair, c.encoding), c.findings);
}

const std::string k37(37, 'x');
const std::string k38(38, 'x');
// 19 umlauts: 19 bytes in Windows-1252, 38 in UTF-8.
std::string Umlauts(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "ä";
    return s;
}

INSTANTIATE_TEST_SUITE_P(Pairs, OwnListCheckTest,
    testing::Values(CheckCase { "RightSum", { "7 + 5 =", "12" }, E::Utf8, 0 },
        CheckCase { "WrongSum", { "7 + 5 =", "13" }, E::Utf8, WrongResult },
        CheckCase { "WrongDifferenceWithoutEquals", { "12 - 4", "9" }, E::Utf8, WrongResult },
        CheckCase { "RightProductWithMiddleDot", { "3 · 4 =", "12" }, E::Utf8, 0 },
        CheckCase { "PrecedenceCounts", { "2 + 3 · 4 =", "20" }, E::Utf8, WrongResult },
        CheckCase { "RightQuotient", { "12 : 3 = ?", "4" }, E::Utf8, 0 },
        CheckCase { "LeadingZeroIsNotTheResult", { "12 - 4 =", "08" }, E::Utf8, WrongResult },
        CheckCase { "NegativeResult", { "3 - 5 =", "-2" }, E::Utf8, 0 },
        CheckCase { "DivisionWithRemainderIsNotChecked", { "7 : 2 =", "3 Rest 1" }, E::Utf8, 0 },
        CheckCase { "WordsAreNotChecked", { "Das Doppelte von 7 ist", "15" }, E::Utf8, 0 },
        CheckCase { "NumberAloneIsNotArithmetic", { "7", "8" }, E::Utf8, 0 },
        CheckCase { "EmptyAnswer", { "Frage", "" }, E::Utf8, EmptyAnswer },
        CheckCase { "EmptyAnswerOfArithmeticIsOnlyEmpty", { "2 + 2 =", "" }, E::Utf8, EmptyAnswer },
        CheckCase { "Task37BytesFits", { k37, "a" }, E::Utf8, 0 },
        CheckCase { "Task38BytesTooLong", { k38, "a" }, E::Utf8, TaskTooLong },
        CheckCase { "Answer38BytesTooLong", { "a", k38 }, E::Utf8, AnswerTooLong },
        CheckCase { "UmlautsCountTwiceInUtf8", { Umlauts(19), "a" }, E::Utf8, TaskTooLong },
        CheckCase { "UmlautsCountOnceInWindows1252", { Umlauts(19), "a" }, E::Windows1252, 0 },
        CheckCase { "UmlautsAndEuroTypeable", { "Frage", "Äpfel für 3 € ß" }, E::Utf8, 0 },
        CheckCase { "MiddleDotNotTypeable", { "Frage", "2 · 3" }, E::Utf8, UntypeableAnswer },
        CheckCase { "TabNotTypeable", { "Frage", "a\tb" }, E::Utf8, UntypeableAnswer },
        CheckCase { "TypographicQuoteNotTypeable", { "Frage", "„ja“" }, E::Utf8, UntypeableAnswer },
        CheckCase { "SeveralAtOnce", { k38, "1\u00BD" }, E::Utf8, TaskTooLong | UntypeableAnswer }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OwnListCheckText, NamesTheResultAndTheCharacter)
{
    const OwnTask pair { "7 + 5 =", "1·3" };
    const std::string text = Describe(Check(pair, E::Utf8), pair);
    EXPECT_NE(text.find("12"), std::string::npos) << text;
    EXPECT_NE(text.find("„·“"), std::string::npos) << text;
    EXPECT_EQ(Count(WrongResult | UntypeableAnswer), 2);
}

// --- Generated tasks -----------------------------------------------------------

class TaskSetsTest : public testing::Test {
protected:
    void SetUp() override
    {
        RandomSource::SetClock([] { return std::int64_t { 4711 }; });
        RandomSource::Seed(4711);
    }
    void TearDown() override { RandomSource::SetClock(nullptr); }
};

TEST_F(TaskSetsTest, TimesTablesContainExactlyTheChosenFacts)
{
    const Pairs tasks = TaskSets::TimesTables({ 2, 5, 10 }, 30, true);
    std::map<std::string, std::string> seen;
    for (const OwnTask& t : tasks) {
        EXPECT_TRUE(seen.emplace(t.task, t.answer).second) << "twice: " << t.task;
        EXPECT_EQ(Check(t, E::Utf8), 0u) << t.task << " " << t.answer;
    }
    std::map<std::string, std::string> expected;
    for (int table : { 2, 5, 10 })
        for (int k = 1; k <= 10; ++k)
            expected[std::to_string(k) + " · " + std::to_string(table) + " ="]
                = std::to_string(k * table);
    EXPECT_EQ(seen, expected);
    EXPECT_NE(tasks.front().task, "1 · 2 =") << "mixed, not in order (seed 4711)";
}

TEST_F(TaskSetsTest, TimesTablesInOrderAndInRounds)
{
    const Pairs tasks = TaskSets::TimesTables({ 3 }, 12, false);
    ASSERT_EQ(tasks.size(), 12u);
    EXPECT_EQ(tasks[0], (OwnTask { "1 · 3 =", "3" }));
    EXPECT_EQ(tasks[9], (OwnTask { "10 · 3 =", "30" }));
    EXPECT_EQ(tasks[10], tasks[0]) << "a second round starts over";
}

struct RangeCase {
    const char* name;
    TaskSets::Operation op;
    int low1, high1, low2, high2, count;
    std::size_t made;
};

class TaskRangesTest : public TaskSetsTest, public testing::WithParamInterface<RangeCase> { };

TEST_P(TaskRangesTest, StayInTheRangesWithRightAnswers)
{
    const RangeCase& c = GetParam();
    const Pairs tasks = TaskSets::FromRanges(c.op, c.low1, c.high1, c.low2, c.high2, c.count);
    ASSERT_EQ(tasks.size(), c.made);
    std::set<std::string> distinct;
    for (const OwnTask& t : tasks) {
        EXPECT_EQ(Check(t, E::Utf8), 0u) << t.task << " " << t.answer;
        distinct.insert(t.task);
        long long a = 0, b = 0;
        ASSERT_EQ(std::sscanf(t.task.c_str(), "%lld %*s %lld", &a, &b), 2) << t.task;
        if (c.op == TaskSets::Operation::Divide)
            a = std::stoll(t.answer);
        EXPECT_TRUE(a >= c.low1 && a <= c.high1 && b >= c.low2 && b <= c.high2) << t.task;
    }
    EXPECT_EQ(distinct.size(), tasks.size()) << "no pair twice while others are left";
}

INSTANTIATE_TEST_SUITE_P(Operations, TaskRangesTest,
    testing::Values(RangeCase { "Add", TaskSets::Operation::Add, 10, 20, 1, 9, 25, 25 },
        RangeCase { "SubtractNeverNegative", TaskSets::Operation::Subtract, 0, 5, 0, 5, 21, 21 },
        RangeCase { "MultiplyAllPairs", TaskSets::Operation::Multiply, 2, 3, 4, 5, 4, 4 },
        RangeCase { "DivideWithoutZero", TaskSets::Operation::Divide, 1, 10, 0, 3, 30, 30 },
        RangeCase { "UpsideDownRangeMakesNone", TaskSets::Operation::Add, 5, 1, 1, 2, 10, 0 },
        RangeCase {
            "NoPairWithoutNegativeDifference", TaskSets::Operation::Subtract, 0, 2, 5, 9, 10, 0 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TaskSetsTest, FromKindTakesTheMaskOff)
{
    const ExerciseKind* plus = FindExerciseKind(32772);
    ASSERT_TRUE(plus);
    const Pairs tasks = TaskSets::FromKind(*plus, 0, 20);
    ASSERT_EQ(tasks.size(), 20u);
    for (const OwnTask& t : tasks) {
        EXPECT_EQ(t.task.find('?'), std::string::npos) << t.task;
        EXPECT_EQ(Check(t, E::Utf8), 0u) << t.task << " " << t.answer;
        EXPECT_LE(std::stoi(t.answer), 10) << "the kind's sums go up to 10";
    }
    EXPECT_TRUE(TaskSets::FromKind(*FindExerciseKind(32811), 0, 5).empty());
    EXPECT_TRUE(TaskSets::FromKind(*FindExerciseKind(32773), 1, 5).empty())
        << "a free limit below the smallest one makes nothing";
    const Pairs compare = TaskSets::FromKind(*FindExerciseKind(32802), 0, 3);
    ASSERT_EQ(compare.size(), 3u);
    EXPECT_NE(compare[0].task.find(" ? "), std::string::npos) << "the place of < or > stays";
}

} // namespace
