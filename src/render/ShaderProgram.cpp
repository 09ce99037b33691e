#include "render/ShaderProgram.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "base/Console.h"

namespace dusk {

namespace {

using GetParameter = void (*)(GLuint, GLenum, GLint*);
using GetLog = void (*)(GLuint, GLsizei, GLsizei*, GLchar*);

// The shader's or program's status; when it is 0, also its info log as the
// driver wrote it (empty for a log of length 0).
bool succeeded(GLuint object, GLenum statusName, GetParameter getParameter, GetLog getLog,
               std::string& log) {
    GLint status = 0;
    getParameter(object, statusName, &status);
    if (status != 0) {
        return true;
    }
    GLint length = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    getLog(object, length, nullptr, buffer.data());
    log = buffer.data();
    return false;
}

}  // namespace

ShaderProgram::ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath,
                             const std::string& fragmentDefines)
    : program_(glCreateProgram()) {
    if (!program_) {
        failAndExit("ERROR: Could not create Program..", false);
    }
    loadShader(vertexPath, GL_VERTEX_SHADER, vertexShader_);
    loadShader(fragmentPath, GL_FRAGMENT_SHADER, fragmentShader_, fragmentDefines);
    link();
    uniforms_ = UniformLocations::of(program_.get());
}

void ShaderProgram::loadShader(const std::string& path, GLenum type, GlShader& target,
                               const std::string& defines) {
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        failAndExit("ERROR: Could not load file", true);
    }
    const std::string source((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
    file.close();

    target.reset(glCreateShader(type));
    if (!target) {
        failAndExit("ERROR: Could not create shader", true);
    }
    // #version must stay the first line; the defines follow it.
    const size_t firstLineEnd = source.find('\n');
    const size_t split = firstLineEnd == std::string::npos ? source.size() : firstLineEnd + 1;
    const std::string head = source.substr(0, split);
    const std::string tail = source.substr(split);
    const char* parts[] = {head.c_str(), defines.c_str(), tail.c_str()};
    glShaderSource(target.get(), 3, parts, nullptr);
    glCompileShader(target.get());

    std::string log;
    if (!succeeded(target.get(), GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog, log)) {
        failAndExit(log + " check", true);
    }
}

void ShaderProgram::link() {
    glAttachShader(program_.get(), vertexShader_.get());
    glAttachShader(program_.get(), fragmentShader_.get());
    glLinkProgram(program_.get());

    std::string log;
    if (!succeeded(program_.get(), GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog, log)) {
        failAndExit(log, true);
    }
}

}  // namespace dusk
