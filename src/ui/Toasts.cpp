#include "ui/Toasts.h"

#include <algorithm>

namespace dusk::ui {

void Toasts::add(const std::string& text, double now) {
    entries.push_back({text, now});
    while (entries.size() > capacity) {
        entries.pop_front();
    }
}

std::vector<Toasts::Visible> Toasts::visible(double now) {
    while (!entries.empty() && now - entries.front().born >= lifetime) {
        entries.pop_front();
    }
    std::vector<Visible> shown;
    for (const auto& entry : entries) {
        const double left = lifetime - (now - entry.born);
        const double alpha = std::clamp(left / fadeTime, 0.0, 1.0);
        shown.push_back({entry.text, static_cast<float>(alpha)});
    }
    return shown;
}

}  // namespace dusk::ui
