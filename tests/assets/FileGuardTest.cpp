// Paths and files the libraries mishandle: a folder where a model or an image
// should be fails like a missing file, and a COLLADA document that would send
// Assimp into an endless loop or into one of its aborting assertions is
// refused before Assimp sees it.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AssetTestSupport.h"
#include "assets/ColladaCheck.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

// One triangle with the given index list, its three positions in an array
// of `values` values read through an accessor with these attributes.
std::string triangle(const std::string& indices, const std::string& values = "9",
                     const std::string& accessor = "count='3' stride='3'") {
    return "<?xml version='1.0'?>\n"
           "<COLLADA xmlns='http://www.collada.org/2005/11/COLLADASchema' version='1.4.1'>"
           "<library_geometries><geometry id='t'><mesh><source id='p'>"
           "<float_array id='pa' count='" +
           values +
           "'>0 0 0 1 0 0 0 1 0</float_array>"
           "<technique_common><accessor source='#pa' " +
           accessor +
           ">"
           "<param name='X' type='float'/><param name='Y' type='float'/>"
           "<param name='Z' type='float'/></accessor></technique_common></source>"
           "<vertices id='v'><input semantic='POSITION' source='#p'/></vertices>"
           "<triangles count='1'><input semantic='VERTEX' source='#v' offset='0'/>" +
           indices +
           "</triangles></mesh></geometry></library_geometries>"
           "<library_visual_scenes><visual_scene id='s'><node id='n'>"
           "<instance_geometry url='#t'/></node></visual_scene></library_visual_scenes>"
           "<scene><instance_visual_scene url='#s'/></scene></COLLADA>\n";
}

std::vector<std::string> renamed(std::vector<std::string> lines, const std::string& from,
                                 const std::string& to) {
    for (std::string& line : lines) {
        for (size_t at = line.find(from); at != std::string::npos; at = line.find(from, at)) {
            line.replace(at, from.size(), to);
        }
    }
    return lines;
}

class FileGuardTest : public GlTest {
protected:
    RunDir run;
    ScopedCwd cwd{run.path()};
};

TEST_F(FileGuardTest, AFolderFailsInEveryLoaderLikeAMissingFile) {
    for (const char* folder : {"tree.obj", "kid.dae", "image.png", "image.jpg"}) {
        std::filesystem::create_directory(folder);
    }
    StaticModel tree, goneTree;
    const auto treeSaid = printedLines([&] { EXPECT_FALSE(tree.load("tree.obj", "image.png")); });
    const auto goneTreeSaid = printedLines([&] { goneTree.load("gone.obj", "image.png"); });
    ASSERT_EQ(goneTreeSaid.size(), 1u);
    EXPECT_EQ(renamed(treeSaid, "tree.obj", "gone.obj"), goneTreeSaid);
    EXPECT_TRUE(tree.subMeshes.empty());

    SkinnedModel kid, goneKid;
    const auto kidSaid = printedLines([&] { kid.load("kid.dae"); });
    EXPECT_EQ(renamed(kidSaid, "kid.dae", "gone.dae"),
              printedLines([&] { goneKid.load("gone.dae"); }));
    EXPECT_EQ(kid.scene, nullptr);

    for (const std::string name : {"image.png", "image.jpg"}) {
        const std::string gone = "gone" + name.substr(5);
        std::vector<std::string> imageSaid, goneSaid;
        imageSaid = printedLines([&] { EXPECT_FALSE(Image(name).loaded()); });
        goneSaid = printedLines([&] { Image missing(gone); });
        ASSERT_EQ(goneSaid.size(), 1u);
        EXPECT_EQ(renamed(imageSaid, name, gone), goneSaid);
    }
}

// Two joints with their bind matrices (`matrices` of them in the array), and
// one vertex with the influences of <v> (joint index, weight index).
std::string skin(int matrices, const std::string& v) {
    return "<COLLADA><source id='j'><Name_array id='ja' count='2'>A B</Name_array>"
           "<technique_common><accessor source='#ja' count='2'/></technique_common></source>"
           "<source id='m'><float_array id='ma' count='" +
           std::to_string(16 * matrices) + "'/><technique_common><accessor source='#ma' count='" +
           std::to_string(matrices) +
           "' stride='16'><param type='float4x4'/></accessor></technique_common></source>"
           "<source id='w'><float_array id='wa' count='2'>0.5 0.5</float_array>"
           "<technique_common><accessor source='#wa' count='2'/></technique_common></source>"
           "<joints><input semantic='JOINT' source='#j'/>"
           "<input semantic='INV_BIND_MATRIX' source='#m'/></joints>"
           "<vertex_weights count='1'><input semantic='JOINT' source='#j' offset='0'/>"
           "<input semantic='WEIGHT' source='#w' offset='1'/><vcount>2</vcount><v>" +
           v + "</v></vertex_weights></COLLADA>";
}

