#pragma once

#include "engine/OwnExerciseFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// An own exercise list as the parents' editor opens and saves it: the pairs
// exactly as the exercise window's reader pairs them, and the file's form,
// so saving changes nothing but the texts.

enum class OwnListEncoding { Utf8, Utf8WithBom, Windows1252 };
enum class OwnListLineEnd { CrLf, Lf };

struct OwnListFormat {
    // A new file: UTF-8, CR LF, a line end after the last line, as the
    // Windows program's editors wrote them.
    OwnListEncoding encoding = OwnListEncoding::Utf8;
    OwnListLineEnd lineEnd = OwnListLineEnd::CrLf;
    bool finalLineEnd = true;

    bool operator==(const OwnListFormat&) const = default;
};

struct OwnListDocument {
    std::vector<OwnTask> pairs;
    // A last line without a partner, which the reader drops (empty when there
    // is none, or only the usual empty entry after the last line end).
    std::string unpairedLine;
    OwnListFormat format;
};

// The form of existing bytes: a BOM, or any line that is not UTF-8 (read as
// Windows-1252), and the first line end; bytes without a line end keep the
// new-file defaults for it.
OwnListFormat DetectOwnListFormat(std::string_view bytes);

OwnListDocument ParseOwnListDocument(std::string_view bytes);

// The bytes of a file with these pairs. The format is kept where the reader
// gives back exactly these pairs from it; a text Windows-1252 cannot hold,
// or whose Windows-1252 bytes would read as different UTF-8, makes the file
// UTF-8 (format says which was used). CR, LF and NUL cannot be part of an
// entry and are dropped from the texts.
std::string EncodeOwnList(const std::vector<OwnTask>& pairs, OwnListFormat& format);

// The length of a text in the bytes of the file's encoding.
std::size_t EncodedLength(std::string_view utf8, OwnListEncoding encoding);

// A missing file opens as an empty, new list (exists false). False with a
// reason for a file that is there but cannot be read.
bool LoadOwnListFile(
    const std::filesystem::path& path, OwnListDocument& document, bool& exists, std::string& error);

// Writes a new file beside the old one and renames it into place, so the old
// file stays whole when anything fails; keeps the old file's permissions.
// False with a German reason.
bool SaveOwnListFile(const std::filesystem::path& path, const std::vector<OwnTask>& pairs,
    OwnListFormat& format, std::string& error);
