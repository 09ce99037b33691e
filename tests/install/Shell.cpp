#include "Shell.h"

#include <stdlib.h>

#include <stdexcept>

#include "support/Xdo.h"

namespace fs = std::filesystem;

namespace dusk::test {

ShellResult runShell(const std::string& command, int timeoutSeconds) {
    ShellResult result;
    result.output = Xdo::run("timeout -k 5 " + std::to_string(timeoutSeconds) + " sh -c " +
                                 Xdo::quote("exec 2>&1; " + command) + " </dev/null",
                             &result.status);
    return result;
}

TempDir::TempDir(const std::string& name) {
    std::string pattern = (fs::temp_directory_path() / (name + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed for " + pattern);
    }
    root = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

}  // namespace dusk::test
