#include "records/RecordsText.h"

#include <toml++/toml.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <map>
#include <optional>
#include <utility>

#include "settings/SettingsText.h"

namespace dusk {

const char* const recordsFaultConsequence =
    "; starting with empty records (the file is kept as records.toml.bad)";

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

void unknownKeys(const toml::table& table, std::initializer_list<const char*> known,
                 FirstFault& fault) {
    for (const auto& [key, node] : table) {
        const std::string name(key.str());
        bool found = false;
        for (const char* k : known) {
            found = found || name == k;
        }
        if (!found) {
            fault.add(key.source().begin.line, "unknown key " + quoted(name));
        }
    }
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

void readTotals(const toml::node& node, RecordTotals& totals, FirstFault& fault) {
    const toml::table* table = node.as_table();
    if (table == nullptr) {
        fault.add(node, "\"totals\" must be a table");
        return;
    }
    unknownKeys(*table, {"rounds", "wins", "losses", "left", "kids_frightened"}, fault);
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
    for (const DifficultyLevel level :
         {DifficultyLevel::Relaxed, DifficultyLevel::Standard, DifficultyLevel::Hard}) {
        if (text->get() == difficultyLevelName(level)) {
            into = level;
            return true;
        }
    }
    return false;
}

void checkBest(const toml::table& table, const ForestRecord& forest, FirstFault& fault) {
    if (forest.bestSeconds.has_value() != forest.bestDate.has_value()) {
        const char* given = forest.bestSeconds ? "best_seconds" : "best_date";
        const char* missing = forest.bestSeconds ? "best_date" : "best_seconds";
        fault.add(*table.get(given), quoted(given) + " needs " + quoted(missing) + " beside it");
    } else if (forest.bestSeconds && forest.wins == 0) {
        fault.add(*table.get("best_seconds"), "\"best_seconds\" needs a win (\"wins\" is 0)");
    }
}

std::optional<ForestRecord> readForest(const toml::table& table, FirstFault& fault) {
    ForestRecord forest;
    unknownKeys(table,
                {"seed", "difficulty", "rounds", "wins", "losses", "left", "best_seconds",
                 "best_date", "most_kids_frightened", "last_round"},
                fault);
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
        fault.add(*node, "\"difficulty\" must be \"Relaxed\", \"Standard\" or \"Hard\"");
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
    checkBest(table, forest, fault);
    return fault.found() ? std::nullopt : std::optional<ForestRecord>(forest);
}

// " at Hard" for a level other than Standard, nothing for Standard.
std::string atLevel(DifficultyLevel level) {
    return level == DifficultyLevel::Standard ? ""
                                              : " at " + std::string(difficultyLevelName(level));
}

void readForests(const toml::node& node, Records& records, FirstFault& fault) {
    const toml::array* list = node.as_array();
    if (list == nullptr) {
        fault.add(node, "\"forest\" must be a list of tables ([[forest]])");
        return;
    }
    std::map<std::pair<std::uint32_t, DifficultyLevel>, Line> seen;
    for (const toml::node& element : *list) {
        const toml::table* table = element.as_table();
        if (table == nullptr) {
            fault.add(element, "each \"forest\" must be a table");
            continue;
        }
        const std::optional<ForestRecord> forest = readForest(*table, fault);
        if (!forest) {
            continue;
        }
        const Line line = table->get("seed")->source().begin.line;
        if (!seen.emplace(std::make_pair(forest->seed, forest->difficulty), line).second) {
            fault.add(line, "seed " + std::to_string(forest->seed) + atLevel(forest->difficulty) +
                                " is listed twice");
            continue;
        }
        records.forests.push_back(*forest);
    }
}

// Forests that cannot be beside the totals.
void checkAgainstTotals(const toml::table& root, const Records& records, FirstFault& fault) {
    const toml::array* list = root["forest"].as_array();
    for (const toml::node& element : *list) {
        const toml::table& table = *element.as_table();
        for (const char* key : {"rounds", "last_round"}) {
            std::int64_t value = 0;
            const toml::node* node = table.get(key);
            if (node != nullptr && wholeNumber(*node, 0, Records::maxCount, value) &&
                value > records.totals.rounds) {
                fault.add(*node, quoted(key) + " (" + std::to_string(value) +
                                     ") must not be more than the total \"rounds\" (" +
                                     std::to_string(records.totals.rounds) + ")");
            }
        }
    }
}

void readRoot(const toml::table& root, Records& records, FirstFault& fault) {
    unknownKeys(root, {"totals", "forest"}, fault);
    if (const toml::node* totals = root.get("totals")) {
        readTotals(*totals, records.totals, fault);
    }
    if (const toml::node* forests = root.get("forest")) {
        readForests(*forests, records, fault);
    }
    if (!fault.found() && root.get("forest") != nullptr) {
        checkAgainstTotals(root, records, fault);
    }
}

// Shortest text that reads back as the same double, always with a point.
std::string decimal(double value) {
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (text.find('.') == std::string::npos) {
        text += ".0";
    }
    return text;
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
    return withoutControls("Records file \"" + fileName + "\"" + where + ": " + what);
}

RecordsReading readRecordsText(const std::string& text, const std::string& fileName) {
    RecordsReading reading;
    if (text.empty()) {
        reading.fault = recordsProblem(fileName, "",
                                       "the file is empty" + std::string(recordsFaultConsequence));
        return reading;
    }
    FirstFault fault;
    try {
        const toml::table root = toml::parse(text, fileName);
        readRoot(root, reading.records, fault);
    } catch (const toml::parse_error& error) {
        fault.add(error.source().begin.line,
                  "not valid TOML (" + std::string(error.description()) + ")");
    }
    if (fault.found()) {
        reading.records = Records();
        reading.fault = recordsProblem(fileName, " line " + std::to_string(fault.line()),
                                       fault.what() + recordsFaultConsequence);
        return reading;
    }
    std::sort(reading.records.forests.begin(), reading.records.forests.end(), listedBefore);
    return reading;
}

std::string recordsText(const Records& records) {
    std::string text =
        "# Duskhollow records. The game rewrites this file at the end of every round.\n";
    text.reserve(64 + records.forests.size() * 200);
    const RecordTotals& totals = records.totals;
    text += "[totals]\n";
    appendKey(text, "rounds", std::to_string(totals.rounds));
    appendKey(text, "wins", std::to_string(totals.wins));
    appendKey(text, "losses", std::to_string(totals.losses));
    if (totals.left > 0) {
        appendKey(text, "left", std::to_string(totals.left));
    }
    appendKey(text, "kids_frightened", std::to_string(totals.kidsFrightened));
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
    }
    return text;
}

}  // namespace dusk
