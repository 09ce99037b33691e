// The directional light and the kids' lanterns: what reaches the programs.
#include "RenderTestSupport.h"
#include "scene/DirectionalLight.h"
#include "scene/PointLight.h"

namespace dusk::test {
namespace {

using scene::LanternCarrier;

TEST(LanternPositions, hangBesideAndAboveActiveKidsInKidOrder) {
    const std::vector<LanternCarrier> kids = {
        {vec3(1, 0, 2), true}, {vec3(5, 0, 5), false}, {vec3(0.1f, 0.1f, -3), true}};
    const std::vector<vec3> lanterns = scene::lanternPositions(kids, 10);
    ASSERT_EQ(lanterns.size(), 2u) << "the terrified kid's lantern is out";
    EXPECT_EQ(lanterns[0], vec3(1.6f, 0.8f, 2.0f));
    // Summed in double precision: float sums would give 0.70000005 and 0.90000004.
    EXPECT_EQ(lanterns[1], vec3(0.7f, 0.9f, -3.0f));

    EXPECT_TRUE(scene::lanternPositions({{vec3(0), false}}, 10).empty());
    const std::vector<LanternCarrier> crowd(12, {vec3(0), true});
    EXPECT_EQ(scene::lanternPositions(crowd, 10).size(), 10u) << "never more than there is room";
}

using LightUploadTest = RenderTest;

vec3 uniformVec3(GLuint program, const char* name) {
    vec3 v(-99.0f);
    glGetUniformfv(program, glGetUniformLocation(program, name), &v.x);
    return v;
}

int uniformInt(GLuint program, const char* name) {
    GLint value = -99;
    glGetUniformiv(program, glGetUniformLocation(program, name), &value);
    return value;
}

TEST_F(LightUploadTest, theSunReachesEveryLitProgramAndTheLastStaysCurrent) {
    const GamePrograms p;
    scene::DirectionalLight light(translate(mat4(1.0f), vec3(100.0f)), p.list(), vec3(1.0f));
    light.draw();
    EXPECT_EQ(uniformVec3(p[Basic], "lightDir"), vec3(1.0f));
    EXPECT_EQ(uniformVec3(p[Skinning], "lightDir"), vec3(1.0f));
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), p[LensFlare]);
    EXPECT_EQ(drainGlErrors(), 0);
}

TEST_F(LightUploadTest, lanternsAndTheirCountReachEveryLitProgram) {
    const GamePrograms p;
    scene::uploadLanterns(p.list(), {vec3(1, 2, 3), vec3(4, 5, 6), vec3(7, 8, 9)});
    for (ProgramIndex i : {Basic, Skinning}) {
        EXPECT_EQ(uniformInt(p[i], "pLightCount"), 3);
        EXPECT_EQ(uniformVec3(p[i], "pLightPos[2]"), vec3(7, 8, 9));
    }
    scene::uploadLanterns(p.list(), {});
    EXPECT_EQ(uniformInt(p[Basic], "pLightCount"), 0) << "every kid terrified";
    EXPECT_EQ(drainGlErrors(), 0);
}

}  // namespace
}  // namespace dusk::test
