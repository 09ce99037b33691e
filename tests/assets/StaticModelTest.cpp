// Static models and their upload: sub-mesh layout in the shared buffers,
// what the importer is asked for (triangles, flipped V, normals), the texture
// messages, broken files, and what a draw binds.
#include "AssetTestSupport.h"
#include "assets/StaticModel.h"
#include "render/GpuStaticModel.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

// A quad (4 vertices, 2 triangles once triangulated) with a material of its
// own (index 1) and UVs, then a pentagon (5, 3) with the default material
// (index 0) and no UVs. The OBJ importer gives every face corner its own
// vertex, so the counts are exact.
const char* const kTwoMeshes = R"(mtllib two.mtl
v -1 -1 0
v 0 -1 0
v 0 1 0
v -1 1 0
v 0 -1 0
v 1 -1 0
v 1 1 0
v 0.5 1.5 0
v 0 1 0
vt 0.25 0.1
o Left
usemtl shiny
f 1/1 2/1 3/1 4/1
o Right
usemtl DefaultMaterial
f 5 6 7 8 9
)";

template <typename T>
std::vector<T> bufferContents(GLenum target, GLuint buffer) {
    glBindBuffer(target, buffer);
    GLint bytes = 0;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &bytes);
    std::vector<T> out(size_t(bytes) / sizeof(T));
    glGetBufferSubData(target, 0, bytes, out.data());
    return out;
}

class StaticModelTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        run.write("two.obj", kTwoMeshes);
        run.write("two.mtl", "newmtl shiny\nKd 1 1 1\n");
        writeTwoToneImage("red.png", 2, 2, "red", "red");
    }
    RunDir run;
    ScopedCwd cwd{run.path()};
};

TEST_F(StaticModelTest, MeshesShareBuffersWithRunningBasesLocalIndicesAndFlippedUvs) {
    StaticModel model;
    ASSERT_TRUE(model.load("two.obj", "red.png"));
    ASSERT_EQ(model.subMeshes.size(), 2u);
    const SubMesh &quad = model.subMeshes[0], &pentagon = model.subMeshes[1];
    EXPECT_EQ(std::vector<uint32_t>({quad.indexCount, quad.baseVertex, quad.baseIndex,
                                     pentagon.indexCount, pentagon.baseVertex, pentagon.baseIndex}),
              std::vector<uint32_t>({6, 0, 0, 9, 4, 6}));
    EXPECT_EQ(quad.materialIndex, 1u);
    EXPECT_EQ(pentagon.materialIndex, 0u);

    const GpuStaticModel gpu(model);
    glBindVertexArray(gpu.vertexArray.get());
    const auto indices = bufferContents<uint32_t>(GL_ELEMENT_ARRAY_BUFFER, gpu.buffers[0].get());
    ASSERT_EQ(indices.size(), 15u);
    EXPECT_EQ(*std::max_element(indices.begin() + 6, indices.end()), 4u)
        << "the pentagon's indices count from its own first vertex";
    // The copy kept on the CPU counts from the model's first vertex instead.
    ASSERT_EQ(model.triangles.size(), 15u);
    EXPECT_EQ(model.positions.size(), 9u);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(model.triangles[i], indices[i] + (i < 6 ? 0u : 4u)) << "index " << i;
    }
    EXPECT_EQ(bufferContents<float>(GL_ARRAY_BUFFER, gpu.buffers[1].get()).size(), 9u * 3);
    const auto normals = bufferContents<float>(GL_ARRAY_BUFFER, gpu.buffers[2].get());
    ASSERT_EQ(normals.size(), 9u * 3);
    EXPECT_FLOAT_EQ(std::abs(normals[2]), 1.0f) << "a face in z = 0 gets a z normal";
    const auto uvs = bufferContents<float>(GL_ARRAY_BUFFER, gpu.buffers[3].get());
    ASSERT_EQ(uvs.size(), 9u * 2);
    EXPECT_EQ(std::vector<float>(uvs.begin(), uvs.begin() + 2), std::vector<float>({0.25f, 0.9f}))
        << "V is flipped";
    EXPECT_EQ(std::vector<float>(uvs.begin() + 8, uvs.end()), std::vector<float>(10, 0.0f))
        << "a mesh without UVs gets (0, 0)";

    // Static layout: location 1 reads the normals (slot 2), location 2 the UVs (slot 3).
    for (GLuint location = 0; location < 3; ++location) {
        GLint buffer = 0;
        glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &buffer);
        EXPECT_EQ(GLuint(buffer), gpu.buffers[location + 1].get()) << "location " << location;
    }
    glBindVertexArray(0);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(StaticModelTest, TextureMessagesComeInLoadOrder) {
    StaticModel good, missing;
    EXPECT_EQ(printedLines([&] { good.load("two.obj", "red.png"); }),
              std::vector<std::string>({"Loaded Texture: red.png"}));
    EXPECT_NE(good.image, nullptr);

    bool loaded = false;
    const auto lines = printedLines([&] { loaded = missing.load("two.obj", "gone.png"); });
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Error loading texture 'gone.png': ", 0), 0u);
    EXPECT_EQ(lines[1], lines[0]);
    EXPECT_EQ(lines[2], "Error loading texture 'gone.png'");
    EXPECT_TRUE(loaded) << "the model itself still loads";
    EXPECT_EQ(missing.image, nullptr);
}

