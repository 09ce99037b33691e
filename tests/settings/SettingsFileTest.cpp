// The settings file: every kind of fault gives its one line and the defaults
// for what is wrong, the text reads back as written, a faulty file is kept
// as "settings.toml.bad" (a later one as ".bad.2") by the first save that
// changes something, and a file too large is left alone.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsText.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

const char* const name = "/cfg/settings.toml";

TEST(SettingsText, EachFaultGivesItsOneLineAndTheDefaultForThatKeyOnly) {
    const std::string at = "Settings file \"/cfg/settings.toml\" line ";
    const struct {
        const char* text;
        std::vector<std::string> lines;
        UserSettings expected;
    } cases[] = {
        {"fov = 70\nfield_of_view = 80\n",
         {at + "1: unknown key \"fov\"; ignored"},
         [] {
             UserSettings s;
             s.fieldOfView = 80.0;
             return s;
         }()},
        {"hud = false\ninvert_look = \"yes\"\n",
         {at + "2: \"invert_look\" must be true or false; using the default false"},
         [] {
             UserSettings s;
             s.hud = false;
             return s;
         }()},
        {"mouse_sensitivity = 0.01\nfield_of_view = 49.9\nmaster_volume = -0.5\n",
         {at + "1: \"mouse_sensitivity\" must be a number from 0.0005 to 0.008; using the default "
               "0.002",
          at + "2: \"field_of_view\" must be a number from 50 to 100; using the default 60",
          at + "3: \"master_volume\" must be a number from 0 to 1; using the default 1"},
         UserSettings()},
        {"frame_cap = 45\ngraphics_quality = \"Ultra\"\nvsync = 1\n",
         {at + "1: \"frame_cap\" must be 0, 30, 60, 120 or 144; using the default 0",
          at + "2: \"graphics_quality\" must be \"Exact\", \"Fast\" or \"Low\"; using the "
               "default \"Exact\" (\"Fast\" with software rendering)",
          at + "3: \"vsync\" must be true or false; using the default false"},
         UserSettings()},
        {"width = 1920\nheight = 0\n",
         {at + "1: \"width\" needs \"height\" beside it; the window size comes from "
               "\"Release/config.txt\"",
          at + "2: \"height\" must be a whole number from 1 to 32767; using the default size "
               "from \"Release/config.txt\""},
         UserSettings()},
        {"gamepad_look_speed = 20\ngamepad_dead_zone = 0.95\n",
         {at + "1: \"gamepad_look_speed\" must be a number from 30 to 360; using the default "
               "120",
          at + "2: \"gamepad_dead_zone\" must be a number from 0 to 0.9; using the default 0.2"},
         UserSettings()},
        {"render_scale = 0.4\nhud = false\n",
         {at + "1: \"render_scale\" must be a number from 0.5 to 1; using the default 1 (0.5 "
               "at \"Low\")"},
         [] {
             UserSettings s;
             s.hud = false;
             return s;
         }()},
        {"difficulty = \"Nightmare\"\ncaptions = \"on\"\ndetection_markers = false\n",
         {at + "1: \"difficulty\" must be \"Relaxed\", \"Standard\" or \"Hard\"; using the "
               "default \"Standard\"",
          at + "2: \"captions\" must be true or false; using the default false"},
         [] {
             UserSettings s;
             s.detectionMarkers = false;
             return s;
         }()},
        {"tips = \"sometimes\"\nsight_areas = \"yes\"\n",
         {at + "1: \"tips\" must be \"auto\", \"on\" or \"off\"; using the default \"auto\"",
          at + "2: \"sight_areas\" must be true or false; using the default false (true at "
               "\"Relaxed\")"},
         UserSettings()},
        {"[graphics]\nquality = \"Fast\"\n",
         {at + "1: unknown key \"graphics\"; ignored"},
         UserSettings()},
        {"\"a\\nb\" = 1\n", {at + "1: unknown key \"a\\x0ab\"; ignored"}, UserSettings()},
        {"",
         {"Settings file \"/cfg/settings.toml\": the file is empty; using the defaults"},
         UserSettings()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const SettingsReading reading = readSettingsText(c.text, name);
        EXPECT_EQ(reading.problems, c.lines);
        EXPECT_TRUE(reading.values == c.expected);
    }
}

TEST(SettingsText, TextThatIsNotTomlGivesEveryDefaultAndOneLine) {
    const SettingsReading reading =
        readSettingsText("field_of_view = 80\ninvert_look = tru\n", name);
    ASSERT_EQ(reading.problems.size(), 1u);
    const std::string& line = reading.problems[0];
    const std::string start = "Settings file \"/cfg/settings.toml\" line 2: not valid TOML (";
    const std::string end = "); using the defaults";
    EXPECT_EQ(line.compare(0, start.size(), start), 0) << line;
    EXPECT_EQ(line.compare(line.size() - end.size(), end.size(), end), 0) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_TRUE(reading.values == UserSettings()) << "a broken file gives no half values";
}

TEST(SettingsText, EveryValueReadsBackAsWritten) {
    UserSettings values;
    values.mouseSensitivity = 0.0005;
    values.invertLook = true;
    values.fieldOfView = 87.5;
    values.vsync = true;
    values.frameCap = 144;
    values.fullscreen = true;
    values.graphicsQuality = GraphicsQuality::Low;
    values.hud = false;
    values.masterVolume = 0.3;
    values.width = 1600;
    values.height = 900;
    values.gamepadLookSpeed = 200.0;
    values.gamepadDeadZone = 0.0;
    values.renderScale = 0.75;
    values.difficulty = DifficultyLevel::Hard;
    values.detectionMarkers = false;
    values.captions = true;
    values.tips = TipsMode::Off;
    values.sightAreas = false;
    values.keys.bind(Action::Scream, 0, GLFW_KEY_E);
    values.keys.bind(Action::Pause, 0, KeyBindings::noKey);
    const std::string text = settingsText(values);
    const SettingsReading reading = readSettingsText(text, name);
    EXPECT_TRUE(reading.problems.empty()) << reading.problems[0];
    EXPECT_TRUE(reading.values == values) << text;
    EXPECT_TRUE(readSettingsText(settingsText(UserSettings()), name).values == UserSettings());
    EXPECT_EQ(graphicsQualityNamed("fast"), GraphicsQuality::Fast) << "any letter case";
    EXPECT_EQ(difficultyLevelNamed("rELAXED"), DifficultyLevel::Relaxed) << "any letter case";
    EXPECT_EQ(difficultyLevelNamed("Relaxe"), std::nullopt);
    EXPECT_EQ(readSettingsText("tips = \"ON\"\n", name).values.tips, TipsMode::On);
    EXPECT_FALSE(values.sightAreasAt(DifficultyLevel::Relaxed)) << "the player's choice holds";
}

TEST(SettingsText, TheDefaultsAreTheGameAsItWas) {
    const UserSettings defaults;
    EXPECT_EQ(defaults.mouseSpeed(), 0.002f);
    EXPECT_EQ(defaults.fieldOfViewRadians(), 1.0471975803375244f);
    EXPECT_FALSE(defaults.width.has_value() || defaults.height.has_value());
    EXPECT_EQ(defaults.graphicsQuality, GraphicsQuality::Exact);
    EXPECT_EQ(defaults.renderScaleInUse(), 1.0f);
    EXPECT_EQ(settingsText(defaults).find("render_scale"), std::string::npos)
        << "an unset scale stays out of the file";
    EXPECT_EQ(defaults.difficulty, DifficultyLevel::Standard);
    EXPECT_TRUE(defaults.detectionMarkers);
    EXPECT_FALSE(defaults.captions);
    EXPECT_EQ(defaults.tips, TipsMode::Auto);
    EXPECT_FALSE(defaults.sightAreasAt(DifficultyLevel::Standard));
    EXPECT_FALSE(defaults.sightAreasAt(DifficultyLevel::Hard));
    EXPECT_TRUE(defaults.sightAreasAt(DifficultyLevel::Relaxed));
    EXPECT_EQ(settingsText(defaults).find("sight_areas"), std::string::npos);
}

TEST(SettingsText, LowDrawsAtHalfSizeUnlessThePlayerSetAScale) {
    UserSettings low;
    low.graphicsQuality = GraphicsQuality::Low;
    EXPECT_EQ(low.renderScaleInUse(), 0.5f);
    low.renderScale = 0.8;
    EXPECT_EQ(low.renderScaleInUse(), 0.8f);
    low.renderScale = 1.0;
    EXPECT_EQ(low.renderScaleInUse(), 1.0f) << "a full scale the player chose holds at Low";
    UserSettings fast;
    fast.graphicsQuality = GraphicsQuality::Fast;
    EXPECT_EQ(fast.renderScaleInUse(), 1.0f);
}

TEST(SettingsFile, LivesInTheConfigFolder) {
    EXPECT_EQ(SettingsFile::defaultPath("/x/cfg", "/home/p"), "/x/cfg/duskhollow/settings.toml");
    EXPECT_EQ(SettingsFile::defaultPath(nullptr, "/home/p"),
              "/home/p/.config/duskhollow/settings.toml");
}

TEST(SettingsFile, AMissingFileIsSilentAndAFolderGivesALineAndIsNotReplaced) {
    TempFolder folder;
    SettingsFile missing(folder.path / "settings.toml");
    const SettingsReading none = missing.read();
    EXPECT_TRUE(none.problems.empty());
    EXPECT_TRUE(none.values == UserSettings());
    EXPECT_FALSE(fs::exists(folder.path / "settings.toml")) << "reading creates nothing";

    fs::create_directory(folder.path / "settings.toml");
    const SettingsReading dir = missing.read();
    EXPECT_EQ(dir.problems, std::vector<std::string>{"Settings file \"" +
                                                     (folder.path / "settings.toml").string() +
                                                     "\": is a folder, not a file; using the "
                                                     "defaults"});
    UserSettings changed;
    changed.hud = false;
    EXPECT_FALSE(missing.save(changed)) << "a folder is not replaced by a file";
    EXPECT_NE(missing.error().find("could not save"), std::string::npos) << missing.error();
    EXPECT_TRUE(fs::is_directory(folder.path / "settings.toml"));
}

TEST(SettingsStore, AFaultyFileStaysUntilASettingChangesThenIsKeptAsBad) {
    TempFolder folder;
    const fs::path path = folder.path / "duskhollow" / "settings.toml";
    fs::create_directories(path.parent_path());
    const std::string faulty = "field_of_view = 75\nfov = 3\n";
    writeFile(path, faulty);
    SettingsStore store;
    ::testing::internal::CaptureStdout();
    store.load(path);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Settings file \"" + path.string() + "\" line 2: unknown key \"fov\"; ignored\n");
    EXPECT_EQ(store.current().fieldOfView, 75.0);

    EXPECT_TRUE(store.save());
    EXPECT_EQ(readFile(path), faulty) << "nothing changed, nothing written";
    EXPECT_FALSE(fs::exists(path.string() + ".bad"));

    store.current().invertLook = true;
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(store.save());
    EXPECT_EQ(
        ::testing::internal::GetCapturedStdout(),
        "Settings file \"" + path.string() + "\": the faulty file is kept as settings.toml.bad\n");
    EXPECT_EQ(readFile(path.string() + ".bad"), faulty);
    const SettingsReading saved = SettingsFile(path).read();
    EXPECT_TRUE(saved.problems.empty());
    EXPECT_TRUE(saved.values == store.current());

    store.current().hud = false;
    ASSERT_TRUE(store.save());
    EXPECT_EQ(readFile(path.string() + ".bad"), faulty) << "the bad copy is the original";
    EXPECT_FALSE(SettingsFile(path).read().values.hud);
    const auto entries =
        std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator());
    EXPECT_EQ(entries, 2) << "no temporary file is left behind";

    // Broken again: the first copy stays.
    writeFile(path, "hud = 3\n");
    SettingsStore again;
    ::testing::internal::CaptureStdout();
    again.load(path);
    again.current().invertLook = true;
    ASSERT_TRUE(again.save());
    EXPECT_NE(::testing::internal::GetCapturedStdout().find(
                  "the faulty file is kept as settings.toml.bad.2\n"),
              std::string::npos);
    EXPECT_EQ(readFile(path.string() + ".bad"), faulty);
    EXPECT_EQ(readFile(path.string() + ".bad.2"), "hud = 3\n");
}

