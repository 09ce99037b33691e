#pragma once
// Reads a replay's payload field by field: little-endian numbers and short
// names, never past its end. The first fault is kept as the reason.
#include <cstddef>
#include <cstdint>
#include <string>

namespace dusk {

class ByteReader {
public:
    // Reads bytes[begin, end); bytes must outlive the reader.
    ByteReader(const std::string& bytes, std::size_t begin, std::size_t end)
        : bytes(bytes), at(begin), end(end) {}

    std::size_t left() const { return end - at; }
    // A number of `size` bytes, lowest first; false when fewer are left.
    bool number(std::uint64_t& value, unsigned size);
    // One byte of length (1 .. ByteWriter::maxText), then the name.
    bool text(std::string& value);
    // A finite f32; false for NaN or an infinity, which no round makes.
    bool finiteFloat(float& value);
    // Notes what (unless a fault is noted already) and returns false.
    bool fail(const std::string& what);

    std::string problem;  // the first fault; empty when none

private:
    const std::string& bytes;
    std::size_t at;
    std::size_t end;
};

}  // namespace dusk
