#include "replay/ReplayFile.h"

#include <algorithm>
#include <system_error>

#include "base/Fnv1a.h"
#include "game/Difficulty.h"
#include "replay/ByteReader.h"
#include "replay/ByteWriter.h"
#include "replay/ReplayFrameCoding.h"
#include "storage/AtomicFile.h"
#include "storage/FileLines.h"
#include "storage/GameFilePaths.h"

namespace fs = std::filesystem;

namespace dusk {

namespace {

const char magic[] = "DUSKRPLY";
constexpr std::size_t magicSize = 8;
constexpr std::size_t headerSize = magicSize + 2 + 4;
constexpr std::size_t checksumSize = 8;
// Outcome and final hash after the frames; a frame takes two bytes at least.
constexpr std::size_t trailerSize = 1 + 8;
constexpr std::size_t smallestFrame = 2;

bool readFrames(ByteReader& r, Replay& replay) {
    std::uint64_t count = 0;
    if (!r.number(count, 4)) {
        return false;
    }
    if (count > ReplayFile::maxFrames ||
        count > (r.left() - std::min(r.left(), trailerSize)) / smallestFrame) {
        return r.fail("more frames than it holds");
    }
    replay.frames.resize(count);
    std::uint64_t dtBits = 0;
    std::uint64_t clockBits = 0;
    for (ReplayFrame& frame : replay.frames) {
        if (!readReplayFrame(r, frame, dtBits, clockBits)) {
            return false;
        }
    }
    return true;
}

bool readPayload(ByteReader& r, Replay& replay, std::string& versionFault) {
    std::uint64_t seed = 0;
    if (!r.text(replay.gameVersion)) {
        return false;
    }
    if (replay.gameVersion != gameVersion()) {
        versionFault = "was recorded by Duskhollow " + replay.gameVersion +
                       ", this is Duskhollow " + gameVersion() + " (its rules may differ)";
        return false;
    }
    if (!r.number(seed, 4) || !r.text(replay.difficulty) || !readFrames(r, replay)) {
        return false;
    }
    replay.seed = static_cast<std::uint32_t>(seed);
    if (!Difficulty::named(replay.difficulty)) {
        return r.fail("an unknown difficulty");
    }
    std::uint64_t outcome = 0;
    if (!r.number(outcome, 1) || !r.number(replay.finalHash, 8)) {
        return false;
    }
    if (outcome > static_cast<std::uint64_t>(ReplayOutcome::Left)) {
        return r.fail("an unknown outcome");
    }
    replay.outcome = static_cast<ReplayOutcome>(outcome);
    return r.left() == 0 || r.fail("bytes after the replay");
}

std::uint64_t littleEndian(const std::string& bytes, std::size_t at, unsigned size) {
    std::uint64_t value = 0;
    for (unsigned i = 0; i < size; ++i) {
        value |= std::uint64_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

std::uint64_t checksum(const std::string& bytes, std::size_t size) {
    Fnv1a hash;
    hash.add(bytes.data(), size);
    return hash.value();
}

// The envelope's fault (magic, version, length, checksum), empty when sound.
std::string envelopeFault(const std::string& bytes) {
    if (bytes.empty()) {
        return "is empty";
    }
    if (bytes.compare(0, magicSize, magic, std::min(bytes.size(), magicSize)) != 0) {
        return "is not a replay (it does not start with \"DUSKRPLY\")";
    }
    if (bytes.size() < headerSize) {
        return "is truncated (" + std::to_string(bytes.size()) + " bytes)";
    }
    const std::uint64_t version = littleEndian(bytes, magicSize, 2);
    if (version != ReplayFile::formatVersion) {
        return "has replay format version " + std::to_string(version) +
               ", this game reads version " + std::to_string(ReplayFile::formatVersion);
    }
    const std::uint64_t whole = headerSize + littleEndian(bytes, magicSize + 2, 4) + checksumSize;
    if (bytes.size() < whole) {
        return "is truncated (" + std::to_string(bytes.size()) + " of " + std::to_string(whole) +
               " bytes)";
    }
    if (bytes.size() > whole) {
        return "has " + std::to_string(bytes.size() - whole) + " bytes after its end";
    }
    if (littleEndian(bytes, whole - checksumSize, 8) != checksum(bytes, whole - checksumSize)) {
        return "is damaged (its checksum does not match)";
    }
    return "";
}

std::string faultOf(const fs::path& path) {
    std::error_code error;
    const fs::file_status kind = fs::status(path, error);
    if (kind.type() == fs::file_type::not_found) {
        return "does not exist";
    }
    if (error) {
        return "cannot be read (" + error.message() + ")";
    }
    if (kind.type() == fs::file_type::directory) {
        return "is a folder, not a file";
    }
    return kind.type() == fs::file_type::regular ? "" : "is not a regular file";
}

}  // namespace

std::string encodeReplay(const Replay& replay) {
    ByteWriter w;
    w.out.append(magic, magicSize);
    w.number(ReplayFile::formatVersion, 2);
    w.number(0, 4);  // the length, known at the end
    w.text(replay.gameVersion);
    w.number(replay.seed, 4);
    w.text(replay.difficulty);
    w.number(replay.frames.size(), 4);
    std::uint64_t dtBits = 0;
    std::uint64_t clockBits = 0;
    for (const ReplayFrame& frame : replay.frames) {
        writeReplayFrame(w, frame, dtBits, clockBits);
    }
    w.number(static_cast<std::uint64_t>(replay.outcome), 1);
    w.number(replay.finalHash, 8);
    const std::uint64_t length = w.out.size() - headerSize;
    for (unsigned i = 0; i < 4; ++i) {
        w.out[magicSize + 2 + i] = static_cast<char>((length >> (8 * i)) & 0xffu);
    }
    w.number(checksum(w.out, w.out.size()), 8);
    return w.out;
}

ReplayReading decodeReplay(const std::string& bytes, const std::string& fileName) {
    ReplayReading reading;
    const auto line = [&](const std::string& what) {
        reading.fault = fileLine("Replay file", fileName, "", what);
        return reading;
    };
    if (bytes.size() > ReplayFile::maxBytes) {
        return line("is larger than 16 MB");
    }
    const std::string envelope = envelopeFault(bytes);
    if (!envelope.empty()) {
        return line(envelope);
    }
    Replay replay;
    ByteReader r(bytes, headerSize, bytes.size() - checksumSize);
    std::string versionFault;
    if (!readPayload(r, replay, versionFault)) {
        return line(versionFault.empty() ? "is damaged (" + r.problem + ")" : versionFault);
    }
    reading.replay = std::move(replay);
    return reading;
}

ReplayReading ReplayFile::read() const {
    std::string fault = faultOf(path_);
    std::string bytes;
    if (fault.empty()) {
        std::string error;
        switch (readPlayerFile(path_, maxBytes, bytes, error)) {
            case PlayerFileRead::TooLarge:
                fault = "is larger than 16 MB";
                break;
            case PlayerFileRead::Failed:
                fault = "cannot be read (" + error + ")";
                break;
            default:
                return decodeReplay(bytes, path_.string());
        }
    }
    ReplayReading reading;
    reading.fault = fileLine("Replay file", path_.string(), "", fault);
    return reading;
}

std::string ReplayFile::write(const Replay& replay) const {
    std::error_code error;
    fs::create_directories(path_.parent_path(), error);
    AtomicFile file(path_);
    if (error || !file.write(encodeReplay(replay)) || !file.commit()) {
        return fileLine("Replay file", path_.string(), "",
                        "cannot be written (" + (error ? error.message() : file.error()) + ")");
    }
    return "";
}

}  // namespace dusk
