#pragma once
// The first fault of a part of the records file, by line.
#include <toml++/toml.h>

#include <string>

namespace dusk {

// The fault with the smallest line number of all those added (a table lists
// its keys sorted, not in the order of the file); on a tie, the first added.
class FirstFault {
public:
    using Line = toml::source_index;

    // Notes a fault at line; what says what is wrong (never empty).
    void add(Line line, std::string what);
    // Notes a fault at the line where node starts.
    void add(const toml::node& node, std::string what);
    bool found() const { return !what_.empty(); }
    // The first fault's line and words; only when found().
    Line line() const { return line_; }
    const std::string& what() const { return what_; }

private:
    Line line_ = 0;
    std::string what_;
};

}  // namespace dusk
