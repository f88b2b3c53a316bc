#include "engine/Hint.h"
#include "engine/RunLog.h"
#include "engine/TaskSpeech.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <utility>

namespace {

struct Said {
    const char* name;
    std::string in;
    std::string out;
};

std::ostream& operator<<(std::ostream& os, const Said& c)
{
    return os << c.name;
}

class NumberWords : public ::testing::TestWithParam<std::pair<long long, std::string>> { };

TEST_P(NumberWords, AsOneGermanWord)
{
    EXPECT_EQ(TaskSpeech::NumberWords(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(TaskSpeech, NumberWords,
    ::testing::Values(std::pair { 0LL, "null" }, std::pair { 1LL, "eins" },
        std::pair { 7LL, "sieben" }, std::pair { 12LL, "zwölf" }, std::pair { 16LL, "sechzehn" },
        std::pair { 17LL, "siebzehn" }, std::pair { 20LL, "zwanzig" },
        std::pair { 21LL, "einundzwanzig" }, std::pair { 30LL, "dreißig" },
        std::pair { 45LL, "fünfundvierzig" }, std::pair { 99LL, "neunundneunzig" },
        std::pair { 100LL, "einhundert" }, std::pair { 101LL, "einhunderteins" },
        std::pair { 111LL, "einhundertelf" }, std::pair { 360LL, "dreihundertsechzig" },
        std::pair { 1000LL, "eintausend" }, std::pair { 1001LL, "eintausendeins" },
        std::pair { 1999LL, "eintausendneunhundertneunundneunzig" },
        std::pair { 2021LL, "zweitausendeinundzwanzig" },
        std::pair { 9999LL, "neuntausendneunhundertneunundneunzig" },
        std::pair { 21000LL, "einundzwanzigtausend" },
        std::pair { 101101LL, "einhunderteintausendeinhunderteins" },
        std::pair { 999999LL, "neunhundertneunundneunzigtausendneunhundertneunundneunzig" },
        std::pair { 1000000LL, "eins null null null null null null" },
        std::pair { -3LL, "minus drei" }));

class SpokenTask : public ::testing::TestWithParam<Said> { };

TEST_P(SpokenTask, InWordsAChildUnderstands)
{
    EXPECT_EQ(TaskSpeech::SpokenTask(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(TaskSpeech, SpokenTask,
    ::testing::Values(Said { "sum", "3 + 4 = ?", "Drei plus vier ist gleich?" },
        Said { "difference with two mask characters", "18 - 9 = ?",
            "Achtzehn minus neun ist gleich?" },
        Said { "three addends", "2 + 3 + 4 = ?", "Zwei plus drei plus vier ist gleich?" },
        Said { "a and b given", "sei a = 12 und b = 7, dann a + b = ??",
            "Sei a gleich zwölf und b gleich sieben. Wie viel ist a plus b?" },
        Said { "a given", "sei a = 5, dann a - 3 = ?",
            "Sei a gleich fünf. Wie viel ist a minus drei?" },
        Said { "solve for a", "sei a - 12 = 45, dann a = ??",
            "Sei a minus zwölf gleich fünfundvierzig. Wie viel ist a?" },
        Said { "two numbers compared", "7 ? 4 ",
            "Sieben und vier. Ist die erste Zahl kleiner oder größer?" },
        Said { "two sums compared", "23 + 24 ? 12 + 23",
            "Dreiundzwanzig plus vierundzwanzig und zwölf plus dreiundzwanzig. Ist die erste "
            "Rechnung kleiner oder größer?" },
        Said { "own task as written", "7 x 8 =", "7 x 8 =" },
        Said { "own word task as written", "Hauptstadt von Frankreich?",
            "Hauptstadt von Frankreich?" },
        Said { "own task that looks half like ours", "sei x = 3, dann x = ?",
            "sei x = 3, dann x = ?" },
        Said { "empty", "", "" }),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

class SpokenSolution : public ::testing::TestWithParam<Said> { };

TEST_P(SpokenSolution, SaysTheAnswer)
{
    EXPECT_EQ(TaskSpeech::SpokenSolution(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(TaskSpeech, SpokenSolution,
    ::testing::Values(Said { "number", "7", "Die Lösung ist sieben." },
        Said { "smaller", "<", "Die Lösung ist kleiner." },
        Said { "greater", ">", "Die Lösung ist größer." },
        Said { "word", "Paris", "Die Lösung ist Paris." }));

// Dots in reading order: 1 first number, 2 second number, x taken away;
// "|" between frames or rows.
std::string Drawn(const Hint& hint)
{
    std::string dots;
    const int split = hint.kind == Hint::Kind::Rows ? hint.firstRow : Hint::kFrameSize;
    for (size_t i = 0; i < hint.dots.size(); ++i) {
        if (i != 0 && (hint.kind == Hint::Kind::Rows ? int(i) == split : i % 10 == 0))
            dots += '|';
        dots += hint.dots[i] == Hint::Dot::First ? '1'
            : hint.dots[i] == Hint::Dot::Second  ? '2'
                                                 : 'x';
    }
    return hint.kind == Hint::Kind::Digits ? "digits " + hint.shownAnswer : dots;
}

struct HintCase {
    const char* name;
    std::string task;
    std::string answer;
    std::string drawn;
};

std::ostream& operator<<(std::ostream& os, const HintCase& c)
{
    return os << c.name;
}

class HintDots : public ::testing::TestWithParam<HintCase> { };

TEST_P(HintDots, ShowTheTask)
{
    EXPECT_EQ(Drawn(HintFor(GetParam().task, GetParam().answer)), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Hint, HintDots,
    ::testing::Values(HintCase { "8 + 5 fills one frame and starts the next", "8 + 5 = ??", "13",
                          "1111111122|222" },
        HintCase { "13 - 4 crosses out the last four", "13 - 4 = ?", "9", "111111111x|xxx" },
        HintCase {
            "sum of exactly 20 fills two frames", "10 + 10 = ??", "20", "1111111111|2222222222" },
        HintCase { "sum above 20 gives digits", "15 + 7 = ??", "22", "digits 2?" },
        HintCase { "difference from above 20 gives digits", "45 - 30 = ??", "15", "digits 1?" },
        HintCase { "a and b given", "sei a = 3 und b = 4, dann a + b = ?", "7", "1112222" },
        HintCase { "a given", "sei a = 6, dann a - 2 = ?", "4", "1111xx" },
        HintCase { "zero taken away", "5 - 0 = ?", "5", "11111" },
        HintCase { "comparison as two rows", "3 ? 5 ", "<", "111|22222" },
        HintCase { "comparison of sums counts the sums", "2 + 1 ? 4 - 2", ">", "111|22" },
        HintCase { "comparison above 100 gives digits", "470 ? 380 ", ">", "digits ?" },
        HintCase { "three addends give digits", "2 + 3 + 4 = ?", "9", "digits ?" },
        HintCase {
            "solve for a gives digits", "sei a + 10 = 1234, dann a = ????", "1224", "digits 12??" },
        HintCase {
            "own word shows whole letters", "Hauptstadt von Österreich?", "Wien", "digits Wi??" },
        HintCase { "umlauts stay whole", "Farbe?", "grün", "digits gr??" },
        HintCase { "huge number is no task", "123456789012 + 1 = ?", "1", "digits ?" },
        HintCase { "own line as long as a list may hold", std::string(10000, '1') + " + 1 = ?",
            "12", "digits 1?" }),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(RunLog, MarksAndRepeatsInTheOrderMissed)
{
    RunLog log;
    EXPECT_EQ(log.Current(), -1);
    log.Begin("1 + 1 = ?", "2");
    log.Right();
    log.Begin("2 + 2 = ?", "4");
    log.Wrong();
    log.Wrong();
    log.Right();
    log.Begin("3 + 3 = ?", "6");
    log.Wrong();
    log.Solved();
    log.Begin("4 + 4 = ?", "8");
    log.Solved();
    using M = RunLog::Mark;
    EXPECT_EQ(log.Marks(), (std::vector { M::RightFirstTry, M::RightLater, M::Solved, M::Solved }));

    std::vector<std::string> asked;
    while (log.HasRepeat()) {
        const RunLog::Task task = log.TakeRepeat();
        EXPECT_EQ(log.Current(), task.index);
        EXPECT_TRUE(log.Repeating());
        // Answers to the repeats change no mark.
        log.Wrong();
        log.Right();
        asked.push_back(task.text + "=" + task.answer);
    }
    EXPECT_EQ(asked, (std::vector<std::string> { "2 + 2 = ?=4", "3 + 3 = ?=6", "4 + 4 = ?=8" }));
    EXPECT_EQ(log.Marks(), (std::vector { M::RightFirstTry, M::RightLater, M::Solved, M::Solved }));
}

} // namespace
