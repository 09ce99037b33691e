// A shader file that is missing or does not build ends the game at start-up
// with exit status 1 and one message on standard output: "ERROR: Could not
// load file", the compiler's log followed by " check", or the linker's log.
// The logs are the driver's own words, so the expected text is made by
// compiling and linking the same sources here, in a context of our own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GameProcess.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

constexpr double failureTimeout = 20.0;  // only a guard against a hang

const char* const shaderFiles[] = {
    "basic.vert",
    "basic.frag",
    "skinning.vert",
    "sky.frag",
    "DepthRTT.vertexshader",
    "DepthRTT.fragmentshader",
    "lensFlare.vert",
    "lensFlare.frag",
    "upscale.frag",
};

GLenum stageOf(const std::string& file) {
    const bool vertex = file.find(".vert") != std::string::npos;
    return vertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER;
}

const char* const validVertex =
    "#version 330 core\n"
    "layout(location = 0) in vec3 position;\n"
    "out vec3 shade;\n"
    "void main() { shade = position; gl_Position = vec4(position, 1.0); }\n";

class ShaderFailure : public GlTest {
protected:
    static std::string path(const std::string& file) { return "Duskhollow/Shader/" + file; }

    // Compiles source as the given stage; returns the shader (0 if it did not
    // compile) and leaves the info log in log.
    static GLuint compile(GLenum stage, const std::string& source, std::string& log) {
        const GLuint shader = glCreateShader(stage);
        const char* text = source.c_str();
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        GLint status = 0;
        GLint length = 0;
        glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
        glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        glGetShaderInfoLog(shader, length, nullptr, buffer.data());
        log = buffer.data();
        return status ? shader : 0;
    }

    // The compiler's log for a source that must not compile.
    static std::string compileLog(GLenum stage, const std::string& source) {
        std::string log;
        EXPECT_EQ(compile(stage, source, log), 0u) << "the driver compiled it:\n" << source;
        return log;
    }

    // The linker's log for two sources that compile but must not link.
    static std::string linkLog(const std::string& vertex, const std::string& fragment) {
        std::string log;
        const GLuint vs = compile(GL_VERTEX_SHADER, vertex, log);
        EXPECT_NE(vs, 0u) << log;
        const GLuint fs = compile(GL_FRAGMENT_SHADER, fragment, log);
        EXPECT_NE(fs, 0u) << log;
        const GLuint program = glCreateProgram();
        glAttachShader(program, vs);
        glAttachShader(program, fs);
        glLinkProgram(program);
        GLint status = 0;
        GLint length = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &status);
        glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
        EXPECT_EQ(status, 0) << "the driver linked them";
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        glGetProgramInfoLog(program, length, nullptr, buffer.data());
        return buffer.data();
    }

    // Runs the game with input at its end; it must fail with exactly
    // expectedOut, nothing on standard error and exit status 1.
    void expectFailure(const std::string& expectedOut, const std::string& what) {
        GameProcess game(dir.path());
        ASSERT_TRUE(game.run(failureTimeout)) << what << "\n" << game.describe();
        EXPECT_EQ(game.out(), expectedOut) << what;
        EXPECT_EQ(game.err(), "") << what;
        EXPECT_EQ(game.exitCode(), 1) << what << "\n" << game.describe();
    }

    RunDir dir;
};

TEST_F(ShaderFailure, AMissingFileEndsTheRun) {
    for (const char* file : shaderFiles) {
        RunDir fresh;
        fresh.remove(path(file));
        GameProcess game(fresh.path());
        ASSERT_TRUE(game.run(failureTimeout)) << file << "\n" << game.describe();
        EXPECT_EQ(game.out(), "ERROR: Could not load file\n") << "without " << file;
        EXPECT_EQ(game.err(), "") << "without " << file;
        EXPECT_EQ(game.exitCode(), 1) << "without " << file;
    }
}

