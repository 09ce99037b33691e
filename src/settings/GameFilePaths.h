#pragma once
// Where the game keeps a file of the player's, by the XDG base directory rule,
// and the names of the files it keeps beside one.
#include <filesystem>
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

// Keeps what the file at path holds as copy, replacing copy: a hard link to
// the file at the end of path's symbolic links (a link to the link would show
// the next save), else a copy of its bytes. The error of the last step tried;
// none when the file is kept.
std::error_code keepFileAs(const std::filesystem::path& path, const std::filesystem::path& copy);

}  // namespace dusk
