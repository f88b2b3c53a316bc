#pragma once

#include "settings/Profile.h"

#include <array>
#include <string_view>

// The learning aids a parent may switch on in the page "Lernhilfen", each a
// key of ProfileKeys.h.  The page shows one check box per row, read and
// written through the row's setting, so a row whose box is ticked while
// nothing is stored only needs a setting whose fallback is 1.
namespace LearningAids {

enum Aid { ReadAloud, Repeat, Hint, Progress, Record };

struct Entry {
    Aid aid;
    IntSetting setting; // its fallback is the box's state while nothing is stored
    std::string_view text; // the check box's words on the page, UTF-8
};

// In the page's order; a new aid is one more row here.
inline constexpr std::array<Entry, 5> kEntries { {
    { ReadAloud, Setting::ReadAloud, "Aufgaben und Witze vorlesen" },
    { Repeat, Setting::RepeatMissed, "Falsch gelöste Aufgaben am Ende wiederholen" },
    { Hint, Setting::HintButton, "Tipp-Knopf bei falschen Antworten" },
    { Progress, Setting::ShowProgress, "Fortschritt im Übungsfenster zeigen" },
    // The record for the window "Fortschritt": ticked while nothing is stored.
    { Record, Setting::Record, "Ergebnisse aufzeichnen" },
} };

constexpr const Entry& EntryOf(Aid aid)
{
    for (const Entry& entry : kEntries) {
        if (entry.aid == aid)
            return entry;
    }
    return kEntries[0]; // unreachable: every aid has its row
}

// Whether the parent switched the aid on; reads the profile every time.
inline bool IsOn(Profile& profile, Aid aid)
{
    return profile.Read(EntryOf(aid).setting) != 0;
}

} // namespace LearningAids
