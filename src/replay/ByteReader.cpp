#include "replay/ByteReader.h"

#include <cmath>
#include <cstring>

#include "replay/ByteWriter.h"

namespace dusk {

bool ByteReader::number(std::uint64_t& value, unsigned size) {
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

bool ByteReader::text(std::string& value) {
    std::uint64_t size = 0;
    if (!number(size, 1)) {
        return false;
    }
    if (size == 0 || size > ByteWriter::maxText || left() < size) {
        return fail("a name of impossible length");
    }
    value.assign(bytes, at, size);
    at += size;
    return true;
}

bool ByteReader::finiteFloat(float& value) {
    std::uint64_t bits = 0;
    if (!number(bits, 4)) {
        return false;
    }
    const auto word = static_cast<std::uint32_t>(bits);
    std::memcpy(&value, &word, sizeof value);
    return std::isfinite(value) || fail("a number no round makes");
}

bool ByteReader::fail(const std::string& what) {
    if (problem.empty()) {
        problem = what;
    }
    return false;
}

}  // namespace dusk
