#include "engine/Catalogue.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kSolvePrompt = "Löse obige Aufgabe !";
constexpr std::string_view kOwnStatus
    = "Lesen Sie bitte in der Hilfedatei \"Eigene Übungen erstellen\"";
constexpr bool kSeparator = true;
constexpr bool kNoSeparator = false;

constexpr ExerciseKind Fixed(int id, Menu menu, std::string_view text, Operation op, int n,
    bool separatorBefore, std::string_view status)
{
    return { id, menu, text, EntryMode::Digits, op, n, 0, 1, false, 0, kSolvePrompt, status,
        separatorBefore, {}, {} };
}

constexpr ExerciseKind Free(int id, Menu menu, std::string_view text, Operation op,
    int smallestLimit, bool separatorBefore, std::string_view status)
{
    return { id, menu, text, EntryMode::Digits, op, 0, 0, 1, true, smallestLimit, kSolvePrompt,
        status, separatorBefore, {}, {} };
}

constexpr ExerciseKind Range(int id, Menu menu, std::string_view text, Operation op, int low,
    int high, int factor, bool separatorBefore, std::string_view status)
{
    return { id, menu, text, EntryMode::Digits, op, high, low, factor, false, 0, kSolvePrompt,
        status, separatorBefore, {}, {} };
}

constexpr ExerciseKind Compare(int id, std::string_view text, Operation op, int n, int factor,
    std::string_view prompt, bool separatorBefore, std::string_view status)
{
    return { id, Menu::Vergleiche, text, EntryMode::CompareSigns, op, n, 0, factor, false, 0,
        prompt, status, separatorBefore, {}, {} };
}

constexpr ExerciseKind Own(
    int id, std::string_view text, std::string_view fileName, std::string_view error)
{
    return { id, Menu::Eigene, text, EntryMode::FreeText, Operation::OwnFile, 0, 0, 1, false, 0,
        kSolvePrompt, kOwnStatus, kNoSeparator, fileName, error };
}

using enum Operation;
constexpr Menu P = Menu::Plus;
constexpr Menu M = Menu::Minus;
constexpr std::string_view kCmpSingle = "Gib < oder > ein !";
constexpr std::string_view kCmpDouble = "Gib  <  oder  >  ein !";

