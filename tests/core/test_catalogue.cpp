#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using enum Operation;

struct Row {
    int id;
    Menu menu;
    const char* text;
    Operation op;
    int n, low, factor;
};

const char* const kSolve = "Löse obige Aufgabe !";

// The catalogue as the children's menus know it, transcribed independently.
const Row kExpected[] = {
    { 32771, Menu::Plus, "Aufgaben kleiner 6", Add, 6, 0, 1 },
    { 32772, Menu::Plus, "Aufgaben kleiner 10", Add, 10, 0, 1 },
    { 32773, Menu::Plus, "Plusaufgaben kleiner ?...", Add, 0, 0, 1 },
    { 32775, Menu::Plus, "Nachfolger bis 10", AddOne, 6, 0, 1 },
    { 32776, Menu::Plus, "Nachfolger bis 20", AddOne, 10, 0, 1 },
    { 32777, Menu::Plus, "Nachfolger bis ?...", AddOne, 0, 0, 1 },
    { 32778, Menu::Plus, "Lange Aufgaben bis 10", AddThree, 10, 0, 1 },
    { 32779, Menu::Plus, "Lange Aufgaben kleiner 20", AddThree, 20, 0, 1 },
    { 32780, Menu::Plus, "Lange Aufgaben kleiner ? ....", AddThree, 0, 0, 1 },
    { 32781, Menu::Plus, "Aufgaben mit einer Unbekannten", SumWithA, 50, 0, 1 },
    { 32782, Menu::Plus, "Aufgaben mit zwei Unbekannten", SumWithAB, 50, 0, 1 },
    { 32783, Menu::Plus, "Gleichungen mit einer Unbekannten", SolveSumForA, 50, 0, 1 },
    { 32810, Menu::Plus, "Aufgaben zwischen 10 und 20", AddInRange, 20, 10, 1 },
    { 32786, Menu::Plus, "Vielfache von 10", AddInRange, 20, 1, 10 },
    { 32787, Menu::Minus, "Aufgaben kleiner 6", Subtract, 6, 0, 1 },
    { 32788, Menu::Minus, "Aufgaben kleiner 10", Subtract, 10, 0, 1 },
    { 32789, Menu::Minus, "Aufgaben kleiner ? ...", Subtract, 0, 0, 1 },
    { 32790, Menu::Minus, "Vorgänger bis 10", SubtractOne, 10, 0, 1 },
    { 32792, Menu::Minus, "Vorgänger bis 20", SubtractOne, 20, 0, 1 },
    { 32793, Menu::Minus, "Vorgänger bis ? ....", SubtractOne, 0, 0, 1 },
    { 32794, Menu::Minus, "Lange Aufgaben bis 10", SubtractThree, 10, 0, 1 },
    { 32795, Menu::Minus, "Lange Aufgaben bis 20", SubtractThree, 20, 0, 1 },
    { 32796, Menu::Minus, "Lange Aufgaben bis ?...", SubtractThree, 0, 0, 1 },
    { 32797, Menu::Minus, "Aufgaben mit einer Unbekannten", DifferenceWithA, 50, 0, 1 },
    { 32798, Menu::Minus, "Aufgaben mit zwei Unbekannten", DifferenceWithAB, 50, 0, 1 },
    { 32799, Menu::Minus, "Gleichungen mit einer Unbekannten", SolveDifferenceForA, 50, 0, 1 },
    { 32800, Menu::Minus, "Aufgaben zwischen 10 und 20", SubtractInRange, 20, 10, 1 },
    { 32801, Menu::Minus, "Vielfache von 10", SubtractInRange, 20, 1, 10 },
    { 32802, Menu::Vergleiche, "Zwei Zahlen kleiner 10", CompareNumbers, 10, 0, 1 },
    { 32803, Menu::Vergleiche, "Zwei Zahlen kleiner 20", CompareNumbers, 20, 0, 1 },
    { 32804, Menu::Vergleiche, "Zwei Zahlen kleiner 100", CompareNumbers, 100, 0, 1 },
    { 32805, Menu::Vergleiche, "Vielfache von 10", CompareNumbers, 20, 0, 10 },
    { 32806, Menu::Vergleiche, "Zwei Summen", CompareSums, 100, 0, 1 },
    { 32807, Menu::Vergleiche, "Summe mit Differenz", CompareSumWithDifference, 100, 0, 1 },
    { 32811, Menu::Eigene, "Eigene 1", OwnFile, 0, 0, 1 },
    { 32812, Menu::Eigene, "Eigene 2", OwnFile, 0, 0, 1 },
    { 32813, Menu::Eigene, "Eigene 3", OwnFile, 0, 0, 1 },
    { 32814, Menu::Eigene, "Eigene 4", OwnFile, 0, 0, 1 },
};

