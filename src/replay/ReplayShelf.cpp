#include "replay/ReplayShelf.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "replay/ReplayFile.h"
#include "storage/GameFilePaths.h"

namespace fs = std::filesystem;

namespace dusk {

namespace {

bool isBestName(const std::string& name) {
    return name.size() > 9 && name.compare(0, 5, "best-") == 0 &&
           name.compare(name.size() - 4, 4, ".dkr") == 0;
}

}  // namespace

ReplayShelf::ReplayShelf(fs::path folder, std::size_t bestsKept)
    : folder_(std::move(folder)), bestsKept_(bestsKept) {}

fs::path ReplayShelf::defaultFolder() {
    return playerFilePath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                          fs::path(".local") / "share", "replays");
}

fs::path ReplayShelf::lastPath() const { return folder_ / "last.dkr"; }

fs::path ReplayShelf::bestPath(std::uint32_t seed, const std::string& difficulty) const {
    return folder_ / ("best-" + std::to_string(seed) + "-" + difficulty + ".dkr");
}

bool ReplayShelf::hasBest(std::uint32_t seed, const std::string& difficulty) const {
    std::error_code error;
    return !folder_.empty() && fs::is_regular_file(bestPath(seed, difficulty), error);
}

std::vector<std::string> ReplayShelf::keep(const Replay& replay, bool newBest) {
    std::vector<std::string> faults;
    if (folder_.empty()) {
        return faults;
    }
    for (const fs::path& path : {lastPath(), bestPath(replay.seed, replay.difficulty)}) {
        const bool best = path != lastPath();
        std::error_code error;
        if (best && !newBest) {
            // Played again: its best stays, as the most recently played.
            if (fs::exists(path, error)) {
                fs::last_write_time(path, fs::file_time_type::clock::now(), error);
            }
            continue;
        }
        const std::string fault = ReplayFile(path).write(replay);
        if (!fault.empty()) {
            faults.push_back(fault);
        }
    }
    dropLeastRecentlyPlayed();
    return faults;
}

void ReplayShelf::dropLeastRecentlyPlayed() const {
    std::vector<std::pair<fs::file_time_type, fs::path>> bests;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code timeError;
        const fs::file_time_type played = it->last_write_time(timeError);
        if (isBestName(name) && !timeError) {
            bests.emplace_back(played, it->path());
        }
    }
    if (bests.size() <= bestsKept_) {
        return;
    }
    std::sort(bests.begin(), bests.end());
    for (std::size_t i = 0; i < bests.size() - bestsKept_; ++i) {
        fs::remove(bests[i].second, error);
    }
}

}  // namespace dusk
