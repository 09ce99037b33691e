#pragma once
#include <deque>
#include <string>
#include <vector>

namespace dusk::ui {

// Short messages shown over the picture for a few seconds (`lifetime`, or
// as long as asked): each stays fully visible, then fades out. At most
// `capacity` are kept; a new one pushes the oldest out.
class Toasts {
public:
    struct Visible {
        std::string text;
        float alpha;  // 1 opaque .. 0 gone
    };

    static constexpr double lifetime = 2.5;  // seconds on screen
    static constexpr double fadeTime = 0.8;  // the last part of it, fading
    static constexpr size_t capacity = 4;

    void add(const std::string& text, double now, double seconds = lifetime);
    // The toasts still on screen at `now`, oldest first; expired ones are dropped.
    std::vector<Visible> visible(double now);
    void clear() { entries.clear(); }

private:
    struct Entry {
        std::string text;
        double gone;  // the time it is no longer shown
    };
    std::deque<Entry> entries;
};

}  // namespace dusk::ui
