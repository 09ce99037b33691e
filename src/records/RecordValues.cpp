#include "records/RecordValues.h"

#include "records/Records.h"

namespace dusk {

std::string quotedKey(const std::string& key) { return "\"" + key + "\""; }

bool wholeNumber(const toml::node& node, std::int64_t low, std::int64_t high, std::int64_t& into) {
    const auto* value = node.as_integer();
    if (value == nullptr || value->get() < low || value->get() > high) {
        return false;
    }
    into = value->get();
    return true;
}

void readCounts(const toml::table& table, std::initializer_list<CountKey> counts,
                FirstFault& fault) {
    const std::string range = "a whole number from 0 to " + std::to_string(Records::maxCount);
    for (const CountKey& count : counts) {
        const toml::node* node = table.get(count.name);
        if (node != nullptr && !wholeNumber(*node, 0, Records::maxCount, *count.field)) {
            fault.add(*node, quotedKey(count.name) + " must be " + range);
        }
    }
}

void checkOutcomes(const toml::table& table, std::int64_t rounds, std::int64_t wins,
                   std::int64_t losses, std::int64_t left, FirstFault& fault) {
    const toml::node* at = table.get("wins");
    const toml::node& where = at != nullptr ? *at : static_cast<const toml::node&>(table);
    if (wins > rounds) {
        fault.add(where, "\"wins\" (" + std::to_string(wins) + ") must not be more than " +
                             "\"rounds\" (" + std::to_string(rounds) + ")");
    } else if (wins + losses + left != rounds) {
        fault.add(where, table.get("left") != nullptr
                             ? "\"wins\", \"losses\" and \"left\" must add up to \"rounds\""
                             : "\"wins\" and \"losses\" must add up to \"rounds\"");
    }
}

}  // namespace dusk
