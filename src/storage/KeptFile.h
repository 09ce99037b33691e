#pragma once
// A file this game wrote or read, held open so that its inode cannot be reused:
// while the path still names that very inode, with the size and the
// modification time it had, nobody has replaced or changed the file and
// reading it again would give what was written.
#include <sys/stat.h>

#include <filesystem>

namespace dusk {

class KeptFile {
public:
    KeptFile() = default;
    ~KeptFile();
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;

    // Opens the file the path names now (following symlinks) and notes it;
    // forgets the one kept before. False when it cannot be opened.
    bool keep(const std::filesystem::path& path);
    // Lets go of the kept file.
    void forget();
    // Whether the path names the kept file, unchanged.
    bool unchanged(const std::filesystem::path& path) const;

private:
    int fd_ = -1;
    struct stat noted_ {};
};

}  // namespace dusk
