// artpreview: draws every generated model with the game's own loaders into
// PNG files, so the art can be looked at without running the game.
// Usage: artpreview RUN_DIRECTORY OUTPUT_DIRECTORY (the run directory holds
// Model/ and Textures/ as artgen wrote them).
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <Magick++.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assets/Image.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "math/Math.h"
#include "render/GpuSkinnedModel.h"
#include "render/GpuStaticModel.h"
#include "render/Uniforms.h"

namespace fs = std::filesystem;
using dusk::mat4;
using dusk::vec3;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

const char* kStaticVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
uniform mat4 model;
uniform mat4 view_proj;
out vec3 vNormal;
out vec2 vUv;
void main() {
    vNormal = mat3(model) * normal;
    vUv = uv;
    gl_Position = view_proj * model * vec4(position, 1.0);
})";

const char* kSkinnedVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec3 normal;
layout(location = 3) in ivec4 boneIds;
layout(location = 4) in vec4 weights;
uniform mat4 model;
uniform mat4 view_proj;
uniform mat4 gBones[64];
out vec3 vNormal;
out vec2 vUv;
void main() {
    mat4 skin = gBones[boneIds.x] * weights.x + gBones[boneIds.y] * weights.y +
                gBones[boneIds.z] * weights.z + gBones[boneIds.w] * weights.w;
    vNormal = mat3(model) * mat3(skin) * normal;
    vUv = uv;
    gl_Position = view_proj * model * skin * vec4(position, 1.0);
})";

const char* kFragment = R"(#version 330 core
in vec3 vNormal;
in vec2 vUv;
uniform sampler2D color_texture;
uniform vec3 lightDir;
uniform int unlit;
out vec4 colour;
void main() {
    vec3 base = texture(color_texture, vUv).rgb;
    if (unlit == 1) { colour = vec4(base, 1.0); return; }
    float d = max(dot(normalize(vNormal), normalize(lightDir)), 0.0);
    colour = vec4(base * (0.35 + 0.8 * d), 1.0);
})";

GLuint compile(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048];
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::printf("artpreview: shader: %s\n", log);
    }
    return shader;
}

GLuint link(const char* vertex, const char* fragment) {
    const GLuint program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER, vertex));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER, fragment));
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) std::printf("artpreview: program did not link\n");
    return program;
}

// An off-screen colour and depth target of the preview size.
struct Target {
    GLuint framebuffer = 0, colour = 0, depth = 0;
    Target() {
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kWidth, kHeight);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, kWidth, kHeight);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    }
};

struct Camera {
    vec3 eye;
    vec3 target;
    float fovDegrees = 45.0f;
    mat4 viewProj() const {
        return dusk::perspective(glm::radians(fovDegrees), float(kWidth) / kHeight, 0.1f, 1000.0f) *
               dusk::lookAt(eye, target, vec3(0, 1, 0));
    }
};

struct Placed {
    const dusk::GpuStaticModel* model;
    mat4 matrix;
    bool unlit;
};

struct Kid {
    mat4 matrix;
    float time;
};

class Previewer {
public:
    explicit Previewer(fs::path outDir) : out(std::move(outDir)) {
        staticProgram = link(kStaticVertex, kFragment);
        skinnedProgram = link(kSkinnedVertex, kFragment);
        kid.load("Model/Object/animTest2.dae");
        kidUploaded = std::make_unique<dusk::GpuSkinnedModel>(kid);
    }

    void shot(const std::string& name, const Camera& camera, const std::vector<Placed>& statics,
              const std::vector<Kid>& kids) {
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, kWidth, kHeight);
        glClearColor(0.12f, 0.10f, 0.22f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const mat4 vp = camera.viewProj();
        for (const Placed& p : statics) {
            useProgram(staticProgram, vp, p.matrix, p.unlit);
            p.model->draw();
        }
        for (const Kid& k : kids) {
            useProgram(skinnedProgram, vp, k.matrix, false);
            std::vector<mat4> bones;
            kid.boneTransforms(k.time, bones);
            dusk::setUniformArray(skinnedProgram, "gBones", bones.data(), int(bones.size()));
            kidUploaded->draw();
        }
        save(name);
    }

    dusk::GpuStaticModel ground = upload("ground20.obj", "ground19.jpg");
    dusk::GpuStaticModel sky = upload("skybox.obj", "skybox2.jpg");
    dusk::GpuStaticModel conifer = upload("tree1.obj", "tree1.png");
    dusk::GpuStaticModel broadleaf = upload("tree3.obj", "tree1.png");
    dusk::SkinnedModel kid;
    std::unique_ptr<dusk::GpuSkinnedModel> kidUploaded;

private:
    static dusk::GpuStaticModel upload(const std::string& model, const std::string& image) {
        dusk::StaticModel loaded;
        loaded.load("Model/Object/" + model, "Model/Image/" + image);
        return dusk::GpuStaticModel(loaded);
    }

