#pragma once

#include <optional>

// The options every command-line program answers: --help (-h) and
// --version print on standard output and end the program with status 0, any
// other argument is an error with status 2.  Answered before the window
// system is contacted, so they work without a display.  Returns nothing for
// an empty command line: then the program starts.
std::optional<int> AnswerCommandLine(int argc, char** argv);
