#include "ui/TipsGuide.h"

namespace dusk::ui {

void TipsGuide::restart() {
    done.fill(false);
    shownFor = 0.0;
}

TipStep TipsGuide::step() const {
    for (std::size_t i = 0; i < done.size(); ++i) {
        if (!done[i]) {
            return static_cast<TipStep>(i);
        }
    }
    return TipStep::Done;
}

void TipsGuide::update(const TipEvents& events, double dt) {
    if (events.kidFrightened) {
        done.fill(true);
        return;
    }
    const TipStep before = step();
    done[static_cast<std::size_t>(TipStep::Move)] |= events.walked;
    done[static_cast<std::size_t>(TipStep::Scream)] |= events.screamed;
    done[static_cast<std::size_t>(TipStep::Sight)] |= events.seen;
    done[static_cast<std::size_t>(TipStep::Help)] |= events.helpOpened;
    if (before == TipStep::Done || step() != before) {
        shownFor = 0.0;
        return;
    }
    shownFor += dt;
    const double limit = before == TipStep::Goal                               ? goalSeconds
                         : before == TipStep::Sight || before == TipStep::Help ? readSeconds
                                                                               : -1.0;
    if (limit > 0.0 && shownFor >= limit) {
        done[static_cast<std::size_t>(before)] = true;
        shownFor = 0.0;
    }
}

}  // namespace dusk::ui
