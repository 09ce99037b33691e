#pragma once
// A replay on disk: little-endian binary, every field checked on reading, and
// a checksum over all of it, so any byte changed is caught.
//
//   offset  size  field
//   0       8     "DUSKRPLY"
//   8       2     format version (1)
//   10      4     N, the payload's length
//   14      N     payload: game version (1-byte length, text), seed (u32),
//                 difficulty name (1-byte length, text), frame count (u32),
//                 the frames, outcome (u8: 0 won, 1 lost, 2 left),
//                 the final state hash (u64)
//   14 + N  8     FNV-1a 64 of every byte before it
//
// A frame: a byte of flags (forward, backward, right, left, run, fly,
// scream, "the turn follows"), a byte of layout (bit 0 "the stick's walk
// follows", bits 1-3 how many bytes of dt follow, bits 4-7 how many of the
// clock), the turn (two f32), the walk (two f32), then dt and the clock as
// the low bytes of their bits XOR the previous frame's (0 bytes: unchanged).
// Every value comes back bit for bit; only one encoding of a frame is valid.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "replay/Replay.h"

namespace dusk {

struct ReplayReading {
    std::optional<Replay> replay;
    // Without a replay: one line naming the file and what is wrong with it.
    std::string fault;
};

class ReplayFile {
public:
    static constexpr std::uint16_t formatVersion = 1;
    // The most a replay file may hold.
    static constexpr std::uintmax_t maxBytes = 16u << 20;
    // The most frames a replay holds: even at the widest encoding they fit
    // in maxBytes (at 60 frames a second, over two and a half hours).
    static constexpr std::size_t maxFrames = (maxBytes - 1024) / 30;

    explicit ReplayFile(std::filesystem::path path) : path_(std::move(path)) {}

    // Reads and checks the file; a fault line for a file missing, not a
    // regular file, too large, unreadable or not a valid replay of this game.
    ReplayReading read() const;
    // Writes the replay atomically, making its folder first. The fault line,
    // empty when written. replay: at most maxFrames frames.
    std::string write(const Replay& replay) const;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The file's bytes for the replay (at most maxFrames frames).
std::string encodeReplay(const Replay& replay);
// The replay in bytes, checked; fileName names the file in the fault line.
ReplayReading decodeReplay(const std::string& bytes, const std::string& fileName);

}  // namespace dusk
