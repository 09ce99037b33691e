#include "records/RecordsFile.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "storage/AtomicFile.h"
#include "storage/GameFilePaths.h"

namespace fs = std::filesystem;

namespace dusk {

RecordsFile::RecordsFile(fs::path path) : path_(std::move(path)) {}

fs::path RecordsFile::defaultPath(const char* xdgDataHome, const char* home) {
    return playerFilePath(xdgDataHome, home, fs::path(".local") / "share", "records.toml");
}

fs::path RecordsFile::defaultPath() {
    return defaultPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

namespace {

// The latest day a best time may have been set on: today by the player's
// clock or by UTC, whichever is later.
CalendarDate latestBestDate() {
    const CalendarDate local = CalendarDate::todayLocal();
    const CalendarDate utc = CalendarDate::todayUtc();
    return std::tie(local.year, local.month, local.day) > std::tie(utc.year, utc.month, utc.day)
               ? local
               : utc;
}

// "; starting with empty records (the file is kept as records.toml.bad)" and
// the like: what becomes of a file with this fault. keptAs: the bad copy's
// name at the next write, empty when none will be made.
std::string consequence(const RecordsReading& reading, RecordsFile::Purpose purpose,
                        const fs::path& keptAs) {
    const bool play = purpose == RecordsFile::Purpose::Play;
    if (reading.leaveAlone) {
        return play ? "; starting with empty records, and this run's rounds are not saved (the "
                      "file is left as it is)"
                    : "; no records shown";
    }
    std::string what;
    if (reading.wholeFile) {
        what = play ? "; starting with empty records" : "; no records shown";
    } else {
        const std::size_t more = reading.setAside - 1;
        what = "; that entry" + (more > 0 ? " and " + std::to_string(more) + " more" : "") +
               (more > 0 ? " are" : " is") + (play ? " set aside" : " not shown");
    }
    if (play && !keptAs.empty()) {
        what += " (the file is kept as " + keptAs.filename().string() + ")";
    }
    return what;
}

}  // namespace

fs::path RecordsFile::lockPath() const { return besidePath(path_, ".lock"); }

RecordsReading RecordsFile::read(Purpose purpose) const {
    RecordsReading reading;
    const std::string name = path_.string();
    const auto fault = [&](const std::string& what) {
        reading.fault = recordsProblem(name, "", what);
        reading.wholeFile = true;
    };
    const PlayerFileText file = readPlayerFileText(path_);
    switch (file.outcome) {
        case PlayerFileText::Outcome::Missing:
            break;
        case PlayerFileText::Outcome::Read:
            reading = readRecordsText(file.text, name, latestBestDate());
            break;
        case PlayerFileText::Outcome::TooLarge:
            fault("is " + std::string(playerFileTooLarge));
            reading.leaveAlone = true;
            break;
        case PlayerFileText::Outcome::Fault:
            fault(file.fault);
            break;
    }
    if (!reading.fault.empty()) {
        reading.fault += consequence(reading, purpose, file.regular ? freeBadCopyPath(path_) : "");
    }
    return reading;
}

bool RecordsFile::fail(const std::string& what) {
    error_ = recordsProblem(path_.string(), "", "could not save (" + what + ")");
    return false;
}

bool RecordsFile::makeFolder() {
    if (path_.empty()) {
        return fail("no home folder to keep records in");
    }
    std::error_code error;
    fs::create_directories(path_.parent_path(), error);
    return error ? fail(error.message()) : true;
}

bool RecordsFile::keepBadCopy() {
    std::error_code error;
    if (!fs::is_regular_file(path_, error)) {
        return true;
    }
    const fs::path copy = freeBadCopyPath(path_);
    if (copy.empty()) {
        return fail("the faulty file could not be kept: every name for a bad copy is taken");
    }
    error = keepFileAs(path_, copy);
    if (error) {
        return fail("the faulty file could not be kept as " + copy.string() + ": " +
                    error.message());
    }
    return true;
}

bool RecordsFile::write(const Records& records) {
    AtomicFile file(path_);
    if (!file.write(recordsText(records)) || !file.commit()) {
        return fail(file.error());
    }
    return true;
}

}  // namespace dusk
