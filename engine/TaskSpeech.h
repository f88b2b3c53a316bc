#pragma once

#include <string>
#include <string_view>

// The words Pilo says when it reads aloud, in German a young child
// understands.  Texts are UTF-8.
namespace TaskSpeech {

// A whole number in words, as one word where German writes one:
// 0 "null", 1 "eins", 21 "einundzwanzig", 1999
// "eintausendneunhundertneunundneunzig".  Beyond 999999 the digits are
// said one by one.
std::string NumberWords(long long n);

// A task of a generated kind ("3 + 4 = ?", "sei a - 12 = 45, dann a = ??",
// "7 ? 4 ") as a sentence; a text of any other shape, as an own-list task
// is, comes back as it is written.
std::string SpokenTask(std::string_view taskText);

// After "Lösen": "Die Lösung ist sieben."; "<" and ">" as "kleiner" and
// "größer", any other answer as written.
std::string SpokenSolution(std::string_view answer);

} // namespace TaskSpeech