// A file far too large to be settings is not read, and no save replaces it.
TEST(SettingsStore, AFileTooLargeIsNotReadAndNeverWritten) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    writeFile(path, "hud = false\n");
    fs::resize_file(path, std::uintmax_t{1} << 30);  // sparse: 1 GB of nothing on the disk
    const auto modified = fs::last_write_time(path);
    SettingsStore store;
    ::testing::internal::CaptureStdout();
    store.load(path);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Settings file \"" + path.string() +
                  "\": is larger than 4 MB; using the defaults, and changes are not saved (the "
                  "file is left as it is)\n");
    EXPECT_TRUE(store.current() == UserSettings());
    store.current().hud = false;
    EXPECT_TRUE(store.save());
    EXPECT_EQ(fs::file_size(path), std::uintmax_t{1} << 30);
    EXPECT_EQ(fs::last_write_time(path), modified);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 1);
}

TEST(SettingsStore, OptionsForcedByTheCommandLineAreNotWrittenUnlessChanged) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    writeFile(path, "fullscreen = true\ndifficulty = \"Relaxed\"\n");
    SettingsStore store;
    store.load(path);
    store.force({true, true, DifficultyLevel::Hard});
    EXPECT_TRUE(store.current().fullscreen && store.current().vsync);
    EXPECT_EQ(store.current().difficulty, DifficultyLevel::Hard);
    store.current().fieldOfView = 90.0;
    ASSERT_TRUE(store.save()) << store.file().error();
    UserSettings expected;
    expected.fieldOfView = 90.0;
    expected.fullscreen = true;
    expected.difficulty = DifficultyLevel::Relaxed;
    EXPECT_TRUE(SettingsFile(path).read().values == expected) << readFile(path);

    store.current().fullscreen = false;  // the player turns it off in the menu
    store.current().difficulty = DifficultyLevel::Standard;
    ASSERT_TRUE(store.save());
    EXPECT_FALSE(SettingsFile(path).read().values.fullscreen) << readFile(path);
    EXPECT_EQ(SettingsFile(path).read().values.difficulty, DifficultyLevel::Standard);
}

