#include "replay/ReplayFile.h"

#include <cmath>
#include <cstring>
#include <system_error>

#include "base/Fnv1a.h"
#include "game/Difficulty.h"
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
constexpr std::size_t maxTextSize = 64;
// Outcome and final hash after the frames; a frame takes two bytes at least.
constexpr std::size_t trailerSize = 1 + 8;
constexpr std::size_t smallestFrame = 2;

enum Flag : unsigned {
    Forward = 1u << 0,
    Backward = 1u << 1,
    Right = 1u << 2,
    Left = 1u << 3,
    Run = 1u << 4,
    Fly = 1u << 5,
    Scream = 1u << 6,
    TurnFollows = 1u << 7,
};
constexpr unsigned walkFollows = 1u;

template <typename T>
std::uint64_t bitsOf(T value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

template <typename T>
T fromBits(std::uint64_t bits) {
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// How many low bytes hold every set bit of x.
unsigned byteWidth(std::uint64_t x) {
    unsigned width = 0;
    for (; x != 0; x >>= 8) {
        ++width;
    }
    return width;
}

class Writer {
public:
    void number(std::uint64_t value, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i) {
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
        }
    }
    void text(const std::string& value) {
        const std::size_t size = std::min(value.size(), maxTextSize);
        number(size, 1);
        out.append(value, 0, size);
    }
    std::string out;
};

void writeFrame(Writer& w, const ReplayFrame& frame, std::uint64_t& dtBits,
                std::uint64_t& clockBits) {
    const scene::PlayerControls& c = frame.controls;
    const bool turn = bitsOf(c.turnHorizontal) != 0 || bitsOf(c.turnVertical) != 0;
    const bool walk = bitsOf(c.walkForward) != 0 || bitsOf(c.walkRight) != 0;
    const unsigned flags = (c.move.forward ? Forward : 0u) | (c.move.backward ? Backward : 0u) |
                           (c.move.right ? Right : 0u) | (c.move.left ? Left : 0u) |
                           (c.move.run ? Run : 0u) | (c.fly ? Fly : 0u) | (c.scream ? Scream : 0u) |
                           (turn ? TurnFollows : 0u);
    const std::uint64_t dtChange = bitsOf(frame.dt) ^ dtBits;
    const std::uint64_t clockChange = bitsOf(frame.clock) ^ clockBits;
    w.number(flags, 1);
    w.number((walk ? walkFollows : 0u) | byteWidth(dtChange) << 1 | byteWidth(clockChange) << 4, 1);
    if (turn) {
        w.number(bitsOf(c.turnHorizontal), 4);
        w.number(bitsOf(c.turnVertical), 4);
    }
    if (walk) {
        w.number(bitsOf(c.walkForward), 4);
        w.number(bitsOf(c.walkRight), 4);
    }
    w.number(dtChange, byteWidth(dtChange));
    w.number(clockChange, byteWidth(clockChange));
    dtBits = bitsOf(frame.dt);
    clockBits = bitsOf(frame.clock);
}

// Reads the payload; any fault is a damaged file (its checksum held).
class Reader {
public:
    Reader(const std::string& bytes, std::size_t begin, std::size_t end)
        : bytes(bytes), at(begin), end(end) {}

    std::size_t left() const { return end - at; }
    bool number(std::uint64_t& value, unsigned size) {
        if (left() < size) {
            return fail("ends inside a field");
        }
        value = 0;
        for (unsigned i = 0; i < size; ++i) {
            value |= std::uint64_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
        }
        at += size;
        return true;
    }
    bool text(std::string& value) {
        std::uint64_t size = 0;
        if (!number(size, 1)) {
            return false;
        }
        if (size == 0 || size > maxTextSize || left() < size) {
            return fail("a name of impossible length");
        }
        value.assign(bytes, at, size);
        at += size;
        return true;
    }
    bool fail(const std::string& what) {
        if (problem.empty()) {
            problem = what;
        }
        return false;
    }

    std::string problem;

private:
    const std::string& bytes;
    std::size_t at;
    std::size_t end;
};

bool readFloat(Reader& r, float& value) {
    std::uint64_t bits = 0;
    if (!r.number(bits, 4)) {
        return false;
    }
    value = fromBits<float>(bits);
    return std::isfinite(value) || r.fail("a number no round makes");
}

// The low `width` bytes of a change; the top one must be set (one encoding).
bool readChange(Reader& r, unsigned width, std::uint64_t& change) {
    if (!r.number(change, width)) {
        return false;
    }
    return width == 0 || (change >> (8 * (width - 1))) != 0 || r.fail("a frame written twice over");
}

bool readFrame(Reader& r, ReplayFrame& frame, std::uint64_t& dtBits, std::uint64_t& clockBits) {
    std::uint64_t flags = 0;
    std::uint64_t layout = 0;
    if (!r.number(flags, 1) || !r.number(layout, 1)) {
        return false;
    }
    const unsigned dtWidth = (layout >> 1) & 7u;
    const unsigned clockWidth = (layout >> 4) & 15u;
    if (dtWidth > 4 || clockWidth > 8) {
        return r.fail("a frame of unknown layout");
    }
    scene::PlayerControls& c = frame.controls;
    c.move = {(flags & Forward) != 0, (flags & Backward) != 0, (flags & Right) != 0,
              (flags & Left) != 0, (flags & Run) != 0};
    c.fly = (flags & Fly) != 0;
    c.scream = (flags & Scream) != 0;
    if ((flags & TurnFollows) &&
        (!readFloat(r, c.turnHorizontal) || !readFloat(r, c.turnVertical) ||
         (bitsOf(c.turnHorizontal) == 0 && bitsOf(c.turnVertical) == 0 &&
          !r.fail("a frame written twice over")))) {
        return false;
    }
    if ((layout & walkFollows) && (!readFloat(r, c.walkForward) || !readFloat(r, c.walkRight) ||
                                   (bitsOf(c.walkForward) == 0 && bitsOf(c.walkRight) == 0 &&
                                    !r.fail("a frame written twice over")))) {
        return false;
    }
    std::uint64_t dtChange = 0;
    std::uint64_t clockChange = 0;
    if (!readChange(r, dtWidth, dtChange) || !readChange(r, clockWidth, clockChange)) {
        return false;
    }
    dtBits ^= dtChange;
    clockBits ^= clockChange;
    frame.dt = fromBits<float>(dtBits);
    frame.clock = fromBits<double>(clockBits);
    if (!std::isfinite(frame.dt) || frame.dt < 0.0f || !std::isfinite(frame.clock)) {
        return r.fail("a frame time no round takes");
    }
    return true;
}

bool readFrames(Reader& r, Replay& replay) {
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
        if (!readFrame(r, frame, dtBits, clockBits)) {
            return false;
        }
    }
    return true;
}

bool readPayload(Reader& r, Replay& replay, std::string& versionFault) {
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
    Writer w;
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
        writeFrame(w, frame, dtBits, clockBits);
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
    Reader r(bytes, headerSize, bytes.size() - checksumSize);
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
