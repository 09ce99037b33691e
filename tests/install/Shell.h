#pragma once
// Shell commands and throw-away folders for the installation tests.
//
// Every command runs with standard input at its end and under `timeout`, which
// ends the whole process group once the deadline has passed (status 124), so
// no command can hang a test. Standard error is merged into the output.
#include <filesystem>
#include <string>

namespace dusk::test {

struct ShellResult {
    int status = -1;  // exit status; -1 when it could not run or was killed
    std::string output;
};

ShellResult runShell(const std::string& command, int timeoutSeconds = 60);

// A fresh folder in the temporary directory, removed with all its contents by
// the destructor. The name starts with the given text (which may hold blanks).
class TempDir {
public:
    explicit TempDir(const std::string& name = "duskhollow-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root; }

private:
    std::filesystem::path root;
};

}  // namespace dusk::test