TEST(SettingsStore, AWindowSideTheGameIgnoredIsNotWrittenBack) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    writeFile(path, "width = 1920\n");
    SettingsStore store;
    ::testing::internal::CaptureStdout();
    store.load(path);
    EXPECT_NE(::testing::internal::GetCapturedStdout(), "");
    store.current().hud = false;
    ASSERT_TRUE(store.save());
    const SettingsReading again = SettingsFile(path).read();
    EXPECT_TRUE(again.problems.empty()) << again.problems[0];
    EXPECT_EQ(readFile(path).find("width"), std::string::npos) << readFile(path);
    EXPECT_EQ(readFile(path).find("[keys]"), std::string::npos) << "default keys are not written";
}

// A software rasteriser's Fast is a default for this run only: it never
// replaces the player's quality, and no save writes it.
TEST(SettingsStore, TheMachinesQualityGivesWayToThePlayersAndIsNeverWritten) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    SettingsStore store;
    store.load(path);  // no file yet
    EXPECT_TRUE(store.takeMachineQuality(GraphicsQuality::Fast));
    EXPECT_EQ(store.current().graphicsQuality, GraphicsQuality::Fast);
    ASSERT_TRUE(store.save());
    EXPECT_FALSE(fs::exists(path)) << "taking the default changes nothing to write";
    store.current().fieldOfView = 75.0;
    ASSERT_TRUE(store.save());
    EXPECT_EQ(readFile(path).find("graphics_quality"), std::string::npos) << readFile(path);
    EXPECT_FALSE(SettingsFile(path).read().qualityGiven);

    store.current().graphicsQuality = GraphicsQuality::Low;  // the player's choice
    ASSERT_TRUE(store.save());
    store.current().graphicsQuality = GraphicsQuality::Fast;  // and back: still theirs
    ASSERT_TRUE(store.save());
    EXPECT_TRUE(store.qualityChosen());
    EXPECT_NE(readFile(path).find("graphics_quality = \"Fast\""), std::string::npos)
        << readFile(path);

    // A quality in the file is the player's; a mistyped one is a fault, and
    // the machine's default applies.
    for (const bool good : {true, false}) {
        writeFile(path, good ? "graphics_quality = \"Exact\"\n" : "graphics_quality = \"Ultra\"\n");
        SettingsStore again;
        ::testing::internal::CaptureStdout();
        again.load(path);
        const std::string out = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.find("line 1: \"graphics_quality\" must be") == std::string::npos, good)
            << out;
        EXPECT_EQ(again.takeMachineQuality(GraphicsQuality::Fast), !good);
        EXPECT_EQ(again.current().graphicsQuality,
                  good ? GraphicsQuality::Exact : GraphicsQuality::Fast);
        again.current().hud = false;
        ASSERT_TRUE(again.save());
        EXPECT_EQ(readFile(path).find("graphics_quality = \"Exact\"") != std::string::npos, good)
            << readFile(path);
    }
}

