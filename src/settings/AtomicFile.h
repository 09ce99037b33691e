#pragma once
// Replaces a file's contents so that a reader only ever sees the old file or
// the new one whole: the new bytes go to a temporary file in the same folder,
// are flushed to the disk, and only then is the temporary renamed over the
// file. A crash or a full disk before the rename leaves the old file as it was.
//
//   AtomicFile file(path);
//   if (!file.write(bytes) || !file.commit()) { ... file.error() ... }
#include <filesystem>
#include <string>

namespace dusk {

class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path path);
    // Removes a temporary file that was written but not committed.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Writes the bytes to a new temporary file beside the path and flushes it
    // to the disk. The path itself is not touched.
    bool write(const std::string& bytes);
    // Renames the written temporary file over the path.
    bool commit();

    // What went wrong in the last failed step, e.g. "No space left on device".
    const std::string& error() const { return error_; }
    const std::filesystem::path& temporaryPath() const { return temporary_; }

private:
    // Notes errno as the error and removes the temporary file.
    bool fail();

    std::filesystem::path path_;
    std::filesystem::path temporary_;
    std::string error_;
};

}  // namespace dusk
