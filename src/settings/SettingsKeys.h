#pragma once
// The settings file's top-level keys, one row each: the reader, the fault
// lines and the writer all go by this one table.
#include <toml++/toml.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/UserSettings.h"

namespace dusk {

// Where the window size comes from when the settings give none, as the
// fault lines name it.
constexpr const char* kWindowSizeFile = "\"Release/config.txt\"";

// One top-level key: how it reads, what its fault line says, and how it is
// written.
struct SettingsKey {
    const char* name;
    std::string expected;  // what follows "must be " in its fault line
    // The default as its fault line names it ("using the default ...").
    std::string (*defaultText)();
    // Reads a value into the settings; false (settings untouched) for a
    // value of the wrong type or out of its range.
    bool (*read)(const toml::node&, UserSettings&);
    // The value as it is written; nothing: the key is left out of the file.
    std::optional<std::string> (*write)(const UserSettings&);
};

// Every key, in the order the file is written.
const std::vector<SettingsKey>& settingsKeys();

// The key of that name; null for a name that is none of them ("keys", the
// key bindings' table, is none of them).
const SettingsKey* settingsKeyNamed(std::string_view name);

}  // namespace dusk
