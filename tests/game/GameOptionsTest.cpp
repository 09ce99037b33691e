// The player's options inside the real game: the field of view reaches the
// projection every program gets, and a seed gives other placements.
#include "GameFixture.h"
#include "math/Random.h"
#include "render/ShaderProgram.h"
#include "scene/AnimatedObject.h"
#include "scene/Camera.h"
#include "scene/Tree.h"
#include "settings/SettingsStore.h"

namespace dusk::test {

using GameOptionsTest = GameFixture;

TEST_F(GameOptionsTest, FieldOfViewReachesTheProjectionOfEveryProgram) {
    game->camera->viewMatrix = mat4(1.0f);
    EXPECT_EQ(game->viewProjection(),
              perspective(1.0471975803375244f, 1280.0f / 720.0f, 0.1f, 1000.0f))
        << "60 degrees is the projection as it always was, to the bit";

    settings::current().fieldOfView = 90.0;
    game->uploadViewProjection();
    settings::reset();
    for (const ShaderProgram* program : game->programs) {
        GLfloat uploaded[16];
        glGetUniformfv(program->program, glGetUniformLocation(program->program, "view_proj"),
                       uploaded);
        EXPECT_NEAR(uploaded[5], 1.0f, 1e-6) << "1 / tan(45 degrees)";
        EXPECT_NEAR(uploaded[0], 720.0f / 1280.0f, 1e-6);
    }
}

TEST_F(GameOptionsTest, ASeedPlacesEveryTreeAndKidElsewhere) {
    auto positions = [](const Game& g) {
        std::vector<vec3> all;
        for (const auto* tree : g.trees) {
            all.emplace_back(tree->modelMatrix[3]);
        }
        for (const auto* kid : g.kids) {
            all.emplace_back(kid->modelMatrix[3]);
        }
        return all;
    };
    const std::vector<vec3> fixed = positions(*game);
    seedGameRandom(7);
    ::testing::internal::CaptureStdout();
    const Game seeded(window);
    ::testing::internal::GetCapturedStdout();
    setRandomSource({});
    const std::vector<vec3> moved = positions(seeded);
    ASSERT_EQ(moved.size(), fixed.size());
    for (size_t i = 0; i < moved.size(); ++i) {
        EXPECT_NE(moved[i], fixed[i]) << "object " << i;
        EXPECT_LE(std::abs(moved[i].x), 75.0f) << "inside the clearing";
        EXPECT_LE(std::abs(moved[i].z), 75.0f);
    }
}

}  // namespace dusk::test
