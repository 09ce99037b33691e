// The lock one game holds at a time, and the file kept open to tell
// whether anyone has changed it.
#include <gtest/gtest.h>

#include <fstream>

#include "storage/AtomicFile.h"
#include "storage/FileLock.h"
#include "storage/KeptFile.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace dusk::test {
namespace {

TEST(FileLock, OneHolderAtATimeUntilItLetsGo) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml.lock";
    {
        const FileLock held(path, 0ms);
        ASSERT_TRUE(held.locked()) << held.error();
        const FileLock waiting(path, 30ms);
        EXPECT_FALSE(waiting.locked());
        EXPECT_EQ(waiting.error(), "another game holds records.toml.lock");
    }
    EXPECT_TRUE(FileLock(path, 0ms).locked()) << "released with its holder";
    EXPECT_TRUE(fs::exists(path)) << "the lock file stays";
    const FileLock nowhere(folder.path / "none" / "x.lock", 0ms);
    EXPECT_FALSE(nowhere.locked());
    EXPECT_EQ(nowhere.error(), "No such file or directory");
}

TEST(KeptFile, UnchangedUntilTheFileIsReplacedOrWrittenThroughAnotherName) {
    TempFolder folder;
    const fs::path path = folder.path / "settings.toml";
    writeFile(path, "hud = false\n");
    KeptFile kept;
    EXPECT_FALSE(kept.unchanged(path)) << "nothing kept yet";
    ASSERT_TRUE(kept.keep(path));
    EXPECT_TRUE(kept.unchanged(path));

    fs::create_hard_link(path, folder.path / "other-name.toml");
    std::ofstream(folder.path / "other-name.toml", std::ios::app) << "vsync = true\n";
    EXPECT_FALSE(kept.unchanged(path)) << "same inode, new size";

    ASSERT_TRUE(kept.keep(path));
    AtomicFile file(path);
    ASSERT_TRUE(file.write(readFile(path)) && file.commit());
    EXPECT_FALSE(kept.unchanged(path)) << "the same bytes in a new file";

    ASSERT_TRUE(kept.keep(path));
    kept.forget();
    EXPECT_FALSE(kept.unchanged(path));
    EXPECT_FALSE(kept.keep(folder.path)) << "a folder is no file to keep";
    EXPECT_FALSE(kept.keep(folder.path / "none.toml"));
}

}  // namespace
}  // namespace dusk::test
