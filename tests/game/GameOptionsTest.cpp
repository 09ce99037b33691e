// The player's options inside the real game: the field of view reaches the
// projection every program gets, a seed gives other placements, and what is
// said about faulty files of the player's is also on the HUD.
#include <fstream>
#include <sstream>

#include "GameFixture.h"
#include "render/ShaderProgram.h"

namespace dusk::test {

using GameOptionsTest = GameFixture;

TEST_F(GameOptionsTest, FieldOfViewReachesTheProjectionOfEveryProgram) {
    world().camera.viewMatrix = mat4(1.0f);
    EXPECT_EQ(session->renderer().viewProjection(world().camera,
                                                 session->settings().fieldOfViewRadians()),
              perspective(1.0471975803375244f, 1280.0f / 720.0f, 0.1f, 1000.0f))
        << "60 degrees is the projection as it always was, to the bit";

    session->settings().fieldOfView = 90.0;
    renderFrame();
    const ScenePrograms& programs = session->renderer().programs();
    for (const ShaderProgram* program : {programs.basic.get(), programs.skinning.get(),
                                         programs.sky.get(), programs.lanternFree.get()}) {
        const GLuint name = program->id();
        GLfloat uploaded[16];
        glGetUniformfv(program->id(), glGetUniformLocation(program->id(), "view_proj"), uploaded);
        EXPECT_NEAR(uploaded[5], 1.0f, 1e-6) << name << ": 1 / tan(45 degrees)";
        EXPECT_NEAR(uploaded[0], 720.0f / 1280.0f, 1e-6) << name;
    }
}

std::vector<vec3> positions(const scene::World& world) {
    std::vector<vec3> all;
    for (const auto& tree : world.trees) {
        all.emplace_back(tree->modelMatrix[3]);
    }
    for (const auto& kid : world.kids) {
        all.emplace_back(kid->modelMatrix[3]);
    }
    return all;
}

// A round's seed decides its whole forest: another seed moves every tree and
// kid, the same seed puts every one back (Shift+R), and --seed's sequence of
// forests is the same in every run.
TEST_F(GameOptionsTest, ASeedPlacesEveryTreeAndKidAndTheSameSeedGivesTheSameForest) {
    EXPECT_EQ(round().seed(), 1u) << "no --seed: the sequence that starts from 1";
    const std::vector<vec3> first = positions(world());
    ::testing::internal::CaptureStdout();
    session->playAgain(false);
    const std::vector<vec3> next = positions(world());
    EXPECT_EQ(round().seed(), 2u);
    session->playAgain(true);
    const std::vector<vec3> again = positions(world());
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "New round (seed 2)\nNew round (seed 2)\n");
    ASSERT_EQ(next.size(), first.size());
    for (size_t i = 0; i < next.size(); ++i) {
        EXPECT_NE(next[i], first[i]) << "object " << i;
        EXPECT_LE(std::abs(next[i].x), 75.0f) << "inside the clearing";
        EXPECT_LE(std::abs(next[i].z), 75.0f);
    }
    EXPECT_EQ(again, next) << "the same forest again";

    // The first forest of a run with --seed 2 is that same forest; made beside
    // the session's round, each draws from its own generator: their kids
    // wander alike, update by update.
    Round seeded(scene::WorldModels{}, 2);
    EXPECT_EQ(positions(seeded.world()), next);
    for (int i = 0; i < 120; ++i) {
        round().update(scene::PlayerControls{}, 1.0f / 60.0f, i / 60.0);
        seeded.update(scene::PlayerControls{}, 1.0f / 60.0f, i / 60.0);
    }
    EXPECT_NE(positions(seeded.world()), next) << "the kids walked";
    EXPECT_EQ(positions(seeded.world()), positions(world()));
}

// A player started from a desktop menu sees no console: each line about a
// faulty settings, records or gamepad mappings file is a toast at the start.
TEST_F(GameOptionsTest, TheLinesAboutFaultyFilesOfThePlayersAreToastsAtTheStart) {
    session.reset();
    const std::filesystem::path settingsFile = runDir->file("config/settings.toml");
    std::filesystem::create_directories(settingsFile.parent_path());
    std::ofstream(settingsFile) << "hud = 3\n";
    std::ofstream(settingsFile.parent_path() / "gamecontrollerdb.txt") << "0300zz,broken\n";
    const std::filesystem::path recordsFile = runDir->file("records.toml");
    std::ofstream(recordsFile) << "[totals]\nrounds = -1\n";
    ::testing::internal::CaptureStdout();
    PlayerFiles files;
    files.settings->load(settingsFile);
    files.records->load(recordsFile);
    session = std::make_unique<Session>(window, SessionOptions{}, std::move(files));
    const std::string out = ::testing::internal::GetCapturedStdout();

    std::string toasts;
    for (const auto& toast : session->hud().toasts.visible(glfwGetTime() + 5.0)) {
        toasts += toast.text + "\n";
    }
    const std::string pad = "Gamepad mappings \"" +
                            (settingsFile.parent_path() / "gamecontrollerdb.txt").string() +
                            "\" line 1: not a mapping GLFW can read (";
    EXPECT_EQ(toasts.rfind("Settings file \"" + settingsFile.string() +
                               "\" line 1: \"hud\" must be true or false; using the default true\n"
                               "Records file \"" +
                               recordsFile.string() + "\" line 2: ",
                           0),
              0u)
        << toasts;
    EXPECT_NE(toasts.find("\n" + pad), std::string::npos) << toasts;
    std::string printed;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Loaded", 0) != 0 && line.rfind("Loading", 0) != 0) {
            printed += line + "\n";
        }
    }
    EXPECT_EQ(printed, toasts) << "the same lines as printed, still there after 5 s";
}

}  // namespace dusk::test
