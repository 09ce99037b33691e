#include "records/RecordsText.h"

#include <toml++/toml.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>
#include <utility>

#include "settings/UserSettings.h"
#include "storage/FileLines.h"

namespace dusk {

namespace {

using Line = toml::source_index;

const std::string countRange = "a whole number from 0 to " + std::to_string(Records::maxCount);

std::string quoted(const std::string& key) { return "\"" + key + "\""; }

// The fault with the smallest line number (a table lists its keys sorted,
// not in the order of the file).
class FirstFault {
public:
    void add(Line line, std::string what) {
        if (what_.empty() || line < line_) {
            line_ = line;
            what_ = std::move(what);
        }
    }
    void add(const toml::node& node, std::string what) { add(node.source().begin.line, what); }
    bool found() const { return !what_.empty(); }
    Line line() const { return line_; }
    const std::string& what() const { return what_; }

private:
    Line line_ = 0;
    std::string what_;
};

bool wholeNumber(const toml::node& node, std::int64_t low, std::int64_t high, std::int64_t& into) {
    const auto* value = node.as_integer();
    if (value == nullptr || value->get() < low || value->get() > high) {
        return false;
    }
    into = value->get();
    return true;
}

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

// Reads the count keys of a table into the fields named beside them.
struct CountKey {
    const char* name;
    std::int64_t* field;
};

void readCounts(const toml::table& table, std::initializer_list<CountKey> counts,
                FirstFault& fault) {
    for (const CountKey& count : counts) {
        const toml::node* node = table.get(count.name);
        if (node != nullptr && !wholeNumber(*node, 0, Records::maxCount, *count.field)) {
            fault.add(*node, quoted(count.name) + " must be " + countRange);
        }
    }
}

// The names of the keys this version does not know, each once with the
// line it first came at.
class UnknownKeys {
public:
    void add(Line line, const std::string& name) {
        for (auto& [at, known] : names_) {
            if (known == name) {
                at = std::min(at, line);
                return;
            }
        }
        names_.emplace_back(line, name);
    }
    void add(const UnknownKeys& others) {
        for (const auto& [line, name] : others.names_) {
            add(line, name);
        }
    }
    // "Records file "F" line 3: "forest.left" and "extra" are not known to
    // this version; kept as they are", empty when there are none.
    std::string line(const std::string& fileName) {
        if (names_.empty()) {
            return "";
        }
        constexpr std::size_t named = 5;
        std::sort(names_.begin(), names_.end());
        std::string list;
        for (std::size_t i = 0; i < names_.size() && i < named; ++i) {
            const bool last = i + 1 == names_.size();
            list += (i == 0 ? "" : last ? " and " : ", ") + quoted(names_[i].second);
        }
        if (names_.size() > named) {
            list += " and " + std::to_string(names_.size() - named) + " more";
        }
        const bool one = names_.size() == 1;
        return recordsProblem(fileName, " line " + std::to_string(names_.front().first),
                              list + (one ? " is" : " are") +
                                  " not known to this version; kept as " +
                                  (one ? "it is" : "they are"));
    }

private:
    std::vector<std::pair<Line, std::string>> names_;
};

// Tables (at any depth) written inline, so that they stay inside the
// table they were read from.
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

// The entries of table whose keys are not among known, as TOML text that
// reads back as the same entries (tables inline when asked), each named in
// unknown as prefix + key.
std::string otherKeys(const toml::table& table, std::initializer_list<const char*> known,
                      const std::string& prefix, bool inlineTables, UnknownKeys& unknown) {
    toml::table others;
    for (const auto& [key, node] : table) {
        const std::string name(key.str());
        if (std::find_if(known.begin(), known.end(), [&](const char* k) { return name == k; }) !=
            known.end()) {
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

// Rounds, wins and losses that cannot be together.
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

// The totals, and their keys this version does not know as text.
void readTotals(const toml::node& node, Records& records, FirstFault& fault, UnknownKeys& unknown) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        fault.add(node, "\"totals\" must be a table");
        return;
    }
    RecordTotals& totals = records.totals;
    records.otherTotalsKeys = otherKeys(
        *table, {"rounds", "wins", "losses", "left", "kids_frightened"}, "totals.", true, unknown);
    readCounts(*table,
               {{"rounds", &totals.rounds},
                {"wins", &totals.wins},
                {"losses", &totals.losses},
                {"left", &totals.left},
                {"kids_frightened", &totals.kidsFrightened}},
               fault);
    if (!fault.found()) {
        checkOutcomes(*table, totals.rounds, totals.wins, totals.losses, totals.left, fault);
    }
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
        fault.add(*table.get(given), quoted(given) + " needs " + quoted(missing) + " beside it");
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
                      quoted(limit.key) + " (" + std::to_string(limit.value) +
                          ") must not be more than the total " + quoted(limit.total) + " (" +
                          std::to_string(limit.most) + ")");
        }
    }
}

