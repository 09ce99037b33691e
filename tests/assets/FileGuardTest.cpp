// Paths and files the libraries mishandle: a folder where a model or an image
// should be fails like a missing file, and a COLLADA index list that would
// send Assimp into an endless loop is refused before Assimp sees it.
#include <filesystem>

#include "AssetTestSupport.h"
#include "assets/ModelImport.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "support/GlTest.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

// One triangle; %s is the text of its index list.
std::string triangle(const std::string& indices) {
    return "<?xml version='1.0'?>\n"
           "<COLLADA xmlns='http://www.collada.org/2005/11/COLLADASchema' version='1.4.1'>"
           "<library_geometries><geometry id='t'><mesh><source id='p'>"
           "<float_array id='pa' count='9'>0 0 0 1 0 0 0 1 0</float_array>"
           "<technique_common><accessor source='#pa' count='3' stride='3'>"
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
        imageSaid = printedLines([&] { EXPECT_EQ(Texture(name).textureObject, 0u); });
        goneSaid = printedLines([&] { Texture missing(gone); });
        ASSERT_EQ(goneSaid.size(), 1u);
        EXPECT_EQ(renamed(imageSaid, name, gone), goneSaid);
    }
}

TEST(RunawayIndexList, OnlyCharactersTheImporterStepsOverMayFillAColladaIndexList) {
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

TEST_F(FileGuardTest, AStrayCharacterInAnIndexListFailsTheImportAtOnce) {
    run.write("bad.dae", triangle("<p>0 1( 2</p>"));
    run.write("good.dae", triangle("<p>0 1 2</p>"));
    StaticModel bad, good;
    EXPECT_EQ(printedLines([&] { EXPECT_FALSE(bad.load("bad.dae", "none.png")); }),
              std::vector<std::string>({"Error parsing 'bad.dae': 'a COLLADA index list (<p>) "
                                        "holds a character that is not part of a number'"}));
    EXPECT_TRUE(bad.subMeshes.empty());
    printedLines([&] { EXPECT_TRUE(good.load("good.dae", "none.png")); });
    ASSERT_EQ(good.subMeshes.size(), 1u);
    EXPECT_EQ(good.subMeshes[0].indexCount, 3u);
}

}  // namespace
}  // namespace dusk::test
