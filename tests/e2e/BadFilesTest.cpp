// The real binary beside broken, missing and absurd files. Every failure shows
// as the lines the game promises, carrying the libraries' own words; the game
// then either goes on (draws frames and ends on Esc with status 0) or stops at
// once where it must. Never a signal where it should go on, never a hang,
// nothing on standard error, no line cut short: each run's whole output is
// compared.
//
// The libraries' words are not written down here: what Assimp and Magick++
// say about a file is asked of them, for the same file, from this process.
// The sequence around them (which file is loaded when, which message comes
// how often) is the game's own and is spelled out below.
#include <Magick++.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "assets/Image.h"
#include "support/GameProcess.h"
#include "support/GlTest.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

// Generous limits that only guard against a hang.
constexpr double startTimeout = 120.0;
constexpr double failureTimeout = 30.0;

const char* const ground = "Model/Object/ground20.obj";
const char* const sky = "Model/Object/skybox.obj";
const char* const tree1 = "Model/Object/tree1.obj";
const char* const tree3 = "Model/Object/tree3.obj";
const char* const kid = "Model/Object/animTest2.dae";
const char* const groundImage = "Model/Image/ground19.jpg";
const char* const skyImage = "Model/Image/skybox2.jpg";
const char* const treeImage = "Model/Image/tree1.png";
const char* const kidImage = "Model/Object/animTest.png";
const char* const gameOverImage = "Textures/gameOverScreen.png";

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shipped file, from the run directory the copies are made of.
std::string shipped(const std::string& relative) {
    return readBytes(std::filesystem::path(DUSK_RUN_DIR) / relative);
}

// Bytes without any structure, the same on every run.
std::string noise(size_t count) {
    std::string bytes(count, '\0');
    uint32_t state = 12345u;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    return bytes;
}

// An OBJ cut in the middle of a line: after the first number of a texture
// coordinate well inside the file ("vt 0.75" and then nothing).
std::string objCutInsideALine(const std::string& obj) {
    const size_t line = obj.find("\nvt ", obj.size() / 4);
    if (line == std::string::npos) {
        return obj.substr(0, obj.size() / 2);
    }
    return obj.substr(0, obj.find(' ', line + 4));
}

// A JPEG cut just before its first start-of-scan marker: all headers, no image.
std::string jpegWithoutScan(const std::string& jpeg) {
    const size_t scan = jpeg.find("\xFF\xDA");
    return jpeg.substr(0, scan == std::string::npos ? jpeg.size() / 2 : scan);
}

// A COLLADA file that imports fine but has one triangle and nothing else: no
// skeleton, no animation.
const char* const plainCollada = R"(<?xml version="1.0" encoding="utf-8"?>
<COLLADA xmlns="http://www.collada.org/2005/11/COLLADASchema" version="1.4.1">
  <asset><up_axis>Y_UP</up_axis></asset>
  <library_geometries>
    <geometry id="tri" name="tri"><mesh>
      <source id="pos">
        <float_array id="pos-array" count="9">0 0 0 1 0 0 0 1 0</float_array>
        <technique_common><accessor source="#pos-array" count="3" stride="3">
          <param name="X" type="float"/><param name="Y" type="float"/><param name="Z" type="float"/>
        </accessor></technique_common>
      </source>
      <vertices id="vtx"><input semantic="POSITION" source="#pos"/></vertices>
      <triangles count="1"><input semantic="VERTEX" source="#vtx" offset="0"/><p>0 1 2</p></triangles>
    </mesh></geometry>
  </library_geometries>
  <library_visual_scenes>
    <visual_scene id="scene"><node id="kid" name="kid"><instance_geometry url="#tri"/></node></visual_scene>
  </library_visual_scenes>
  <scene><instance_visual_scene url="#scene"/></scene>
</COLLADA>
)";

// ------------------------------------------------- what the libraries say --

constexpr unsigned staticFlags =
    aiProcess_Triangulate | aiProcess_GenSmoothNormals | aiProcess_FlipUVs;
constexpr unsigned skinnedFlags = staticFlags | aiProcess_LimitBoneWeights;

struct Import {
    bool ok = false;
    std::string error;  // the importer's text when not ok
    unsigned meshes = 0;
};

// Imports the file the way the game names it, from the run directory.
Import importModel(const RunDir& dir, const std::string& file, unsigned flags) {
    ScopedCwd cwd(dir.path());
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(file, flags);
    if (scene == nullptr) {
        return {false, importer.GetErrorString(), 0};
    }
    return {true, "", scene->mNumMeshes};
}

