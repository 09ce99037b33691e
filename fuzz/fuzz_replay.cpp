// The replay reader: any bytes as "replay.dkr". A file it takes must write
// back to exactly its bytes (one encoding per replay, every value bit for
// bit); a file it refuses gets one printable line naming it. Nothing may
// crash, hang or ask for memory the file's size does not justify.
#include "FuzzSupport.h"
#include "replay/ReplayFile.h"

namespace {

using dusk::fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
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
        return 0;
    }
    require(reading.fault.empty(), "a replay and a fault line");
    require(reading.replay->frames.size() <= dusk::ReplayFile::maxFrames, "too many frames");
    require(dusk::encodeReplay(*reading.replay) == bytes, "does not write back the same bytes");
    return 0;
}
