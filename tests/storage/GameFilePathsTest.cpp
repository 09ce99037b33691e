// Where the player's files live (the XDG rules), how one is found and read
// (missing, a folder, a device, unreadable, too large), and the numbered
// copies a faulty one is kept as.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/AtomicFile.h"
#include "storage/GameFilePaths.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

using Outcome = PlayerFileText::Outcome;

TEST(GameFilePaths, XdgHomeWhenAbsoluteElseTheFolderInHomeElseNone) {
    const fs::path share = fs::path(".local") / "share";
    EXPECT_EQ(playerFilePath("/x/data", "/home/p", share, "records.toml"),
              "/x/data/duskhollow/records.toml");
    EXPECT_EQ(playerFilePath("", "/home/p", share, "records.toml"),
              "/home/p/.local/share/duskhollow/records.toml");
    EXPECT_EQ(playerFilePath(nullptr, "/home/p", ".config", "settings.toml"),
              "/home/p/.config/duskhollow/settings.toml");
    EXPECT_EQ(playerFilePath("relative", "/home/p", ".config", "settings.toml"),
              "/home/p/.config/duskhollow/settings.toml")
        << "a relative XDG home is ignored";
    EXPECT_EQ(playerFilePath(nullptr, nullptr, ".config", "settings.toml"), "");
    EXPECT_EQ(playerFilePath(nullptr, "", ".config", "settings.toml"), "");
}

TEST(GameFilePaths, AMissingFileAFolderADeviceAndAFileTooLargeAreToldApart) {
    TempFolder folder;
    EXPECT_EQ(readPlayerFileText(folder.path / "none.toml").outcome, Outcome::Missing);
    EXPECT_FALSE(fs::exists(folder.path / "none.toml")) << "reading creates nothing";

    const PlayerFileText dir = readPlayerFileText(folder.path);
    EXPECT_EQ(dir.outcome, Outcome::Fault);
    EXPECT_EQ(dir.fault, "is a folder, not a file");
    EXPECT_FALSE(dir.regular);
    EXPECT_EQ(readPlayerFileText("/dev/zero").fault, "is not a regular file")
        << "an endless device is not read";

    const fs::path path = folder.path / "settings.toml";
    writeFile(path, "hud = false\n");
    const PlayerFileText good = readPlayerFileText(path);
    EXPECT_EQ(good.outcome, Outcome::Read);
    EXPECT_EQ(good.text, "hud = false\n");
    fs::resize_file(path, maxPlayerFileBytes + 1);  // sparse
    const PlayerFileText large = readPlayerFileText(path);
    EXPECT_EQ(large.outcome, Outcome::TooLarge);
    EXPECT_TRUE(large.regular && large.text.empty());

    // A file that grows past the limit while it is read (its size said 0).
    std::string text;
    std::string error;
    EXPECT_EQ(readPlayerFile("/dev/zero", 1000, text, error), PlayerFileRead::TooLarge);
    EXPECT_TRUE(text.empty()) << "no half file";
}

// What reading path tells a player who is not root (root reads and searches
// anything): in a child process without privileges when run as root.
std::string faultUnprivileged(const fs::path& path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        const passwd* nobody = getpwnam("nobody");
        const bool dropped = geteuid() != 0 || (nobody != nullptr && setgid(nobody->pw_gid) == 0 &&
                                                setuid(nobody->pw_uid) == 0);
        const std::string fault = dropped ? readPlayerFileText(path).fault : "could not drop root";
        const ssize_t written = ::write(pipeEnds[1], fault.data(), fault.size());
        _exit(written == static_cast<ssize_t>(fault.size()) ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(got));
    }
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return text;
}

TEST(GameFilePaths, AnUnreadableFileOrAFolderThatCannotBeSearchedGivesTheReason) {
    TempFolder folder;
    fs::permissions(folder.path, static_cast<fs::perms>(0755));
    const fs::path unreadable = folder.path / "settings.toml";
    writeFile(unreadable, "hud = false\n");
    fs::permissions(unreadable, fs::perms::none);
    EXPECT_EQ(faultUnprivileged(unreadable), "cannot be read (Permission denied)");

    const fs::path locked = folder.path / "duskhollow";
    writeFile(locked / "records.toml", "[totals]\n");
    fs::permissions(locked, static_cast<fs::perms>(0700));  // not for others to search
    EXPECT_EQ(faultUnprivileged(locked / "records.toml"), "cannot be read (Permission denied)");
}

// A second fault keeps both copies; a copy holds the bytes the file held
// when it was kept, also after the file is replaced, and is never replaced.
TEST(GameFilePaths, FaultyCopiesAreNumberedKeptWholeAndNeverReplaced) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    writeFile(path, "first\n");
    ASSERT_EQ(freeBadCopyPath(path), folder.path / "records.toml.bad");
    ASSERT_FALSE(keepFileAs(path, freeBadCopyPath(path)));

    AtomicFile file(path);
    ASSERT_TRUE(file.write("second\n") && file.commit()) << file.error();
    EXPECT_EQ(readFile(folder.path / "records.toml.bad"), "first\n");
    fs::create_symlink("gone", folder.path / "records.toml.bad.2");  // a dangling link
    const fs::path next = freeBadCopyPath(path);
    EXPECT_EQ(next, folder.path / "records.toml.bad.3") << "a link is a name taken too";
    ASSERT_FALSE(keepFileAs(path, next));
    EXPECT_EQ(keepFileAs(path, folder.path / "records.toml.bad"), std::errc::file_exists);
    EXPECT_EQ(readFile(folder.path / "records.toml.bad"), "first\n");
    EXPECT_EQ(readFile(next), "second\n");

    for (int number = 4; number <= 999; ++number) {
        fs::create_symlink("gone", folder.path / ("records.toml.bad." + std::to_string(number)));
    }
    EXPECT_EQ(freeBadCopyPath(path), fs::path()) << "every name taken";
}

}  // namespace
}  // namespace dusk::test