TEST(ColladaCheck, AccessorsBindMatricesAndWeightIndicesStayInsideTheirArrays) {
    EXPECT_FALSE(readsPastAnArray(triangle("<p>0 1 2</p>")));
    EXPECT_FALSE(readsPastAnArray(triangle("", "10", "count='3' stride='3' offset='1'")));
    EXPECT_TRUE(readsPastAnArray(triangle("", "8")));
    EXPECT_TRUE(readsPastAnArray(triangle("", "9", "count='4' stride='3'")));
    EXPECT_TRUE(readsPastAnArray(triangle("", "9", "count='3' stride='3' offset='1'")));
    EXPECT_TRUE(readsPastAnArray(triangle("", "9", "count='3' stride='3'><param type='float4x4'/")))
        << "a matrix parameter reads 16 values per element";
    EXPECT_TRUE(readsPastAnArray(triangle("", "9", "count='4294967295' stride='4294967295'")));
    EXPECT_FALSE(readsPastAnArray(skin(2, "0 0 1 1")));
    EXPECT_TRUE(readsPastAnArray(skin(1, "0 0 1 1"))) << "a bind matrix for every joint";
    EXPECT_TRUE(readsPastAnArray(skin(2, "0 0 1 2"))) << "weight index 2 of 2";
    EXPECT_TRUE(readsPastAnArray(skin(2, "0 -1 1 1")));
    EXPECT_TRUE(readsPastAnArray(skin(2, "0 0 2 1"))) << "joint index 2 of 2";
}

TEST(ColladaCheck, OnlyCharactersTheImporterStepsOverMayFillAnIndexList) {
    EXPECT_FALSE(runawayIndexList(triangle("<p>0 1\t2\r\n-1 +2</p>")));
    EXPECT_FALSE(runawayIndexList(triangle("<p/><p />")));
    EXPECT_FALSE(runawayIndexList(triangle("<p>0 1 2</p><ph>x</ph><param name='x('/>")));
    EXPECT_FALSE(runawayIndexList("# an OBJ comment\n<p>0 1( 2</p>\n"))
        << "only COLLADA documents are read this way";
    EXPECT_TRUE(runawayIndexList(triangle("<p>0 1( 2</p>")));
    EXPECT_TRUE(runawayIndexList(triangle("<p count='1'>0 1 2.</p>")));
    EXPECT_TRUE(runawayIndexList(triangle("<p>0 &#49; 2</p>")));
    EXPECT_TRUE(runawayIndexList(triangle("<p>0 1<!-- two -->2</p>")));
}

TEST_F(FileGuardTest, ADocumentTheImporterWouldNotSurviveFailsWithTheReason) {
    run.write("stray.dae", triangle("<p>0 1( 2</p>"));
    run.write("short.dae", triangle("<p>0 1 2</p>", "8"));
    run.write("good.dae", triangle("<p>0 1 2</p>"));
    StaticModel stray, shortArray, good;
    EXPECT_EQ(printedLines([&] { EXPECT_FALSE(stray.load("stray.dae", "none.png")); }),
              std::vector<std::string>({"Error parsing 'stray.dae': 'a COLLADA index list (<p>) "
                                        "holds a character that is not part of a number'"}));
    EXPECT_TRUE(stray.subMeshes.empty());
    EXPECT_EQ(printedLines([&] { EXPECT_FALSE(shortArray.load("short.dae", "none.png")); }),
              std::vector<std::string>({"Error parsing 'short.dae': 'a COLLADA accessor or skin "
                                        "reaches past the values of its array'"}));
    printedLines([&] { EXPECT_TRUE(good.load("good.dae", "none.png")); });
    ASSERT_EQ(good.subMeshes.size(), 1u);
    EXPECT_EQ(good.subMeshes[0].indexCount, 3u);
}

// Assimp looks a vertex's weights up by its position index: the game's own
// kid with fewer weight entries than positions crashed it.
TEST_F(FileGuardTest, ASkinWithFewerWeightEntriesThanPositionsFailsInBothLoaders) {
    std::ifstream file(DUSK_RUN_DIR "/Model/Object/animTest2.dae");
    std::string kid((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string counted = "<vertex_weights count=\"";
    const size_t at = kid.find(counted);
    ASSERT_NE(at, std::string::npos);
    run.write("whole.dae", kid);
    const size_t digits = at + counted.size();
    const int entries = std::stoi(kid.substr(digits));
    ASSERT_GT(entries, 1);
    run.write("short.dae",
              kid.replace(digits, std::to_string(entries).size(), std::to_string(entries / 2)));
    const std::string line =
        "Error parsing 'short.dae': 'a COLLADA accessor or skin reaches "
        "past the values of its array'";
    StaticModel whole, shortStatic;
    bool loaded = false;
    printedLines([&] { loaded = whole.load("whole.dae", "none.png"); });
    EXPECT_TRUE(loaded);
    EXPECT_EQ(printedLines([&] { loaded = shortStatic.load("short.dae", "none.png"); }),
              std::vector<std::string>({line}));
    EXPECT_FALSE(loaded);
    SkinnedModel shortSkinned;
    const auto said = printedLines([&] { shortSkinned.load("short.dae"); });
    EXPECT_EQ(shortSkinned.scene, nullptr);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said[0], line);
}

}  // namespace
}  // namespace dusk::test