// Magick++ puts the program's name in front of its messages.
class ImageClientName {
public:
    explicit ImageClientName(const char* name) {
        initImageLibrary();
        previous = MagickCore::GetClientName();
        MagickCore::SetClientName(name);
    }
    ~ImageClientName() { MagickCore::SetClientName(previous.c_str()); }

private:
    std::string previous;
};

// Nothing when the image library decodes the file to an image (with or
// without a warning), else its message as the game gets it.
std::optional<std::string> imageFailure(const RunDir& dir, const std::string& file) {
    ScopedCwd cwd(dir.path());
    ImageClientName name("duskhollow");
    Magick::Image image;
    std::string warning;
    try {
        image.read(file);
    } catch (const Magick::Warning& w) {
        warning = w.what();
    } catch (const Magick::Error& e) {
        return std::string(e.what());
    }
    if (image.columns() == 0 || image.rows() == 0) {
        return warning;
    }
    return std::nullopt;
}

// --------------------------------------------- what the game must print --

// A texture record's message for one failed load.
std::string recordFailure(const std::string& file, const std::string& text) {
    return "Error loading texture '" + file + "': " + text + "\n";
}

// A model's texture: loaded twice (constructor, then once more); the second
// run decides.
std::string modelTexture(const RunDir& dir, const std::string& file) {
    const std::optional<std::string> failure = imageFailure(dir, file);
    if (!failure) {
        return "Loaded Texture: " + file + "\n";
    }
    return recordFailure(file, *failure) + recordFailure(file, *failure) +
           "Error loading texture '" + file + "'\n";
}

std::string parseFailure(const std::string& file, const std::string& text) {
    return "Error parsing '" + file + "': '" + text + "'\n";
}

std::string staticModel(const RunDir& dir, const std::string& model, const std::string& texture) {
    const Import import = importModel(dir, model, staticFlags);
    return import.ok ? modelTexture(dir, texture) : parseFailure(model, import.error);
}

// The kid's model loads its fixed texture once per mesh.
std::string skinnedModel(const RunDir& dir) {
    const Import import = importModel(dir, kid, skinnedFlags);
    if (!import.ok) {
        return parseFailure(kid, import.error);
    }
    std::string lines;
    for (unsigned i = 0; i < import.meshes; ++i) {
        lines += modelTexture(dir, kidImage);
    }
    return lines;
}

// The overlay's two records of the game-over image report only failures.
std::string overlayImages(const RunDir& dir) {
    const std::optional<std::string> failure = imageFailure(dir, gameOverImage);
    return failure ? recordFailure(gameOverImage, *failure) + recordFailure(gameOverImage, *failure)
                   : "";
}

// Everything a start prints, in the order of world assembly, for the files
// as they are in dir.
std::string startOutput(const RunDir& dir) {
    return overlayImages(dir) + staticModel(dir, ground, groundImage) +
           staticModel(dir, sky, skyImage) + skinnedModel(dir) + "Loading Model: Tree 1\n" +
           staticModel(dir, tree1, treeImage) + "Loading Model: Tree 3\n" +
           staticModel(dir, tree3, treeImage);
}

// ------------------------------------------------------------- the runs --

// Starts the game with its input at the end, lets it assemble the world and
// draw frames for a while, ends it with Esc. Its output must be exactly
// expected, and the run must end as a normal run does.
void expectPlayableStart(const RunDir& dir, const std::string& expected, const std::string& what) {
    SCOPED_TRACE(what);
    GameProcess game(dir.path());
    ASSERT_TRUE(game.start()) << game.describe();
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3\n", startTimeout)) << game.describe();
    EXPECT_TRUE(game.stillRunningAfter(1.5)) << "the frames did not run\n" << game.describe();
    ASSERT_TRUE(endWithEscape(game, startTimeout)) << "Esc did not end it\n" << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();
    EXPECT_EQ(game.out(), expected);
    EXPECT_EQ(game.err(), "");
}

// A case is only worth its run if its files really are broken.
bool reportsAFailure(const std::string& expected) {
    return expected.find("Error") != std::string::npos;
}

TEST(BadFilesOracle, TheShippedFilesGiveTheCleanStart) {
    // The expectations below are built from what the libraries say; for the
    // shipped files that must be the plain start of the game.
    RunDir dir;
    EXPECT_EQ(startOutput(dir), cleanStartOutput);
}

