#include "storage/FileLines.h"

#include <charconv>
#include <cstdio>

namespace dusk {

std::string fileLine(const char* fileKind, const std::string& fileName, const std::string& where,
                     const std::string& what) {
    return withoutControls(std::string(fileKind) + " \"" + fileName + "\"" + where + ": " + what);
}

std::string withoutControls(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(c));
            result += escape;
        } else {
            result += c;
        }
    }
    return result;
}

std::string decimal(double value) {
    // Room for the longest fixed form of a double (about 310 digits).
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (text.find('.') == std::string::npos) {
        text += ".0";
    }
    return text;
}

}  // namespace dusk