    void useProgram(GLuint program, const mat4& vp, const mat4& model, bool unlit) {
        glUseProgram(program);
        dusk::setUniform(program, "view_proj", vp);
        dusk::setUniform(program, "model", model);
        dusk::setUniform(program, "color_texture", 0);
        dusk::setUniform(program, "lightDir", vec3(1.0f, 1.0f, 1.0f));
        dusk::setUniform(program, "unlit", unlit ? 1 : 0);
    }

    void save(const std::string& name) {
        std::vector<unsigned char> pixels(size_t(kWidth) * kHeight * 4);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        // GL's first row is the bottom one.
        std::vector<unsigned char> flipped(pixels.size());
        const size_t row = size_t(kWidth) * 4;
        for (int y = 0; y < kHeight; ++y)
            std::copy_n(&pixels[size_t(kHeight - 1 - y) * row], row, &flipped[size_t(y) * row]);
        Magick::Image image;
        image.read(kWidth, kHeight, "RGBA", Magick::CharPixel, flipped.data());
        image.write((out / (name + ".png")).string());
        std::printf("artpreview: %s\n", (out / (name + ".png")).c_str());
    }

    fs::path out;
    Target target;
    GLuint staticProgram = 0;
    GLuint skinnedProgram = 0;
};

mat4 at(float x, float z, float turn = 0.0f) {
    return glm::rotate(dusk::translate(mat4(1.0f), vec3(x, 0.0f, z)), turn, vec3(0, 1, 0));
}

void takeShots(Previewer& p) {
    const mat4 id(1.0f);
    const Placed ground{&p.ground, id, false};
    const Placed sky{&p.sky, id, true};
    p.shot("tree1", Camera{{16, 8, 16}, {0, 5.5f, 0}}, {ground, sky, {&p.conifer, id, false}}, {});
    p.shot("tree3", Camera{{16, 8, 16}, {0, 5.5f, 0}}, {ground, sky, {&p.broadleaf, id, false}},
           {});
    p.shot("ground", Camera{{0, 30, 45}, {0, 0, 0}}, {ground}, {});
    p.shot("sky_moon", Camera{{0, 2, 0}, {1, 2.75f, 1}, 75.0f}, {ground, sky}, {});
    p.shot("sky_sunset", Camera{{0, 2, 0}, {-1, 2.25f, -1}, 75.0f}, {ground, sky}, {});
    p.shot("sky_zenith", Camera{{0, 2, 0}, {0.05f, 10, 0.02f}, 90.0f}, {sky}, {});
    const float times[] = {0.0f, 0.25f, 0.5f, 0.75f};
    for (float t : times) {
        const std::string suffix = "_" + std::to_string(int(t * 100 + 0.5f));
        p.shot("kid_front" + suffix, Camera{{0, 1.4f, 4.2f}, {0, 1.2f, 0}}, {ground}, {{id, t}});
        p.shot("kid_side" + suffix, Camera{{4.2f, 1.4f, 0}, {0, 1.2f, 0}}, {ground}, {{id, t}});
    }
    p.shot("kid_back", Camera{{-2.5f, 2.2f, -4.5f}, {0, 1.3f, 0}}, {ground}, {{id, 0.1f}});
    // The clearing as the player sees it: trees about, kids walking.
    std::vector<Placed> scene{ground, sky};
    const float spots[][3] = {{-8, -14, 0}, {6, -20, 1},  {14, -8, 0},  {-16, -4, 1},
                              {2, -32, 0},  {-4, -26, 1}, {20, -24, 0}, {-22, -20, 1}};
    for (const auto& s : spots)
        scene.push_back({s[2] > 0.5f ? &p.broadleaf : &p.conifer, at(s[0], s[1], s[0]), false});
    p.shot("clearing", Camera{{0, 2.2f, 10}, {0, 3, -10}, 60.0f}, scene,
           {{at(-2, 0, 0.6f), 0.1f}, {at(3, -5, -0.9f), 0.4f}, {at(-1, -10, 3.1f), 0.7f}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: artpreview RUN_DIRECTORY OUTPUT_DIRECTORY\n");
        return 2;
    }
    const fs::path runDir = fs::absolute(argv[1]);
    const fs::path outDir = fs::absolute(argv[2]);
    fs::create_directories(outDir);
    if (!glfwInit()) return 1;
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GL_TRUE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(kWidth, kHeight, "artpreview", nullptr, nullptr);
    if (!window) {
        std::printf("artpreview: no OpenGL 3.3 window\n");
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    glewInit();
    glGetError();  // GLEW's init leaves an enum error behind on core profiles
    dusk::initImageLibrary();
    if (chdir(runDir.c_str()) != 0) {
        std::printf("artpreview: cannot enter %s\n", runDir.c_str());
        return 1;
    }
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    {
        Previewer previewer(outDir);
        takeShots(previewer);
    }
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}
