#pragma once
// The replays the game keeps, in one folder ($XDG_DATA_HOME/duskhollow/replays):
// "last.dkr", the round that ended last, and "best-<seed>-<difficulty>.dkr",
// for each forest and difficulty the round of its best time. A best is
// replaced only by a better time (the records decide); when there are more
// than maxBests, those of the forests played least recently go first (a best
// file's modification time is when its forest was last played there).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "replay/Replay.h"

namespace dusk {

class ReplayShelf {
public:
    static constexpr std::size_t maxBests = 200;

    // folder: where the replays are kept; empty keeps nothing.
    explicit ReplayShelf(std::filesystem::path folder, std::size_t bestsKept = maxBests);
    // $XDG_DATA_HOME/duskhollow/replays (~/.local/share/...), empty without a home.
    static std::filesystem::path defaultFolder();

    // Keeps the ended round's replay as the last one and, when newBest (the
    // records say its time is the forest's best at its difficulty), as that
    // best; marks its forest's best as played now and drops the bests beyond
    // the limit. Each file is written atomically. The fault lines (one per
    // file that could not be written), none when all went well.
    std::vector<std::string> keep(const Replay& replay, bool newBest);

    std::filesystem::path lastPath() const;
    std::filesystem::path bestPath(std::uint32_t seed, const std::string& difficulty) const;
    // Whether a best of that forest at that difficulty is kept.
    bool hasBest(std::uint32_t seed, const std::string& difficulty) const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    void dropLeastRecentlyPlayed() const;

    std::filesystem::path folder_;
    std::size_t bestsKept_;
};

}  // namespace dusk
