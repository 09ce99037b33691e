#include "settings/SettingsText.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cstdio>
#include <optional>

#include "settings/KeyBindings.h"
#include "settings/SettingsKeys.h"
#include "storage/FileLines.h"

namespace dusk {

namespace {

std::string atLine(const toml::source_region& where) {
    return " line " + std::to_string(where.begin.line);
}

// The problems in the order of their lines (a table lists its keys sorted).
class ProblemList {
public:
    void add(const toml::source_region& where, std::string line) {
        add(where.begin.line, std::move(line));
    }
    void add(toml::source_index line, std::string text) {
        lines_.emplace_back(line, std::move(text));
    }
    std::vector<std::string> inFileOrder() {
        std::stable_sort(lines_.begin(), lines_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::string> result;
        for (auto& entry : lines_) {
            result.push_back(std::move(entry.second));
        }
        return result;
    }

private:
    std::vector<std::pair<toml::source_index, std::string>> lines_;
};

// The [keys] table's lines as the bindings read them.
std::vector<KeyEntry> keyEntries(const toml::table& table) {
    std::vector<KeyEntry> entries;
    for (const auto& [name, node] : table) {
        KeyEntry entry;
        entry.action = std::string(name.str());
        entry.line = static_cast<long>(name.source().begin.line);
        const toml::array* list = node.as_array();
        entry.isList = list != nullptr && (list->empty() || list->is_homogeneous<std::string>());
        if (list != nullptr && entry.isList) {
            for (const toml::node& element : *list) {
                entry.names.push_back(element.as_string()->get());
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void readKeys(const toml::node& node, const std::string& fileName, UserSettings& values,
              ProblemList& problems) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        problems.add(node.source(),
                     settingsProblem(fileName, atLine(node.source()),
                                     "\"keys\" must be a table, e.g. [keys] with forward = "
                                     "[\"W\", \"UP\"] below it; using the default keys"));
        return;
    }
    std::vector<KeyFault> faults;
    values.keys = keyBindingsFrom(keyEntries(*table), faults);
    for (KeyFault& fault : faults) {
        problems.add(static_cast<toml::source_index>(fault.line),
                     settingsProblem(fileName, " line " + std::to_string(fault.line), fault.what));
    }
}

// A width without a height (or the reverse) is not used, so it is not
// kept either: the next save leaves it out and its line does not come back.
void dropLoneWindowSide(const toml::table& table, const std::string& fileName, UserSettings& values,
                        ProblemList& problems) {
    if (values.width.has_value() == values.height.has_value()) {
        return;
    }
    const char* given = values.width ? "width" : "height";
    const char* missing = values.width ? "height" : "width";
    const toml::source_region& where = table.at(given).source();
    problems.add(
        where, settingsProblem(fileName, atLine(where),
                               std::string("\"") + given + "\" needs \"" + missing +
                                   "\" beside it; the window size comes from " + kWindowSizeFile));
    values.width.reset();
    values.height.reset();
}

void readTable(const toml::table& table, const std::string& fileName, SettingsReading& reading) {
    ProblemList problems;
    for (const auto& [name, node] : table) {
        const std::string keyName(name.str());
        const SettingsKey* key = settingsKeyNamed(keyName);
        if (keyName == "keys") {
            readKeys(node, fileName, reading.values, problems);
        } else if (key == nullptr) {
            problems.add(name.source(),
                         settingsProblem(fileName, atLine(name.source()),
                                         "unknown key \"" + keyName + "\"; ignored"));
        } else if (!key->read(node, reading.values)) {
            problems.add(node.source(),
                         settingsProblem(fileName, atLine(node.source()),
                                         "\"" + keyName + "\" must be " + key->expected +
                                             "; using the default " + key->defaultText()));
        } else {
            reading.qualityGiven = reading.qualityGiven || keyName == "graphics_quality";
        }
    }
    dropLoneWindowSide(table, fileName, reading.values, problems);
    reading.problems = problems.inFileOrder();
}

}  // namespace

std::string settingsProblem(const std::string& fileName, const std::string& where,
                            const std::string& what) {
    return fileLine("Settings file", fileName, where, what);
}

SettingsReading readSettingsText(const std::string& text, const std::string& fileName) {
    SettingsReading reading;
    if (text.empty()) {
        reading.problems.push_back(
            settingsProblem(fileName, "", "the file is empty; using the defaults"));
        return reading;
    }
    try {
        const toml::table table = toml::parse(text, fileName);
        readTable(table, fileName, reading);
    } catch (const toml::parse_error& error) {
        reading.values = UserSettings();
        reading.problems.assign(
            1, settingsProblem(fileName, atLine(error.source()),
                               "not valid TOML (" + std::string(error.description()) +
                                   "); using the defaults"));
    }
    return reading;
}

std::string settingsText(const UserSettings& values, bool withQuality) {
    std::string text =
        "# Duskhollow settings. The game rewrites this file when a setting changes in its menu.\n";
    for (const SettingsKey& key : settingsKeys()) {
        const std::optional<std::string> value = key.write(values);
        if (value && (withQuality || std::string_view(key.name) != "graphics_quality")) {
            text += std::string(key.name) + " = " + *value + "\n";
        }
    }
    // A table ends the top-level keys, so it comes last.
    text += keysTableText(values.keys);
    return text;
}

}  // namespace dusk
