#pragma once
// Little-endian numbers and short names appended to a replay's bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dusk {

class ByteWriter {
public:
    // The longest name kept; a longer one is cut there.
    static constexpr std::size_t maxText = 64;

    // The low `bytes` bytes of value, lowest first.
    void number(std::uint64_t value, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i) {
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
        }
    }
    // One byte of length, then the name.
    void text(const std::string& value) {
        const std::size_t size = std::min(value.size(), ByteWriter::maxText);
        number(size, 1);
        out.append(value, 0, size);
    }
    std::string out;
};

}  // namespace dusk
