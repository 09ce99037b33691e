#pragma once
// One table per enumerated setting: every value with its name in the files
// and its label in the menu. Readers, writers, the menu and the records all
// take their words from these tables.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dusk {

template <typename E>
struct EnumEntry {
    E value;
    const char* name;   // in the settings and records files
    const char* label;  // in the menu
};

template <typename E, std::size_t N>
using EnumTable = std::array<EnumEntry<E>, N>;

// The entry of value; the table's first entry for a value it lacks.
template <typename E, std::size_t N>
constexpr const EnumEntry<E>& entryOf(const EnumTable<E, N>& table, E value) {
    for (const EnumEntry<E>& entry : table) {
        if (entry.value == value) {
            return entry;
        }
    }
    return table[0];
}

// The value named name (any letter case when ignoreCase); nothing for
// another word.
template <typename E, std::size_t N>
std::optional<E> valueNamed(const EnumTable<E, N>& table, std::string_view name, bool ignoreCase) {
    const auto same = [ignoreCase](unsigned char a, unsigned char b) {
        return ignoreCase ? std::tolower(a) == std::tolower(b) : a == b;
    };
    for (const EnumEntry<E>& entry : table) {
        const std::string_view known = entry.name;
        if (known.size() == name.size() &&
            std::equal(known.begin(), known.end(), name.begin(), same)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

// The names for a message, quoted: "\"a\", \"b\" or \"c\"".
template <typename E, std::size_t N>
std::string quotedNames(const EnumTable<E, N>& table) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        text += i == 0 ? "" : (i + 1 == N ? " or " : ", ");
        text += "\"" + std::string(table[i].name) + "\"";
    }
    return text;
}

}  // namespace dusk
