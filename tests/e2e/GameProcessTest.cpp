// The runner every end-to-end test relies on, checked with small shell
// scripts in place of the game: separate outputs, exit status, working
// directory, environment, input at its end or kept open, and the timeout.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/GameProcess.h"

namespace dusk::test {
namespace {

namespace fs = std::filesystem;

class GameProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "duskhollow-proc-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    // An executable shell script in the test directory.
    fs::path script(const std::string& body) {
        const fs::path file = dir / ("script" + std::to_string(++count) + ".sh");
        std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(file, fs::perms::owner_all);
        return file;
    }

    fs::path dir;
    int count = 0;
};

TEST_F(GameProcessTest, SeparatesTheOutputsAndReportsTheExitStatus) {
    GameProcess child(dir, script("echo out; echo err >&2; echo more; exit 3"));
    ASSERT_TRUE(child.run(10.0)) << child.describe();
    EXPECT_EQ(child.out(), "out\nmore\n");
    EXPECT_EQ(child.err(), "err\n");
    EXPECT_EQ(child.exitCode(), 3);
    EXPECT_FALSE(child.timedOut());
}

TEST_F(GameProcessTest, RunsInTheWorkingDirectoryWithTheChangedEnvironment) {
    setenv("DUSK_PROCESS_TEST_REMOVED", "still here", 1);
    GameProcess child(dir, script("pwd; echo \"${DUSK_PROCESS_TEST_SET-unset}\"; "
                                  "echo \"${DUSK_PROCESS_TEST_REMOVED-unset}\""));
    child.setEnv("DUSK_PROCESS_TEST_SET", "a b");
    child.unsetEnv("DUSK_PROCESS_TEST_REMOVED");
    ASSERT_TRUE(child.run(10.0)) << child.describe();
    EXPECT_EQ(child.out(), fs::canonical(dir).string() + "\na b\nunset\n");
    unsetenv("DUSK_PROCESS_TEST_REMOVED");
}

TEST_F(GameProcessTest, FeedsInputLargerThanThePipesBuffers) {
    // cat writes back while we still write: both pipes fill up unless the
    // runner reads and writes in the same loop.
    std::string input;
    for (int i = 0; input.size() < 1000000; ++i) {
        input += "line " + std::to_string(i) + "\n";
    }
    GameProcess child(dir, script("exec cat"));
    ASSERT_TRUE(child.run(30.0, input)) << child.describe();
    EXPECT_EQ(child.out().size(), input.size());
    EXPECT_TRUE(child.out() == input);
}

TEST_F(GameProcessTest, InputKeptOpenIsWrittenLater) {
    GameProcess child(dir, script("read line; echo \"got $line\"; read rest; echo \"end $rest\""));
    ASSERT_TRUE(child.start(GameProcess::Input::KeepOpen, "first\n"));
    ASSERT_TRUE(child.waitForOutput("got first\n", 10.0)) << child.describe();
    EXPECT_TRUE(child.stillRunningAfter(0.3)) << "the child should wait for its second line";
    child.closeInput();
    ASSERT_TRUE(child.wait(10.0)) << child.describe();
    EXPECT_EQ(child.out(), "got first\nend \n");
    EXPECT_FALSE(child.waitForOutput("never printed", 1.0));
}

// Gone, or a zombie nobody has reaped yet.
bool processEnded(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string pidField, name, state;
    if (!(stat >> pidField >> name >> state)) {
        return true;
    }
    return state == "Z";
}

TEST_F(GameProcessTest, KillsAChildAndItsChildrenAfterTheTimeout) {
    // The background sleep would keep the output pipe open and outlive the
    // test: the whole process group has to go.
    GameProcess child(dir, script("sleep 60 & echo $!; sleep 60"));
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(child.run(1.0));
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    EXPECT_TRUE(child.timedOut());
    EXPECT_EQ(child.termSignal(), SIGKILL);
    EXPECT_EQ(child.exitCode(), -1);
    EXPECT_LT(took, 5.0);
    const pid_t background = std::atoi(child.out().c_str());
    ASSERT_GT(background, 0) << child.out();
    bool ended = processEnded(background);
    for (int i = 0; i < 100 && !ended; ++i) {
        usleep(20000);
        ended = processEnded(background);
    }
    EXPECT_TRUE(ended) << "the background child " << background << " is still running";
    if (!ended) {
        kill(background, SIGKILL);
    }
}

TEST_F(GameProcessTest, AProgramThatCannotRunIsReported) {
    GameProcess child(dir, dir / "no-such-program");
    EXPECT_FALSE(child.start());
    EXPECT_NE(child.err().find("No such file"), std::string::npos) << child.err();
    EXPECT_FALSE(child.running());
}

}  // namespace
}  // namespace dusk::test
