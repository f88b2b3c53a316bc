#include "settings/DisplayStyle.h"

#include "settings/Profile.h"
#include "settings/ProfileWriter.h"
#include "settings/TextCodec.h"

#include <QFontMetrics>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// Beyond this a font only costs time; no window could show a glyph of it.
constexpr int kMaxFontPixels = 2000;

// Only the low byte of a stored colour part or flag counts.
quint8 LowByte(int value)
{
    return quint8(value & 0xFF);
}

int Read(Profile& profile, std::string_view section, const StyleKey::Int& key)
{
    return profile.GetProfileInt(section, key.name, key.fallback);
}

// Weights as fonts on Windows give them (0 = don't care), to Qt's nine steps.
QFont::Weight NearestWeight(int weight)
{
    if (weight <= 0)
        return QFont::Normal;
    const int step = std::clamp((weight + 50) / 100, 1, 9);
    return static_cast<QFont::Weight>(step * 100);
}

} // namespace

std::string FitFaceName(std::string_view name)
{
    return std::string(TextCodec::CutUtf8(name, DisplayStyle::MaxFaceNameBytes));
}

DisplayStyle DisplayStyle::Load(Profile& profile, std::string_view section, int heightFallback)
{
    DisplayStyle style;
    style.italic = LowByte(Read(profile, section, StyleKey::Italic));
    style.height = profile.GetProfileInt(section, StyleKey::Height, heightFallback);
    style.width = Read(profile, section, StyleKey::Width);
    style.weight = Read(profile, section, StyleKey::Weight);
    style.underline = LowByte(Read(profile, section, StyleKey::Underline));
    style.strikeOut = LowByte(Read(profile, section, StyleKey::StrikeOut));
    style.faceName
        = FitFaceName(profile.GetProfileString(section, StyleKey::Name, StyleKey::NameFallback));
    style.colour = LoadColour(profile, section);
    return style;
}

QColor DisplayStyle::LoadColour(Profile& profile, std::string_view section)
{
    return QColor(LowByte(Read(profile, section, StyleKey::Red)),
        LowByte(Read(profile, section, StyleKey::Green)),
        LowByte(Read(profile, section, StyleKey::Blue)));
}

void DisplayStyle::Save(ProfileWriter& writer, std::string_view section) const
{
    writer.WriteInt({ section, StyleKey::Red.name }, colour.red());
    writer.WriteInt({ section, StyleKey::Green.name }, colour.green());
    writer.WriteInt({ section, StyleKey::Blue.name }, colour.blue());
    writer.WriteInt({ section, StyleKey::Underline.name }, underline);
    writer.WriteInt({ section, StyleKey::Italic.name }, italic);
    writer.WriteInt({ section, StyleKey::StrikeOut.name }, strikeOut);
    writer.WriteInt({ section, StyleKey::Height }, height);
    writer.WriteInt({ section, StyleKey::Width.name }, width);
    writer.WriteInt({ section, StyleKey::Weight.name }, weight);
    writer.WriteString({ section, StyleKey::Name }, faceName);
}

QFont DisplayStyle::Font() const
{
    QFont made(QString::fromStdString(faceName));
    // Height 0 asks for the default size; a negative one means the same size.
    if (height != 0)
        made.setPixelSize(std::min(height == INT_MIN ? INT_MAX : std::abs(height), kMaxFontPixels));
    made.setWeight(NearestWeight(weight));
    made.setItalic(italic != 0);
    made.setUnderline(underline != 0);
    made.setStrikeOut(strikeOut != 0);
    if (width != 0) {
        // A width asks for that average character width instead of the natural one.
        const int natural = QFontMetrics(made).averageCharWidth();
        const long long wanted = std::min<long long>(std::llabs(width), kMaxFontPixels);
        if (natural > 0)
            made.setStretch(
                static_cast<int>(std::clamp<long long>(wanted * 100 / natural, 1, 4000)));
    }
    return made;
}
