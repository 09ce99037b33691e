#pragma once
// The records file on disk: where it is, reading it, keeping a faulty one
// as "records.toml.bad" (".bad.2", ".bad.3" ... when that is taken), and
// writing it whole (AtomicFile: a temporary file, flushed, renamed over it).
#include <filesystem>
#include <string>

#include "records/RecordsText.h"

namespace dusk {

class RecordsFile {
public:
    explicit RecordsFile(std::filesystem::path path);

    // "$XDG_DATA_HOME/duskhollow/records.toml"; "~/.local/share/duskhollow/
    // records.toml" when XDG_DATA_HOME is unset, empty or not absolute.
    // Empty when no home folder is known either.
    static std::filesystem::path defaultPath(const char* xdgDataHome, const char* home);
    // The same from this process's environment.
    static std::filesystem::path defaultPath();

    // What the fault line says becomes of a faulty file: in a game, it is
    // kept as a bad copy at the next write; a listing only shows less.
    enum class Purpose { Play, List };

    // A missing file gives empty records and no fault. A folder, a device, a
    // file that cannot be read, is larger than maxPlayerFileBytes (not read,
    // and leaveAlone) or has a whole-file fault gives empty records; faulty
    // forest entries are left out. The fault line says which and what
    // becomes of the file (for Play: the name keepBadCopy will give it).
    RecordsReading read(Purpose purpose = Purpose::Play) const;
    // Creates the folder if need be (a failure sets error()).
    bool makeFolder();
    // Keeps the present (faulty) file under the first free bad copy name,
    // never replacing an older copy; a symlinked file is kept as its
    // target's contents. Nothing is done when no regular file is there.
    bool keepBadCopy();
    // Writes the records atomically; the folder must exist.
    bool write(const Records& records);

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path lockPath() const;
    // The line to print after a failed makeFolder, keepBadCopy or write.
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& what);

    std::filesystem::path path_;
    std::string error_;
};

}  // namespace dusk
