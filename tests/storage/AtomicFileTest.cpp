// Atomic writes: a write cut off or failing leaves the old file whole and no
// temporary beside it; a chain of links is followed, a loop refused.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "storage/AtomicFile.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

// The exit status of f() run in a child process.
template <typename F>
int inChild(F f) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(f());
    }
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicFile, AWriteCutOffBeforeTheRenameLeavesTheOldFileWhole) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    writeFile(path, "field_of_view = 70.0\n");
    EXPECT_EQ(inChild([&] {
                  AtomicFile file(path);
                  return file.write("hud = true\n") ? 0 : 1;  // no rename, no clean-up
              }),
              0);
    EXPECT_EQ(readFile(path), "field_of_view = 70.0\n");

    AtomicFile file(path);
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(file.error(), "nothing was written");
    ASSERT_TRUE(file.write("hud = false\n")) << file.error();
    ASSERT_TRUE(file.commit()) << file.error();
    EXPECT_EQ(readFile(path), "hud = false\n");
    EXPECT_FALSE(fs::exists(file.temporaryPath()));
}

// A disk that takes only part of the bytes (here a file size limit, which
// holds for root too): the write fails with the reason, removes its
// temporary, and the old file is as it was.
TEST(AtomicFile, AWriteThatFailsLeavesTheOldFileWholeAndNoTemporary) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    const std::string old = "[totals]\nrounds = 1\n";
    writeFile(path, old);
    const int status = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 9;
        }
        AtomicFile file(path);
        if (file.write(std::string(4096, 'x'))) {
            return 1;
        }
        if (file.error() != "File too large") {
            return 2;
        }
        return file.commit() ? 3 : 0;
    });
    EXPECT_EQ(status, 0) << "1: the write succeeded, 2: another error, 3: it committed";
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(entries(folder.path), 1u) << "no temporary file is left behind";
}

TEST(AtomicFile, AChainOfLinksIsFollowedAndALoopRefused) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    fs::create_directories(folder.path / "dotfiles");
    fs::create_symlink("dotfiles/link.toml", path);  // two relative links
    fs::create_symlink("mine.toml", folder.path / "dotfiles" / "link.toml");
    AtomicFile file(path);
    ASSERT_TRUE(file.write("hud = false\n") && file.commit()) << file.error();
    EXPECT_TRUE(fs::is_symlink(path) && fs::is_symlink(folder.path / "dotfiles" / "link.toml"));
    EXPECT_EQ(readFile(folder.path / "dotfiles" / "mine.toml"), "hud = false\n");
    EXPECT_EQ(entries(folder.path / "dotfiles"), 2u) << "no temporary beside the target";

    fs::remove(folder.path / "dotfiles" / "link.toml");
    fs::create_symlink("link.toml", folder.path / "dotfiles" / "link.toml");  // a loop
    AtomicFile looped(path);
    EXPECT_FALSE(looped.write("hud = true\n"));
    EXPECT_EQ(looped.error(), "Too many levels of symbolic links");
}

}  // namespace
}  // namespace dusk::test