// The "Nachfolger" kinds really use 6 and 10 while their texts say 10 and 20;
// children's lists were built around these numbers, so they stay.
constexpr std::array kKinds = {
    Fixed(32771, P, "Aufgaben kleiner 6", Add, 6, kNoSeparator,
        "Plusaufgaben, deren Ergebnis kleiner 6 bleibt"),
    Fixed(32772, P, "Aufgaben kleiner 10", Add, 10, kNoSeparator,
        "Plusaufgaben, deren Ergebnis kleiner 10 bleibt."),
    Free(32773, P, "Plusaufgaben kleiner ?...", Add, 2, kNoSeparator,
        "Plusaufgaben, deren Ergebnis eine frei einstellbare Grenze nicht überschreiten."),
    Fixed(32775, P, "Nachfolger bis 10", AddOne, 6, kSeparator,
        "Finde den Nachfolger einer Zahl kleiner 10"),
    Fixed(32776, P, "Nachfolger bis 20", AddOne, 10, kNoSeparator,
        "Finde den Nachfolger einer Zahl kleiner 20"),
    Free(32777, P, "Nachfolger bis ?...", AddOne, 2, kNoSeparator,
        "Löse Aufgaben mit einer Unbekannten : wenn a + 12 = 25, dann a = ?"),
    Fixed(32778, P, "Lange Aufgaben bis 10", AddThree, 10, kSeparator,
        "Löse Aufgaben mit drei Summanden. Das Ergebnis überschreitet 10 nicht."),
    Fixed(32779, P, "Lange Aufgaben kleiner 20", AddThree, 20, kNoSeparator,
        "Addiere drei Zahlen, die Summe ergibt eine Zahl kleiner 20"),
    Free(32780, P, "Lange Aufgaben kleiner ? ....", AddThree, 3, kNoSeparator,
        "Addiere drei Zahlen, deren Summe kleiner einer frei bestimmbaren Grenze sind."),
    Fixed(32781, P, "Aufgaben mit einer Unbekannten", SumWithA, 50, kSeparator,
        "Beispiel : sei a + 10 = 20, dann a = ?"),
    Fixed(32782, P, "Aufgaben mit zwei Unbekannten", SumWithAB, 50, kNoSeparator,
        "Sei a = 10 und b = 14, dann a + b = ?"),
    Fixed(32783, P, "Gleichungen mit einer Unbekannten", SolveSumForA, 50, kNoSeparator,
        "sei a + 38 =  56, dann a = ??"),
    Range(32810, P, "Aufgaben zwischen 10 und 20", AddInRange, 10, 20, 1, kSeparator,
        "Addiere zwei Zahlen, deren Summe zwischen 10 und 20 liegt."),
    Range(32786, P, "Vielfache von 10", AddInRange, 1, 20, 10, kNoSeparator,
        "Addiere zwei Zahlen, die ein Vielfaches von 10 sind."),

    Fixed(32787, M, "Aufgaben kleiner 6", Subtract, 6, kNoSeparator,
        "Subtrahiere zwei Zahlen. Die Differenz bleibt kleiner 6"),
    Fixed(32788, M, "Aufgaben kleiner 10", Subtract, 10, kNoSeparator,
        "Subtrahiere zwei Zahlen. Die Summe bleibt kleiner 10"),
    Free(32789, M, "Aufgaben kleiner ? ...", Subtract, 2, kNoSeparator, ""),
    Fixed(32790, M, "Vorgänger bis 10", SubtractOne, 10, kSeparator,
        "Finde den Vorgänger einer Zahl kleiner 10"),
    Fixed(32792, M, "Vorgänger bis 20", SubtractOne, 20, kNoSeparator,
        "Finde den Vorgänger einer Zahl kleiner 20"),
    Free(32793, M, "Vorgänger bis ? ....", SubtractOne, 2, kNoSeparator,
        "Finde den Vorgänger einer Zahl kleiner ?..."),
    Fixed(32794, M, "Lange Aufgaben bis 10", SubtractThree, 10, kSeparator,
        "Subtrahiere drei Zahlen. Das Ergebnis überschreitet 10 nicht."),
    Fixed(32795, M, "Lange Aufgaben bis 20", SubtractThree, 20, kNoSeparator,
        "Subtrahiere drei Zahlen. Das Ergebnis überschreitet 20 nicht."),
    Free(32796, M, "Lange Aufgaben bis ?...", SubtractThree, 3, kNoSeparator,
        "Subtrahiere drei Zahlen. Das Ergebnis überschreitet eine frei bestimmbare Grenze "
        "nicht."),
    Fixed(32797, M, "Aufgaben mit einer Unbekannten", DifferenceWithA, 50, kSeparator,
        "Beispiel : sei a - 20 = 45, dann a = ??"),
    Fixed(32798, M, "Aufgaben mit zwei Unbekannten", DifferenceWithAB, 50, kNoSeparator,
        "Sei a = 14 und b = 10, dann a - b = ?"),
    Fixed(32799, M, "Gleichungen mit einer Unbekannten", SolveDifferenceForA, 50, kNoSeparator,
        "sei a - 12 = 45, dann a = ??"),
    Range(32800, M, "Aufgaben zwischen 10 und 20", SubtractInRange, 10, 20, 1, kSeparator,
        "Subtrahiere zwei Zahlen, deren Summe zwischen 10 und 20 liegt."),
    Range(32801, M, "Vielfache von 10", SubtractInRange, 1, 20, 10, kNoSeparator,
        "Subtrahiere zwei Zahlen, die ein Vielfaches von 10 sind."),

    Compare(32802, "Zwei Zahlen kleiner 10", CompareNumbers, 10, 1, kCmpSingle, kNoSeparator,
        "Vergleiche zwei Zahlen kleiner 10"),
    Compare(32803, "Zwei Zahlen kleiner 20", CompareNumbers, 20, 1, kCmpDouble, kNoSeparator,
        "Vergleiche zwei Zahlen kleiner 20"),
    Compare(32804, "Zwei Zahlen kleiner 100", CompareNumbers, 100, 1, kCmpDouble, kNoSeparator,
        "Vergleiche zwei Zahlen kleiner  100"),
    Compare(32805, "Vielfache von 10", CompareNumbers, 20, 10, kCmpDouble, kSeparator,
        "Vergleiche zwei Zahlen, die ein Vielfaches von 10 sind."),
    Compare(32806, "Zwei Summen", CompareSums, 100, 1, kCmpDouble, kSeparator,
        "Beispiel : 23 + 24 ? 12 + 23"),
    Compare(32807, "Summe mit Differenz", CompareSumWithDifference, 100, 1, kCmpDouble,
        kNoSeparator, "Beispiel : 12 + 45 ? 34 - 23"),

    Own(32811, "Eigene 1", "Pilo Eigene Eins.txt",
        "Kann Datei PILO EIGENE EINS.TXT nicht öffnen oder Datei ist leer!"),
    Own(32812, "Eigene 2", "Pilo Eigene Zwei.txt",
        "Kann Datei PILO EIGENE ZWEI.TXT nicht öffnen oder Datei ist leer!"),
    Own(32813, "Eigene 3", "Pilo Eigene Drei.txt",
        "Kann Datei PILO EIGENE DREI.TXT nicht öffnen oder Datei ist leer!"),
    Own(32814, "Eigene 4", "Pilo Eigene Vier.txt",
        "Kann Datei PILO EIGENE VIER.TXT nicht finden oder Datei ist leer !"),
};

} // namespace

std::span<const ExerciseKind> ExerciseKinds()
{
    return kKinds;
}

const ExerciseKind* FindExerciseKind(int id)
{
    const auto it
        = std::find_if(kKinds.begin(), kKinds.end(), [id](const auto& k) { return k.id == id; });
    return it == kKinds.end() ? nullptr : &*it;
}

std::string_view MenuTitle(Menu menu)
{
    switch (menu) {
    case Menu::Plus:
        return "Plus";
    case Menu::Minus:
        return "Minus";
    case Menu::Vergleiche:
        return "Vergleiche";
    case Menu::Eigene:
        break;
    }
    return "Eigene";
}
