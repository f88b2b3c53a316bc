#include "settings/IniDocument.h"

#include "settings/TextCodec.h"

namespace {

template <class Unit> bool IsBlank(Unit c)
{
    return c == ' ' || c == '\t' || c == '\v';
}

template <class Unit> std::size_t FirstNonBlank(std::basic_string_view<Unit> s)
{
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return i;
}

std::string_view TrimBlanks(std::string_view s)
{
    s.remove_prefix(FirstNonBlank(s));
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Requested names lose spaces only; tabs stay part of the name.
std::string_view TrimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string_view Unquote(std::string_view s)
{
    if (s.size() >= 2 && s.front() == s.back() && (s.front() == '"' || s.front() == '\''))
        return s.substr(1, s.size() - 2);
    return s;
}

bool IsHighSurrogate(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

std::string Utf16ToUtf8(std::u16string_view units)
{
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            TextCodec::AppendUtf8(
                out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            TextCodec::AppendUtf8(out, 0xFFFD);
        } else {
            TextCodec::AppendUtf8(out, u);
        }
    }
    return out;
}

void AppendUtf16Le(std::string& out, char16_t u)
{
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

// `utf8` must be valid UTF-8.
std::string Utf8ToUtf16Le(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = len == 1 ? b : len == 2 ? b & 0x1F : len == 3 ? b & 0x0F : b & 0x07;
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += len;
        if (c >= 0x10000) {
            AppendUtf16Le(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            AppendUtf16Le(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            AppendUtf16Le(out, static_cast<char16_t>(c));
        }
    }
    return out;
}

// Calls onLine(begin, end, next) for every line: [begin, end) is the text,
// next the start of the following line.  CR LF, LF and a lone CR end a line.
template <class Unit, class OnLine>
void ForEachLine(std::basic_string_view<Unit> text, OnLine onLine)
{
    const std::size_t n = text.size();
    std::size_t begin = 0;
    while (begin < n) {
        std::size_t end = begin;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        std::size_t next = end;
        if (next < n)
            next += (text[next] == '\r' && next + 1 < n && text[next + 1] == '\n') ? 2 : 1;
        onLine(begin, end, next);
        begin = next;
    }
}

template <class Unit> bool EndsWithLineEnd(std::basic_string_view<Unit> text)
{
    return text.empty() || text.back() == '\r' || text.back() == '\n';
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

} // namespace

struct IniDocument::LineParser {
    IniDocument& doc;
    std::size_t current = kNone; // index of the section keys go to; none before the
                                 // first section and inside a repeated section

    // Whether the line can matter at all, judged on its raw units: blank lines,
    // comments and lines no lookup can reach need no decoding.
    template <class Unit> bool Relevant(std::basic_string_view<Unit> raw) const
    {
        const std::size_t i = FirstNonBlank(raw);
        if (i == raw.size() || raw[i] == ';')
            return false;
        return raw[i] == '[' || current != kNone;
    }

    // `text` is the decoded line; offsets are byte offsets into the file.
    void Line(std::string_view text, std::size_t begin, std::size_t next, bool hasLineEnd)
    {
        const std::size_t i = FirstNonBlank(text);
        if (text[i] == '[') {
            std::string_view name = text.substr(i + 1);
            name = TrimBlanks(name.substr(0, name.find(']')));
            const auto [it, added]
                = doc.sectionIndex_.try_emplace(Lower(name), doc.sections_.size());
            if (!added) {
                current = kNone;
                return;
            }
            current = doc.sections_.size();
            Section& section = doc.sections_.emplace_back();
            section.insertAt = next;
            section.insertNeedsLineEnd = !hasLineEnd;
            return;
        }
        const std::size_t eq = text.find('=');
        if (eq == std::string_view::npos || current == kNone)
            return;
        Section& section = doc.sections_[current];
        const std::string_view name = TrimBlanks(text.substr(0, eq));
        std::string lowered = Lower(name);
        if (!section.keys.contains(lowered)) {
            section.keys.emplace(std::move(lowered),
                Key { std::string(name), std::string(Unquote(TrimBlanks(text.substr(eq + 1)))),
                    begin, next });
        }
        section.insertAt = next;
        section.insertNeedsLineEnd = !hasLineEnd;
    }
};

IniDocument IniDocument::Parse(std::string_view bytes)
{
    IniDocument doc;
    LineParser parser { doc };
    if (bytes.starts_with("\xFF\xFE")) {
        doc.encoding_ = Encoding::Utf16Le;
        // A trailing odd byte is no unit; it stays where it is, after the end.
        std::u16string units((bytes.size() - 2) / 2, u'\0');
        for (std::size_t k = 0; k < units.size(); ++k) {
            units[k] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * k])
                | static_cast<unsigned char>(bytes[3 + 2 * k]) << 8);
        }
        const std::u16string_view text = units;
        ForEachLine(text, [&](std::size_t begin, std::size_t end, std::size_t next) {
            const auto raw = text.substr(begin, end - begin);
            if (parser.Relevant(raw))
                parser.Line(Utf16ToUtf8(raw), 2 + 2 * begin, 2 + 2 * next, next > end);
        });
        doc.end_ = 2 + 2 * units.size();
        doc.endNeedsLineEnd_ = !EndsWithLineEnd(text);
        return doc;
    }

    std::size_t start = 0;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        doc.encoding_ = Encoding::Utf8Bom;
        start = 3;
    }
    const std::string_view text = bytes.substr(start);
    ForEachLine(text, [&](std::size_t begin, std::size_t end, std::size_t next) {
        const std::string_view raw = text.substr(begin, end - begin);
        if (!parser.Relevant(raw))
            return;
        if (TextCodec::IsValidUtf8(raw))
            parser.Line(raw, start + begin, start + next, next > end);
        else
            parser.Line(TextCodec::Cp1252ToUtf8(raw), start + begin, start + next, next > end);
    });
    doc.end_ = bytes.size();
    doc.endNeedsLineEnd_ = !EndsWithLineEnd(text);
    return doc;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const
{
    const auto it = sectionIndex_.find(Lower(TrimSpaces(section)));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const
{
    const Section* s = FindSection(section);
    if (!s)
        return nullptr;
    const auto it = s->keys.find(Lower(TrimSpaces(key)));
    return it == s->keys.end() ? nullptr : &it->second.value;
}

std::vector<IniDocument::Entry> IniDocument::Entries() const
{
    std::vector<Entry> entries;
    for (const auto& [section, index] : sectionIndex_) {
        for (const auto& [key, found] : sections_[index].keys)
            entries.push_back({ section, key, found.value });
    }
    return entries;
}

std::string IniDocument::Encode(std::string_view utf8) const
{
    if (encoding_ == Encoding::Utf16Le)
        return Utf8ToUtf16Le(TextCodec::DecodeLine(utf8));
    return std::string(utf8);
}

std::string IniDocument::WithValue(std::string_view bytes, std::string_view section,
    std::string_view key, std::string_view value) const
{
    const std::string_view keyName = TrimSpaces(key);
    std::size_t cut = end_;
    std::size_t resume = end_;
    std::string text;
    if (const Section* s = FindSection(section)) {
        const auto it = s->keys.find(Lower(keyName));
        if (it != s->keys.end()) {
            cut = it->second.lineBegin;
            resume = it->second.lineNext;
            text = it->second.spelling;
        } else {
            cut = resume = s->insertAt;
            text = s->insertNeedsLineEnd ? "\r\n" : "";
            text += keyName;
        }
    } else {
        text = endNeedsLineEnd_ ? "\r\n" : "";
        text += '[';
        text += TrimSpaces(section);
        text += "]\r\n";
        text += keyName;
    }
    text += '=';
    text += value;
    text += "\r\n";

    std::string out;
    const std::string encoded = Encode(text);
    out.reserve(bytes.size() + encoded.size());
    out.append(bytes.substr(0, cut));
    out.append(encoded);
    out.append(bytes.substr(resume));
    return out;
}

std::string IniDocument::NewFile(
    std::string_view section, std::string_view key, std::string_view value)
{
    std::string out = "[";
    out += TrimSpaces(section);
    out += "]\r\n";
    out += TrimSpaces(key);
    out += '=';
    out += value;
    out += "\r\n";
    return out;
}

int IniDocument::ToInt(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        ++i;
    }
    std::uint32_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        v = v * 10 + static_cast<std::uint32_t>(text[i] - '0');
    if (negative)
        v = 0u - v;
    return static_cast<std::int32_t>(v);
}

std::string_view IniDocument::Cut(std::string_view text)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++chars > kMaxTextLength)
            return text.substr(0, i);
    }
    return text;
}