TEST(BadFiles, BrokenModelsAreReportedAndTheGameGoesOn) {
    const struct {
        std::vector<std::pair<const char*, std::string>> files;
        const char* why;
    } cases[] = {
        {{{tree1, objCutInsideALine(shipped(tree1))},
          {tree3, "v one two three\nf a b c\n"},
          {sky, ""},
          {ground, noise(3000)},
          {kid, "this is not xml, nor a model\n"}},
         "an OBJ cut inside a line, words, an empty OBJ, noise; a DAE that is no XML"},
        {{{kid, shipped(kid).substr(0, shipped(kid).size() / 2)},
          {tree1, "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 9\n"},
          {tree3, shipped(tree3).substr(0, shipped(tree3).size() * 3 / 4)}},
         "a DAE cut in half, a face with a vertex that is not there, an OBJ cut short"},
    };
    for (const auto& c : cases) {
        RunDir dir;
        for (const auto& [file, bytes] : c.files) {
            dir.write(file, bytes);
        }
        const std::string expected = startOutput(dir);
        ASSERT_TRUE(reportsAFailure(expected)) << c.why << ": nothing broken";
        EXPECT_NE(expected.find(parseFailure(tree1, importModel(dir, tree1, staticFlags).error)),
                  std::string::npos)
            << c.why << ": tree1.obj was meant to fail";
        expectPlayableStart(dir, expected, c.why);
    }
}

TEST(BadFiles, MissingModelsAndAKidWithoutSkeletonOrAnimation) {
    // The kid's model imports, but there is no skeleton and no animation to
    // pose it with: the kids walk about unposed, and the game must not
    // stumble over the missing animation every frame.
    RunDir dir;
    dir.remove(ground);
    dir.remove(sky);
    dir.write(kid, plainCollada);
    const std::string expected = startOutput(dir);
    ASSERT_EQ(importModel(dir, kid, skinnedFlags).meshes, 1u);
    EXPECT_NE(expected.find("Error parsing '" + std::string(ground) + "'"), std::string::npos);
    EXPECT_NE(expected.find("Loaded Texture: Model/Object/animTest.png"), std::string::npos);
    expectPlayableStart(dir, expected, "no ground, no sky, a kid without bones");
}

TEST(BadFiles, BrokenImagesAreReportedTwiceThenByTheirModel) {
    const struct {
        std::vector<std::pair<const char*, std::string>> files;
        const char* why;
    } cases[] = {
        {{{groundImage, ""},
          {treeImage, ""},
          {kidImage, "\x89PNG\r\n\x1a\n" + noise(500)},
          {gameOverImage, "this is not an image\n"}},
         "empty JPEG and PNG, a PNG signature before noise, words"},
        {{{skyImage, jpegWithoutScan(shipped(skyImage))},
          {treeImage, shipped(treeImage).substr(0, 16)},
          {kidImage, shipped(kidImage).substr(0, shipped(kidImage).size() / 2)},
          {gameOverImage, shipped(gameOverImage).substr(0, shipped(gameOverImage).size() / 2)},
          // Cut inside its image data a JPEG still decodes, the rest filled
          // in grey, with a warning: the game takes it.
          {groundImage, shipped(groundImage).substr(0, shipped(groundImage).size() / 2)}},
         "JPEG headers only, PNGs cut short; a JPEG cut inside its image data"},
    };
    for (const auto& c : cases) {
        RunDir dir;
        for (const auto& [file, bytes] : c.files) {
            dir.write(file, bytes);
        }
        const std::string expected = startOutput(dir);
        ASSERT_TRUE(reportsAFailure(expected)) << c.why << ": nothing broken";
        expectPlayableStart(dir, expected, c.why);
    }
}

TEST(BadFiles, EachMissingImageIsReportedByEveryRecordThatLoadsIt) {
    // tree1.png serves both tree models, so it is reported by both;
    // gameOverScreen.png by the overlay's two records and no model.
    const struct {
        const char* file;
        int modelMessages;
        int recordMessages;
    } cases[] = {
        {groundImage, 1, 2}, {skyImage, 1, 2},      {treeImage, 2, 4},
        {kidImage, 1, 2},    {gameOverImage, 0, 2},
    };
    for (const auto& c : cases) {
        RunDir dir;
        dir.remove(c.file);
        const std::string expected = startOutput(dir);
        const std::string model = "Error loading texture '" + std::string(c.file) + "'\n";
        const std::string record = "Error loading texture '" + std::string(c.file) + "': ";
        int models = 0;
        int records = 0;
        for (size_t at = expected.find(model); at != std::string::npos;
             at = expected.find(model, at + 1)) {
            ++models;
        }
        for (size_t at = expected.find(record); at != std::string::npos;
             at = expected.find(record, at + 1)) {
            ++records;
        }
        EXPECT_EQ(models, c.modelMessages) << c.file;
        EXPECT_EQ(records, c.recordMessages) << c.file;
        EXPECT_NE(expected.find("No such file"), std::string::npos) << expected;
        expectPlayableStart(dir, expected, std::string("without ") + c.file);
    }
}

