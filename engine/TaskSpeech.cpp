#include "engine/TaskSpeech.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace TaskSpeech {
namespace {

constexpr std::array<const char*, 20> kSmall { "null", "eins", "zwei", "drei", "vier", "fünf",
    "sechs", "sieben", "acht", "neun", "zehn", "elf", "zwölf", "dreizehn", "vierzehn", "fünfzehn",
    "sechzehn", "siebzehn", "achtzehn", "neunzehn" };
constexpr std::array<const char*, 10> kTens { "", "", "zwanzig", "dreißig", "vierzig", "fünfzig",
    "sechzig", "siebzig", "achtzig", "neunzig" };

// 1..999 as the part of a longer word: "ein" instead of "eins" before
// "hundert", "tausend" and "und".
std::string BelowThousand(int n, bool final)
{
    std::string words;
    if (n >= 100) {
        words += n / 100 == 1 ? std::string("ein") : kSmall[size_t(n / 100)];
        words += "hundert";
        n %= 100;
    }
    if (n == 0)
        return words;
    if (n < 20) {
        if (n == 1 && !final)
            return words + "ein";
        return words + kSmall[size_t(n)];
    }
    if (n % 10 != 0)
        words += std::string(n % 10 == 1 ? "ein" : kSmall[size_t(n % 10)]) + "und";
    return words + kTens[size_t(n / 10)];
}

bool IsNumber(std::string_view token)
{
    if (token.empty() || token.size() > 18)
        return false;
    for (char c : token) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::vector<std::string_view> Split(std::string_view text)
{
    std::vector<std::string_view> tokens;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const size_t end = std::min(text.find(' ', i), text.size());
        tokens.push_back(text.substr(i, end - i));
        i = end;
    }
    return tokens;
}

bool IsMask(std::string_view token)
{
    return !token.empty() && token.find_first_not_of('?') == std::string_view::npos;
}

// Numbers, "+", "-", "=", the unknowns and "und": anything else means the
// text is not a generated task.
bool Say(const std::vector<std::string_view>& tokens, size_t from, size_t to, std::string& out)
{
    for (size_t i = from; i < to; ++i) {
        std::string_view token = tokens[i];
        if (!out.empty() && out.back() != ' ')
            out += ' ';
        if (IsNumber(token))
            out += NumberWords(std::stoll(std::string(token)));
        else if (token == "+")
            out += "plus";
        else if (token == "-")
            out += "minus";
        else if (token == "=")
            out += "gleich";
        else if (token == "a" || token == "b" || token == "und")
            out += token;
        else
            return false;
    }
    return true;
}

std::string Capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// "sei <premise>, dann <unknown> = ??"
bool SayUnknown(std::vector<std::string_view> tokens, std::string& out)
{
    size_t dann = 0;
    while (dann < tokens.size() && tokens[dann] != "dann")
        ++dann;
    if (dann < 3 || dann + 3 > tokens.size() || tokens[dann - 1].back() != ',')
        return false;
    tokens[dann - 1].remove_suffix(1);
    if (tokens[tokens.size() - 2] != "=" || !IsMask(tokens.back()))
        return false;
    std::string premise;
    std::string question;
    if (!Say(tokens, 1, dann, premise) || !Say(tokens, dann + 1, tokens.size() - 2, question))
        return false;
    out = "Sei " + premise + ". Wie viel ist " + question + "?";
    return true;
}

// "<left> ? <right>"
bool SayComparison(const std::vector<std::string_view>& tokens, size_t sign, std::string& out)
{
    std::string left;
    std::string right;
    if (!Say(tokens, 0, sign, left) || !Say(tokens, sign + 1, tokens.size(), right))
        return false;
    const bool numbers = sign == 1 && tokens.size() == 3;
    out = Capitalised(left + " und " + right) + ". Ist die erste " + (numbers ? "Zahl" : "Rechnung")
        + " kleiner oder größer?";
    return true;
}

std::string DigitWords(const std::string& digits)
{
    std::string words;
    for (char c : digits) {
        if (!words.empty())
            words += ' ';
        words += kSmall[size_t(c - '0')];
    }
    return words;
}

} // namespace

std::string NumberWords(long long n)
{
    if (n < 0)
        return "minus " + (n < -999999 ? DigitWords(std::to_string(n).substr(1)) : NumberWords(-n));
    if (n > 999999)
        return DigitWords(std::to_string(n));
    if (n == 0)
        return kSmall[0];
    const int thousands = static_cast<int>(n / 1000);
    const int rest = static_cast<int>(n % 1000);
    std::string words;
    if (thousands != 0)
        words = BelowThousand(thousands, false) + "tausend";
    if (rest != 0)
        words += BelowThousand(rest, true);
    return words;
}

std::string SpokenTask(std::string_view taskText)
{
    const std::vector<std::string_view> tokens = Split(taskText);
    std::string out;
    if (tokens.size() >= 3 && tokens.front() == "sei") {
        if (SayUnknown(tokens, out))
            return out;
        return std::string(taskText);
    }
    for (size_t i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i] == "?")
            return SayComparison(tokens, i, out) ? out : std::string(taskText);
    }
    if (tokens.size() >= 4 && IsMask(tokens.back()) && tokens[tokens.size() - 2] == "="
        && Say(tokens, 0, tokens.size() - 2, out))
        return Capitalised(out) + " ist gleich?";
    return std::string(taskText);
}

std::string SpokenSolution(std::string_view answer)
{
    std::string said;
    if (IsNumber(answer))
        said = NumberWords(std::stoll(std::string(answer)));
    else if (answer == "<")
        said = "kleiner";
    else if (answer == ">")
        said = "größer";
    else
        said = answer;
    return "Die Lösung ist " + said + ".";
}

} // namespace TaskSpeech
