// The real binary on this machine's software rasteriser: with no settings
// file it plays Fast, says so on the HUD only, and writes no quality when a
// setting is saved; with render_scale = 0.5 its picture still fills the
// window while the HUD stays at the window's own resolution.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

// The HUD's text colour, opaque: its pixels are the same over any picture.
const unsigned char hudText[3] = {240, 230, 214};
const char* const kidsCorner = "300x70+0+0";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The region's pixels as RGB bytes.
std::string pixels(const std::string& image, const std::string& region) {
    return Xdo::run("convert " + Xdo::quote(image) + " -crop " + region + " -depth 8 rgb:-");
}

bool isHudText(const std::string& rgb, size_t i) {
    return static_cast<unsigned char>(rgb[i]) == hudText[0] &&
           static_cast<unsigned char>(rgb[i + 1]) == hudText[1] &&
           static_cast<unsigned char>(rgb[i + 2]) == hudText[2];
}

class SoftwareRun : public ::testing::Test {
protected:
    fs::path settingsFile() const { return game.configHome() / "duskhollow" / "settings.toml"; }

    void startWith(const std::string& settings) {
        if (!settings.empty()) {
            fs::create_directories(settingsFile().parent_path());
            std::ofstream(settingsFile()) << settings;
        }
        ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen));
        ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3", 120.0)) << game.describe();
        window = Xdo::findWindow("^Duskhollow$", 30.0, game.pid());
        ASSERT_NE(window, 0u);
        Xdo::focusWindow(window);
    }
    std::string shot(const std::string& name) {
        const std::string path = (dir.path() / (name + ".png")).string();
        EXPECT_TRUE(Xdo::screenshot(path));
        return path;
    }
    void end() {
        ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
        EXPECT_EQ(game.exitCode(), 0);
        EXPECT_EQ(game.err(), "");
    }

    RunDir dir;
    GameProcess game{dir.path()};
    unsigned long window = 0;
};

TEST_F(SoftwareRun, NoSettingsFilePlaysFastSaysSoOnTheHudAndNeverWritesIt) {
    startWith("");
    game.stillRunningAfter(0.3);
    const std::string early = shot("early");  // the toast lasts 2.5 s
    game.stillRunningAfter(3.5);
    const std::string later = shot("later");
    EXPECT_GT(Xdo::imageDifference(early, later, "500x60+390+10"), 0.02)
        << "a toast at the start says which quality plays";
    EXPECT_EQ(game.out().find("Software"), std::string::npos) << "the console says nothing";
    EXPECT_FALSE(fs::exists(settingsFile())) << "taking the default writes nothing";

    Xdo::holdKey("h", 0.3);  // hiding the HUD saves the settings
    game.stillRunningAfter(1.0);
    const std::string saved = readFile(settingsFile());
    EXPECT_NE(saved.find("hud = false"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("graphics_quality"), std::string::npos) << saved;
    end();
}

// Two runs of the same forest: at scale 1 and at scale 0.5.
TEST_F(SoftwareRun, HalfScaleFillsTheWindowAndKeepsTheHudSharp) {
    startWith("graphics_quality = \"Fast\"\n");
    game.stillRunningAfter(2.0);
    const std::string full = shot("full");
    end();

    GameProcess half(dir.path());
    fs::create_directories(half.configHome() / "duskhollow");
    std::ofstream(half.configHome() / "duskhollow" / "settings.toml")
        << "graphics_quality = \"Fast\"\nrender_scale = 0.5\n";
    ASSERT_TRUE(half.start(GameProcess::Input::KeepOpen));
    ASSERT_TRUE(half.waitForOutput("Loading Model: Tree 3", 120.0)) << half.describe();
    Xdo::focusWindow(Xdo::findWindow("^Duskhollow$", 30.0, half.pid()));
    half.stillRunningAfter(2.0);
    const std::string scaled = shot("half");
    ASSERT_TRUE(endWithEscape(half, 30.0)) << half.describe();
    EXPECT_EQ(half.out(), game.out()) << "the same lines as at full size";

    // Each edge of the window shows what the full-size picture shows there.
    for (const char* edge : {"24x720+0+0", "24x720+1256+0", "1280x24+0+0", "1280x24+0+696"}) {
        EXPECT_LT(Xdo::imageDifference(full, scaled, edge), 0.08) << edge;
    }
    // The HUD's text has the same opaque pixels as at full size: drawn at
    // the window's resolution, not scaled up with the picture.
    const std::string sharp = pixels(full, kidsCorner);
    const std::string test = pixels(scaled, kidsCorner);
    ASSERT_EQ(sharp.size(), test.size());
    size_t text = 0;
    size_t same = 0;
    for (size_t i = 0; i + 2 < sharp.size(); i += 3) {
        if (isHudText(sharp, i)) {
            ++text;
            same += isHudText(test, i);
        }
    }
    ASSERT_GT(text, 200u) << "the kids-left figure is in the corner";
    EXPECT_GE(same, text * 97 / 100) << same << " of " << text;
}

}  // namespace
}  // namespace dusk::test
