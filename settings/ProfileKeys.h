#pragma once

#include <string>
#include <string_view>

// Every section and key of the profile, named once, with the default each
// reader falls back on.  Where two readers of one key fall back on
// different values (a page that shows the stored text, the part that acts on
// it), both settings are here, side by side.

struct ProfileKey {
    std::string_view section;
    std::string_view name;
};

struct IntSetting {
    ProfileKey key;
    int fallback;
};

struct TextSetting {
    ProfileKey key;
    std::string_view fallback;
};

// A list stored as the keys <prefix>1, <prefix>2, ... of one section; an
// absent entry reads as the empty text.
struct NumberedKeys {
    std::string_view section;
    std::string_view prefix;

    std::string NameOf(int number) const { return std::string(prefix) + std::to_string(number); }
};

namespace Section {
inline constexpr std::string_view Parameter = "Parameter";
inline constexpr std::string_view Praise = "Lobe";
inline constexpr std::string_view Pictures = "Bilder";
inline constexpr std::string_view BigFont = "BigFont";
inline constexpr std::string_view SmallFont = "SmallFont";
inline constexpr std::string_view LearningAids = "Lernhilfen";
} // namespace Section

namespace Setting {

// 0 picture, 1 joke, 2 one of the two at random, 3 (or anything else) none.
inline constexpr IntSetting RewardKind { { Section::Parameter, "Belohnungsart" }, 3 };
// The options page marks "Bilder" while nothing is stored.
inline constexpr IntSetting RewardKindOnPage { RewardKind.key, 0 };
// Tasks per run; the options page shows and stores the typed text as it is.
inline constexpr IntSetting Tasks { { Section::Parameter, "Aufgaben" }, 0 };
inline constexpr TextSetting TasksText { Tasks.key, "" };
// Jokes witz1.txt .. witzN.txt to choose from; stored as typed, like Tasks.
inline constexpr IntSetting Jokes { { Section::Parameter, "Witze" }, 0 };
inline constexpr TextSetting JokesText { Jokes.key, "" };
inline constexpr TextSetting Background { { Section::Parameter, "Hintergrundbild" }, "pilo.bmp" };
inline constexpr TextSetting BackgroundOnPage { Background.key, "" };
// One-shot flag: the background page was confirmed, the main window repaints.
inline constexpr IntSetting BackgroundChanged { { Section::Parameter, "Changed" }, 0 };
inline constexpr IntSetting Sound { { Section::Parameter, "Sound" }, 0 };
// One-shot flag: the run that just ended earned a reward.
inline constexpr IntSetting RewardDue { { Section::Parameter, "Lobe" }, 0 };
// Written for the record only: the longest line of the own list read last.
inline constexpr ProfileKey LongestOwnLine { Section::Parameter, "Laenge" };

inline constexpr IntSetting PraiseCount { { Section::Praise, "Anzahl" }, 0 };
inline constexpr NumberedKeys Praise { Section::Praise, "Lob" };

// The picture reward draws from the first PictureCount pictures, the
// background page offers the first BackgroundCount.
inline constexpr IntSetting PictureCount { { Section::Pictures, "Anzahl" }, 0 };
inline constexpr IntSetting BackgroundCount { { Section::Pictures, "AnzahlHinter" }, 0 };
inline constexpr NumberedKeys Picture { Section::Pictures, "Bild" };

// The learning aids a parent switches on in the page "Lernhilfen", 0 or 1;
// absent means off, so a profile that never saw the page runs without them.
inline constexpr IntSetting ReadAloud { { Section::LearningAids, "Vorlesen" }, 0 };
inline constexpr IntSetting RepeatMissed { { Section::LearningAids, "Wiederholen" }, 0 };
inline constexpr IntSetting HintButton { { Section::LearningAids, "Tipp" }, 0 };
inline constexpr IntSetting ShowProgress { { Section::LearningAids, "Fortschritt" }, 0 };

// Every run is recorded unless a parent switches it off.
inline constexpr IntSetting Record { { Section::LearningAids, "Aufzeichnen" }, 1 };

} // namespace Setting

// The ten keys of a display style section (Section::BigFont or
// Section::SmallFont), with their defaults.  The height has none of its own:
// the exercise window and the font dialog each bring theirs.
namespace StyleKey {
struct Int {
    std::string_view name;
    int fallback;
};
inline constexpr Int Red { "Rot", 0 };
inline constexpr Int Green { "Gruen", 0 };
inline constexpr Int Blue { "Blau", 0 };
inline constexpr Int Underline { "Underline", 0 };
inline constexpr Int Italic { "Italic", 0 };
inline constexpr Int StrikeOut { "StrikeOut", 0 };
inline constexpr std::string_view Height = "FontHeight";
inline constexpr Int Width { "FontWidth", 0 };
inline constexpr Int Weight { "FontWeight", 400 };
inline constexpr std::string_view Name = "Name";
inline constexpr std::string_view NameFallback = "Arial";
} // namespace StyleKey
