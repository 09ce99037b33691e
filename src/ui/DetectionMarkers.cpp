#include "ui/DetectionMarkers.h"

#include <algorithm>

namespace dusk::ui {

void DetectionMarkers::update(const std::vector<Watch>& watches, float dt) {
    marks.resize(watches.size());
    const float step = std::max(dt, 0.0f) / fadeTime;
    for (std::size_t i = 0; i < watches.size(); ++i) {
        Mark& mark = marks[i];
        if (watches[i] == Watch::None) {
            mark.alpha = std::max(mark.alpha - step, 0.0f);
            continue;
        }
        mark.watch = watches[i];
        mark.alpha = std::min(mark.alpha + step, 1.0f);
    }
}

std::vector<DetectionMarkers::Shown> DetectionMarkers::shown() const {
    std::vector<Shown> list;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i].alpha > 0.0f) {
            list.push_back({i, marks[i].watch, marks[i].alpha});
        }
    }
    return list;
}

}  // namespace dusk::ui
