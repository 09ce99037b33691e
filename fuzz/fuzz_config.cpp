// The window-size file: any bytes as "Release/config.txt". Each of the two
// sizes must be what the C library's strtoll makes of its line, clamped to
// the int range (atoi's reading without its undefined overflow).
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "FuzzSupport.h"
#include "app/Config.h"

namespace {

std::string line(const std::string& bytes, size_t number) {
    size_t begin = 0;
    for (size_t i = 0; i < number; ++i) {
        const size_t end = bytes.find('\n', begin);
        if (end == std::string::npos) {
            return "";
        }
        begin = end + 1;
    }
    return bytes.substr(begin, bytes.find('\n', begin) - begin);
}

int referenceValue(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using dusk::fuzz::require;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const dusk::WindowConfig config =
        dusk::readWindowConfig(dusk::fuzz::writeScratchFile("config.txt", data, size));
    const std::string first = line(bytes, 0);
    const std::string second = line(bytes, 1);
    require(config.width == referenceValue(first),
            "width " + std::to_string(config.width) + " from '" + first + "'");
    require(config.height == referenceValue(second),
            "height " + std::to_string(config.height) + " from '" + second + "'");
    require(dusk::parseConfigLine(bytes) == referenceValue(bytes), "a whole input as one line");
    return 0;
}
