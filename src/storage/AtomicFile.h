#pragma once
// Replaces a file's contents so that a reader only ever sees the old file or
// the new one whole: the new bytes go to a temporary file in the same folder,
// are flushed to the disk, and only then is the temporary renamed over the
// file. A crash or a full disk before the rename leaves the old file as it was.
// A path that is a symbolic link (a settings file kept with the player's
// dotfiles) stays a link: the file it leads to is the one replaced, the same
// way, in its own folder.
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

    // Writes the bytes to a new temporary file beside the file the path leads
    // to and flushes it to the disk. The file itself is not touched.
    bool write(const std::string& bytes);
    // Renames the written temporary file over the file the path leads to.
    bool commit();

    // The file at the end of the path's chain of symbolic links (the path
    // itself when it is no link); it need not exist. Empty, with error set,
    // when a link cannot be read or the chain loops.
    static std::filesystem::path linkTarget(const std::filesystem::path& path,
                                            std::error_code& error);

    // What went wrong in the last failed step, e.g. "No space left on device".
    const std::string& error() const { return error_; }
    const std::filesystem::path& temporaryPath() const { return temporary_; }

private:
    // Notes errno as the error and removes the temporary file.
    bool fail();

    std::filesystem::path path_;
    std::filesystem::path target_;  // where the links lead, known after write
    std::filesystem::path temporary_;
    std::string error_;
};

}  // namespace dusk
