#include "records/ForestEntries.h"

#include <limits>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "records/RecordValues.h"
#include "settings/UserSettings.h"

namespace dusk {

namespace {

using Line = FirstFault::Line;

bool seconds(const toml::node& node, std::optional<double>& into) {
    double value = 0.0;
    if (const auto* integer = node.as_integer()) {
        value = static_cast<double>(integer->get());
    } else if (const auto* floating = node.as_floating_point()) {
        value = floating->get();
    } else {
        return false;
    }
    if (!(value > 0.0 && value <= static_cast<double>(Records::maxCount))) {
        return false;
    }
    into = value;
    return true;
}

// A TOML date, or the same as a string.
bool date(const toml::node& node, std::optional<CalendarDate>& into) {
    if (const auto* value = node.as_date()) {
        const toml::date& d = value->get();
        into = CalendarDate{d.year, d.month, d.day};
    } else if (const auto* text = node.as_string()) {
        into = CalendarDate::parse(text->get());
    } else {
        return false;
    }
    return into && into->valid();
}

// One of the level names as they are written, letter case included.
bool difficulty(const toml::node& node, DifficultyLevel& into) {
    const auto* text = node.as_string();
    if (text == nullptr) {
        return false;
    }
    const std::optional<DifficultyLevel> level = valueNamed(difficultyLevels, text->get(), false);
    into = level.value_or(into);
    return level.has_value();
}

void checkBest(const toml::table& table, const ForestRecord& forest, const CalendarDate& latest,
               FirstFault& fault) {
    if (forest.bestSeconds.has_value() != forest.bestDate.has_value()) {
        const char* given = forest.bestSeconds ? "best_seconds" : "best_date";
        const char* missing = forest.bestSeconds ? "best_date" : "best_seconds";
        fault.add(*table.get(given),
                  quotedKey(given) + " needs " + quotedKey(missing) + " beside it");
    } else if (forest.bestSeconds && forest.wins == 0) {
        fault.add(*table.get("best_seconds"), "\"best_seconds\" needs a win (\"wins\" is 0)");
    } else if (forest.bestDate && std::make_tuple(forest.bestDate->year, forest.bestDate->month,
                                                  forest.bestDate->day) >
                                      std::make_tuple(latest.year, latest.month, latest.day)) {
        fault.add(*table.get("best_date"),
                  "\"best_date\" (" + forest.bestDate->text() + ") is later than today");
    }
}

// Counts of a forest that its own rounds or the totals cannot hold.
void checkAgainstTotals(const toml::table& table, const ForestRecord& forest,
                        const RecordTotals& totals, FirstFault& fault) {
    if (forest.mostKidsFrightened > Records::kidsInAForest) {
        fault.add(*table.get("most_kids_frightened"),
                  "\"most_kids_frightened\" (" + std::to_string(forest.mostKidsFrightened) +
                      ") must not be more than the " + std::to_string(Records::kidsInAForest) +
                      " kids of a forest");
    }
    const struct {
        const char* key;
        std::int64_t value;
        const char* total;
        std::int64_t most;
    } limits[] = {
        {"rounds", forest.rounds, "rounds", totals.rounds},
        {"wins", forest.wins, "wins", totals.wins},
        {"losses", forest.losses, "losses", totals.losses},
        {"left", forest.left, "left", totals.left},
        {"last_round", forest.lastRound, "rounds", totals.rounds},
        {"most_kids_frightened", forest.mostKidsFrightened, "kids_frightened",
         totals.kidsFrightened},
    };
    for (const auto& limit : limits) {
        if (limit.value > limit.most) {
            fault.add(*table.get(limit.key),
                      quotedKey(limit.key) + " (" + std::to_string(limit.value) +
                          ") must not be more than the total " + quotedKey(limit.total) + " (" +
                          std::to_string(limit.most) + ")");
        }
    }
}

std::optional<ForestRecord> readForest(const toml::table& table, const ForestContext& context,
                                       FirstFault& fault) {
    ForestRecord forest;
    forest.otherKeys =
        otherKeysText(table,
                      {"seed", "difficulty", "rounds", "wins", "losses", "left", "best_seconds",
                       "best_date", "most_kids_frightened", "last_round"},
                      "forest.", true, context.unknown);
    std::int64_t seed = 0;
    const toml::node* seedNode = table.get("seed");
    if (seedNode == nullptr) {
        fault.add(table, "a [[forest]] needs a \"seed\"");
    } else if (!wholeNumber(*seedNode, 0, std::numeric_limits<std::uint32_t>::max(), seed)) {
        fault.add(*seedNode, "\"seed\" must be a whole number from 0 to 4294967295");
    }
    forest.seed = static_cast<std::uint32_t>(seed);
    if (const toml::node* node = table.get("difficulty");
        node && !difficulty(*node, forest.difficulty)) {
        fault.add(*node, "\"difficulty\" must be " + quotedNames(difficultyLevels));
    }
    readCounts(table,
               {{"rounds", &forest.rounds},
                {"wins", &forest.wins},
                {"losses", &forest.losses},
                {"left", &forest.left},
                {"most_kids_frightened", &forest.mostKidsFrightened},
                {"last_round", &forest.lastRound}},
               fault);
    if (const toml::node* node = table.get("best_seconds");
        node && !seconds(*node, forest.bestSeconds)) {
        fault.add(*node, "\"best_seconds\" must be a number above 0 and at most " +
                             std::to_string(Records::maxCount));
    }
    if (const toml::node* node = table.get("best_date"); node && !date(*node, forest.bestDate)) {
        fault.add(*node, "\"best_date\" must be a date like 2026-12-08");
    }
    if (fault.found()) {
        return std::nullopt;
    }
    checkOutcomes(table, forest.rounds, forest.wins, forest.losses, forest.left, fault);
    checkBest(table, forest, context.latest, fault);
    checkAgainstTotals(table, forest, context.totals, fault);
    return fault.found() ? std::nullopt : std::optional<ForestRecord>(forest);
}

// " at Hard" for a level other than Standard, nothing for Standard.
std::string atLevel(DifficultyLevel level) {
    return level == DifficultyLevel::Standard ? ""
                                              : " at " + std::string(difficultyLevelName(level));
}

}  // namespace

void readForests(const toml::node& node, const ForestContext& context, Records& records,
                 RecordsFaults& faults) {
    const toml::array* list = node.as_array();
    if (list == nullptr) {
        faults.wholeFile.add(node, "\"forest\" must be a list of tables ([[forest]])");
        return;
    }
    std::map<std::pair<std::uint32_t, DifficultyLevel>, Line> seen;
    for (const toml::node& element : *list) {
        FirstFault fault;
        // Named only for an entry that is kept: the others go with it.
        UnknownKeys unknown;
        const toml::table* table = element.as_table();
        std::optional<ForestRecord> forest;
        if (table == nullptr) {
            fault.add(element, "each \"forest\" must be a table");
        } else {
            forest = readForest(*table, {context.totals, context.latest, unknown}, fault);
        }
        if (forest) {
            const Line line = table->get("seed")->source().begin.line;
            if (!seen.emplace(std::make_pair(forest->seed, forest->difficulty), line).second) {
                fault.add(line, "seed " + std::to_string(forest->seed) +
                                    atLevel(forest->difficulty) + " is listed twice");
            }
        }
        if (fault.found()) {
            faults.entry.add(fault.line(), fault.what());
            ++faults.setAside;
        } else {
            records.forests.push_back(*forest);
            context.unknown.add(unknown);
        }
    }
}

}  // namespace dusk
