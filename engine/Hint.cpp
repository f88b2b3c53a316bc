#include "engine/Hint.h"

#include <regex>

namespace {

using Dot = Hint::Dot;

void Append(std::vector<Dot>& dots, int count, Dot dot)
{
    dots.insert(dots.end(), size_t(count), dot);
}

int Number(const std::ssub_match& match)
{
    // Generated tasks hold numbers below 10^8; anything longer is no
    // generated task and gets the digits hint.
    return match.length() > 8 ? -1 : std::stoi(match.str());
}

// a + b or a - b, from "a + b = ?" and the two "sei" shapes that ask for it.
bool SumOrDifference(const std::string& text, int& a, char& op, int& b)
{
    static const std::regex plain(R"(^(\d+) ([-+]) (\d+) = \?+$)");
    static const std::regex bothGiven(R"(^sei a = (\d+) und b = (\d+), dann a ([-+]) b = \?+$)");
    static const std::regex oneGiven(R"(^sei a = (\d+), dann a ([-+]) (\d+) = \?+$)");
    std::smatch m;
    if (std::regex_match(text, m, plain) || std::regex_match(text, m, oneGiven)) {
        a = Number(m[1]);
        op = m[2].str()[0];
        b = Number(m[3]);
    } else if (std::regex_match(text, m, bothGiven)) {
        a = Number(m[1]);
        b = Number(m[2]);
        op = m[3].str()[0];
    } else {
        return false;
    }
    return a >= 0 && b >= 0;
}

// The value of one side of a comparison: "7" or "23 + 24" or "34 - 23".
bool Side(const std::string& text, int& value)
{
    static const std::regex side(R"(^(\d+)(?: ([-+]) (\d+))?$)");
    std::smatch m;
    if (!std::regex_match(text, m, side))
        return false;
    value = Number(m[1]);
    if (m[2].matched) {
        const int b = Number(m[3]);
        if (value < 0 || b < 0)
            return false;
        value = m[2].str() == "+" ? value + b : value - b;
    }
    return value >= 0;
}

bool Comparison(const std::string& text, int& left, int& right)
{
    const size_t sign = text.find(" ? ");
    if (sign == std::string::npos)
        return false;
    std::string rightText = text.substr(sign + 3);
    if (!rightText.empty() && rightText.back() == ' ')
        rightText.pop_back();
    return Side(text.substr(0, sign), left) && Side(rightText, right);
}

std::string Dots(int n)
{
    return std::to_string(n) + (n == 1 ? " Punkt" : " Punkte");
}

// The first half of the answer's characters (whole UTF-8 characters), the
// rest as "?".
std::string HalfShown(std::string_view answer)
{
    std::vector<std::string_view> characters;
    for (size_t i = 0; i < answer.size();) {
        size_t next = i + 1;
        while (next < answer.size() && (static_cast<unsigned char>(answer[next]) & 0xC0) == 0x80)
            ++next;
        characters.push_back(answer.substr(i, next - i));
        i = next;
    }
    std::string shown;
    for (size_t k = 0; k < characters.size(); ++k)
        shown += k < characters.size() / 2 ? std::string(characters[k]) : std::string("?");
    return shown;
}

// Generated tasks are far shorter.  std::regex matches by recursion, one
// level per character, so an own-list line of thousands of digits would
// overflow the stack: such a text gets the digits hint without a match.
constexpr std::size_t kLongestTask = 80;

} // namespace

Hint HintFor(std::string_view taskText, std::string_view answer)
{
    const bool mayBeTask = taskText.size() <= kLongestTask;
    const std::string text(mayBeTask ? taskText : std::string_view {});
    Hint hint;
    int a = 0;
    int b = 0;
    char op = 0;
    if (mayBeTask && SumOrDifference(text, a, op, b)) {
        if (op == '+' && a + b <= Hint::kLargestFramed) {
            hint.kind = Hint::Kind::TenFrames;
            Append(hint.dots, a, Dot::First);
            Append(hint.dots, b, Dot::Second);
            hint.description = Dots(a) + " und " + Dots(b) + " dazu";
            return hint;
        }
        if (op == '-' && b <= a && a <= Hint::kLargestFramed) {
            hint.kind = Hint::Kind::TenFrames;
            Append(hint.dots, a - b, Dot::First);
            Append(hint.dots, b, Dot::TakenAway);
            hint.description = Dots(a) + ", " + std::to_string(b) + " davon weggenommen";
            return hint;
        }
    }
    int left = 0;
    int right = 0;
    if (mayBeTask && Comparison(text, left, right) && left <= Hint::kLargestRow
        && right <= Hint::kLargestRow) {
        hint.kind = Hint::Kind::Rows;
        Append(hint.dots, left, Dot::First);
        Append(hint.dots, right, Dot::Second);
        hint.firstRow = left;
        hint.description = "Oben " + Dots(left) + ", unten " + Dots(right);
        return hint;
    }
    hint.kind = Hint::Kind::Digits;
    hint.shownAnswer = HalfShown(answer);
    hint.description = hint.shownAnswer.find_first_not_of('?') == std::string::npos
        ? "Die Lösung hat " + std::to_string(hint.shownAnswer.size()) + " Zeichen"
        : "Die Lösung fängt so an: " + hint.shownAnswer;
    return hint;
}
