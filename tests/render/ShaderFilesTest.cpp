// The eight shader files: the interface the game relies on (uniform names and
// types, vertex input locations), and what basic.frag and skinning.vert do to
// real pixels.
#include <map>
#include <string>

#include "RenderTestSupport.h"
#include "render/Uniforms.h"

namespace dusk::test {
namespace {

struct UniformInfo {
    GLenum type;
    GLint size;
};

std::map<std::string, UniformInfo> activeUniforms(GLuint program) {
    std::map<std::string, UniformInfo> result;
    GLint count = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[128];
        UniformInfo info{};
        glGetActiveUniform(program, static_cast<GLuint>(i), sizeof(name), nullptr, &info.size,
                           &info.type, name);
        result[name] = info;
    }
    return result;
}

// Location -> type of every active vertex input.
std::map<GLint, GLenum> activeInputs(GLuint program) {
    std::map<GLint, GLenum> result;
    GLint count = 0;
    glGetProgramiv(program, GL_ACTIVE_ATTRIBUTES, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[128];
        GLint size = 0;
        GLenum type = 0;
        glGetActiveAttrib(program, static_cast<GLuint>(i), sizeof(name), nullptr, &size, &type,
                          name);
        result[glGetAttribLocation(program, name)] = type;
    }
    return result;
}

void expectUniform(GLuint program, const std::string& name, GLenum type, GLint minSize = 1) {
    const auto all = activeUniforms(program);
    const auto it = all.find(name);
    ASSERT_NE(it, all.end()) << name << " is not active";
    EXPECT_EQ(it->second.type, type) << name;
    EXPECT_GE(it->second.size, minSize) << name;
}

using ShaderInterfaceTest = RenderTest;

TEST_F(ShaderInterfaceTest, everyProgramHasTheUniformsTheGameUploads) {
    const GamePrograms p;
    for (ProgramIndex i : {Basic, Skinning}) {
        expectUniform(p[i], "model", GL_FLOAT_MAT4);
        expectUniform(p[i], "view_proj", GL_FLOAT_MAT4);
        expectUniform(p[i], "color_texture", GL_SAMPLER_2D);
        expectUniform(p[i], "myTextureSampler", GL_SAMPLER_2D);
        expectUniform(p[i], "lightDir", GL_FLOAT_VEC3);
        expectUniform(p[i], "pLightPos[0]", GL_FLOAT_VEC3, 10);
        expectUniform(p[i], "pLightCount", GL_INT);
    }
    expectUniform(p[Basic], "biasVP", GL_FLOAT_MAT4);
    expectUniform(p[Basic], "shadowMap", GL_SAMPLER_2D_SHADOW);
    expectUniform(p[Skinning], "gBones[0]", GL_FLOAT_MAT4, 64);

    expectUniform(p[Sky], "model", GL_FLOAT_MAT4);
    expectUniform(p[Sky], "view_proj", GL_FLOAT_MAT4);
    expectUniform(p[Sky], "color_texture", GL_SAMPLER_2D);

    expectUniform(p[Depth], "model", GL_FLOAT_MAT4);
    expectUniform(p[Depth], "depth_view_proj", GL_FLOAT_MAT4);

    expectUniform(p[LensFlare], "sceneTexture", GL_SAMPLER_2D);
    expectUniform(p[LensFlare], "healthPercentage", GL_FLOAT);
    expectUniform(p[LensFlare], "transparencyFlag", GL_INT);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(ShaderInterfaceTest, vertexInputsSitWhereTheMeshLoadersPutThem) {
    const GamePrograms p;
    const std::map<GLint, GLenum> staticLayout = {
        {0, GL_FLOAT_VEC3}, {1, GL_FLOAT_VEC3}, {2, GL_FLOAT_VEC2}};
    EXPECT_EQ(activeInputs(p[Basic]), staticLayout);
    const std::map<GLint, GLenum> skinnedLayout = {{0, GL_FLOAT_VEC3},
                                                   {1, GL_FLOAT_VEC2},
                                                   {2, GL_FLOAT_VEC3},
                                                   {3, GL_INT_VEC4},
                                                   {4, GL_FLOAT_VEC4}};
    EXPECT_EQ(activeInputs(p[Skinning]), skinnedLayout);
    // The sky and the depth pass may leave inputs unused, never move them.
    for (const auto& [location, type] : activeInputs(p[Sky])) {
        EXPECT_EQ(type, staticLayout.at(location)) << "sky input " << location;
    }
    for (const auto& [location, type] : activeInputs(p[Depth])) {
        EXPECT_EQ(type, staticLayout.at(location)) << "depth input " << location;
    }
    EXPECT_EQ(activeInputs(p[Depth]).count(0), 1u) << "the depth pass reads the position";
    EXPECT_NE(glGetAttribLocation(p[LensFlare], "position"), -1);
    EXPECT_NE(glGetAttribLocation(p[LensFlare], "uv"), -1);
}

// basic.frag on a white ground square seen from straight above (orthographic,
// so no fog), 64 x 64 pixels of 40 x 40 units. Unit 1 holds a 4 x 4 shadow
// map of one stored depth; biasVP sends every point to one map coordinate.
class BasicLookTest : public PixelTest {
protected:
    void SetUp() override {
        PixelTest::SetUp();
        ground = groundSquare(20.0f);
        glActiveTexture(GL_TEXTURE1);
        glGenTextures(1, &shadowMap);
        glBindTexture(GL_TEXTURE_2D, shadowMap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
        solidTexture(vec4(1.0f), GL_TEXTURE0);
        basic = (*programs)[Basic];
        glUseProgram(basic);
        setUniform(basic, "model", mat4(1.0f));
        setUniform(basic, "view_proj",
                   ortho(-20.0f, 20.0f, -20.0f, 20.0f, -50.0f, 50.0f) *
                       lookAt(vec3(0, 10, 0), vec3(0), vec3(0, 0, -1)));
        setUniform(basic, "shadowMap", 1);
        setUniform(basic, "pLightCount", 0);
        setShadowCoord(vec3(0.5f));
    }
    // 0 = everything occluded, 1 = nothing.
    void setStoredDepth(float depth) {
        const std::vector<float> texels(16, depth);
        glActiveTexture(GL_TEXTURE1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, 4, 4, 0, GL_DEPTH_COMPONENT, GL_FLOAT,
                     texels.data());
        glActiveTexture(GL_TEXTURE0);
    }
    void setShadowCoord(const vec3& c) {
        mat4 m(0.0f);
        m[3] = vec4(c, 1.0f);
        setUniform(basic, "biasVP", m);
    }
    vec4 render() {
        glClear(GL_COLOR_BUFFER_BIT);
        glBindVertexArray(ground);
        glDrawArrays(GL_TRIANGLES, 0, 6);
        return readPixel(32, 32);
    }

    GLuint ground = 0;
    GLuint shadowMap = 0;
    GLuint basic = 0;
};

TEST_F(BasicLookTest, theSunLightsWhatTheShadowMapSeesAndAmbientKeepsShadowsReadable) {
    setUniform(basic, "lightDir", vec3(0, 3, 0));  // overhead, not normalised
    setStoredDepth(1.0f);
    const vec4 lit = render();
    setStoredDepth(0.0f);
    const vec4 shadowed = render();
    EXPECT_GT(lit.r, shadowed.r + 0.3f);
    EXPECT_GT(lit.r, lit.b) << "the dusk sun is warm";
    EXPECT_GT(shadowed.b, shadowed.r) << "the ambient is bluish";
    EXPECT_GT(shadowed.b, 0.15f) << "shadows are not black";
    // Beyond the light's box nothing casts shadows.
    setShadowCoord(vec3(1.5f, 0.5f, 0.5f));
    EXPECT_NEAR(render().r, lit.r, 2.0f / 255);
    // The sun under the horizon, or a direction not set yet, gives ambient only.
    setStoredDepth(1.0f);
    setUniform(basic, "lightDir", vec3(0, -1, 0));
    EXPECT_NEAR(render().r, shadowed.r, 2.0f / 255);
    setUniform(basic, "lightDir", vec3(0));
    EXPECT_NEAR(render().r, shadowed.r, 2.0f / 255);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(BasicLookTest, lanternsGlowWarmAroundTheFirstCountPositionsOnly) {
    setUniform(basic, "lightDir", vec3(0, -1, 0));
    setStoredDepth(1.0f);
    const vec3 lanterns[2] = {vec3(0, 0.8f, 0), vec3(-15, 0.8f, 15)};
    setUniformArray(basic, "pLightPos", lanterns, 2);
    setUniform(basic, "pLightCount", 1);
    solidTexture(vec4(0.5f, 0.5f, 0.5f, 1.0f), GL_TEXTURE0);  // a mid-tone surface
    render();
    const vec4 under = readPixel(32, 32);
    const vec4 near = readPixel(32 + 6, 32);  // 3.75 units away
    const vec4 far = readPixel(4, 32);        // 17.5 units away
    const vec4 secondSlot = readPixel(8, 8);  // under the second lantern
    EXPECT_GT(under.r, near.r + 0.05f);
    EXPECT_GT(near.r, far.r + 0.05f);
    EXPECT_GT(under.r, 1.5f * under.b) << "lantern light is warm";
    EXPECT_LT(under.r, 0.95f) << "a mid-tone surface does not burn out";
    EXPECT_NEAR(secondSlot.r, far.r, 2.0f / 255) << "only pLightCount entries shine";

    setUniform(basic, "pLightCount", 2);
    render();
    EXPECT_NEAR(readPixel(8, 8).r, under.r, 0.1f);
    setUniform(basic, "pLightCount", 0);
    render();
    EXPECT_NEAR(readPixel(32, 32).r, far.r, 2.0f / 255);
}

TEST_F(BasicLookTest, fogSwallowsDistantSurfacesWhateverTheirColour) {
    setUniform(basic, "lightDir", vec3(0, 1, 0));
    setStoredDepth(1.0f);
    const GLuint wide = groundSquare(400.0f);
    auto seenFrom = [&](float height, const vec4& albedo) {
        solidTexture(albedo, GL_TEXTURE0);
        setUniform(basic, "view_proj",
                   perspective(1.0471976f, 1.0f, 0.1f, 1000.0f) *
                       lookAt(vec3(0, height, 0), vec3(0), vec3(0, 0, -1)));
        glClear(GL_COLOR_BUFFER_BIT);
        glBindVertexArray(wide);
        glDrawArrays(GL_TRIANGLES, 0, 6);
        return readPixel(32, 32);
    };
    const vec4 white = vec4(1.0f), black = vec4(0, 0, 0, 1);
    EXPECT_GT(seenFrom(4.0f, white).r - seenFrom(4.0f, black).r, 0.5f);
    const vec4 farWhite = seenFrom(400.0f, white), farBlack = seenFrom(400.0f, black);
    EXPECT_NEAR(farWhite.r, farBlack.r, 3.0f / 255);
    EXPECT_NEAR(farWhite.b, farBlack.b, 3.0f / 255);
    EXPECT_GT(farWhite.b, farWhite.r) << "dusk fog is bluish";
}

// skinning.vert with one small triangle around clip (-0.5, -0.5), drawn
// through identity matrices into a 64 x 64 target.
class SkinningTest : public PixelTest {
protected:
    void SetUp() override {
        PixelTest::SetUp();
        solidTexture(vec4(1.0f), GL_TEXTURE0);
        skinning = (*programs)[Skinning];
        glUseProgram(skinning);
        setUniform(skinning, "model", mat4(1.0f));
        setUniform(skinning, "view_proj", mat4(1.0f));
        setUniform(skinning, "lightDir", vec3(0, 0, 1));
    }
    // Draws the triangle with every vertex bound to bone 2 with the weight;
    // true when the pixel is covered.
    bool drawnAt(float weight, int x, int y) {
        // Per vertex: position, uv, normal, weights (12 floats); then the ids.
        std::vector<float> floats;
        for (const vec2& corner : {vec2(-0.7f, -0.7f), vec2(-0.3f, -0.7f), vec2(-0.5f, -0.3f)}) {
            floats.insert(floats.end(), {corner.x, corner.y, 0, 0, 0, 0, 0, 1, weight, 0, 0, 0});
        }
        const GLint ids[] = {2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0};
        GLuint vao = 0, buffers[2];
        glGenVertexArrays(1, &vao);
        glBindVertexArray(vao);
        glGenBuffers(2, buffers);
        glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
        glBufferData(GL_ARRAY_BUFFER, floats.size() * 4, floats.data(), GL_STATIC_DRAW);
        const GLint sizes[] = {3, 2, 3, 0, 4}, offsets[] = {0, 3, 5, 0, 8};
        for (GLuint i : {0, 1, 2, 4}) {
            glVertexAttribPointer(i, sizes[i], GL_FLOAT, GL_FALSE, 48,
                                  reinterpret_cast<void*>(offsets[i] * 4));
        }
        glBindBuffer(GL_ARRAY_BUFFER, buffers[1]);
        glBufferData(GL_ARRAY_BUFFER, sizeof(ids), ids, GL_STATIC_DRAW);
        glVertexAttribIPointer(3, 4, GL_INT, 0, nullptr);
        for (GLuint i = 0; i < 5; ++i) {
            glEnableVertexAttribArray(i);
        }
        glClear(GL_COLOR_BUFFER_BIT);
        glDrawArrays(GL_TRIANGLES, 0, 3);
        glDeleteBuffers(2, buffers);
        glDeleteVertexArrays(1, &vao);
        const vec4 c = readPixel(x, y);
        return c.r + c.g + c.b > 0.05f;
    }

    GLuint skinning = 0;
};

TEST_F(SkinningTest, verticesFollowTheirBoneAndUnboundOnesKeepTheBindPose) {
    const int restX = 16, restY = 16 + 2, movedX = 48, movedY = 48 + 2;
    // Before any bones are uploaded the kid stands in its bind pose.
    EXPECT_TRUE(drawnAt(1.0f, restX, restY));

    mat4 bones[3] = {mat4(1.0f), mat4(1.0f), translate(mat4(1.0f), vec3(1, 1, 0))};
    setUniformArray(skinning, "gBones", bones, 3);
    EXPECT_TRUE(drawnAt(1.0f, movedX, movedY));
    EXPECT_FALSE(drawnAt(1.0f, restX, restY));
    // Weight 0 everywhere: no bone moves the vertex.
    EXPECT_TRUE(drawnAt(0.0f, restX, restY));
    EXPECT_FALSE(drawnAt(0.0f, movedX, movedY));
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