// --------------------------------------------------------- configuration --

TEST(BadFiles, AbsurdWindowSizesNeverEndInASignal) {
    // Either the window failure of a size GLFW or the X server refuses, or a
    // window and a normal game; never a crash, whatever the numbers.
    const struct {
        std::string config;
        const char* why;
    } cases[] = {
        {"99999999999\n99999999999\n", "both far beyond an int"},
        {"99999999999\n720\n", "the width far beyond an int"},
        {"1280\n99999999999\n", "the height far beyond an int"},
        {std::string(100000, '9') + "\n720\n", "a hundred thousand digits"},
        {"-99999999999\n720\n", "far below an int"},
        {"2147483648\n-2147483649\n", "one past each end of an int"},
        {"65536\n720\n", "a width X cannot describe"},
        {"abc\nxyz\n", "letters only"},
        {"", "an empty file"},
        {std::string("\0\0\0\n\0\n", 6), "zero bytes"},
        {"0001280\n+00720\n", "leading zeros and a sign: 1280 x 720"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        RunDir dir;
        dir.write("Release/config.txt", c.config);
        GameProcess game(dir.path());
        ASSERT_TRUE(game.start()) << game.describe();
        if (!game.waitForOutput("Loading Model: Tree 3\n", startTimeout)) {
            ASSERT_FALSE(game.running()) << "neither a window nor an end\n" << game.describe();
            EXPECT_EQ(game.termSignal(), 0) << game.describe();
            EXPECT_EQ(game.exitCode(), 1) << game.describe();
            EXPECT_EQ(game.out(), "ERROR: Could not open window.\n");
            EXPECT_EQ(game.err(), "");
            continue;
        }
        EXPECT_TRUE(game.stillRunningAfter(1.0)) << game.describe();
        ASSERT_TRUE(endWithEscape(game, startTimeout)) << game.describe();
        EXPECT_EQ(game.exitCode(), 0) << game.describe();
        EXPECT_EQ(game.out(), startOutput(dir));
        EXPECT_EQ(game.err(), "");
    }
}

class BadFilesGl : public GlTest {};

TEST_F(BadFilesGl, ASceneTargetTheDriverCannotMakeEndsTheRunAtOnce) {
    // One texel wider than the driver's largest texture: the window opens,
    // the scene target cannot be completed, and the game ends abnormally
    // right after its message (the wait for a character passes at the end
    // of input).
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (largest + 1 > 32767) {
        GTEST_SKIP() << "this driver's textures are as wide as an X window can be";
    }
    RunDir dir;
    dir.write("Release/config.txt", std::to_string(largest + 1) + "\n720\n");
    GameProcess game(dir.path());
    ASSERT_TRUE(game.run(startTimeout)) << game.describe();
    EXPECT_EQ(game.out(), "Error! FrameBuffer is not complete\n");
    EXPECT_NE(game.termSignal(), 0) << "not an abnormal end: " << game.describe();
    EXPECT_EQ(game.err(), "");
}

// ---------------------------------------------------------------- shaders --

TEST_F(BadFilesGl, AnEmptyShaderFileIsACompileFailureOfItsOwnStage) {
    // The lens-flare program is built after the scene target, and the depth
    // program's vertex file does not end in ".vert"; both stop the start with
    // the driver's words for an empty source.
    const struct {
        const char* file;
        GLenum stage;
    } cases[] = {
        {"Duskhollow/Shader/lensFlare.frag", GL_FRAGMENT_SHADER},
        {"Duskhollow/Shader/DepthRTT.vertexshader", GL_VERTEX_SHADER},
    };
    for (const auto& c : cases) {
        const GLuint shader = glCreateShader(c.stage);
        const char* empty = "";
        glShaderSource(shader, 1, &empty, nullptr);
        glCompileShader(shader);
        GLint status = 1;
        GLint length = 0;
        glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
        glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
        glGetShaderInfoLog(shader, length, nullptr, log.data());
        glDeleteShader(shader);
        ASSERT_EQ(status, 0) << "this driver compiles an empty " << c.file;

        RunDir dir;
        dir.write(c.file, "");
        GameProcess game(dir.path());
        ASSERT_TRUE(game.run(failureTimeout)) << c.file << "\n" << game.describe();
        EXPECT_EQ(game.out(), std::string(log.data()) + " check\n") << c.file;
        EXPECT_EQ(game.exitCode(), 1) << c.file << "\n" << game.describe();
        EXPECT_EQ(game.err(), "") << c.file;
    }
}

}  // namespace
}  // namespace dusk::test