TEST_F(ShaderFailure, ACompileErrorPrintsTheLogFollowedByCheck) {
    const std::string broken =
        "#version 330 core\n"
        "void main() { this is not glsl }\n";
    for (const char* file : shaderFiles) {
        RunDir fresh;
        fresh.write(path(file), broken);
        const std::string log = compileLog(stageOf(file), broken);
        ASSERT_NE(log, "");
        GameProcess game(fresh.path());
        ASSERT_TRUE(game.run(failureTimeout)) << file << "\n" << game.describe();
        EXPECT_EQ(game.out(), log + " check\n") << "broken " << file;
        EXPECT_EQ(game.err(), "") << "broken " << file;
        EXPECT_EQ(game.exitCode(), 1) << "broken " << file;
    }
}

TEST_F(ShaderFailure, EachFileIsCompiledAsItsOwnStage) {
    // A fragment shader in a vertex shader's file (and the other way round)
    // fails with the log of the stage the file is meant for.
    const std::string fragmentOnly =
        "#version 330 core\n"
        "out vec4 colour;\n"
        "void main() { colour = gl_FragCoord; }\n";
    dir.write(path("basic.vert"), fragmentOnly);
    expectFailure(compileLog(GL_VERTEX_SHADER, fragmentOnly) + " check\n",
                  "fragment code in basic.vert");

    const std::string vertexOnly =
        "#version 330 core\n"
        "void main() { gl_Position = vec4(float(gl_VertexID)); }\n";
    RunDir other;
    other.write(path("basic.frag"), vertexOnly);
    GameProcess game(other.path());
    ASSERT_TRUE(game.run(failureTimeout)) << game.describe();
    EXPECT_EQ(game.out(), compileLog(GL_FRAGMENT_SHADER, vertexOnly) + " check\n");
    EXPECT_EQ(game.exitCode(), 1);
}

TEST_F(ShaderFailure, AnEmptyFileIsHandedOverAndReportedByTheDriver) {
    dir.write(path("basic.vert"), "");
    // Mesa rejects an empty source ("unexpected end of file").
    expectFailure(compileLog(GL_VERTEX_SHADER, "") + " check\n", "empty basic.vert");
}

TEST_F(ShaderFailure, ShadersThatCompileButDoNotLinkPrintTheLinkLog) {
    const struct {
        const char* fragment;
        const char* why;
    } cases[] = {
        {"#version 330 core\n"
         "in vec4 shade;\n"
         "out vec4 colour;\n"
         "void main() { colour = shade; }\n",
         "an input whose type differs from the vertex shader's output"},
        {"#version 330 core\n"
         "out vec4 colour;\n"
         "void notMain() { colour = vec4(1.0); }\n",
         "no main"},
        {"#version 330 core\n"
         "out vec4 colour;\n"
         "vec4 tint();\n"
         "void main() { colour = tint(); }\n",
         "a function declared but never defined"},
    };
    for (const auto& c : cases) {
        dir.write(path("basic.vert"), validVertex);
        dir.write(path("basic.frag"), c.fragment);
        const std::string log = linkLog(validVertex, c.fragment);
        ASSERT_NE(log, "") << c.why;
        expectFailure(log + "\n", c.why);
    }
}

TEST_F(ShaderFailure, ThePauseWaitsForALineOnAnOpenInput) {
    dir.remove(path("sky.frag"));
    GameProcess game(dir.path());
    ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen)) << game.describe();
    ASSERT_TRUE(game.waitForOutput("ERROR: Could not load file\n", failureTimeout))
        << game.describe();
    EXPECT_TRUE(game.stillRunningAfter(1.0)) << "the pause did not wait\n" << game.describe();
    game.writeInput("\n");
    ASSERT_TRUE(game.wait(failureTimeout)) << game.describe();
    EXPECT_EQ(game.exitCode(), 1);
}

}  // namespace
}  // namespace dusk::test
