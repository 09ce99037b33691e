#include "input/GamepadReader.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

#include "storage/FileLines.h"

namespace fs = std::filesystem;

namespace dusk {

namespace {

// SDL's whole database is well below a megabyte.
constexpr std::uintmax_t maxMappingBytes = 16u << 20;

std::string mappingsProblem(const fs::path& file, const std::string& where,
                            const std::string& what) {
    return fileLine("Gamepad mappings", file.string(), where, what);
}

// The file's text, or the reason it cannot be had.
std::optional<std::string> readMappingFile(const fs::path& file, std::string& fault) {
    std::error_code error;
    const fs::file_status kind = fs::status(file, error);
    if (error) {
        fault = "cannot be read (" + error.message() + "); ignored";
        return std::nullopt;
    }
    if (kind.type() != fs::file_type::regular) {
        fault = "is not a regular file; ignored";
        return std::nullopt;
    }
    if (fs::file_size(file, error) > maxMappingBytes) {
        fault = "is larger than 16 MB; ignored";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        fault = "cannot be read; ignored";
        return std::nullopt;
    }
    return text;
}

}  // namespace

int GamepadReader::firstGamepad() {
    for (int joystick = GLFW_JOYSTICK_1; joystick <= GLFW_JOYSTICK_LAST; ++joystick) {
        if (glfwJoystickIsGamepad(joystick) == GLFW_TRUE) {
            return joystick;
        }
    }
    return -1;
}

GamepadReader::Reading GamepadReader::poll() {
    Reading reading;
    const bool kept = joystick_ >= 0 && glfwJoystickIsGamepad(joystick_) == GLFW_TRUE;
    if (!kept) {
        const int found = firstGamepad();
        if (found >= 0) {
            reading.change = Change::Connected;
        } else if (joystick_ >= 0) {
            reading.change = Change::Disconnected;
        }
        joystick_ = found;
    }
    if (joystick_ < 0) {
        return reading;
    }
    // A pad unplugged since the check reads as released; it is noticed next time.
    reading.present = glfwGetGamepadState(joystick_, &reading.state) == GLFW_TRUE;
    if (const char* name = glfwGetGamepadName(joystick_)) {
        reading.name = name;
    }
    return reading;
}

std::optional<std::string> loadGamepadMappings(const fs::path& file) {
    std::error_code error;
    if (fs::status(file, error).type() == fs::file_type::not_found) {
        return std::nullopt;
    }
    std::string fault;
    const std::optional<std::string> text = readMappingFile(file, fault);
    if (!text) {
        return mappingsProblem(file, "", fault);
    }
    // Line by line, so that a faulty line is named and the others still count.
    std::istringstream lines(*text);
    long number = 0;
    long faulty = 0;
    std::string first;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        glfwGetError(nullptr);
        glfwUpdateGamepadMappings(line.c_str());
        const char* description = nullptr;
        if (glfwGetError(&description) != GLFW_NO_ERROR && ++faulty == 1) {
            first = mappingsProblem(file, " line " + std::to_string(number),
                                    "not a mapping GLFW can read (" +
                                        std::string(description ? description : "refused") +
                                        "); that line is ignored");
        }
    }
    if (faulty > 1) {
        first += " (" + std::to_string(faulty) + " faulty lines in all)";
    }
    return faulty > 0 ? std::optional<std::string>(first) : std::nullopt;
}

}  // namespace dusk
