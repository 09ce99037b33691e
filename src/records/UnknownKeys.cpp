#include "records/UnknownKeys.h"

#include <algorithm>
#include <sstream>

#include "records/RecordValues.h"
#include "records/RecordsProblem.h"

namespace dusk {

namespace {

// Tables (at any depth) written inline.
void makeInline(toml::node& node) {
    if (toml::table* table = node.as_table()) {
        table->is_inline(true);
        for (auto&& [key, value] : *table) {
            makeInline(value);
        }
    } else if (toml::array* array = node.as_array()) {
        for (toml::node& value : *array) {
            makeInline(value);
        }
    }
}

bool among(std::initializer_list<const char*> known, const std::string& name) {
    return std::find_if(known.begin(), known.end(), [&](const char* k) { return name == k; }) !=
           known.end();
}

}  // namespace

void UnknownKeys::add(Line line, const std::string& name) {
    for (auto& [at, known] : names_) {
        if (known == name) {
            at = std::min(at, line);
            return;
        }
    }
    names_.emplace_back(line, name);
}

void UnknownKeys::add(const UnknownKeys& others) {
    for (const auto& [line, name] : others.names_) {
        add(line, name);
    }
}

std::string UnknownKeys::line(const std::string& fileName) {
    if (names_.empty()) {
        return "";
    }
    constexpr std::size_t named = 5;
    std::sort(names_.begin(), names_.end());
    std::string list;
    for (std::size_t i = 0; i < names_.size() && i < named; ++i) {
        const bool last = i + 1 == names_.size();
        list += (i == 0 ? "" : last ? " and " : ", ") + quotedKey(names_[i].second);
    }
    if (names_.size() > named) {
        list += " and " + std::to_string(names_.size() - named) + " more";
    }
    const bool one = names_.size() == 1;
    return recordsProblem(fileName, " line " + std::to_string(names_.front().first),
                          list + (one ? " is" : " are") + " not known to this version; kept as " +
                              (one ? "it is" : "they are"));
}

std::string otherKeysText(const toml::table& table, std::initializer_list<const char*> known,
                          const std::string& prefix, bool inlineTables, UnknownKeys& unknown) {
    toml::table others;
    for (const auto& [key, node] : table) {
        const std::string name(key.str());
        if (among(known, name)) {
            continue;
        }
        unknown.add(key.source().begin.line, prefix + name);
        toml::node& copy = others.insert(key, node).first->second;
        if (inlineTables) {
            makeInline(copy);
        }
    }
    if (others.empty()) {
        return "";
    }
    std::ostringstream text;
    text << toml::toml_formatter(others, toml::format_flags::none);
    return text.str() + "\n";
}

}  // namespace dusk
