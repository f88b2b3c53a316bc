#include "engine/OwnListCheck.h"

#include <bit>
#include <climits>
#include <vector>

namespace OwnListCheck {
namespace {

// Besides printable ASCII: what the German keyboard has on its keys (with
// Shift or AltGr) and what its dead keys ´ ` ^ make of the vowels.
constexpr std::string_view kTypeable[] = { "ä", "ö", "ü", "Ä", "Ö", "Ü", "ß", "§", "°", "´", "€",
    "µ", "²", "³", "á", "é", "í", "ó", "ú", "Á", "É", "Í", "Ó", "Ú", "à", "è", "ì", "ò", "ù", "À",
    "È", "Ì", "Ò", "Ù", "â", "ê", "î", "ô", "û", "Â", "Ê", "Î", "Ô", "Û" };

std::size_t CharLength(std::string_view text, std::size_t i)
{
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t n = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    return std::min(n, text.size() - i);
}

enum class Op { Add, Sub, Mul, Div };

// One operator at i, skipping it; false when there is none.
bool ReadOperator(std::string_view text, std::size_t& i, Op& op)
{
    static const struct {
        std::string_view text;
        Op op;
    } kOps[] = { { "+", Op::Add }, { "-", Op::Sub }, { "\u2212", Op::Sub }, { "*", Op::Mul },
        { "\u00B7", Op::Mul }, { "\u00D7", Op::Mul }, { "x", Op::Mul }, { "X", Op::Mul },
        { "\u22C5", Op::Mul }, { ":", Op::Div }, { "/", Op::Div }, { "\u00F7", Op::Div } };
    for (const auto& candidate : kOps)
        if (text.substr(i).starts_with(candidate.text)) {
            op = candidate.op;
            i += candidate.text.size();
            return true;
        }
    return false;
}

void SkipBlanks(std::string_view text, std::size_t& i)
{
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
}

bool ReadNumber(std::string_view text, std::size_t& i, long long& value)
{
    const std::size_t start = i;
    value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (i - start >= 12)
            return false;
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    return i > start;
}

} // namespace

std::optional<long long> PlainArithmeticResult(std::string_view task)
{
    std::size_t i = 0;
    std::vector<long long> terms; // summands, each with its sign
    long long value = 0;
    SkipBlanks(task, i);
    if (!ReadNumber(task, i, value))
        return std::nullopt;
    long long term = value;
    int operators = 0;
    for (;;) {
        SkipBlanks(task, i);
        Op op;
        if (i >= task.size() || !ReadOperator(task, i, op))
            break;
        SkipBlanks(task, i);
        if (!ReadNumber(task, i, value))
            return std::nullopt;
        ++operators;
        switch (op) {
        case Op::Add:
            terms.push_back(term);
            term = value;
            break;
        case Op::Sub:
            terms.push_back(term);
            term = -value;
            break;
        case Op::Mul:
            if (__builtin_mul_overflow(term, value, &term))
                return std::nullopt;
            break;
        case Op::Div:
            if (value == 0 || term % value != 0)
                return std::nullopt;
            term /= value;
            break;
        }
    }
    terms.push_back(term);
    if (operators == 0)
        return std::nullopt;
    // What may follow the arithmetic: "=", then the blanks or marks that
    // stand for the answer.
    if (i < task.size() && task[i] == '=')
        ++i;
    while (i < task.size() && (task[i] == ' ' || task[i] == '?' || task[i] == '_'))
        ++i;
    if (i != task.size())
        return std::nullopt;
    long long sum = 0;
    for (long long t : terms)
        if (__builtin_add_overflow(sum, t, &sum))
            return std::nullopt;
    return sum;
}

std::string FirstUntypeable(std::string_view answer)
{
    for (std::size_t i = 0; i < answer.size();) {
        const std::size_t n = CharLength(answer, i);
        const std::string_view c = answer.substr(i, n);
        const bool ascii = n == 1 && c[0] >= 0x20 && c[0] < 0x7F;
        bool known = ascii;
        for (std::string_view typeable : kTypeable)
            known = known || c == typeable;
        if (!known)
            return std::string(c);
        i += n;
    }
    return {};
}

unsigned Check(const OwnTask& pair, OwnListEncoding encoding)
{
    unsigned findings = 0;
    if (pair.answer.empty())
        findings |= EmptyAnswer;
    if (EncodedLength(pair.task, encoding) > kMaxLineBytes)
        findings |= TaskTooLong;
    if (EncodedLength(pair.answer, encoding) > kMaxLineBytes)
        findings |= AnswerTooLong;
    if (!pair.answer.empty()) {
        if (const auto result = PlainArithmeticResult(pair.task);
            result && pair.answer != std::to_string(*result))
            findings |= WrongResult;
    }
    if (!FirstUntypeable(pair.answer).empty())
        findings |= UntypeableAnswer;
    return findings;
}

int Count(unsigned findings)
{
    return std::popcount(findings);
}

std::string Describe(unsigned findings, const OwnTask& pair)
{
    std::string text;
    auto add = [&text](const std::string& sentence) {
        if (!text.empty())
            text += '\n';
        text += sentence;
    };
    if (findings & EmptyAnswer)
        add("Die Antwort ist leer: richtig ist nur, nichts einzutippen.");
    if (findings & TaskTooLong)
        add("Die Aufgabe ist länger als 37 Bytes; das alte Windows-Programm teilt sie in zwei "
            "Zeilen.");
    if (findings & AnswerTooLong)
        add("Die Antwort ist länger als 37 Bytes; das alte Windows-Programm teilt sie in zwei "
            "Zeilen.");
    if (findings & WrongResult) {
        const auto result = PlainArithmeticResult(pair.task);
        add("Das Ergebnis der Aufgabe ist " + (result ? std::to_string(*result) : std::string())
            + ", nicht „" + pair.answer + "“.");
    }
    if (findings & UntypeableAnswer)
        add("Das Zeichen „" + FirstUntypeable(pair.answer)
            + "“ der Antwort kann Ihr Kind nicht eintippen.");
    return text;
}

std::string ShortText(unsigned findings)
{
    static const char* const kWords[] = { "Antwort leer", "Aufgabe zu lang", "Antwort zu lang",
        "Ergebnis falsch", "Zeichen nicht tippbar" };
    std::string text;
    for (int bit = 0; bit < 5; ++bit)
        if (findings & (1u << bit)) {
            if (!text.empty())
                text += ", ";
            text += kWords[bit];
        }
    return text;
}

} // namespace OwnListCheck
