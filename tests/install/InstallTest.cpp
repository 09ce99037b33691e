// The game installed with `cmake --install` into a fresh prefix whose name
// holds blanks, and started the way a player starts it: through the launcher,
// from a folder that has nothing to do with the game.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "Shell.h"
#include "support/GameProcess.h"
#include "support/Xdo.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

constexpr int installTimeout = 120;
constexpr double startTimeout = 120.0;  // the whole world is assembled first

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every entry below root (relative path) with its permission bits; folders
// end with a slash.
std::map<std::string, fs::perms> entriesBelow(const fs::path& root) {
    std::map<std::string, fs::perms> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string relative = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            relative += "/";
        }
        entries[relative] = entry.symlink_status().permissions();
    }
    return entries;
}

std::set<std::string> filesBelow(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& [relative, mode] : entriesBelow(root)) {
        if (relative.back() != '/') {
            files.insert(relative);
        }
    }
    return files;
}

// The value of a key of a desktop entry ("" when it is not there).
std::string valueOf(const std::string& entry, const std::string& key) {
    std::istringstream lines(entry);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key + "=", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return "";
}

// Every long option (--name) a help text mentions.
std::set<std::string> optionsIn(const std::string& help) {
    std::set<std::string> options;
    for (size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
        size_t end = at + 2;
        while (end < help.size() && (std::islower(static_cast<unsigned char>(help[end])) ||
                                     (help[end] == '-' && end > at + 2))) {
            ++end;
        }
        if (end > at + 2) {
            options.insert(help.substr(at, end - at));
        }
    }
    return options;
}

const fs::perms executable = static_cast<fs::perms>(0755);
const fs::perms readable = static_cast<fs::perms>(0644);

class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        const ShellResult install =
            runShell(std::string(DUSK_CMAKE_COMMAND) + " --install " + Xdo::quote(DUSK_BINARY_DIR) +
                         " --prefix " + Xdo::quote(prefix.path().string()),
                     installTimeout);
        ASSERT_EQ(install.status, 0) << install.output;
    }

    fs::path at(const std::string& relative) const { return prefix.path() / relative; }
    std::string launcher() const { return at("games/duskhollow").string(); }

    // The launcher with arguments, run in the unrelated folder without a display.
    ShellResult launch(const std::string& arguments) const {
        return runShell("cd " + Xdo::quote(elsewhere.path().string()) +
                        " && env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME=" +
                        Xdo::quote(config.path().string()) + " " + Xdo::quote(launcher()) + " " +
                        arguments);
    }

    TempDir prefix{"duskhollow install"};
    TempDir elsewhere{"duskhollow elsewhere"};
    TempDir config{"duskhollow config"};
};

TEST_F(Installed, TheLayoutIsDebiansAndTheDataIsTheWholeRunDirectory) {
    for (const char* program : {"games/duskhollow", "lib/games/duskhollow/duskhollow"}) {
        ASSERT_TRUE(fs::is_regular_file(at(program))) << program;
        EXPECT_EQ(fs::status(at(program)).permissions(), executable) << program;
    }
    const char* const documents[] = {
        "share/applications/duskhollow.desktop",
        "share/icons/hicolor/256x256/apps/duskhollow.png",
        "share/man/man6/duskhollow.6.gz",
        "share/doc/duskhollow/copyright",
        "share/doc/duskhollow/changelog.gz",
        "share/metainfo/io.github.duskhollow.Duskhollow.metainfo.xml",
    };
    for (const char* document : documents) {
        ASSERT_TRUE(fs::is_regular_file(at(document))) << document;
        EXPECT_EQ(fs::status(at(document)).permissions(), readable) << document;
    }

    // Everything the game reads at run time, whatever folders it gains, and
    // nothing of it executable; the executable itself is not data.
    std::set<std::string> runFiles = filesBelow(DUSK_RUN_DIR);
    runFiles.erase("duskhollow");
    runFiles.erase("imgui.ini");  // left by a game played in the build tree
    const fs::path data = at("share/games/duskhollow");
    EXPECT_EQ(filesBelow(data), runFiles);
    for (const auto& [relative, mode] : entriesBelow(data)) {
        EXPECT_EQ(mode, relative.back() == '/' ? executable : readable) << relative;
    }

    // The icon: a 256 x 256 PNG with an alpha channel (colour type 6).
    const std::string png = readBytes(at("share/icons/hicolor/256x256/apps/duskhollow.png"));
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\1\0\0\0\1\0", 8));
    EXPECT_EQ(png[25], 6);
}

TEST_F(Installed, TheMenuEntryAndTheManualPageAreValid) {
    const std::string desktop = at("share/applications/duskhollow.desktop").string();
    const ShellResult validate = runShell("desktop-file-validate " + Xdo::quote(desktop));
    EXPECT_EQ(validate.status, 0) << validate.output;
    EXPECT_EQ(validate.output, "");

    // The entry names the installed command and the installed icon.
    const std::string entry = readBytes(desktop);
    const std::string command = valueOf(entry, "Exec");
    EXPECT_TRUE(fs::is_regular_file(at("games/" + command.substr(0, command.find(' ')))))
        << command;
    const std::string icon = valueOf(entry, "Icon");
    EXPECT_TRUE(fs::is_regular_file(at("share/icons/hicolor/256x256/apps/" + icon + ".png")))
        << icon;

    // Rendered the way lintian checks manual pages: no warning from groff.
    const ShellResult manual =
        runShell("LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z " +
                 Xdo::quote(at("share/man/man6/duskhollow.6.gz").string()) + " >/dev/null");
    EXPECT_EQ(manual.status, 0) << manual.output;
    EXPECT_EQ(manual.output, "");
}