// What a forest entry is read against.
struct ForestContext {
    const RecordTotals& totals;
    const CalendarDate& latest;
    UnknownKeys& unknown;
};

std::optional<ForestRecord> readForest(const toml::table& table, const ForestContext& context,
                                       FirstFault& fault) {
    ForestRecord forest;
    forest.otherKeys =
        otherKeys(table,
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

// Faults of the whole file, and the first of the forest entries set aside.
struct Faults {
    FirstFault wholeFile;
    FirstFault entry;
    std::size_t setAside = 0;
};

// The forests without a fault; each one with a fault is set aside and its
// first fault noted.
void readForests(const toml::node& node, const ForestContext& context, Records& records,
                 Faults& faults) {
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

void readRoot(const toml::table& root, const CalendarDate& latest, Records& records, Faults& faults,
              UnknownKeys& unknown) {
    records.otherKeys = otherKeys(root, {"totals", "forest"}, "", false, unknown);
    if (const toml::node* totals = root.get("totals")) {
        readTotals(*totals, records, faults.wholeFile, unknown);
    }
    if (const toml::node* forests = root.get("forest"); forests && !faults.wholeFile.found()) {
        readForests(*forests, ForestContext{records.totals, latest, unknown}, records, faults);
    }
}

void appendKey(std::string& text, const char* key, const std::string& value) {
    text += key;
    text += " = ";
    text += value;
    text += '\n';
}

}  // namespace

std::string recordsProblem(const std::string& fileName, const std::string& where,
                           const std::string& what) {
    return fileLine("Records file", fileName, where, what);
}

RecordsReading readRecordsText(const std::string& text, const std::string& fileName,
                               const CalendarDate& latest) {
    RecordsReading reading;
    if (text.empty()) {
        reading.fault = recordsProblem(fileName, "", "the file is empty");
        reading.wholeFile = true;
        return reading;
    }
    Faults faults;
    UnknownKeys unknown;
    try {
        const toml::table root = toml::parse(text, fileName);
        readRoot(root, latest, reading.records, faults, unknown);
    } catch (const toml::parse_error& error) {
        faults.wholeFile.add(error.source().begin.line,
                             "not valid TOML (" + std::string(error.description()) + ")");
    }
    const FirstFault& first = faults.wholeFile.found() ? faults.wholeFile : faults.entry;
    if (first.found()) {
        reading.fault =
            recordsProblem(fileName, " line " + std::to_string(first.line()), first.what());
    }
    if (faults.wholeFile.found()) {
        reading.records = Records();
        reading.wholeFile = true;
        return reading;
    }
    reading.setAside = faults.setAside;
    reading.unknown = unknown.line(fileName);
    std::sort(reading.records.forests.begin(), reading.records.forests.end(), listedBefore);
    return reading;
}

std::string recordsText(const Records& records) {
    std::string text =
        "# Duskhollow records. The game rewrites this file at the end of every round.\n";
    text.reserve(64 + records.forests.size() * 200);
    const RecordTotals& totals = records.totals;
    if (!records.otherKeys.empty()) {
        text += records.otherKeys + "\n";
    }
    text += "[totals]\n";
    appendKey(text, "rounds", std::to_string(totals.rounds));
    appendKey(text, "wins", std::to_string(totals.wins));
    appendKey(text, "losses", std::to_string(totals.losses));
    if (totals.left > 0) {
        appendKey(text, "left", std::to_string(totals.left));
    }
    appendKey(text, "kids_frightened", std::to_string(totals.kidsFrightened));
    text += records.otherTotalsKeys;
    for (const ForestRecord& forest : records.forests) {
        text += "\n[[forest]]\n";
        appendKey(text, "seed", std::to_string(forest.seed));
        if (forest.difficulty != DifficultyLevel::Standard) {
            appendKey(text, "difficulty",
                      "\"" + std::string(difficultyLevelName(forest.difficulty)) + "\"");
        }
        appendKey(text, "rounds", std::to_string(forest.rounds));
        appendKey(text, "wins", std::to_string(forest.wins));
        appendKey(text, "losses", std::to_string(forest.losses));
        if (forest.left > 0) {
            appendKey(text, "left", std::to_string(forest.left));
        }
        if (forest.bestSeconds && forest.bestDate) {
            appendKey(text, "best_seconds", decimal(*forest.bestSeconds));
            appendKey(text, "best_date", forest.bestDate->text());
        }
        appendKey(text, "most_kids_frightened", std::to_string(forest.mostKidsFrightened));
        appendKey(text, "last_round", std::to_string(forest.lastRound));
        text += forest.otherKeys;
    }
    return text;
}

}  // namespace dusk
