#pragma once
// Who is watching the player, as the HUD marks it: a kid that sees the
// player gets "!", a kid about to see the player a fainter "?". Marks fade in
// and out instead of blinking.
#include <cstddef>
#include <vector>

namespace dusk::ui {

enum class Watch { None, AboutToSee, Sees };

class DetectionMarkers {
public:
    static constexpr float fadeTime = 0.2f;  // seconds from nothing to full, and back

    struct Shown {
        std::size_t kid;
        Watch watch;  // what the mark says; while fading out, the last it said
        float alpha;  // 0..1
    };

    // One frame: watches holds every kid's state now (in kid order). A
    // watching kid's mark moves towards full and the others' towards nothing
    // by dt / fadeTime; a kid that stops watching keeps its mark while it
    // fades.
    void update(const std::vector<Watch>& watches, float dt);
    // The marks with something to draw, in kid order.
    std::vector<Shown> shown() const;
    void clear() { marks.clear(); }

private:
    struct Mark {
        Watch watch = Watch::None;
        float alpha = 0.0f;
    };
    std::vector<Mark> marks;
};

}  // namespace dusk::ui