// What software centres read: the AppStream listing, checked the way
// Debian's archive tools check it, with the menu entry it names as its
// launchable. --strict fails on warnings and notes too, not only on errors.
TEST_F(Installed, TheSoftwareCentreListingIsValidAndNamesTheMenuEntry) {
    const ShellResult tree = runShell("appstreamcli validate-tree --no-net --strict " +
                                      Xdo::quote(prefix.path().string()));
    EXPECT_EQ(tree.status, 0) << tree.output;
    EXPECT_NE(tree.output.find("io.github.duskhollow.Duskhollow.metainfo.xml"), std::string::npos)
        << "the listing was not found:\n"
        << tree.output;

    const std::string listing =
        readBytes(at("share/metainfo/io.github.duskhollow.Duskhollow.metainfo.xml"));
    for (const char* control : {"keyboard", "pointing", "gamepad"}) {
        EXPECT_NE(listing.find(std::string("<control>") + control + "</control>"),
                  std::string::npos)
            << control;
    }
    const std::string release = "<release version=\"";
    const std::size_t newest = listing.find(release) + release.size();
    EXPECT_EQ(listing.substr(newest, listing.find('"', newest) - newest), DUSK_VERSION)
        << "the newest release listed is the version the game reports";
}

TEST_F(Installed, HelpAndVersionAnswerFromAnyFolderWithoutADisplay) {
    const ShellResult help = launch("--help");
    EXPECT_EQ(help.status, 0) << help.output;
    EXPECT_NE(help.output.find("--data-dir"), std::string::npos) << help.output;

    const std::string version = std::string("Duskhollow ") + DUSK_VERSION + "\n";
    const ShellResult direct = launch("--version");
    EXPECT_EQ(direct.status, 0);
    EXPECT_EQ(direct.output, version);
    // Through a link, as from a folder on the PATH: the launcher still finds
    // the game and the data folder (one that is not there is refused).
    fs::create_symlink(launcher(), elsewhere.path() / "duskhollow");
    const ShellResult linked = runShell("cd " + Xdo::quote(elsewhere.path().string()) +
                                        " && env -u DISPLAY ./duskhollow --version");
    EXPECT_EQ(linked.status, 0);
    EXPECT_EQ(linked.output, version);

    // Every option the game offers is in its manual page.
    const ShellResult manual = runShell("MANWIDTH=200 man -l " +
                                        Xdo::quote(at("share/man/man6/duskhollow.6.gz").string()));
    ASSERT_EQ(manual.status, 0) << manual.output;
    for (const std::string& name : optionsIn(help.output)) {
        EXPECT_NE(manual.output.find(name), std::string::npos)
            << name << " is missing in the manual page";
    }
}

// The window size comes from the player's settings file, not from the
// installed read-only "Release/config.txt". The window must still cover the
// centre of the 1280 x 720 screen, where the pointer rests, for Esc to reach it.
TEST_F(Installed, TheLauncherPlaysFromAnyFolderInThePlayersSizeAndWritesNothing) {
    fs::create_directories(config.path() / "duskhollow");
    std::ofstream(config.path() / "duskhollow/settings.toml") << "width = 1000\nheight = 600\n";
    const auto installedBefore = entriesBelow(prefix.path());
    GameProcess game(elsewhere.path(), launcher());
    game.setEnv("XDG_CONFIG_HOME", config.path().string());
    ASSERT_TRUE(game.start()) << game.describe();
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3\n", startTimeout)) << game.describe();
    const unsigned long window = Xdo::findWindow("^Duskhollow$", startTimeout, game.pid());
    ASSERT_NE(window, 0u) << game.describe();
    const Xdo::WindowSize size = Xdo::windowSize(window);
    EXPECT_EQ(size.width, 1000);
    EXPECT_EQ(size.height, 600);
    ASSERT_TRUE(endWithEscape(game, startTimeout)) << game.describe();
    ASSERT_TRUE(game.wait(30.0)) << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();

    // The models and their textures were found, and nothing went wrong.
    EXPECT_NE(game.out().find("Loaded Texture: "), std::string::npos) << game.out();
    std::istringstream lines(game.out());
    for (std::string line; std::getline(lines, line);) {
        std::string lower = line;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(lower.find("error"), std::string::npos) << line;
        EXPECT_EQ(lower.find("warning"), std::string::npos) << line;
    }
    EXPECT_EQ(game.err(), "");

    // A game installed read-only must not need to write beside its data, and
    // the folder it was started in is the player's.
    EXPECT_EQ(entriesBelow(prefix.path()), installedBefore);
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

}  // namespace
}  // namespace dusk::test
