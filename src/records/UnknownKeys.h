#pragma once
// The keys of the records file this version does not know: named in one
// line, and kept as TOML text to write back.
#include <toml++/toml.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace dusk {

// The names of the keys this version does not know, each once with the
// line it first came at.
class UnknownKeys {
public:
    using Line = toml::source_index;

    void add(Line line, const std::string& name);
    void add(const UnknownKeys& others);
    // "Records file "F" line 3: "forest.left" and "extra" are not known to
    // this version; kept as they are" (the first five by line, then how many
    // more), at the first of their lines; empty when there are none.
    std::string line(const std::string& fileName);

private:
    std::vector<std::pair<Line, std::string>> names_;
};

// The entries of table whose keys are not among known, as TOML text that
// reads back as the same entries (tables written inline when inlineTables,
// so that they stay inside the table they were read from), each named in
// unknown as prefix + key; empty when every key is known.
std::string otherKeysText(const toml::table& table, std::initializer_list<const char*> known,
                          const std::string& prefix, bool inlineTables, UnknownKeys& unknown);

}  // namespace dusk
