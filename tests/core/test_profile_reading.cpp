// Reading a profile file the way Windows reads a private profile, including
// files that old Windows installations and Linux editors leave behind.

#include "ProfileTestFiles.h"
#include "settings/IniProfile.h"

#include <chrono>
#include <climits>

namespace {

using namespace std::string_literals;

struct StringRead {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::string expected;
};

std::ostream& operator<<(std::ostream& os, const StringRead& row)
{
    return os << row.name;
}

class ReadString : public testing::TestWithParam<StringRead> { };

TEST_P(ReadString, GivesValueOrDefault)
{
    const StringRead& row = GetParam();
    ScratchFolder folder;
    WriteBytes(folder / "pilo.INI", row.file);
    IniProfile profile(folder / "pilo.INI");
    EXPECT_EQ(profile.GetProfileString(row.section, row.key, row.defaultValue), row.expected);
}

const std::string kOe = "\xC3\xB6"; // ö in UTF-8

INSTANTIATE_TEST_SUITE_P(LineEnds, ReadString,
    testing::Values(StringRead { "crlf", "[S]\r\nK=v\r\n", "S", "K", "d", "v" },
        StringRead { "lf", "[S]\nK=v\n", "S", "K", "d", "v" },
        StringRead { "lone_cr", "[S]\rA=1\rK=v\r", "S", "K", "d", "v" },
        StringRead { "mixed_ends", "[S]\r\nA=1\rB=2\nK=v", "S", "K", "d", "v" },
        StringRead { "last_line_without_end", "[S]\nK=v", "S", "K", "d", "v" },
        StringRead { "blank_lines", "\n\r\n\n[S]\n\n \t\nK=v\n\n", "S", "K", "d", "v" },
        StringRead { "cr_ends_value", "[S]\nK=a\rb\n", "S", "K", "d", "a" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Sections, ReadString,
    testing::Values(StringRead { "header_after_blanks", " \t[S]\nK=v", "S", "K", "d", "v" },
        StringRead { "text_after_bracket_ignored", "[S] x=y\nK=v", "S", "K", "d", "v" },
        StringRead { "blanks_in_brackets_trimmed", "[ \tS \v]\nK=v", "S", "K", "d", "v" },
        StringRead { "inner_blank_kept", "[Big Font]\nK=v", "Big Font", "K", "d", "v" },
        StringRead { "missing_bracket_still_section", "[S\nK=v", "S", "K", "d", "v" },
        StringRead { "bracket_only_at_end_is_no_section", "S]\nK=v", "S", "K", "d", "d" },
        StringRead { "empty_name", "[]\nK=v", "", "K", "d", "v" },
        StringRead { "name_ends_at_first_bracket", "[S]]\nK=v", "S", "K", "d", "v" },
        StringRead { "section_case_ignored", "[PaRaMeTeR]\nK=v", "parameter", "K", "d", "v" },
        StringRead { "request_loses_spaces", "[S]\nK=v", "  S  ", "  K ", "d", "v" },
        StringRead { "request_keeps_tabs", "[S]\nK=v", "\tS", "K", "d", "d" },
        StringRead { "first_section_wins", "[S]\nA=1\n[S]\nA=2\nK=v", "S", "A", "d", "1" },
        StringRead { "repeated_section_unsearched", "[S]\nA=1\n[s]\nK=v", "S", "K", "d", "d" },
        StringRead { "keys_before_first_section", "K=v\n[S]\nA=1", "S", "K", "d", "d" },
        StringRead { "absent_section", "[S]\nK=v", "T", "K", "d", "d" },
        StringRead { "next_section_not_searched", "[S]\n[T]\nK=v", "S", "K", "d", "d" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Keys, ReadString,
    testing::Values(
        StringRead { "key_and_value_trimmed", "[S]\n \tK\v = \tv w \v\t", "S", "K", "d", "v w" },
        StringRead { "split_at_first_equals", "[S]\nK=a=b", "S", "K", "d", "a=b" },
        StringRead { "line_without_equals", "[S]\nK\n", "S", "K", "d", "d" },
        StringRead { "key_case_ignored", "[S]\nAuFgAbEn=5", "S", "aufgaben", "d", "5" },
        StringRead { "first_key_wins", "[S]\nk=1\nK=2", "S", "K", "d", "1" },
        StringRead { "comment_line", "[S]\n;K=v\nA=1", "S", "K", "d", "d" },
        StringRead { "comment_never_a_key", "[S]\n;K=v", "S", ";K", "d", "d" },
        StringRead { "indented_comment", "[S]\n \t;K=v", "S", ";K", "d", "d" },
        StringRead { "no_inline_comment", "[S]\nK=a ;b #c", "S", "K", "d", "a ;b #c" },
        StringRead { "hash_is_text", "[S]\n#K=v", "S", "#K", "d", "v" },
        StringRead { "empty_key_name", "[S]\n=v", "S", "", "d", "v" },
        StringRead { "absent_key", "[S]\nA=1", "S", "K", "d", "d" },
        StringRead { "empty_value_is_not_default", "[S]\nK=", "S", "K", "d", "" },
        StringRead { "blank_value_is_empty", "[S]\nK= \t", "S", "K", "d", "" },
        StringRead { "nul_bytes_in_value", "[S]\nK=a\0b"s, "S", "K", "d", "a\0b"s },
        StringRead { "nul_bytes_before_section", "\0\0=\0\n[S]\nK=v"s, "S", "K", "d", "v" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Quotes, ReadString,
    testing::Values(StringRead { "double", "[S]\nK=\"a b\"", "S", "K", "d", "a b" },
        StringRead { "single", "[S]\nK='a b'", "S", "K", "d", "a b" },
        StringRead { "blanks_inside_stay", "[S]\nK= \" a \" ", "S", "K", "d", " a " },
        StringRead { "empty_pair", "[S]\nK=\"\"", "S", "K", "d", "" },
        StringRead { "unmatched_stays", "[S]\nK=\"abc", "S", "K", "d", "\"abc" },
        StringRead { "mixed_pair_stays", "[S]\nK=\"abc'", "S", "K", "d", "\"abc'" },
        StringRead { "lone_quote_stays", "[S]\nK=\"", "S", "K", "d", "\"" },
        StringRead { "only_one_pair", "[S]\nK=\"'x'\"", "S", "K", "d", "'x'" },
        StringRead { "inner_quotes_stay", "[S]\nK=a\"b\"", "S", "K", "d", "a\"b\"" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Defaults, ReadString,
    testing::Values(StringRead { "trailing_spaces_removed", "", "S", "K", "abc  ", "abc" },
        StringRead { "leading_spaces_kept", "", "S", "K", "  abc", "  abc" },
        StringRead { "trailing_tab_kept", "", "S", "K", "abc\t", "abc\t" },
        StringRead { "empty_default", "[S]\n", "S", "K", "", "" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Encodings, ReadString,
    testing::Values(StringRead { "windows_1252",
                        "[Lobe]\r\nL\xF6sung=Gr\xF6\xDF"
                        "e\r\n",
                        "Lobe", "L" + kOe + "sung", "d", "Gr" + kOe + "\xC3\x9F" + "e" },
        StringRead { "windows_1252_euro", "[S]\r\nK=5 \x80\r\n", "S", "K", "d", "5 \xE2\x82\xAC" },
        StringRead { "utf8", "[S]\nL" + kOe + "sung=Gr" + kOe + "\xC3\x9F" + "e\n", "S",
            "L" + kOe + "sung", "d", "Gr" + kOe + "\xC3\x9F" + "e" },
        StringRead { "decided_per_line", "[S]\nA=" + kOe + "\nK=\xF6\n", "S", "K", "d", kOe },
        StringRead { "utf8_bom_skipped", "\xEF\xBB\xBF[S]\r\nK=v\r\n", "S", "K", "d", "v" },
        StringRead { "utf16le_bom", Utf16Le(u"[S]\r\nK=Gr\u00F6\u00DFe\r\n"), "S", "K", "d",
            "Gr" + kOe + "\xC3\x9F" + "e" },
        StringRead { "utf16le_surrogate_pair", Utf16Le(u"[S]\nK=\U0001F600"), "S", "K", "d",
            "\xF0\x9F\x98\x80" },
        StringRead { "utf16le_lone_surrogate",
            Utf16Le(u"[S]\nK=a\xD800"
                    "b"),
            "S", "K", "d",
            "a\xEF\xBF\xBD"
            "b" },
        StringRead {
            "utf16le_odd_trailing_byte", Utf16Le(u"[S]\nK=v") + "\x01", "S", "K", "d", "v" },
        StringRead { "utf16be_gives_defaults", Utf16Be(u"[S]\r\nK=v\r\n"), "S", "K", "d", "d" },
        StringRead { "utf16le_without_bom_gives_defaults", Utf16Le(u"[S]\r\nK=v\r\n").substr(2),
            "S", "K", "d", "d" },
        StringRead { "case_ignored_for_ascii_only", "[S]\n\xC3\x84=1", "S", "\xC3\xA4", "d", "d" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Length, ReadString,
    testing::Values(StringRead { "value_cut", "[S]\nK=" + std::string(5000, 'x'), "S", "K", "d",
                        std::string(4095, 'x') },
        StringRead { "value_of_4095_kept", "[S]\nK=" + std::string(4095, 'x'), "S", "K", "d",
            std::string(4095, 'x') },
        StringRead { "cut_counts_characters", "[S]\nK=" + std::string(4100, '\xF6'), "S", "K", "d",
            [] {
                std::string s;
                for (int i = 0; i < 4095; ++i)
                    s += "\xC3\xB6";
                return s;
            }() },
        StringRead { "default_cut", "", "S", "K", std::string(5000, 'y'), std::string(4095, 'y') }),
    [](const auto& info) { return std::string(info.param.name); });

struct IntRead {
    const char* name;
    std::string file;
    int defaultValue;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const IntRead& row)
{
    return os << row.name;
}

class ReadInt : public testing::TestWithParam<IntRead> { };

TEST_P(ReadInt, ConvertsLeadingDigits)
{
    const IntRead& row = GetParam();
    ScratchFolder folder;
    WriteBytes(folder / "pilo.INI", row.file);
    IniProfile profile(folder / "pilo.INI");
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Aufgaben", row.defaultValue), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadInt,
    testing::Values(IntRead { "digit_7", "[Parameter]\r\nAufgaben=7\r\n", 5, 7 },
        IntRead { "digits_then_letters", "[Parameter]\nAufgaben=12abc", 5, 12 },
        IntRead { "letters_only", "[Parameter]\nAufgaben=abc", 5, 0 },
        IntRead { "empty_value", "[Parameter]\nAufgaben=", 5, 0 },
        IntRead { "absent_key", "[Parameter]\nWitze=3", 5, 5 },
        IntRead { "absent_section", "[Lobe]\nAufgaben=3", -9, -9 },
        IntRead { "absent_file", "", 5, 5 },
        IntRead { "minus_one", "[Parameter]\nAufgaben=-1", 5, -1 },
        IntRead { "plus_one", "[Parameter]\nAufgaben=+1", 5, 1 },
        IntRead { "wraps_past_2_pow_32", "[Parameter]\nAufgaben=4294967297", 5, 1 },
        IntRead { "negative_wraps", "[Parameter]\nAufgaben=-4294967297", 5, -1 },
        IntRead { "2_pow_31_is_int_min", "[Parameter]\nAufgaben=2147483648", 5, INT_MIN },
        IntRead { "4294967295_is_minus_one", "[Parameter]\nAufgaben=4294967295", 5, -1 },
        IntRead { "many_digits_wrap", "[Parameter]\nAufgaben=" + std::string(300, '9'), 5,
            static_cast<int>(0u - 1u) },
        IntRead { "trimmed_first", "[Parameter]\nAufgaben= \t42 ", 5, 42 },
        IntRead { "quotes_removed_first", "[Parameter]\nAufgaben=\"12\"", 5, 12 },
        IntRead { "no_hex", "[Parameter]\nAufgaben=0x1F", 5, 0 },
        IntRead { "blank_after_sign", "[Parameter]\nAufgaben=- 5", 5, 0 },
        IntRead { "two_signs", "[Parameter]\nAufgaben=+-5", 5, 0 },
        IntRead { "sign_only", "[Parameter]\nAufgaben=-", 5, 0 },
        IntRead { "windows_file", "[parameter]\r\naufgaben=10\r\nWitze=3\r\n", 5, 10 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadProfile, MissingFileGivesDefaultsAndIsNotCreated)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Belohnungsart", 3), 3);
    EXPECT_EQ(profile.GetProfileString("Parameter", "Hintergrundbild", "pilo.bmp"), "pilo.bmp");
    EXPECT_EQ(profile.GetProfileString("BigFont", "Name", "Arial"), "Arial");
    EXPECT_EQ(profile.GetProfileString("Lobe", "Lob1"), "");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(ReadProfile, ProfileThatIsAFolderGivesDefaults)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "pilo.INI");
    IniProfile profile(folder / "pilo.INI");
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Sound", 0), 0);
    EXPECT_EQ(profile.GetProfileString("Parameter", "Hintergrundbild", "pilo.bmp"), "pilo.bmp");
}

// Inputs that must neither crash nor stall a paint.
struct HostileFile {
    const char* name;
    std::string (*make)();
};

std::ostream& operator<<(std::ostream& os, const HostileFile& row)
{
    return os << row.name;
}

class HostileInput : public testing::TestWithParam<HostileFile> { };

TEST_P(HostileInput, ReadsQuicklyAndStillFindsTheKey)
{
    ScratchFolder folder;
    WriteBytes(folder / "pilo.INI", GetParam().make() + "\n[Probe]\nKey=found\n");
    IniProfile profile(folder / "pilo.INI");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(profile.GetProfileString("Probe", "Key", "d"), "found");
    EXPECT_EQ(profile.GetProfileInt("Missing", "Key", 4), 4);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

INSTANTIATE_TEST_SUITE_P(Files, HostileInput,
    testing::Values(HostileFile { "ten_megabyte_line",
                        [] { return "[S]\nK=" + std::string(10 << 20, '\xF6'); } },
        HostileFile { "ten_megabyte_header", [] { return "[" + std::string(10 << 20, 'a'); } },
        HostileFile { "hundred_thousand_sections",
            [] {
                std::string s;
                for (int i = 0; i < 100000; ++i)
                    s += "[S" + std::to_string(i) + "]\nK=" + std::to_string(i) + "\n";
                return s;
            } },
        HostileFile { "hundred_thousand_same_section",
            [] {
                std::string s;
                for (int i = 0; i < 100000; ++i)
                    s += "[Dup]\nKey=" + std::to_string(i) + "\n";
                return s;
            } },
        HostileFile { "nul_bytes", [] { return std::string(1 << 20, '\0'); } },
        HostileFile { "invalid_utf8",
            [] {
                std::string s;
                for (int i = 0; i < 200000; ++i)
                    s += static_cast<char>(0x80 + i % 128);
                return s;
            } },
        HostileFile { "only_line_ends", [] { return std::string(1 << 20, '\r'); } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostileInput, HundredThousandSectionsAllReachable)
{
    ScratchFolder folder;
    std::string file;
    for (int i = 0; i < 100000; ++i)
        file += "[S" + std::to_string(i) + "]\nK=" + std::to_string(i) + "\n";
    WriteBytes(folder / "pilo.INI", file);
    IniProfile profile(folder / "pilo.INI");
    for (int i : { 0, 1, 4711, 99999 })
        EXPECT_EQ(profile.GetProfileInt("s" + std::to_string(i), "k", -1), i);
}

} // namespace
