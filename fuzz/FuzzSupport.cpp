#include "FuzzSupport.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace dusk::fuzz {

namespace {

const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        char pattern[] = "/tmp/duskfuzz.XXXXXX";
        require(mkdtemp(pattern) != nullptr, "cannot make a scratch folder");
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchFolder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

}  // namespace

std::string writeScratchFile(const std::string& name, const uint8_t* data, size_t size) {
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    require(out.good(), "cannot write " + path.string());
    return path.string();
}

std::string missingScratchFile(const std::string& name) {
    return (scratchFolder() / "missing" / name).string();
}

void makeGlContextOnce() {
    static const bool ready = [] {
        require(glfwInit() == GLFW_TRUE, "glfwInit failed (no DISPLAY? run under xvfb-run)");
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
        glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        GLFWwindow* window = glfwCreateWindow(64, 64, "Duskhollow fuzz", nullptr, nullptr);
        require(window != nullptr, "no 3.3 core context");
        glfwMakeContextCurrent(window);
        glewExperimental = GL_TRUE;
        require(glewInit() == GLEW_OK, "glewInit failed");
        drainGlErrors();
        return true;
    }();
    (void)ready;
}

int drainGlErrors() {
    int count = 0;
    while (glGetError() != GL_NO_ERROR) {
        ++count;
    }
    return count;
}

void require(bool condition, const std::string& message) {
    if (!condition) {
        std::fprintf(stderr, "FUZZ FINDING: %s\n", message.c_str());
        std::abort();
    }
}

}  // namespace dusk::fuzz
