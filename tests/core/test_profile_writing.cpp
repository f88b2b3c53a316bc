// Writing changes only the one line it must: the files a parent keeps by hand
// stay byte for byte as they were.

#include "ProfileTestFiles.h"
#include "settings/IniProfile.h"

#include <climits>

namespace {

using namespace std::string_literals;

struct Write {
    const char* name;
    std::optional<std::string> before; // nullopt: no file yet
    std::string section;
    std::string key;
    std::string value;
    std::string after;
    std::string readBack;
};

std::ostream& operator<<(std::ostream& os, const Write& row)
{
    return os << row.name;
}

class WriteString : public testing::TestWithParam<Write> { };

TEST_P(WriteString, ChangesOnlyItsLine)
{
    const Write& row = GetParam();
    ScratchFolder folder;
    const auto file = folder / "pilo.INI";
    if (row.before)
        WriteBytes(file, *row.before);
    IniProfile profile(file);
    // A read first, so that the write must not trust a stale cache.
    profile.GetProfileString(row.section, row.key);
    ASSERT_TRUE(profile.WriteProfileString(row.section, row.key, row.value)) << profile.lastError();
    EXPECT_EQ(ReadBytes(file), row.after);
    EXPECT_EQ(profile.GetProfileString(row.section, row.key, "default"), row.readBack);
    EXPECT_EQ(IniProfile(file).GetProfileString(row.section, row.key, "default"), row.readBack);
}

INSTANTIATE_TEST_SUITE_P(NewFile, WriteString,
    testing::Values(Write { "created", std::nullopt, "Parameter", "Aufgaben", "10",
                        "[Parameter]\r\nAufgaben=10\r\n", "10" },
        Write { "names_lose_outer_spaces", std::nullopt, "  S ", " K  ", " v ", "[S]\r\nK= v \r\n",
            "v" },
        Write { "empty_file", "", "S", "K", "v", "[S]\r\nK=v\r\n", "v" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(ExistingKey, WriteString,
    testing::Values(
        Write { "keeps_file_spelling", "[Parameter]\r\nAUFGABEN=5\r\nWitze=3\r\n", "parameter",
            "aufgaben", "10", "[Parameter]\r\nAUFGABEN=10\r\nWitze=3\r\n", "10" },
        Write { "blanks_around_key_go", "[S]\n \tK \t=  old  \nA=1\n", "S", "K", "new",
            "[S]\nK=new\r\nA=1\n", "new" },
        Write {
            "lf_line_becomes_crlf", "[S]\nK=1\nA=2\n", "S", "K", "2", "[S]\nK=2\r\nA=2\n", "2" },
        Write { "lone_cr_line", "[S]\rK=1\rA=2\r", "S", "K", "2", "[S]\rK=2\r\nA=2\r", "2" },
        Write { "last_line_without_end", "[S]\nK=1", "S", "K", "2", "[S]\nK=2\r\n", "2" },
        Write { "first_duplicate_rewritten", "[S]\nK=1\nK=2\n", "S", "K", "3", "[S]\nK=3\r\nK=2\n",
            "3" },
        Write { "same_value_same_bytes", "[S]\r\nK=1\r\n", "S", "K", "1", "[S]\r\nK=1\r\n", "1" },
        Write { "comment_lookalike_untouched", "[S]\n;K=1\nK=2\n", "S", "K", "3",
            "[S]\n;K=1\nK=3\r\n", "3" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(NewKey, WriteString,
    testing::Values(
        Write { "after_last_key_before_comments", "[S]\r\nA=1\r\n; note\r\n\r\n[T]\r\nB=2\r\n", "S",
            "K", "v", "[S]\r\nA=1\r\nK=v\r\n; note\r\n\r\n[T]\r\nB=2\r\n", "v" },
        Write { "after_keys_past_inner_comment", "[S]\nA=1\n;c\nB=2\n\n", "S", "K", "v",
            "[S]\nA=1\n;c\nB=2\nK=v\r\n\n", "v" },
        Write { "section_without_keys", "[S]\r\n; c\r\n[T]\r\n", "S", "K", "v",
            "[S]\r\nK=v\r\n; c\r\n[T]\r\n", "v" },
        Write { "header_without_line_end", "[S]", "S", "K", "v", "[S]\r\nK=v\r\n", "v" },
        Write {
            "last_key_without_line_end", "[S]\nA=1", "S", "K", "v", "[S]\nA=1\r\nK=v\r\n", "v" },
        Write { "into_first_of_repeated_sections", "[S]\nA=1\n[s]\nK=2\n", "S", "K", "3",
            "[S]\nA=1\nK=3\r\n[s]\nK=2\n", "3" },
        Write { "junk_lines_after_keys_stay_below", "[S]\nA=1\njunk\n", "S", "K", "v",
            "[S]\nA=1\nK=v\r\njunk\n", "v" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(NewSection, WriteString,
    testing::Values(
        Write { "appended", "[S]\r\nA=1\r\n", "T", "K", "v", "[S]\r\nA=1\r\n[T]\r\nK=v\r\n", "v" },
        Write { "line_end_added_first", "[S]\r\nA=1", "T", "K", "v", "[S]\r\nA=1\r\n[T]\r\nK=v\r\n",
            "v" },
        Write { "after_trailing_comment", "[S]\nA=1\n\n;end\n", "T", "K", "v",
            "[S]\nA=1\n\n;end\n[T]\r\nK=v\r\n", "v" },
        Write { "keys_before_sections_stay", "K=v\n", "S", "K", "w", "K=v\n[S]\r\nK=w\r\n", "w" },
        Write { "nul_bytes_kept", "\0\0junk\0\n[S]\nA=1\n"s, "T", "K", "v",
            "\0\0junk\0\n[S]\nA=1\n[T]\r\nK=v\r\n"s, "v" },
        Write { "empty_name", "[S]\n", "", "K", "v", "[S]\n[]\r\nK=v\r\n", "v" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Values, WriteString,
    testing::Values(
        Write { "blanks_kept", "[S]\n", "S", "K", "  a b  ", "[S]\nK=  a b  \r\n", "a b" },
        Write { "quotes_kept", "[S]\n", "S", "K", "\"x\"", "[S]\nK=\"x\"\r\n", "x" },
        Write { "semicolon_kept", "[S]\n", "S", "K", "a;b#c", "[S]\nK=a;b#c\r\n", "a;b#c" },
        Write { "empty", "[S]\nK=5\n", "S", "K", "", "[S]\nK=\r\n", "" },
        Write { "unicode_as_utf8", "[S]\n", "S", "K",
            "Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC",
            "[S]\nK=Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC\r\n",
            "Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC" }),
    [](const auto& info) { return std::string(info.param.name); });

// Files as Windows' Notepad or the old program left them.
INSTANTIATE_TEST_SUITE_P(Encodings, WriteString,
    testing::Values(Write { "windows_1252_key_rewritten_as_utf8",
                        "[Lobe]\r\nA=\xF6\r\nL\xF6sung=a\r\n", "lobe", "L\xC3\xB6sung",
                        "Gr\xC3\xB6\xC3\x9F"
                        "e",
                        "[Lobe]\r\nA=\xF6\r\nL\xC3\xB6sung=Gr\xC3\xB6\xC3\x9F"
                        "e\r\n",
                        "Gr\xC3\xB6\xC3\x9F"
                        "e" },
        Write { "utf8_bom_kept_new_key", "\xEF\xBB\xBF[S]\r\nA=1\r\n", "S", "K", "v",
            "\xEF\xBB\xBF[S]\r\nA=1\r\nK=v\r\n", "v" },
        Write { "utf8_bom_kept_new_section", "\xEF\xBB\xBF[S]\r\nA=1", "T", "K", "v",
            "\xEF\xBB\xBF[S]\r\nA=1\r\n[T]\r\nK=v\r\n", "v" },
        Write { "utf8_bom_only", "\xEF\xBB\xBF", "T", "K", "v", "\xEF\xBB\xBF[T]\r\nK=v\r\n", "v" },
        Write { "utf16le_new_key", Utf16Le(u"[S]\r\nA=1\r\n"), "S", "K",
            "Gr\xC3\xB6\xC3\x9F"
            "e",
            Utf16Le(u"[S]\r\nA=1\r\nK=Gr\u00F6\u00DFe\r\n"),
            "Gr\xC3\xB6\xC3\x9F"
            "e" },
        Write { "utf16le_existing_key", Utf16Le(u"[S]\nk=1\nA=1"), "S", "K", "\xF0\x9F\x98\x80",
            Utf16Le(u"[S]\nk=\U0001F600\r\nA=1"), "\xF0\x9F\x98\x80" },
        Write { "utf16le_new_section_before_odd_byte", Utf16Le(u"[S]\r\nA=1") + "\x01", "T", "K",
            "v", Utf16Le(u"[S]\r\nA=1\r\n[T]\r\nK=v\r\n") + "\x01", "v" },
        Write { "utf16le_invalid_utf8_value_as_1252", Utf16Le(u"[S]\r\n"), "S", "K", "\xF6",
            Utf16Le(u"[S]\r\nK=\u00F6\r\n"), "\xC3\xB6" },
        Write { "utf16be_gets_readable_section", Utf16Be(u"[S]\r\nK=v\r\n"), "S", "K", "w",
            Utf16Be(u"[S]\r\nK=v\r\n") + "[S]\r\nK=w\r\n", "w" }),
    [](const auto& info) { return std::string(info.param.name); });

struct IntWrite {
    const char* name;
    int value;
    std::string text;
};

std::ostream& operator<<(std::ostream& os, const IntWrite& row)
{
    return os << row.name;
}

class WriteInt : public testing::TestWithParam<IntWrite> { };

TEST_P(WriteInt, StoresDecimalTextThatReadsBack)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    ASSERT_TRUE(profile.WriteProfileInt("Parameter", "Lobe", GetParam().value));
    EXPECT_EQ(ReadBytes(folder / "pilo.INI"), "[Parameter]\r\nLobe=" + GetParam().text + "\r\n");
    EXPECT_EQ(profile.GetProfileString("Parameter", "Lobe"), GetParam().text);
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Lobe", 99), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, WriteInt,
    testing::Values(IntWrite { "zero", 0, "0" }, IntWrite { "one", 1, "1" },
        IntWrite { "minus_one", -1, "-1" }, IntWrite { "int_max", INT_MAX, "2147483647" },
        IntWrite { "int_min", INT_MIN, "-2147483648" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteProfile, AbsentRewardKindWrittenAsZeroThenReadsZero)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Belohnungsart", 3), 3);
    ASSERT_TRUE(profile.WriteProfileInt("Parameter", "Belohnungsart", 0));
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Belohnungsart", 3), 0);
}

TEST(WriteProfile, TasksTypedAsTextReadBackUnchangedAndAsLeadingNumber)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    ASSERT_TRUE(profile.WriteProfileString("Parameter", "Aufgaben", "12abc"));
    EXPECT_EQ(profile.GetProfileString("Parameter", "Aufgaben"), "12abc");
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Aufgaben", 0), 12);
    ASSERT_TRUE(profile.WriteProfileString("Parameter", "Aufgaben", "zehn"));
    EXPECT_EQ(profile.GetProfileInt("Parameter", "Aufgaben", 7), 0);
}

TEST(WriteProfile, ShrinkingPraiseListLeavesOldKeysInFile)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    const char* praise[] = { "Gut", "Prima", "Super", "Toll", "Klasse" };
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(profile.WriteProfileString("Lobe", "Lob" + std::to_string(i + 1), praise[i]));
    ASSERT_TRUE(profile.WriteProfileInt("Lobe", "Anzahl", 5));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(
            profile.WriteProfileString("Lobe", "Lob" + std::to_string(i + 1), praise[i + 2]));
    ASSERT_TRUE(profile.WriteProfileInt("Lobe", "Anzahl", 3));

    EXPECT_EQ(ReadBytes(folder / "pilo.INI"),
        "[Lobe]\r\nLob1=Super\r\nLob2=Toll\r\nLob3=Klasse\r\nLob4=Toll\r\nLob5=Klasse\r\n"
        "Anzahl=3\r\n");
    EXPECT_EQ(profile.GetProfileInt("Lobe", "Anzahl", 0), 3);
}

TEST(WriteProfile, EveryWriteVisibleToNextRead)
{
    ScratchFolder folder;
    IniProfile profile(folder / "pilo.INI");
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(profile.WriteProfileInt("Parameter", "Lobe", i % 2));
        ASSERT_EQ(profile.GetProfileInt("Parameter", "Lobe", -1), i % 2);
    }
}

} // namespace
