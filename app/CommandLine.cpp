#include "app/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#ifndef PILO_VERSION
#error "PILO_VERSION names the version of the program"
#endif
#ifndef PILO_LICENSE
#error "PILO_LICENSE names the licence of this build (empty for none)"
#endif

namespace {

constexpr int kUsageError = 2;

// The windows always speak German; the terminal answers in the language of
// the messages locale, as other command-line programs do.
bool GermanLocale()
{
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::strncmp(value, "de", 2) == 0;
    }
    return false;
}

constexpr const char* kHelpEnglish
    = "Usage: pilo [--help | --version]\n"
      "Pilo, an arithmetic trainer for young children (in German).\n"
      "\n"
      "Started without arguments, pilo opens its main window.\n"
      "\n"
      "  -h, --help     print this help and exit\n"
      "      --version  print the version and exit\n"
      "\n"
      "Settings: ~/.config/pilo.INI. Pictures, sounds, jokes and own "
      "exercise lists:\n"
      "the data folder ~/.local/share/pilo.\n"
      "Help: the menu \"Hilfe\" in the program, and \"man pilo\".\n";

constexpr const char* kHelpGerman = "Aufruf: pilo [--help | --version]\n"
                                    "Pilo, ein Rechentrainer für Kinder.\n"
                                    "\n"
                                    "Ohne Argumente gestartet, öffnet pilo sein Hauptfenster.\n"
                                    "\n"
                                    "  -h, --help     diese Hilfe ausgeben und beenden\n"
                                    "      --version  die Version ausgeben und beenden\n"
                                    "\n"
                                    "Einstellungen: ~/.config/pilo.INI. Bilder, Klänge, Witze und "
                                    "eigene Übungslisten:\n"
                                    "der Datenordner ~/.local/share/pilo.\n"
                                    "Hilfe: das Menü „Hilfe“ im Programm und „man pilo“.\n";

void PrintVersion(bool german)
{
    std::printf("Pilo %s\n", PILO_VERSION);
    std::printf("%s", german ? "Copyright © 2026 Pilo-Team\n" : "Copyright (C) 2026 Pilo-Team\n");
    constexpr std::string_view license = PILO_LICENSE;
    if (license.empty())
        std::printf("%s",
            german ? "Beim Bau dieses Programms wurde keine Lizenz angegeben.\n"
                   : "No licence was named when this copy of Pilo was built.\n");
    else
        std::printf(german ? "Lizenz: %s\n" : "Licence: %s\n", PILO_LICENSE);
}

// What was printed must have reached its reader: a full disk or a closed
// pipe is an error, not a success.
int Flushed()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fputs("pilo: write error\n", stderr);
    return 1;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    const bool german = GermanLocale();
    // Like getopt: the first argument decides, later ones are not looked at.
    const std::string_view arg = argv[1];
    if (arg == "--help" || arg == "-h") {
        std::fputs(german ? kHelpGerman : kHelpEnglish, stdout);
        return Flushed();
    }
    if (arg == "--version") {
        PrintVersion(german);
        return Flushed();
    }
    if (german)
        std::fprintf(stderr,
            "pilo: unbekanntes Argument „%s“\n„pilo --help“ zeigt, was Pilo versteht.\n", argv[1]);
    else
        std::fprintf(stderr,
            "pilo: unrecognized argument '%s'\nTry 'pilo --help' for more information.\n", argv[1]);
    return kUsageError;
}
