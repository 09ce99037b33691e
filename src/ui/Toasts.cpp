#include "ui/Toasts.h"

#include <algorithm>

namespace dusk::ui {

void Toasts::add(const std::string& text, double now, double seconds) {
    entries.push_back({text, now + seconds});
    while (entries.size() > capacity) {
        entries.pop_front();
    }
}

std::vector<Toasts::Visible> Toasts::visible(double now) {
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [now](const Entry& entry) { return now >= entry.gone; }),
                  entries.end());
    std::vector<Visible> shown;
    for (const auto& entry : entries) {
        const double left = entry.gone - now;
        const double alpha = std::clamp(left / fadeTime, 0.0, 1.0);
        shown.push_back({entry.text, static_cast<float>(alpha)});
    }
    return shown;
}

}  // namespace dusk::ui