TEST_F(StaticModelTest, BrokenModelFilesNeitherCrashNorDraw) {
    run.write("empty.obj", "");
    run.write("cut.obj", "v 0 0 0\nv 1 0 0\nv 1 1 0\nf 1 2");
    StaticModel model;
    const auto lines = printedLines([&] { EXPECT_FALSE(model.load("empty.obj", "red.png")); });
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Error parsing 'empty.obj': '", 0), 0u) << lines[0];
    EXPECT_TRUE(model.subMeshes.empty());
    GpuStaticModel(model).draw();

    // A face cut short arrives as a line; it fills its three index slots as
    // a degenerate triangle instead of reading past its two indices.
    printedLines([&] { ASSERT_TRUE(model.load("cut.obj", "red.png")); });
    EXPECT_EQ(model.arrays.indices, std::vector<uint32_t>({0, 1, 1}));

    // A failed load after a good one leaves nothing of the earlier file to draw.
    printedLines([&] { model.load("two.obj", "red.png"), model.load("empty.obj", "red.png"); });
    EXPECT_TRUE(model.subMeshes.empty());
    EXPECT_EQ(model.image, nullptr);
    GpuStaticModel(model).draw();
    EXPECT_EQ(drainGlErrors(), 0);
}

// The quad (material 1: no slot) covers the left half, the pentagon (material
// 0: the model's red texture) the right half. With green on unit 0 first, the
// quad draws green and the pentagon binds red.
TEST_F(StaticModelTest, DrawBindsTheModelTextureOnlyForMaterialZero) {
    StaticModel loaded;
    printedLines([&] { ASSERT_TRUE(loaded.load("two.obj", "red.png")); });
    const GpuStaticModel model(loaded);
    const char* vertex =
        "#version 330 core\nlayout(location = 0) in vec3 p;\n"
        "void main() { gl_Position = vec4(p.xy * 0.999, 0.0, 1.0); }\n";
    const char* fragment =
        "#version 330 core\nuniform sampler2D color_texture;\nout vec4 c;\n"
        "void main() { c = texture(color_texture, vec2(0.5)); }\n";
    GLuint program = glCreateProgram();
    for (auto [kind, text] :
         {std::pair{GL_VERTEX_SHADER, vertex}, {GL_FRAGMENT_SHADER, fragment}}) {
        GLuint shader = glCreateShader(kind);
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
    }
    glLinkProgram(program);
    glUseProgram(program);
    GLuint targetTexture = 0, framebuffer = 0, green = 0;
    glGenTextures(1, &targetTexture);
    glBindTexture(GL_TEXTURE_2D, targetTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 8, 8, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, targetTexture, 0);
    glViewport(0, 0, 8, 8);
    const unsigned char greenTexel[4] = {0, 255, 0, 255};
    glGenTextures(1, &green);
    glBindTexture(GL_TEXTURE_2D, green);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, greenTexel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);

    model.draw();
    std::array<unsigned char, 4> left{}, right{};
    glReadPixels(1, 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, left.data());
    glReadPixels(6, 4, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, right.data());
    EXPECT_EQ(left, (std::array<unsigned char, 4>{0, 255, 0, 255}));
    EXPECT_EQ(right, (std::array<unsigned char, 4>{255, 0, 0, 255}));
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
