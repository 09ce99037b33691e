#pragma once
// The values the records file's tables share: counts and how they add up.
#include <toml++/toml.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "records/FirstFault.h"

namespace dusk {

// "\"key\"", as a fault line names a key.
std::string quotedKey(const std::string& key);

// An integer from low to high into `into`; false (into untouched) for
// anything else.
bool wholeNumber(const toml::node& node, std::int64_t low, std::int64_t high, std::int64_t& into);

// A count key of a table and the field it reads into.
struct CountKey {
    const char* name;
    std::int64_t* field;
};

// Reads each count the table has (0 .. Records::maxCount) into its field;
// one out of range or of the wrong type is a fault, its field untouched.
void readCounts(const toml::table& table, std::initializer_list<CountKey> counts,
                FirstFault& fault);

// A fault at "wins" (or the table) when rounds, wins, losses and left cannot
// be together: more wins than rounds, or the outcomes not adding up.
void checkOutcomes(const toml::table& table, std::int64_t rounds, std::int64_t wins,
                   std::int64_t losses, std::int64_t left, FirstFault& fault);

}  // namespace dusk
