#pragma once
// A fresh copy of build/run in a temporary directory, removed again by the
// destructor, so a test may delete or break any file in it.
#include <filesystem>
#include <string>

namespace dusk::test {

class RunDir {
public:
    RunDir();
    ~RunDir();
    RunDir(const RunDir&) = delete;
    RunDir& operator=(const RunDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path file(const std::string& relative) const { return root / relative; }
    // Overwrites (or creates) a file below the copy with the given bytes.
    void write(const std::string& relative, const std::string& bytes) const;
    void remove(const std::string& relative) const;

private:
    std::filesystem::path root;
};

// Changes the working directory for its lifetime (the game loads everything
// relative to it).
class ScopedCwd {
public:
    explicit ScopedCwd(const std::filesystem::path& dir);
    ~ScopedCwd();

private:
    std::filesystem::path previous;
};

}  // namespace dusk::test
