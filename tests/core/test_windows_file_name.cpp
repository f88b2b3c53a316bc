#include "engine/WindowsFileName.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A data folder as a parent copies it from Windows: names in any case.
const char* const kFiles[] = {
    "katze.bmp",
    "Witz1.TXT",
    "Hund.bmp",
    "hund.bmp",
    "übung.txt",
    "bilder/Rakete.gif",
    "Bilder/nur-hier.gif",
    "a\\b.bmp",
    "\xC3\xB7.txt",
};

struct Case {
    const char* name;
    const char* asked;
    const char* found;
};

const Case kCases[] = {
    { "ExactNameAsGiven", "katze.bmp", "katze.bmp" },
    { "UpperCaseFindsLowerCase", "KATZE.BMP", "katze.bmp" },
    { "MixedCaseJoke", "witz1.txt", "Witz1.TXT" },
    { "ExactWinsOverOtherCase", "hund.bmp", "hund.bmp" },
    { "OfTwoCandidatesTheFirstInByteOrder", "HUND.BMP", "Hund.bmp" },
    { "UmlautCapitalFindsSmall", "ÜBUNG.TXT", "übung.txt" },
    { "BackslashIsAFolder", "bilder\\rakete.gif", "bilder/Rakete.gif" },
    { "FolderInOtherCase", "BILDER/NUR-HIER.GIF", "Bilder/nur-hier.gif" },
    { "DotFolderSkipped", ".\\KATZE.BMP", "katze.bmp" },
    { "BackslashInARealName", "a\\b.bmp", "a\\b.bmp" },
    { "MissingKeepsTheName", "Fehlt.bmp", "Fehlt.bmp" },
    { "MissingFolderKeepsTheName", "fehlt\\KATZE.BMP", "fehlt/KATZE.BMP" },
    { "AFileIsNoFolder", "katze.bmp\\x", "katze.bmp/x" },
    { "ATrailingSeparatorAsksForAFolder", "KATZE.BMP\\", "KATZE.BMP/" },
    { "LengthMustMatch", "katze.bm", "katze.bm" },
    { "Empty", "", "" },
    { "MultiplicationSignIsNoCapitalOfDivision", "\xC3\x97.txt", "\xC3\x97.txt" },
};

class FindFileAnyCaseTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        for (const char* file : kFiles) {
            fs::create_directories((dir_.Path() / file).parent_path());
            dir_.Write(file, "x");
        }
        before_ = Listing();
        old_ = fs::current_path();
        fs::current_path(dir_.Path());
    }
    void TearDown() override
    {
        fs::current_path(old_);
        EXPECT_EQ(Listing(), before_) << "the lookup changed the folder";
    }
    std::set<std::string> Listing() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.Path()))
            names.insert(entry.path().lexically_relative(dir_.Path()).string());
        return names;
    }

    TempDir dir_;
    fs::path old_;
    std::set<std::string> before_;
};

TEST_P(FindFileAnyCaseTest, FindsTheFileWindowsWouldOpen)
{
    EXPECT_EQ(FindFileAnyCase(GetParam().asked).string(), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Names, FindFileAnyCaseTest, ::testing::ValuesIn(kCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindFileAnyCase, AbsoluteNamesKeepTheirRoot)
{
    TempDir dir;
    dir.Write("joke.bmp", "x");
    const std::string upper = (dir.Path() / "JOKE.BMP").string();
    EXPECT_EQ(FindFileAnyCase(upper), dir.Path() / "joke.bmp");
}

} // namespace
