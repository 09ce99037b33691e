#pragma once
// The words the player's files share: the one-line fault messages about
// them, and numbers written so that they read back the same.
#include <string>

namespace dusk {

// "<what the file is> "<fileName>"<where>: <what>" on one line, e.g.
// Settings file "/home/a/settings.toml" line 3: ...; control characters in
// any part are written as escapes.
std::string fileLine(const char* fileKind, const std::string& fileName, const std::string& where,
                     const std::string& what);

// The text with every control character written as an escape ("\x0a"), so
// that a message stays on its one line.
std::string withoutControls(const std::string& text);

// Shortest text that reads back as the same double, always with a point.
std::string decimal(double value);

}  // namespace dusk
