#pragma once
// Where the game keeps a file of the player's, by the XDG base directory rule,
// reading one, and the names of the files it keeps beside one.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace dusk {

// xdgHome/duskhollow/fileName when xdgHome (an XDG_*_HOME value) is an
// absolute path, else home/homeFallback/duskhollow/fileName (e.g. ".config");
// empty without a usable home.
std::filesystem::path playerFilePath(const char* xdgHome, const char* home,
                                     const std::filesystem::path& homeFallback,
                                     const char* fileName);

// The path with suffix added to its file name ("settings.toml" + ".bad").
std::filesystem::path besidePath(const std::filesystem::path& path, const char* suffix);

// The first of "<path>.bad", "<path>.bad.2", "<path>.bad.3" ... up to
// ".bad.999" that names nothing yet; empty when all of them are taken.
std::filesystem::path freeBadCopyPath(const std::filesystem::path& path);

// Keeps what the file at path holds as copy, which must name nothing yet (a
// file there is never replaced: file_exists): a hard link to the file at the
// end of path's symbolic links (a link to the link would show the next save),
// else a copy of its bytes. The error of the last step tried; none when the
// file is kept.
std::error_code keepFileAs(const std::filesystem::path& path, const std::filesystem::path& copy);

// The most a settings or records file may hold: a real one holds a few
// hundred kilobytes at most.
constexpr std::uintmax_t maxPlayerFileBytes = 4u << 20;
// "larger than 4 MB", for the line about a refused file.
extern const char* const playerFileTooLarge;

enum class PlayerFileRead { Read, TooLarge, Failed };

// Reads the regular file at path whole into text when it holds at most
// maxBytes. TooLarge without reading it when its size says so, or as soon
// as more bytes than that come (a file growing meanwhile); Failed with the
// system's reason in error when it cannot be opened or read.
PlayerFileRead readPlayerFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                              std::string& text, std::string& error);

// A settings or records file as the game finds it.
struct PlayerFileText {
    enum class Outcome { Missing, Read, TooLarge, Fault };
    Outcome outcome = Outcome::Missing;
    std::string text;      // Read: the whole file
    std::string fault;     // Fault: "is a folder, not a file", "cannot be read (<reason>)", ...
    bool regular = false;  // a regular file stands at the path (a copy of it can be kept)
};

// Looks at path and reads it whole when it is a regular file of at most
// maxPlayerFileBytes: nothing there, a folder, a pipe or device (which could
// block or never end), a path that cannot be searched, a file too large or
// unreadable are told apart.
PlayerFileText readPlayerFileText(const std::filesystem::path& path);

}  // namespace dusk
