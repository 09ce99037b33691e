#include "render/ShaderProgram.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "app/Console.h"

namespace dusk {

ShaderProgram::ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath) {
    program = glCreateProgram();
    if (program == 0) {
        failAndExit("ERROR: Could not create Program..", false);
    }
    loadShader(vertexPath, GL_VERTEX_SHADER, vertexShader);
    loadShader(fragmentPath, GL_FRAGMENT_SHADER, fragmentShader);
    link();
}

ShaderProgram::~ShaderProgram() {
    glDeleteProgram(program);
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
}

void ShaderProgram::loadShader(const std::string& path, GLenum type, GLuint& target) {
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        failAndExit("ERROR: Could not load file", true);
    }
    const std::string source((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
    file.close();

    target = glCreateShader(type);
    if (target == 0) {
        failAndExit("ERROR: Could not create shader", true);
    }
    const char* text = source.c_str();
    glShaderSource(target, 1, &text, nullptr);
    glCompileShader(target);

    GLint status = 0;
    glGetShaderiv(target, GL_COMPILE_STATUS, &status);
    if (status == 0) {
        GLint length = 0;
        glGetShaderiv(target, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
        glGetShaderInfoLog(target, length, nullptr, log.data());
        failAndExit(std::string(log.data()) + " check", true);
    }
}

void ShaderProgram::link() {
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);

    GLint status = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    if (status == 0) {
        GLint length = 0;
        glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
        glGetProgramInfoLog(program, length, nullptr, log.data());
        failAndExit(log.data(), true);
    }
}

}  // namespace dusk
