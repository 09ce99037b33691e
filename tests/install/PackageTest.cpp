// The Debian package, packed by CPack from this build tree with the settings
// scripts/package uses: what it holds, with which modes and dependencies;
// and, when the test runs as root, installed with apt, run from /usr/games
// and purged again without leaving a file behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Shell.h"
#include "support/Xdo.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

// Deadlines that together stay below the test's own limit of 300 s, so the
// purge at the end always gets its turn.
constexpr int packTimeout = 90;
constexpr int aptTimeout = 60;
constexpr int quickTimeout = 20;

const std::string data = "./usr/share/games/duskhollow/";
const std::set<std::string> programs = {"./usr/games/duskhollow",
                                        "./usr/lib/games/duskhollow/duskhollow"};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool packageKnown() {
    const ShellResult query = runShell("dpkg-query -W -f='${Status}' duskhollow");
    return query.status == 0 && query.output.find("not-installed") == std::string::npos;
}

// Purges the package when the test ends, however it ends.
struct PurgeAtExit {
    ~PurgeAtExit() {
        if (packageKnown()) {
            runShell("dpkg --purge duskhollow", aptTimeout);
        }
    }
};

// Every path below the places a package can put files or dpkg keeps its
// records. Caches that the triggers of other packages rebuild are left out.
std::set<std::string> systemPaths() {
    std::set<std::string> paths;
    for (const char* root : {"/usr", "/etc", "/opt", "/var/games", "/var/lib/dpkg/info"}) {
        std::error_code error;
        fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied,
                                            error);
        for (fs::recursive_directory_iterator end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name != "mimeinfo.cache" && name != "icon-theme.cache") {
                paths.insert(it->path().string());
            }
        }
    }
    return paths;
}

std::string difference(const std::set<std::string>& a, const std::set<std::string>& b) {
    std::string listed;
    for (const std::string& path : a) {
        if (b.count(path) == 0) {
            listed += path + "\n";
        }
    }
    return listed;
}

class Package : public ::testing::Test {
protected:
    void SetUp() override {
        // apt reads a local package as its own unprivileged user.
        fs::permissions(out.path(), static_cast<fs::perms>(0755));
        // gzip instead of the package's xz: the same files, and a sanitizer
        // build's 37 MB executable packs in 9 s instead of 23 s.
        const ShellResult pack =
            runShell(std::string(DUSK_CPACK_COMMAND) + " --config " +
                         Xdo::quote(DUSK_BINARY_DIR "/CPackConfig.cmake") + " -B " +
                         Xdo::quote(out.path().string()) + " -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip",
                     packTimeout);
        ASSERT_EQ(pack.status, 0) << pack.output;
        deb = (out.path() / ("duskhollow_" DUSK_VERSION "_amd64.deb")).string();
        ASSERT_TRUE(fs::is_regular_file(deb)) << pack.output;
    }

    std::string field(const std::string& name) const {
        return runShell("dpkg-deb -f " + Xdo::quote(deb) + " " + name).output;
    }

    TempDir out{"duskhollow-package"};
    std::string deb;
};

TEST_F(Package, HoldsTheGameWithSaneModesAndItsDependencies) {
    const ShellResult contents = runShell("dpkg-deb -c " + Xdo::quote(deb));
    ASSERT_EQ(contents.status, 0) << contents.output;
    std::set<std::string> paths;
    for (const std::string& line : linesOf(contents.output)) {
        std::istringstream fields(line);
        std::string mode, owner, size, date, time, path;
        fields >> mode >> owner >> size >> date >> time >> path;
        paths.insert(path);
        EXPECT_EQ(owner, "root/root") << line;
        EXPECT_EQ(path.rfind("./usr/", 0), 0u) << line;
        const char* expected = mode[0] == 'd'             ? "drwxr-xr-x"
                               : programs.count(path) > 0 ? "-rwxr-xr-x"
                                                          : "-rw-r--r--";
        EXPECT_EQ(mode, expected) << line;
    }
    for (const char* path :
         {"./usr/games/duskhollow", "./usr/lib/games/duskhollow/duskhollow",
          "./usr/share/applications/duskhollow.desktop",
          "./usr/share/metainfo/io.github.duskhollow.Duskhollow.metainfo.xml",
          "./usr/share/icons/hicolor/256x256/apps/duskhollow.png",
          "./usr/share/man/man6/duskhollow.6.gz", "./usr/share/doc/duskhollow/copyright",
          "./usr/share/doc/duskhollow/changelog.gz",
          "./usr/share/games/duskhollow/Release/config.txt",
          "./usr/share/games/duskhollow/Duskhollow/Shader/basic.vert",
          "./usr/share/games/duskhollow/Model/Object/animTest2.dae"}) {
        EXPECT_EQ(paths.count(path), 1u) << path << " is not in the package";
    }

    EXPECT_EQ(field("Package"), "duskhollow\n");
    EXPECT_EQ(field("Version"), DUSK_VERSION "\n");
    EXPECT_EQ(field("Architecture"), "amd64\n");
    // Computed from the executable's libraries: without them the package
    // would install where the game cannot start.
    const std::string depends = field("Depends");
    for (const char* library : {"libc6 ", "libglfw3 ", "libassimp", "libbullet"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << depends;
    }
    EXPECT_EQ(field("Recommends"), "fonts-dejavu-core\n");
}

TEST_F(Package, AptInstallsItRunsFromUsrGamesAndAPurgeLeavesNothing) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "installing a package needs root";
    }
    if (packageKnown()) {
        GTEST_SKIP() << "a duskhollow package is on this machine already; left alone";
    }
    const std::set<std::string> before = systemPaths();
    {
        PurgeAtExit purge;
        // Offline: the dependencies are on the test machine already, so apt
        // would install this one package and fetch nothing.
        const std::string aptInstall =
            "DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "
            "-o Dpkg::Lock::Timeout=30 " +
            Xdo::quote(deb);
        const ShellResult plan = runShell(aptInstall + " --simulate", aptTimeout);
        ASSERT_EQ(plan.status, 0) << plan.output;
        size_t installs = 0;
        for (const std::string& line : linesOf(plan.output)) {
            installs += line.rfind("Inst ", 0) == 0 ? 1 : 0;
        }
        ASSERT_EQ(installs, 1u) << "apt would fetch packages:\n" << plan.output;
        const ShellResult install = runShell(aptInstall, aptTimeout);
        ASSERT_EQ(install.status, 0) << install.output;

        const ShellResult version =
            runShell("cd / && env -u DISPLAY /usr/games/duskhollow --version", quickTimeout);
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.output, "Duskhollow " DUSK_VERSION "\n");
        const ShellResult manual = runShell("man -w duskhollow", quickTimeout);
        EXPECT_EQ(manual.output, "/usr/share/man/man6/duskhollow.6.gz\n");

        const ShellResult remove = runShell(
            "DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o Dpkg::Lock::Timeout=30 "
            "duskhollow",
            aptTimeout);
        ASSERT_EQ(remove.status, 0) << remove.output;
    }
    const std::set<std::string> after = systemPaths();
    EXPECT_EQ(difference(after, before), "") << "left behind";
    EXPECT_EQ(difference(before, after), "") << "removed";
}

}  // namespace
}  // namespace dusk::test
