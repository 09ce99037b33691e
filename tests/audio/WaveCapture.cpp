#include "WaveCapture.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace dusk::test {

namespace {

uint32_t le32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    }
    return v;
}

uint16_t le16(const std::string& bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Chunks {
    size_t dataAt = 0;  // 0: none
    int channels = 0;
    int bits = 0;
};

Chunks findChunks(const std::string& bytes) {
    Chunks found;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return found;
    }
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const uint32_t size = le32(bytes, at + 4);
        if (id == "data") {
            found.dataAt = at + 8;
            return found;
        }
        if (id == "fmt " && at + 24 <= bytes.size()) {
            found.channels = le16(bytes, at + 10);
            found.bits = le16(bytes, at + 22);
        }
        at += 8 + size + (size & 1);
    }
    return found;
}

}  // namespace

WaveCapture::WaveCapture(const std::filesystem::path& dir)
    : configFile(dir / "alsoft.conf"), outputFile(dir / "mix.wav") {
    std::ofstream(configFile) << "[general]\ndrivers=wave\n[wave]\nfile=" << outputFile.string()
                              << "\n";
}

std::vector<float> WaveCapture::samples() const {
    const std::string bytes = slurp(outputFile);
    const Chunks chunks = findChunks(bytes);
    std::vector<float> out;
    if (chunks.dataAt == 0 || chunks.channels != 2 || chunks.bits != 32) {
        return out;
    }
    const size_t frames = (bytes.size() - chunks.dataAt) / 8;
    out.resize(frames * 2);
    if (frames > 0) {
        std::memcpy(out.data(), bytes.data() + chunks.dataAt, frames * 8);
    }
    return out;
}

StereoLevels WaveCapture::levels(size_t from, size_t to) const {
    const std::vector<float> s = samples();
    const size_t end = to == 0 || to > s.size() / 2 ? s.size() / 2 : to;
    StereoLevels levels;
    if (from >= end) {
        return levels;
    }
    for (size_t i = from; i < end; ++i) {
        levels.left += double(s[2 * i]) * s[2 * i];
        levels.right += double(s[2 * i + 1]) * s[2 * i + 1];
    }
    levels.left = std::sqrt(levels.left / double(end - from));
    levels.right = std::sqrt(levels.right / double(end - from));
    return levels;
}

}  // namespace dusk::test
