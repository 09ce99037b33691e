#include "app/Config.h"

#include <cctype>
#include <climits>
#include <fstream>

namespace dusk {

int parseConfigLine(const std::string& line) {
    size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

bool windowSizeAcceptable(const WindowConfig& config) {
    const int largest = 32767;
    return config.width > 0 && config.height > 0 && config.width <= largest &&
           config.height <= largest;
}

WindowConfig readWindowConfig(const std::string& path) {
    std::ifstream file(path);
    std::string first;
    std::string second;
    if (file.is_open()) {
        std::getline(file, first);
        std::getline(file, second);
    }
    return {parseConfigLine(first), parseConfigLine(second)};
}

WindowConfig chooseWindowSize(const WindowConfig& configFile, std::optional<int> width,
                              std::optional<int> height) {
    if (width && height) {
        return {*width, *height};
    }
    return configFile;
}

}  // namespace dusk
