#include "RunDir.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace dusk::test {

RunDir::RunDir() {
    std::string pattern = (fs::temp_directory_path() / "duskhollow-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root = pattern;
    fs::copy(DUSK_RUN_DIR, root,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

RunDir::~RunDir() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void RunDir::write(const std::string& relative, const std::string& bytes) const {
    fs::create_directories(file(relative).parent_path());
    std::ofstream out(file(relative), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void RunDir::remove(const std::string& relative) const { fs::remove(file(relative)); }

ScopedCwd::ScopedCwd(const fs::path& dir) : previous(fs::current_path()) { fs::current_path(dir); }

ScopedCwd::~ScopedCwd() {
    std::error_code ignored;
    fs::current_path(previous, ignored);
}

}  // namespace dusk::test