class CatalogueRow : public ::testing::TestWithParam<Row> { };

TEST_P(CatalogueRow, MatchesTheMenus)
{
    const Row& row = GetParam();
    const ExerciseKind* kind = FindExerciseKind(row.id);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->id, row.id);
    EXPECT_EQ(kind->menu, row.menu);
    EXPECT_EQ(kind->menuText, row.text);
    EXPECT_EQ(kind->operation, row.op);
    EXPECT_EQ(kind->n, row.n);
    if (row.op == AddInRange || row.op == SubtractInRange) {
        EXPECT_EQ(kind->low, row.low);
    }
    EXPECT_EQ(kind->factor, row.factor);
    const int mode = row.menu == Menu::Vergleiche ? 1 : row.menu == Menu::Eigene ? 2 : 0;
    EXPECT_EQ(kind->entryMode, mode);
    if (row.menu != Menu::Vergleiche) {
        EXPECT_EQ(kind->prompt, kSolve);
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, CatalogueRow, ::testing::ValuesIn(kExpected),
    [](const auto& info) { return std::to_string(info.param.id); });

TEST(Catalogue, ListsExactlyTheKindsInMenuOrder)
{
    const auto kinds = ExerciseKinds();
    ASSERT_EQ(kinds.size(), std::size(kExpected));
    for (std::size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(kinds[i].id, kExpected[i].id) << "position " << i;
}

TEST(Catalogue, UnknownIdsAreNotKinds)
{
    for (int id : { 0, 32770, 32774, 32784, 32785, 32791, 32808, 32809, 32815, 57665, -1 })
        EXPECT_EQ(FindExerciseKind(id), nullptr) << id;
}

TEST(Catalogue, FreeLimitKindsAndTheirSmallestWorkableLimit)
{
    std::set<int> free;
    for (const auto& kind : ExerciseKinds()) {
        if (!kind.freeLimit)
            continue;
        free.insert(kind.id);
        const bool threeOperands = kind.id == 32780 || kind.id == 32796;
        EXPECT_EQ(kind.smallestFreeLimit, threeOperands ? 3 : 2) << kind.id;
    }
    EXPECT_EQ(free, (std::set<int> { 32773, 32777, 32780, 32789, 32793, 32796 }));
}

TEST(Catalogue, OnlyTheFirstComparisonPromptHasSingleBlanks)
{
    for (const auto& kind : ExerciseKinds()) {
        if (kind.menu != Menu::Vergleiche)
            continue;
        EXPECT_EQ(kind.prompt, kind.id == 32802 ? "Gib < oder > ein !" : "Gib  <  oder  >  ein !")
            << kind.id;
    }
}

struct StatusRow {
    int id;
    const char* prompt;
};

class StatusPrompt : public ::testing::TestWithParam<StatusRow> { };

TEST_P(StatusPrompt, IsExact)
{
    EXPECT_EQ(FindExerciseKind(GetParam().id)->statusPrompt, GetParam().prompt);
}

INSTANTIATE_TEST_SUITE_P(Menus, StatusPrompt,
    ::testing::Values(StatusRow { 32771, "Plusaufgaben, deren Ergebnis kleiner 6 bleibt" },
        StatusRow { 32772, "Plusaufgaben, deren Ergebnis kleiner 10 bleibt." },
        StatusRow { 32777, "Löse Aufgaben mit einer Unbekannten : wenn a + 12 = 25, dann a = ?" },
        StatusRow { 32783, "sei a + 38 =  56, dann a = ??" },
        StatusRow { 32788, "Subtrahiere zwei Zahlen. Die Summe bleibt kleiner 10" },
        StatusRow { 32789, "" }, StatusRow { 32793, "Finde den Vorgänger einer Zahl kleiner ?..." },
        StatusRow { 32796,
            "Subtrahiere drei Zahlen. Das Ergebnis überschreitet eine frei bestimmbare Grenze "
            "nicht." },
        StatusRow { 32804, "Vergleiche zwei Zahlen kleiner  100" },
        StatusRow { 32807, "Beispiel : 12 + 45 ? 34 - 23" },
        StatusRow { 32811, "Lesen Sie bitte in der Hilfedatei \"Eigene Übungen erstellen\"" },
        StatusRow { 32814, "Lesen Sie bitte in der Hilfedatei \"Eigene Übungen erstellen\"" }),
    [](const auto& info) { return std::to_string(info.param.id); });

TEST(Catalogue, EveryEntryBesides32789HasAStatusPrompt)
{
    for (const auto& kind : ExerciseKinds())
        EXPECT_EQ(kind.statusPrompt.empty(), kind.id == 32789) << kind.id;
}

TEST(Catalogue, SeparatorsSplitTheMenusIntoTheirGroups)
{
    std::set<int> separated;
    for (const auto& kind : ExerciseKinds())
        if (kind.separatorBefore)
            separated.insert(kind.id);
    EXPECT_EQ(separated,
        (std::set<int> { 32775, 32778, 32781, 32810, 32790, 32794, 32797, 32800, 32805, 32806 }));
}

TEST(Catalogue, OwnKindsNameTheirFileAndMessage)
{
    struct {
        int id;
        const char* file;
        const char* message;
    } const rows[] = {
        { 32811, "Pilo Eigene Eins.txt",
            "Kann Datei PILO EIGENE EINS.TXT nicht öffnen oder Datei ist leer!" },
        { 32812, "Pilo Eigene Zwei.txt",
            "Kann Datei PILO EIGENE ZWEI.TXT nicht öffnen oder Datei ist leer!" },
        { 32813, "Pilo Eigene Drei.txt",
            "Kann Datei PILO EIGENE DREI.TXT nicht öffnen oder Datei ist leer!" },
        { 32814, "Pilo Eigene Vier.txt",
            "Kann Datei PILO EIGENE VIER.TXT nicht finden oder Datei ist leer !" },
    };
    for (const auto& row : rows) {
        const ExerciseKind* kind = FindExerciseKind(row.id);
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(kind->ownFileName, row.file);
        EXPECT_EQ(kind->ownFileError, row.message);
    }
    for (const auto& kind : ExerciseKinds()) {
        if (kind.menu != Menu::Eigene) {
            EXPECT_TRUE(kind.ownFileName.empty() && kind.ownFileError.empty()) << kind.id;
        }
    }
}

TEST(Catalogue, MenuTitlesAndHelpContexts)
{
    EXPECT_EQ(MenuTitle(Menu::Plus), "Plus");
    EXPECT_EQ(MenuTitle(Menu::Minus), "Minus");
    EXPECT_EQ(MenuTitle(Menu::Vergleiche), "Vergleiche");
    EXPECT_EQ(MenuTitle(Menu::Eigene), "Eigene");
    EXPECT_EQ(HelpContextOf(32771), 98307);
}

} // namespace
