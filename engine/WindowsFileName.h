#pragma once

#include <filesystem>
#include <string_view>

// Finds a data file the way Windows finds it, for pictures, sounds, jokes
// and exercise lists that profiles and folders brought from Windows name in
// any letter case ("KATZE.BMP" for "katze.bmp", "bilder\katze.bmp").
//
// The name as given always wins and costs one stat().  Only when it is not
// there is a backslash read as a folder separator and each folder and the
// file looked up without regard to letter case (ASCII and the Latin-1
// letters such as Ä/ä), reading each folder once.  When nothing fits, the
// name comes back unchanged (backslashes as slashes), so opening it fails as
// it would have.  Nothing on disk is renamed or created.
std::filesystem::path FindFileAnyCase(std::string_view name);

// Whether two names are equal apart from letter case, as above.
bool SameNameAnyCase(std::string_view a, std::string_view b);
