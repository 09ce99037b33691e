// The replay reader: any bytes as "replay.dkr", once as they are and once
// sealed (the length and checksum made right, so that the fuzzer's changes
// reach the game version, the frames and the outcome behind the checksum).
// A file it takes must write back to exactly its bytes (one encoding per
// replay, every value bit for bit); a file it refuses gets one printable line
// naming it. Nothing may crash, hang or ask for memory the file's size does
// not justify.
#include "FuzzSupport.h"
#include "base/Fnv1a.h"
#include "replay/ReplayFile.h"

namespace {

using dusk::fuzz::require;

constexpr std::size_t lengthAt = 10;
constexpr std::size_t headerSize = 14;
constexpr std::size_t checksumSize = 8;

void putNumber(std::string& bytes, std::size_t at, std::uint64_t value, unsigned size) {
    for (unsigned i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xffu);
    }
}

// The bytes with the envelope's length and checksum made to fit them.
std::string sealed(std::string bytes) {
    if (bytes.size() < headerSize + checksumSize) {
        return bytes;
    }
    putNumber(bytes, lengthAt, bytes.size() - headerSize - checksumSize, 4);
    dusk::Fnv1a hash;
    hash.add(bytes.data(), bytes.size() - checksumSize);
    putNumber(bytes, bytes.size() - checksumSize, hash.value(), 8);
    return bytes;
}

void checkReading(const std::string& bytes) {
    const dusk::ReplayReading reading = dusk::decodeReplay(bytes, "replay.dkr");
    if (!reading.replay) {
        const std::string start = "Replay file \"replay.dkr\": ";
        require(reading.fault.compare(0, start.size(), start) == 0 &&
                    reading.fault.size() > start.size(),
                "line: " + reading.fault);
        for (const char c : reading.fault) {
            require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f,
                    "control character in the line");
        }
        return;
    }
    require(reading.fault.empty(), "a replay and a fault line");
    require(reading.replay->frames.size() <= dusk::ReplayFile::maxFrames, "too many frames");
    require(dusk::encodeReplay(*reading.replay) == bytes, "does not write back the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReading(bytes);
    checkReading(sealed(bytes));
    return 0;
}