// A dotfiles set-up: the settings file is a link into another folder.
TEST(SettingsStore, ASettingsFileThatIsALinkStaysALinkAndItsTargetIsReplacedWhole) {
    TempFolder folder;
    const fs::path dotfiles = folder.path / "dotfiles";
    const fs::path path = folder.path / "duskhollow" / "settings.toml";
    fs::create_directories(dotfiles);
    fs::create_directories(path.parent_path());
    const std::string faulty = "field_of_view = 75\nfov = 3\n";
    writeFile(dotfiles / "duskhollow.toml", faulty);
    fs::create_symlink("../dotfiles/link.toml", path);  // a chain of two, relative links
    fs::create_symlink("duskhollow.toml", dotfiles / "link.toml");

    SettingsStore store;
    ::testing::internal::CaptureStdout();
    store.load(path);
    ::testing::internal::GetCapturedStdout();
    store.current().invertLook = true;
    ASSERT_TRUE(store.save()) << store.file().error();
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_TRUE(fs::is_symlink(dotfiles / "link.toml"));
    EXPECT_TRUE(SettingsFile(dotfiles / "duskhollow.toml").read().values.invertLook);
    EXPECT_EQ(readFile(path.string() + ".bad"), faulty) << "the bad copy is the old file";
    EXPECT_EQ(std::distance(fs::directory_iterator(dotfiles), fs::directory_iterator()), 2)
        << "no temporary file is left beside the target";

    fs::remove(dotfiles / "duskhollow.toml");  // a link to a file not made yet
    store.current().hud = false;
    ASSERT_TRUE(store.save()) << store.file().error();
    EXPECT_FALSE(SettingsFile(dotfiles / "duskhollow.toml").read().values.hud);
}

}  // namespace
}  // namespace dusk::test
