#pragma once
// Where the game keeps a file of the player's, by the XDG base directory rule,
// and the names of the files it keeps beside one.
#include <filesystem>

namespace dusk {

// xdgHome/duskhollow/fileName when xdgHome (an XDG_*_HOME value) is an
// absolute path, else home/homeFallback/duskhollow/fileName (e.g. ".config");
// empty without a usable home.
std::filesystem::path playerFilePath(const char* xdgHome, const char* home,
                                     const std::filesystem::path& homeFallback,
                                     const char* fileName);

// The path with suffix added to its file name ("settings.toml" + ".bad").
std::filesystem::path besidePath(const std::filesystem::path& path, const char* suffix);

}  // namespace dusk
