#pragma once

#include "settings/ProfileKeys.h"

#include <QColor>
#include <QFont>

#include <cstddef>
#include <string>
#include <string_view>

class Profile;
class ProfileWriter;

// One of the two display styles of the exercise window ("BigFont" styles the
// task and the answer, "SmallFont" the prompt and the praise): the ten keys
// of its section, loaded and saved together, and turned into a font and a
// colour.  The fields are those of the platform font record the keys were
// made for.
struct DisplayStyle {
    // The record's face name holds 31 bytes and a terminator.
    static constexpr std::size_t MaxFaceNameBytes = 31;
    // The exercise window's height where the profile holds none; the font
    // dialog presets the lower bound of its sizes instead.
    static constexpr int WindowHeight = 35;

    int height = 0;
    int width = 0;
    int weight = 0;
    quint8 italic = 0;
    quint8 underline = 0;
    quint8 strikeOut = 0;
    std::string faceName;
    QColor colour = Qt::black;

    // The ten keys of section; an absent height reads as heightFallback.
    static DisplayStyle Load(Profile& profile, std::string_view section, int heightFallback);
    // Only the three colour keys: the exercise window reads them at every paint.
    static QColor LoadColour(Profile& profile, std::string_view section);
    // Writes all ten keys, in the order they have always been written.
    void Save(ProfileWriter& writer, std::string_view section) const;

    // The font the exercise window draws with: the height in pixels, the
    // width as the average character width.
    QFont Font() const;
};

// Cuts a UTF-8 face name to the record's field, never inside a character.
std::string FitFaceName(std::string_view name);

// The two styles as the font commands offer them: the section and the range
// of sizes in points.
struct DisplayStyleSection {
    std::string_view section;
    int minSize;
    int maxSize;
};
inline constexpr DisplayStyleSection BigStyle { Section::BigFont, 25, 45 };
inline constexpr DisplayStyleSection SmallStyle { Section::SmallFont, 20, 30 };
